// torvane-engine: the game without a window, driven by text commands.

#include <filesystem>
#include <iostream>
#include <string>

#include "engine/engine.h"
#include "game/random_source.h"

namespace {

int Usage()
{
    std::cerr << "usage: torvane-engine [--seed N] [--dir DIR]\n"
                 "  --seed N  seed the random source with N (0 to 4294967295) instead of the clock\n"
                 "  --dir DIR the folder of score.txt, news.txt and helpinfo (default: the executable's)\n";
    return 2;
}

std::string ExecutableDir(const char* argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv)
{
    std::string dir;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            std::optional<std::uint32_t> seed = ParseSeed(argv[++i]);
            if (!seed)
                return Usage();
            SetFirstSeed(*seed);
        } else if (arg == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else {
            return Usage();
        }
    }
    if (dir.empty())
        dir = ExecutableDir(argv[0]);
    std::ios::sync_with_stdio(false);
    return RunEngine(std::cin, std::cout, dir);
}
