#include "app/font_config_loader.h"

#include <fontconfig/fontconfig.h>

// A failure is left to Qt, which calls FcInit itself and reports it.
FontConfigLoader::FontConfigLoader()
    : thread_([] { FcInit(); })
{
}

FontConfigLoader::~FontConfigLoader()
{
    Wait();
}

void FontConfigLoader::Wait()
{
    if (thread_.joinable())
        thread_.join();
}
