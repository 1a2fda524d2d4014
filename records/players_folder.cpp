#include "records/players_folder.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

// A user private group: named as the player, with no other members. Writing
// for such a group is writing for the player alone (the umask 002 of many
// systems makes the player's folders group-writable).
bool IsPrivateGroup(gid_t gid)
{
    std::vector<char> userBuffer(16 * 1024);
    struct passwd user {};
    struct passwd* me = nullptr;
    if (::getpwuid_r(::geteuid(), &user, userBuffer.data(), userBuffer.size(), &me) != 0 || !me ||
        me->pw_gid != gid)
        return false;
    std::vector<char> groupBuffer(64 * 1024);
    struct group group {};
    struct group* found = nullptr;
    if (::getgrgid_r(gid, &group, groupBuffer.data(), groupBuffer.size(), &found) != 0 || !found ||
        std::strcmp(me->pw_name, group.gr_name) != 0)
        return false;
    for (char** member = group.gr_mem; member && *member; ++member)
        if (std::strcmp(*member, me->pw_name) != 0)
            return false;
    return true;
}

}  // namespace

FolderTrust JudgeFolder(const struct stat& folder)
{
    const uid_t me = ::geteuid();
    const bool othersWrite = (folder.st_mode & S_IWOTH) != 0 ||
                             ((folder.st_mode & S_IWGRP) != 0 && !IsPrivateGroup(folder.st_gid));
    if (othersWrite)
        return (folder.st_mode & S_ISVTX) != 0 ? FolderTrust::Sticky : FolderTrust::Others;
    if (folder.st_uid == me || folder.st_uid == 0)
        return FolderTrust::Players;
    // Another user's folder: its owner may change it at will.
    return FolderTrust::Others;
}

bool MayUseEntry(FolderTrust trust, const struct stat& entry)
{
    switch (trust) {
    case FolderTrust::Players:
        return true;
    case FolderTrust::Sticky:
        return entry.st_uid == ::geteuid();
    case FolderTrust::Others:
        break;
    }
    return false;
}

bool IsPlayersFolder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && JudgeFolder(info) != FolderTrust::Others;
}
