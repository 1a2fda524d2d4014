#include "app/font_config_loader.h"

#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>

// A failure is left to Qt, which calls FcInit itself and reports it.
// The thread runs only on a core that nothing else wants: the application
// object spends much of its time waiting for the X server's replies, and a
// configuration read that competed with the server for the cores would
// delay them (2 ms of the time to the window on a two-core machine).
FontConfigLoader::FontConfigLoader()
    : thread_([] {
          const sched_param idle{};
          pthread_setschedparam(pthread_self(), SCHED_IDLE, &idle);
          FcInit();
      })
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
