// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns the platform's events into window messages (see WindowMessage.h).
#include "platform/WindowMessage.h"

#include <cstdint>
#include <optional>

union SDL_Event;

// The virtual-key code of a platform key code, or 0 for keys the program has no code for.
uint32_t TranslateKey(int32_t keycode);

// One event → at most one message. A second press of a double click (and every even
// press of a longer click series) becomes LeftDoubleClick instead of LeftButtonDown, so a
// double click arrives as down, up, double click, up.
std::optional<WindowMessage> TranslateEvent(const SDL_Event& event);

// Takes the next waiting event, translated; events without a message are dropped.
// Returns false when the queue is empty.
bool PeekMessage(WindowMessage& message);

// Waits at most timeoutMs for an event to arrive (without taking it).
void WaitForMessage(int timeoutMs);
