#include "records/folder_handle.h"

#include <fcntl.h>
#include <unistd.h>

FolderHandle::FolderHandle(const std::string& path) : path_(path)
{
    // O_PATH: a folder the player may enter but not list (mode 0300) opens too.
    if (path.empty())
        return;
    fd_ = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat info {};
    if (fd_ >= 0 && ::fstat(fd_, &info) == 0)
        trust_ = JudgeFolder(info);
}

FolderHandle::~FolderHandle()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool FolderHandle::Entry(const std::string& name, struct stat& info) const
{
    return fd_ >= 0 && ::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}
