// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/ArchiveSet.h"

#include "data/TextEncoding.h"

#include <fstream>

#include <unistd.h>

void OpenArchiveFamily(const std::filesystem::path& folder, const std::string& prefix,
                       std::unique_ptr<GameArchive>& main, ArchiveList& addOns) {
    CloseArchiveFamily(main, addOns);
    main = OpenArchive(folder / (prefix + ".gob"));
    for (int number = 1; number <= 99; ++number) {
        std::filesystem::path name = folder / (prefix + "_" + std::to_string(number) + ".gob");
        // Only a file that can be opened for reading takes a place in the list
        // (asked without opening it: opening a FIFO would wait for a writer).
        if (::access(name.c_str(), R_OK) != 0) continue;
        addOns.Append(OpenArchive(name).release());
    }
}

void CloseArchiveFamily(std::unique_ptr<GameArchive>& main, ArchiveList& addOns) {
    CloseArchive(main);
    addOns.Clear();
}

void ArchiveSet::OpenArchives(const std::filesystem::path& folder) {
    CloseArchives();
    baseArchive = OpenArchive(folder / "base.gob");
    OpenArchiveFamily(folder, "games", gamesArchive, gameAddOnArchives);
    OpenArchiveFamily(folder, "background", backgroundArchive, backgroundAddOnArchives);
    OpenArchiveFamily(folder, "cards", cardsArchive, cardAddOnArchives);
}

void ArchiveSet::CloseArchives() {
    CloseArchive(baseArchive);
    CloseArchiveFamily(cardsArchive, cardAddOnArchives);
    CloseArchiveFamily(backgroundArchive, backgroundAddOnArchives);
    CloseArchiveFamily(gamesArchive, gameAddOnArchives);
}

namespace {

bool TryArchive(GameArchive* archive, const std::string& name, const MemberConsumer& accept) {
    std::optional<std::vector<uint8_t>> bytes = ReadMember(archive, name);
    return bytes && accept(*bytes);
}

bool TryFile(const std::string& name, const std::filesystem::path& folder,
             const MemberConsumer& accept) {
    if (name.empty()) return false;
    std::filesystem::path path = folder / TextEncoding::MemberNameToPath(name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    return accept(bytes);
}

} // namespace

bool SearchArchiveFamily(const ArchiveFamily& family, const std::string& name, bool allowFiles,
                         const MemberConsumer& accept, const std::filesystem::path& folder) {
    auto attempt = [&](GameArchive* archive) {
        if (TryArchive(archive, name, accept)) return true;
        return allowFiles && TryFile(name, folder, accept);
    };
    if (attempt(family.main)) return true;
    if (family.addOns)
        for (GameArchive* addOn : *family.addOns)
            if (attempt(addOn)) return true;
    return false;
}

std::optional<std::vector<uint8_t>> ReadFamilyMember(const ArchiveFamily& family,
                                                     const std::string& name, bool allowFiles,
                                                     const std::filesystem::path& folder) {
    std::optional<std::vector<uint8_t>> found;
    SearchArchiveFamily(
        family, name, allowFiles,
        [&](std::span<const uint8_t> bytes) {
            found.emplace(bytes.begin(), bytes.end());
            return true;
        },
        folder);
    return found;
}
