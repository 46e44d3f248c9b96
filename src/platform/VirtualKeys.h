// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Windows virtual-key codes the scenes react to. Letters and digits are their
// upper-case ASCII codes ('A' … 'Z', '0' … '9').
#include <cstdint>

namespace VirtualKey {
constexpr uint32_t Back = 0x08;
constexpr uint32_t Tab = 0x09;
constexpr uint32_t Return = 0x0D;
constexpr uint32_t Shift = 0x10;
constexpr uint32_t Control = 0x11;
constexpr uint32_t Menu = 0x12; // Alt
constexpr uint32_t Pause = 0x13;
constexpr uint32_t Escape = 0x1B;
constexpr uint32_t Space = 0x20;
constexpr uint32_t Prior = 0x21; // page up
constexpr uint32_t Next = 0x22;  // page down
constexpr uint32_t End = 0x23;
constexpr uint32_t Home = 0x24;
constexpr uint32_t Left = 0x25;
constexpr uint32_t Up = 0x26;
constexpr uint32_t Right = 0x27;
constexpr uint32_t Down = 0x28;
constexpr uint32_t Insert = 0x2D;
constexpr uint32_t Delete = 0x2E;
constexpr uint32_t F1 = 0x70;         // F1 … F12 are 0x70 … 0x7B
constexpr uint32_t OemUUmlaut = 0xBA; // ü on a German keyboard
constexpr uint32_t OemPlus = 0xBB;
constexpr uint32_t OemComma = 0xBC;
constexpr uint32_t OemMinus = 0xBD;
constexpr uint32_t OemPeriod = 0xBE;
constexpr uint32_t OemHash = 0xBF;    // # on a German keyboard
constexpr uint32_t OemOUmlaut = 0xC0; // ö
constexpr uint32_t OemSharpS = 0xDB;  // ß
constexpr uint32_t OemAUmlaut = 0xDE; // ä
} // namespace VirtualKey

// Wheel parameter low-word flags.
namespace WheelState {
constexpr uint16_t LeftButton = 0x0001;
constexpr uint16_t RightButton = 0x0002;
constexpr uint16_t Shift = 0x0004;
constexpr uint16_t Control = 0x0008;
constexpr uint16_t MiddleButton = 0x0010;
constexpr int Delta = 120; // one notch of the wheel
} // namespace WheelState
