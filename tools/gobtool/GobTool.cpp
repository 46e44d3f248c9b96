// SPDX-License-Identifier: GPL-3.0-or-later
// gobtool create ARCHIVE.gob DIR   pack every file below DIR
// gobtool list ARCHIVE.gob         show the members in directory order
// gobtool extract ARCHIVE.gob DIR  unpack every member below DIR
//
// Member names are the paths below DIR with backslashes, in Latin-1; files on
// disk carry the same names in UTF-8 with slashes. Members are packed in sorted
// name order, so the same tree always gives the same archive bytes.
// Exit codes: 0 success, 2 bad arguments or bad input.
#include "data/GameArchive.h"
#include "data/GameArchiveWriter.h"
#include "data/TextEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kBadInput = 2;

int Usage(std::ostream& out, int code) {
    out << "usage: gobtool create ARCHIVE.gob DIR\n"
           "       gobtool list ARCHIVE.gob\n"
           "       gobtool extract ARCHIVE.gob DIR\n";
    return code;
}

int Error(const std::string& message) {
    std::cerr << "gobtool: " << message << "\n";
    return kBadInput;
}

bool ReadFile(const fs::path& path, std::string& data) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Why a file is not an archive, for the error message.
std::string DescribeBadArchive(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error)) return "no such file";
    if (!fs::is_regular_file(path, error)) return "not a regular file";
    std::ifstream in(path, std::ios::binary);
    unsigned char header[8] = {};
    if (!in.read(reinterpret_cast<char*>(header), 8)) return "shorter than the 8-byte header";
    if (std::memcmp(header, "GOB\0", 4) != 0) return "not a .gob archive (wrong magic)";
    uint32_t count = header[4] | header[5] << 8 | header[6] << 16 | uint32_t(header[7]) << 24;
    if (count == 0) return "the archive says it holds no members";
    return "the directory of " + std::to_string(count) + " entries does not fit in the file";
}

std::unique_ptr<GameArchive> OpenOrExplain(const std::string& name) {
    std::unique_ptr<GameArchive> archive = OpenArchive(name);
    if (!archive) Error(name + ": " + DescribeBadArchive(name));
    return archive;
}

int Create(const std::string& archiveName, const std::string& dirName) {
    std::error_code error;
    fs::path root(dirName);
    if (!fs::is_directory(root, error)) return Error(dirName + ": not a directory");
    fs::path target = fs::absolute(archiveName, error);

    std::vector<GameArchiveWriter::Member> members;
    std::set<std::string> folded;
    fs::recursive_directory_iterator it(root, error), end;
    if (error) return Error(dirName + ": " + error.message());
    for (; it != end; it.increment(error)) {
        if (error) return Error(dirName + ": " + error.message());
        if (!it->is_regular_file(error)) continue;
        if (fs::equivalent(it->path(), target, error)) continue; // the archive being written
        std::string relative = it->path().lexically_relative(root).generic_string();
        if (relative.find('\\') != std::string::npos)
            return Error(relative + ": a backslash in a file name would read as a folder");
        std::optional<std::string> latin1 = TextEncoding::Utf8ToLatin1(relative);
        if (!latin1) return Error(relative + ": file name not representable in Latin-1");
        std::replace(latin1->begin(), latin1->end(), '/', '\\');
        if (latin1->size() >= GameArchive::kNameFieldSize)
            return Error(relative + ": member name longer than 259 bytes");
        if (!folded.insert(GameArchive::FoldCase(*latin1)).second)
            return Error(relative + ": another file has the same name up to letter case");
        GameArchiveWriter::Member member;
        member.name = std::move(*latin1);
        if (!ReadFile(it->path(), member.data)) return Error(relative + ": cannot read");
        members.push_back(std::move(member));
    }
    if (members.empty()) return Error(dirName + ": no files to pack");
    std::sort(members.begin(), members.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    std::string message;
    if (!GameArchiveWriter::Write(archiveName, members, &message)) return Error(message);
    return 0;
}

std::string Damage(const GameArchive::Entry& entry) {
    if (!entry.nameTerminated) return "name without terminator";
    if (!entry.dataInFile) return "data runs past the end of the file";
    return {};
}

int List(const std::string& archiveName) {
    std::unique_ptr<GameArchive> archive = OpenOrExplain(archiveName);
    if (!archive) return kBadInput;
    int damaged = 0;
    for (const GameArchive::Entry& entry : archive->Entries()) {
        std::string name = TextEncoding::Latin1ToUtf8(entry.name);
        std::printf("%10u  %s", entry.size, name.c_str());
        if (!entry.Usable()) {
            std::printf("  (damaged: %s)", Damage(entry).c_str());
            ++damaged;
        }
        std::printf("\n");
    }
    if (damaged) return Error(std::to_string(damaged) + " damaged entries");
    return 0;
}

// A member name that stays inside the target folder: no empty, "." or ".."
// parts and no leading separator.
bool SafeRelativePath(const std::string& path) {
    if (path.empty()) return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        std::string part =
            path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return true;
}

int Extract(const std::string& archiveName, const std::string& dirName) {
    std::unique_ptr<GameArchive> archive = OpenOrExplain(archiveName);
    if (!archive) return kBadInput;
    std::error_code error;
    fs::create_directories(dirName, error);
    if (!fs::is_directory(dirName, error)) return Error(dirName + ": cannot create the directory");

    int failures = 0;
    std::set<std::string> seen;
    for (const GameArchive::Entry& entry : archive->Entries()) {
        std::string path = TextEncoding::MemberNameToPath(entry.name);
        if (!entry.Usable()) {
            ++failures;
            Error(path + ": damaged entry (" + Damage(entry) + "), skipped");
            continue;
        }
        if (!SafeRelativePath(path)) {
            ++failures;
            Error(path + ": name leads outside the target directory, skipped");
            continue;
        }
        // A lookup always finds the first entry of a name; later ones are dead.
        if (!seen.insert(GameArchive::FoldCase(entry.name)).second) {
            std::cerr << "gobtool: " << path << ": duplicate name, only the first is extracted\n";
            continue;
        }
        std::vector<uint8_t> data;
        if (!archive->Read(entry, data)) {
            ++failures;
            Error(path + ": cannot read the member data");
            continue;
        }
        fs::path out = fs::path(dirName) / path;
        fs::create_directories(out.parent_path(), error);
        std::ofstream file(out, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data.data()),
                   static_cast<std::streamsize>(data.size()));
        file.close();
        if (!file) {
            ++failures;
            Error(out.string() + ": cannot write");
        }
    }
    if (failures) return Error(std::to_string(failures) + " members not extracted");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) return Usage(std::cout, 0);
    if (args.size() == 3 && args[0] == "create") return Create(args[1], args[2]);
    if (args.size() == 2 && args[0] == "list") return List(args[1]);
    if (args.size() == 3 && args[0] == "extract") return Extract(args[1], args[2]);
    return Usage(std::cerr, kBadInput);
}
