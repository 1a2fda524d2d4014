#include "ui/window/command_line.h"

#include <algorithm>
#include <cctype>

#include "game/random_source.h"

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool IsSplashSwitch(const std::string& arg)
{
    if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-'))
        return false;
    const std::string name = Lower(arg.substr(1));
    return name == "embedding" || name == "automation";
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (IsSplashSwitch(arg)) {
            line.showSplash = false;
        } else if ((arg == "--seed" || arg == "--dir") && i + 1 < args.size()) {
            const std::string& value = args[++i];
            if (arg == "--dir") {
                line.dir = value;
            } else if (auto seed = ParseSeed(value)) {
                line.seed = seed;
            } else {
                line.error = "bad seed: " + value;
                return line;
            }
        } else {
            line.error = "unknown argument: " + arg;
            return line;
        }
    }
    return line;
}

std::string CommandLineUsage()
{
    return "usage: torvane [--seed N] [--dir DIR] [-Embedding | -Automation]";
}
