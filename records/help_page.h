#pragma once
// The help page: helpinfo among the content files, unscrambled into help.html.

#include <string>

enum class HelpPageResult { Written, SourceMissing, TargetNotWritten };

std::string HelpSourcePath(const std::string& dir);
std::string HelpPagePath(const std::string& dir);

// Writes help.html in helpFolder, created when missing, from helpinfo in
// contentFolder.
HelpPageResult PrepareHelpPage(const std::string& contentFolder, const std::string& helpFolder);
HelpPageResult PrepareHelpPage(const std::string& dir);

// Deletes the help page; a missing file is ignored.
void RemoveHelpPage(const std::string& path);
