// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fuzz targets share: the input as text or a stream, and the check
// that stops the run when a reader broke one of its promises. A broken promise
// aborts, so libFuzzer keeps the input as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "data/TextEncoding.h"

#define FUZZ_CHECK(condition, message)                                                             \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s (%s)\n", __FILE__, __LINE__, message,          \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline std::string InputText(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline std::istringstream InputStream(const uint8_t* data, size_t size) {
    return std::istringstream(InputText(data, size), std::ios::binary);
}

// A seed from the first four bytes; the input after them is what gets read.
inline uint32_t TakeSeed(const uint8_t*& data, size_t& size) {
    uint32_t seed = 0;
    for (int i = 0; i < 4 && size > 0; ++i, ++data, --size)
        seed = seed << 8 | *data;
    return seed;
}

// Klondike from the collection, as the games archive holds it: Latin-1, without
// the comment lines that the build drops.
inline const std::string& KlondikeDefinition() {
    static const std::string bytes = [] {
        std::ifstream in(KH_SOURCE_DIR "/content/games/klondike/klondike/klondike.game",
                         std::ios::binary);
        std::string text;
        for (std::string line; std::getline(in, line);)
            if (line.empty() || line[0] != '#') text += line + "\n";
        FUZZ_CHECK(text.find("STAPEL_START") != std::string::npos,
                   "the klondike definition is missing");
        return TextEncoding::Utf8ToLatin1(text).value_or(text);
    }();
    return bytes;
}
