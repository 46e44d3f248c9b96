// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh directory under the system's temporary folder, removed with its
// contents when the test ends.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

class TempDir {
public:
    TempDir() {
        static int counter = 0;
        path = std::filesystem::temp_directory_path() /
               ("kh_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    // Writes a file (creating its folders) and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view contents) const {
        std::filesystem::path file = path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        return file;
    }

    static std::string Read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path path;
};

// Deterministic pseudo-random bytes for hostile-input tests.
inline std::string RandomBytes(size_t count, unsigned seed) {
    std::string bytes(count, '\0');
    unsigned state = seed;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}
