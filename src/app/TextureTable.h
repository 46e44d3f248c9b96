// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed texture table: which picture of "base.gob" goes into which slot, and the order
// in which start-up loads them.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class AppState;

namespace TextureTable {
// The member name of a slot (Latin-1), empty for the slots filled at run time (3, 4, 5).
const char* SlotName(int slot);
// The start-up load order (slot 35 appears twice; the second load replaces the first).
const std::vector<int>& LoadOrder();
// Whether start-up decodes the slot: the pictures of the menu. The sheets of the two
// backgrounds and of the characters are only looked for then, and decoded when a game
// with them starts (LoadThemeTextures).
bool DecodedAtStart(int slot);
// The slots of a background theme's sheets (0 jungle, 1 saloon) and of the characters.
std::vector<int> ThemeSlots(int theme);
std::vector<int> CharacterSlots();
} // namespace TextureTable

// Reads a member of an archive whole; none when it is missing or unreadable.
using MemberReader = std::function<std::optional<std::vector<uint8_t>>(const std::string& name)>;

// Whether an archive member of this name exists.
using MemberCheck = std::function<bool(const std::string& name)>;

// Goes through every slot of the load order, advancing the loading screen after each: the
// slots decoded at start-up are loaded through `read`, the others only checked for with
// `exists` (or, without it, by reading them). Returns false when any picture is missing or
// cannot be decoded (the other slots are still loaded). `missing` collects the names that
// failed.
bool LoadTextureTable(AppState& app, const MemberReader& read,
                      std::vector<std::string>* missing = nullptr, const MemberCheck& exists = {});

// Decodes the sheets of background theme `theme` and of the characters from "base.gob"
// into their slots, where a slot is still empty (with animations off, not the sheets of
// figures that only appear while they move). Nothing happens without a device.
void LoadThemeTextures(AppState& app, int theme);
// Lets go of the sheets of every theme but `keptTheme` (-1: of both themes and of the
// characters), so the menu holds only what it shows.
void ReleaseThemeTextures(AppState& app, int keptTheme);
