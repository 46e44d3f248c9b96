// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/SafeFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SafeFileWriter::WriteWhole(const std::filesystem::path& target, std::string_view contents,
                                std::string* reason) {
    int failure = 0;
    auto fail = [&](int error) {
        if (failure == 0) failure = error;
    };
    // A unique name, so two running copies never write into the same temporary file.
    std::string pattern = target.string() + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        if (reason) *reason = std::strerror(errno);
        return false;
    }
    std::filesystem::path temporary = pattern;
    ::fchmod(fd, 0644);
    bool ok = true;
    const char* data = contents.data();
    size_t left = contents.size();
    while (ok && left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            fail(written < 0 ? errno : ENOSPC);
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    if (ok && ::fsync(fd) != 0) {
        fail(errno);
        ok = false;
    }
    if (::close(fd) != 0) {
        fail(errno);
        ok = false;
    }
    std::error_code error;
    if (ok) {
        std::filesystem::rename(temporary, target, error);
        if (error) {
            fail(error.value());
            ok = false;
        }
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        if (reason) *reason = std::strerror(failure != 0 ? failure : EIO);
    }
    return ok;
}
