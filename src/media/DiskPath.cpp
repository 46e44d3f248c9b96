// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/DiskPath.h"

std::string DiskPathOf(const std::string& latin1Name) {
    std::string path;
    path.reserve(latin1Name.size() + 4);
    for (char ch : latin1Name) {
        auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\') {
            path += '/';
        } else if (byte < 0x80) {
            path += ch;
        } else {
            path += char(0xC0 | (byte >> 6));
            path += char(0x80 | (byte & 0x3F));
        }
    }
    return path;
}
