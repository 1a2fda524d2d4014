#pragma once
// The game's command line: --seed N, --dir DIR, --lang zh|en, --replay FILE, --help, --version, and the
// "Embedding" and "Automation" switches (after "/" or "-", any letter case)
// that skip the loading screen.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/catalogue.h"

struct CommandLine {
    std::optional<std::uint32_t> seed;
    std::optional<std::string> dir;
    std::optional<Language> language;   // the locale decides when unset
    std::optional<std::string> replay;   // --replay FILE: play that game back
    bool showSplash = true;
    bool help = false;
    bool version = false;
    std::string error;       // set when the line cannot be understood
    std::string offending;   // the argument the error is about
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string CommandLineUsage();

// The text of --help and of --version.
std::string CommandLineHelp();
std::string VersionText();
