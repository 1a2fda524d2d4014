#include "game/command_args.h"

std::vector<std::string> NormaliseArguments(const std::vector<std::string>& args)
{
    std::vector<std::string> normal;
    normal.reserve(args.size());
    for (const std::string& arg : args) {
        const std::size_t equals = arg.find('=');
        if (arg == "-h") {
            normal.push_back("--help");
        } else if (arg == "-v") {
            normal.push_back("--version");
        } else if (arg.starts_with("--") && equals != std::string::npos && equals > 2) {
            normal.push_back(arg.substr(0, equals));
            normal.push_back(arg.substr(equals + 1));
        } else {
            normal.push_back(arg);
        }
    }
    return normal;
}
