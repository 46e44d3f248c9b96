// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/RegularFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FileHandle {
    int fd;
    ~FileHandle() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

RegularFile::Status RegularFile::Read(const std::filesystem::path& path, size_t maxBytes,
                                      std::string& bytes) {
    // Non-blocking, so that opening a FIFO without a writer returns at once;
    // the type is then checked on the open file itself, not on a name that
    // could change in between.
    FileHandle file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.fd < 0) return errno == ENOENT || errno == ENOTDIR ? Status::missing : Status::failed;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) return Status::failed;
    if (!S_ISREG(info.st_mode)) return Status::notRegular;
    if (info.st_size < 0 || static_cast<unsigned long long>(info.st_size) > maxBytes)
        return Status::tooLarge;

    std::string text;
    text.resize(static_cast<size_t>(info.st_size));
    size_t filled = 0;
    // One byte more than allowed tells a file that grew since fstat.
    for (;;) {
        if (filled == text.size()) {
            if (text.size() > maxBytes) return Status::tooLarge;
            text.resize(std::min(maxBytes + 1, text.size() + 4096));
        }
        ssize_t got = ::read(file.fd, text.data() + filled, text.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Status::failed;
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    if (filled > maxBytes) return Status::tooLarge;
    text.resize(filled);
    bytes = std::move(text);
    return Status::ok;
}

bool RegularFile::Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}
