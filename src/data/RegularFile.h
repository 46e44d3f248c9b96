// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a whole file only when it is a regular file (after following links) of
// at most a given size. A FIFO, a device such as /dev/zero or /dev/urandom, a
// folder or a socket is refused without reading a byte, and opening never
// blocks: a FIFO without a writer would otherwise hang the caller.
#include <cstddef>
#include <filesystem>
#include <string>

namespace RegularFile {

enum class Status { ok, missing, notRegular, tooLarge, failed };

// The whole contents into bytes (only on ok; bytes is untouched otherwise).
Status Read(const std::filesystem::path& path, size_t maxBytes, std::string& bytes);

// Whether a regular file of that name exists (links followed).
bool Exists(const std::filesystem::path& path);

} // namespace RegularFile
