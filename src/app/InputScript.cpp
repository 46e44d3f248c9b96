// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InputScript.h"

#include "data/RegularFile.h"
#include "data/TextFileLimits.h"
#include "platform/VirtualKeys.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ParseInt(const std::string& text, int& value, int base = 10) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && ptr == text.data() + text.size();
}

struct KeyName {
    const char* name;
    uint32_t code;
};

constexpr KeyName keyNames[] = {
    {"return", VirtualKey::Return},
    {"enter", VirtualKey::Return},
    {"escape", VirtualKey::Escape},
    {"esc", VirtualKey::Escape},
    {"space", VirtualKey::Space},
    {"back", VirtualKey::Back},
    {"backspace", VirtualKey::Back},
    {"tab", VirtualKey::Tab},
    {"left", VirtualKey::Left},
    {"right", VirtualKey::Right},
    {"up", VirtualKey::Up},
    {"down", VirtualKey::Down},
    {"shift", VirtualKey::Shift},
    {"control", VirtualKey::Control},
    {"ctrl", VirtualKey::Control},
    {"alt", VirtualKey::Menu},
    {"delete", VirtualKey::Delete},
    {"insert", VirtualKey::Insert},
    {"home", VirtualKey::Home},
    {"end", VirtualKey::End},
    {"pageup", VirtualKey::Prior},
    {"pagedown", VirtualKey::Next},
    {"ue", VirtualKey::OemUUmlaut},
    {"oe", VirtualKey::OemOUmlaut},
    {"ae", VirtualKey::OemAUmlaut},
    {"\xC3\xBC", VirtualKey::OemUUmlaut},
    {"\xC3\xB6", VirtualKey::OemOUmlaut},
    {"\xC3\xA4", VirtualKey::OemAUmlaut},
    {"ss", VirtualKey::OemSharpS},
};

} // namespace

std::optional<uint32_t> InputScript::KeyCode(const std::string& name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        return static_cast<uint32_t>(std::toupper(static_cast<unsigned char>(name[0])));
    const std::string lower = Lower(name);
    for (const KeyName& key : keyNames)
        if (lower == key.name) return key.code;
    int value = 0;
    if (lower.size() >= 2 && lower[0] == 'f' && ParseInt(lower.substr(1), value) && value >= 1 &&
        value <= 12)
        return VirtualKey::F1 + static_cast<uint32_t>(value - 1);
    if (lower.rfind("0x", 0) == 0 && ParseInt(lower.substr(2), value, 16) && value > 0 &&
        value < 256)
        return static_cast<uint32_t>(value);
    if (ParseInt(lower, value) && value > 0 && value < 256) return static_cast<uint32_t>(value);
    return std::nullopt;
}

std::optional<InputScript> InputScript::Parse(const std::string& text, std::string& error) {
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.empty()) continue;
        auto fail = [&](const std::string& reason) {
            error = std::to_string(lineNumber) + ": " + reason;
            return std::nullopt;
        };
        int frame = 0;
        if (!ParseInt(w[0], frame) || frame < 0)
            return fail("expected a frame number (0 or more) first, found '" + w[0] + "'");
        if (w.size() < 2) return fail("a command must follow the frame number");
        const std::string command = Lower(w[1]);
        const size_t argCount = w.size() - 2;
        auto need = [&](size_t n) { return argCount == n; };
        auto add = [&](WindowMessage m) {
            ScriptEvent e;
            e.frame = frame;
            e.message = m;
            script.events.push_back(e);
        };

        const bool pointerCommand = command == "move" || command == "down" || command == "up" ||
                                    command == "click" || command == "dblclick" ||
                                    command == "rdown" || command == "rup" || command == "rclick";
        if (pointerCommand) {
            int x = 0, y = 0;
            if (!need(2) || !ParseInt(w[2], x) || !ParseInt(w[3], y))
                return fail("'" + command + "' needs two whole numbers X Y");
            if (x < -32768 || x > 65535 || y < -32768 || y > 65535)
                return fail("coordinates must lie within -32768 … 65535");
            auto mouse = [&](MessageKind k) { add(WindowMessage::Mouse(k, x, y)); };
            if (command == "move") mouse(MessageKind::MouseMove);
            if (command == "down") mouse(MessageKind::LeftButtonDown);
            if (command == "up") mouse(MessageKind::LeftButtonUp);
            if (command == "rdown") mouse(MessageKind::RightButtonDown);
            if (command == "rup") mouse(MessageKind::RightButtonUp);
            if (command == "click" || command == "dblclick") {
                mouse(MessageKind::MouseMove);
                mouse(MessageKind::LeftButtonDown);
                mouse(MessageKind::LeftButtonUp);
                if (command == "dblclick") {
                    mouse(MessageKind::LeftDoubleClick);
                    mouse(MessageKind::LeftButtonUp);
                }
            }
            if (command == "rclick") {
                mouse(MessageKind::MouseMove);
                mouse(MessageKind::RightButtonDown);
                mouse(MessageKind::RightButtonUp);
            }
        } else if (command == "key" || command == "keydown" || command == "keyup") {
            if (!need(1)) return fail("'" + command + "' needs one key name");
            const auto key = KeyCode(w[2]);
            if (!key) return fail("unknown key '" + w[2] + "'");
            if (command != "keyup") add(WindowMessage::Key(MessageKind::KeyDown, *key));
            if (command != "keydown") add(WindowMessage::Key(MessageKind::KeyUp, *key));
        } else if (command == "wheel") {
            int notches = 0;
            if (!need(1) || !ParseInt(w[2], notches) || notches == 0 || notches < -100 ||
                notches > 100)
                return fail("'wheel' needs a whole number of notches (-100 … 100, not 0)");
            add(WindowMessage::Wheel(notches * WheelState::Delta, 0));
        } else if (command == "screenshot") {
            if (!need(1)) return fail("'screenshot' needs one file name");
            ScriptEvent e;
            e.frame = frame;
            e.action = ScriptEvent::Action::Screenshot;
            e.file = w[2];
            script.events.push_back(e);
        } else if (command == "quit") {
            if (!need(0)) return fail("'quit' takes no arguments");
            ScriptEvent e;
            e.frame = frame;
            e.action = ScriptEvent::Action::Quit;
            script.events.push_back(e);
        } else {
            return fail("unknown command '" + w[1] + "'");
        }
    }
    std::stable_sort(script.events.begin(), script.events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    return script;
}

std::optional<InputScript> InputScript::Load(const std::string& path, std::string& error) {
    std::string text;
    if (RegularFile::Read(path, TextFileLimits::kScriptBytes, text) != RegularFile::Status::ok) {
        error = "cannot read script file '" + path + "'";
        return std::nullopt;
    }
    auto script = Parse(text, error);
    if (!script) error = path + ":" + error;
    return script;
}

std::vector<const ScriptEvent*> InputScript::EventsAt(int frame) const {
    std::vector<const ScriptEvent*> result;
    auto it = std::lower_bound(events.begin(), events.end(), frame,
                               [](const ScriptEvent& e, int f) { return e.frame < f; });
    for (; it != events.end() && it->frame == frame; ++it)
        result.push_back(&*it);
    return result;
}
