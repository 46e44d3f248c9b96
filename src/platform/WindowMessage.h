// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One input or window event, translated from the platform's event queue into the form
// the window procedure understands: mouse positions as two unsigned 16-bit values, keys
// as Windows virtual-key codes, the wheel as the packed 32-bit wheel parameter.
#include <cstdint>

enum class MessageKind {
    None,
    WindowDestroyed, // the window was closed: the program should quit
    WindowCreated,
    Paint,
    KeyDown,
    KeyUp,
    MouseMove,
    LeftButtonDown,
    LeftButtonUp,
    LeftDoubleClick,
    RightButtonDown,
    RightButtonUp,
    MouseWheel,
    DeviceLost,     // the window was minimised or hidden: nothing can be drawn
    DeviceRestored, // the window is visible again
    DeviceReset,    // render targets or the device were reset: resources must be restored
};

struct WindowMessage {
    MessageKind kind = MessageKind::None;
    uint16_t x = 0;          // mouse messages: client x (wrapped into 16 bits)
    uint16_t y = 0;          // mouse messages: client y
    uint32_t key = 0;        // key messages: virtual-key code
    uint32_t wheel = 0;      // wheel: delta in the high 16 bits, button/modifier state low
    bool deviceLost = false; // DeviceReset: the device itself (not only targets) was lost

    static WindowMessage Mouse(MessageKind kind, int x, int y) {
        WindowMessage m;
        m.kind = kind;
        m.x = static_cast<uint16_t>(x);
        m.y = static_cast<uint16_t>(y);
        return m;
    }
    static WindowMessage Key(MessageKind kind, uint32_t key) {
        WindowMessage m;
        m.kind = kind;
        m.key = key;
        return m;
    }
    static WindowMessage Wheel(int delta, uint16_t state) {
        WindowMessage m;
        m.kind = MessageKind::MouseWheel;
        m.wheel = (static_cast<uint32_t>(static_cast<uint16_t>(delta)) << 16) | state;
        return m;
    }
    static WindowMessage Of(MessageKind kind) {
        WindowMessage m;
        m.kind = kind;
        return m;
    }
};
