// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/UserFolderLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

UserFolderLock::~UserFolderLock() {
    Release();
}

UserFolderLock::Outcome UserFolderLock::Acquire(const std::filesystem::path& lockFile) {
    Release();
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return Outcome::Unavailable;
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    descriptor = fd;
    return Outcome::Held;
}

void UserFolderLock::Release() {
    if (descriptor < 0) return;
    ::close(descriptor); // closing the last descriptor drops the lock
    descriptor = -1;
}
