// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input interface of a scene. x and y are client pixel coordinates (unsigned 16-bit
// values widened), key is a virtual-key code. Every operation does nothing here.
#include <cstdint>

class MyControl {
public:
    virtual ~MyControl() = default;
    virtual void OnMouseMove(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnLeftButtonDown(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnLeftButtonUp(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnLeftDoubleClick(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnRightButtonDown(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnRightButtonUp(uint32_t /*x*/, uint32_t /*y*/) {}
    virtual void OnKeyDown(uint32_t /*key*/) {}
    virtual void OnKeyUp(uint32_t /*key*/) {}
    // Wheel delta in the high 16 bits, button and modifier state in the low 16 bits.
    virtual void OnMouseWheel(uint32_t /*wheel*/) {}
};
