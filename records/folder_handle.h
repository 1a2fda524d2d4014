#pragma once
// An open folder the game reads or writes files in, judged once: later steps
// work on the folder that was judged, whatever happens to its path meanwhile.

#include <sys/stat.h>

#include <string>

#include "records/players_folder.h"

class FolderHandle {
public:
    explicit FolderHandle(const std::string& path);
    ~FolderHandle();
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;

    // False when the path names no folder that could be opened.
    bool IsOpen() const { return fd_ >= 0; }
    // True when the folder is open and the player's (Players or Sticky).
    bool IsPlayers() const { return fd_ >= 0 && trust_ != FolderTrust::Others; }
    int fd() const { return fd_; }
    FolderTrust trust() const { return trust_; }
    const std::string& path() const { return path_; }

    // The status of an entry, a link itself rather than its target; false when
    // there is no such entry.
    bool Entry(const std::string& name, struct stat& info) const;

private:
    std::string path_;
    int fd_ = -1;
    FolderTrust trust_ = FolderTrust::Others;
};
