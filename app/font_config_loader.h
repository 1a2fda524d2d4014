#pragma once
// Fontconfig reads its configuration, some milliseconds of XML, the first time
// any font is looked up, and the window cannot be laid out before that. The
// loader reads it on a thread of its own while the application object
// connects to the display.

#include <thread>

class FontConfigLoader {
public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    // Waits until the configuration is read; call it before the first font is
    // used, or the lookup reads the configuration a second time.
    void Wait();

private:
    std::thread thread_;
};
