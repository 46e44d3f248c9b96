// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Timed input events for test runs: each line "FRAME COMMAND ARGS" (see README.md) turns
// into window messages delivered just before that frame's update.
#include "platform/WindowMessage.h"

#include <optional>
#include <string>
#include <vector>

struct ScriptEvent {
    enum class Action { Message, Screenshot, Quit };
    int frame = 0;
    Action action = Action::Message;
    WindowMessage message;
    std::string file; // Screenshot
};

class InputScript {
public:
    // Parses a whole script; on failure `error` names the line ("LINE: reason").
    static std::optional<InputScript> Parse(const std::string& text, std::string& error);
    // Reads and parses a file; on failure `error` says why (file or "file:LINE: reason").
    static std::optional<InputScript> Load(const std::string& path, std::string& error);

    // The events of `frame`, in script order. Frames are counted from 0.
    std::vector<const ScriptEvent*> EventsAt(int frame) const;
    const std::vector<ScriptEvent>& Events() const { return events; }
    int LastFrame() const { return events.empty() ? -1 : events.back().frame; }

    // The virtual-key code of a key name ("A", "7", "Return", "Escape", "F5", "ue", "0x0D" …).
    static std::optional<uint32_t> KeyCode(const std::string& name);

private:
    std::vector<ScriptEvent> events; // sorted by frame, script order within a frame
};
