#pragma once
// The advisory lock that games sharing a folder take around reading and saving
// a file there. It is taken on a lock file beside the file (saving replaces the
// file itself), which the player can open whatever the folder's read bit, and
// it is waited for a few seconds at most: a game that holds it for ever, or one
// that was stopped, never freezes another.

#include <functional>
#include <string>

#include "records/folder_handle.h"

enum class LockKind { Shared, Exclusive };

// The longest wait for a lock another game holds.
constexpr int kLockWaitMilliseconds = 3000;

class FolderLock {
public:
    // whileWaiting runs again and again while the lock is waited for (every few
    // hundredths of a second), so that a window keeps painting.
    FolderLock(const FolderHandle& folder, const std::string& lockName, LockKind kind,
               const std::function<void()>& whileWaiting = {});
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when the lock could not be had in time, or not at all.
    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};
