#include "data/SafeFileWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SafeFileWriter::WriteWhole(const std::filesystem::path& target, std::string_view contents) {
    // A unique name, so two running copies never write into the same temporary file.
    std::string pattern = target.string() + ".XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) return false;
    std::filesystem::path temporary = pattern;
    ::fchmod(fd, 0644);
    bool ok = true;
    const char* data = contents.data();
    size_t left = contents.size();
    while (ok && left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    std::error_code error;
    if (ok) {
        std::filesystem::rename(temporary, target, error);
        ok = !error;
    }
    if (!ok) std::filesystem::remove(temporary, error);
    return ok;
}
