// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running copy per folder of player files. Two copies on the same files would each
// write their own older values over the other's at exit, so the second start is turned
// away. The lock is an advisory lock on a file in that folder, held while the process runs;
// the system drops it when the process ends in whatever way, so a crash never leaves a
// stale lock behind.
#include <filesystem>

class UserFolderLock {
public:
    enum class Outcome {
        Held,          // this process holds the lock now
        HeldElsewhere, // another running copy holds it
        Unavailable,   // the lock file cannot be made (a read-only folder): run without it
    };

    UserFolderLock() = default;
    ~UserFolderLock();
    UserFolderLock(const UserFolderLock&) = delete;
    UserFolderLock& operator=(const UserFolderLock&) = delete;

    Outcome Acquire(const std::filesystem::path& lockFile);
    void Release();

private:
    int descriptor = -1;
};
