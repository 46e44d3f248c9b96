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
} // namespace TextureTable

// Reads a member of an archive whole; none when it is missing or unreadable.
using MemberReader = std::function<std::optional<std::vector<uint8_t>>(const std::string& name)>;

// Loads every slot of the load order through `read`, advancing the loading screen after
// each. Returns false when any picture is missing or cannot be decoded (the other slots
// are still loaded). `missing` collects the names that failed.
bool LoadTextureTable(AppState& app, const MemberReader& read,
                      std::vector<std::string>* missing = nullptr);
