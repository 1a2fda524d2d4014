#include "records/help_page.h"

#include <cstdio>
#include <fstream>

#include "records/catalogue.h"
#include "records/game_folders.h"
#include "records/scrambled_file.h"

std::string HelpSourcePath(const std::string& dir) { return ContentFilePath(dir, "helpinfo", "helpinfo-en"); }
std::string HelpPagePath(const std::string& dir) { return dir + "/help.html"; }

HelpPageResult PrepareHelpPage(const std::string& contentFolder, const std::string& helpFolder)
{
    std::optional<std::string> page = ReadScrambledFile(HelpSourcePath(contentFolder), kHelpInfoKey);
    if (!page)
        return HelpPageResult::SourceMissing;
    if (!MakeUserFolder(helpFolder))
        return HelpPageResult::TargetNotWritten;
    std::ofstream out(HelpPagePath(helpFolder), std::ios::binary | std::ios::trunc);
    out.write(page->data(), static_cast<std::streamsize>(page->size()));
    out.close();
    return out ? HelpPageResult::Written : HelpPageResult::TargetNotWritten;
}

HelpPageResult PrepareHelpPage(const std::string& dir) { return PrepareHelpPage(dir, dir); }

void RemoveHelpPage(const std::string& path)
{
    std::remove(path.c_str());
}
