#include "records/help_page.h"

#include <cstdio>
#include <fstream>

#include "records/scrambled_file.h"

std::string HelpSourcePath(const std::string& dir) { return dir + "/helpinfo"; }
std::string HelpPagePath(const std::string& dir) { return dir + "/help.html"; }

HelpPageResult PrepareHelpPage(const std::string& dir)
{
    std::optional<std::string> page = ReadScrambledFile(HelpSourcePath(dir), kHelpInfoKey);
    if (!page)
        return HelpPageResult::SourceMissing;
    std::ofstream out(HelpPagePath(dir), std::ios::binary | std::ios::trunc);
    out.write(page->data(), static_cast<std::streamsize>(page->size()));
    out.close();
    return out ? HelpPageResult::Written : HelpPageResult::TargetNotWritten;
}

void RemoveHelpPage(const std::string& path)
{
    std::remove(path.c_str());
}
