#pragma once
// The archives of AppState: opened at start-up, closed at shutdown.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class AppState;

// Opens "base.gob", then the games, background and cards families with their numbered
// add-ons 1 … 99 (gaps allowed).
void OpenArchives(AppState& app);
// Closes them: base, cards and its add-ons, background and its add-ons, games and its add-ons.
void CloseArchives(AppState& app);
// A whole member of "base.gob"; none when it is missing or unreadable.
std::optional<std::vector<uint8_t>> ReadBaseMember(AppState& app, const std::string& name);
