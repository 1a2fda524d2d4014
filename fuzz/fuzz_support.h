#pragma once
// Shared pieces of the fuzz targets: a private scratch folder and a check that
// stops the fuzzer with a message.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/json_writer.h"

// A folder of this process for the files a target writes, on a RAM disk when
// there is one (saving syncs the file to disk); removed when the process ends.
inline const std::string& ScratchDir()
{
    struct Scratch {
        std::string path;
        Scratch()
        {
            const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                                   ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path();
            path = (base / ("torvane-fuzz-" + std::to_string(getpid()))).string();
            std::filesystem::create_directories(path);
        }
        ~Scratch()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const Scratch scratch;
    return scratch.path;
}

#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
        if (!(condition)) {                                                     \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                       \
        }                                                                       \
    } while (false)

inline bool IsValidUtf8(const std::string& text) { return ValidUtf8(text) == text; }
