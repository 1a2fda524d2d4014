#include "records/help_page.h"

#include <cstdio>

#include "records/catalogue.h"
#include "records/game_folders.h"
#include "records/safe_write.h"
#include "records/scrambled_file.h"

namespace {

constexpr const char* kHelpPageName = "help.html";

}  // namespace

std::string HelpSourcePath(const std::string& dir) { return ContentFilePath(dir, "helpinfo", "helpinfo-en"); }
std::string HelpPagePath(const std::string& dir) { return dir.empty() ? "" : dir + "/" + kHelpPageName; }

HelpPageResult PrepareHelpPage(const std::string& contentFolder, const std::string& helpFolder)
{
    std::optional<std::string> page = ReadScrambledFile(HelpSourcePath(contentFolder), kHelpInfoKey);
    if (!page)
        return HelpPageResult::SourceMissing;
    if (!MakeUserFolder(helpFolder))
        return HelpPageResult::TargetNotWritten;
    // A link or a FIFO planted as help.html is replaced, never written through.
    return WriteOwnFile(helpFolder, kHelpPageName, *page) ? HelpPageResult::Written
                                                         : HelpPageResult::TargetNotWritten;
}

HelpPageResult PrepareHelpPage(const std::string& dir) { return PrepareHelpPage(dir, dir); }

void RemoveHelpPage(const std::string& path)
{
    if (!path.empty())
        std::remove(path.c_str());
}
