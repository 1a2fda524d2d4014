#pragma once
// Command-line arguments written as users of GNU programs write them: "-h" and
// "-v" for --help and --version, and "--name=value" for "--name value". Both
// executables parse what this gives back.

#include <string>
#include <vector>

std::vector<std::string> NormaliseArguments(const std::vector<std::string>& args);
