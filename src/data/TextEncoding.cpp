// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TextEncoding.h"

std::string TextEncoding::Latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char c : latin1) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> TextEncoding::Utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out.push_back(static_cast<char>(byte));
            continue;
        }
        // Only the two-byte sequences C2 80 … C3 BF encode U+0080 … U+00FF.
        if ((byte != 0xC2 && byte != 0xC3) || i + 1 >= utf8.size()) return std::nullopt;
        unsigned char next = static_cast<unsigned char>(utf8[i + 1]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        out.push_back(static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F)));
        ++i;
    }
    return out;
}

std::string TextEncoding::WorkingFolderPath(std::string_view memberName) {
    const std::string path = MemberNameToPath(memberName);
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string_view step(path.data() + start, end - start);
        if (step.empty() || step == "." || step == "..") return {};
        start = end + 1;
    }
    return path;
}

std::string TextEncoding::MemberNameToPath(std::string_view memberName) {
    std::string path = Latin1ToUtf8(memberName);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}
