// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four archive families the program reads from: "base.gob" alone, and
// "games.gob", "background.gob" and "cards.gob", each followed by its numbered
// add-ons 1 … 99. The field names are those of AppState, which derives from
// this record.
//
// An add-on list holds, in ascending number, one entry for every add-on file
// that exists; an existing file that is not a valid archive holds its place as
// a null entry, which every search skips. Gaps in the numbering are allowed.
#include "data/GameArchive.h"
#include "data/PtrList.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

using ArchiveList = PtrList<GameArchive, true>;

struct ArchiveSet {
    std::unique_ptr<GameArchive> gamesArchive;
    ArchiveList gameAddOnArchives;
    std::unique_ptr<GameArchive> cardsArchive;
    ArchiveList cardAddOnArchives;
    std::unique_ptr<GameArchive> backgroundArchive;
    ArchiveList backgroundAddOnArchives;
    std::unique_ptr<GameArchive> baseArchive;

    // Opens, from the folder (the working directory when empty): "base.gob";
    // "games.gob" and "games_%d.gob"; "background.gob" and "background_%d.gob";
    // "cards.gob" and "cards_%d.gob". Archives open before are closed first.
    void OpenArchives(const std::filesystem::path& folder = {});
    // Closes base, cards with add-ons, background with add-ons, games with add-ons.
    void CloseArchives();
};

// Opens one family: the main archive and every add-on "PREFIX_N.gob" that
// exists, N = 1 … 99.
void OpenArchiveFamily(const std::filesystem::path& folder, const std::string& prefix,
                       std::unique_ptr<GameArchive>& main, ArchiveList& addOns);
void CloseArchiveFamily(std::unique_ptr<GameArchive>& main, ArchiveList& addOns);

// One family as searched: the main archive first, then the add-ons in order.
struct ArchiveFamily {
    GameArchive* main = nullptr;
    const ArchiveList* addOns = nullptr;

    ArchiveFamily() = default;
    ArchiveFamily(GameArchive* main, const ArchiveList* addOns) : main(main), addOns(addOns) {}
    ArchiveFamily(const std::unique_ptr<GameArchive>& main, const ArchiveList& addOns)
        : main(main.get()), addOns(&addOns) {}
    // The family of a single archive, without add-ons ("base.gob", the chatter).
    explicit ArchiveFamily(const std::unique_ptr<GameArchive>& single) : main(single.get()) {}
};

// The search over a family. Each archive in turn offers the member's bytes to
// `accept`; the first archive whose bytes are accepted wins. With `allowFiles`
// every archive's attempt falls back to the loose file of the member's name
// (backslashes as slashes, UTF-8) below `folder` before the next archive is
// tried, so a loose file wins over every add-on. `accept` returns false when it
// cannot use the bytes (for example a picture that does not decode).
using MemberConsumer = std::function<bool(std::span<const uint8_t> bytes)>;
bool SearchArchiveFamily(const ArchiveFamily& family, const std::string& name, bool allowFiles,
                         const MemberConsumer& accept, const std::filesystem::path& folder = {});

// The bytes of the first archive (or loose file) that has the member.
std::optional<std::vector<uint8_t>> ReadFamilyMember(const ArchiveFamily& family,
                                                     const std::string& name, bool allowFiles,
                                                     const std::filesystem::path& folder = {});
