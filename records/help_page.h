#pragma once
// The help page: helpinfo beside the executable, unscrambled into help.html.

#include <string>

enum class HelpPageResult { Written, SourceMissing, TargetNotWritten };

std::string HelpSourcePath(const std::string& dir);
std::string HelpPagePath(const std::string& dir);

// Writes help.html from helpinfo in dir.
HelpPageResult PrepareHelpPage(const std::string& dir);

// Deletes the help page; a missing file is ignored.
void RemoveHelpPage(const std::string& path);
