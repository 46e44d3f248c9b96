// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EventTranslator.h"

#include "platform/Platform.h"
#include "platform/VirtualKeys.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

uint32_t TranslateKey(int32_t keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z)
        return static_cast<uint32_t>('A' + keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return static_cast<uint32_t>(keycode);
    if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9)
        return static_cast<uint32_t>('1' + keycode - SDLK_KP_1);
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12)
        return VirtualKey::F1 + static_cast<uint32_t>(keycode - SDLK_F1);
    switch (keycode) {
    case SDLK_KP_0:
        return '0';
    case SDLK_BACKSPACE:
        return VirtualKey::Back;
    case SDLK_TAB:
        return VirtualKey::Tab;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
        return VirtualKey::Return;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VirtualKey::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VirtualKey::Control;
    case SDLK_LALT:
    case SDLK_RALT:
        return VirtualKey::Menu;
    case SDLK_PAUSE:
        return VirtualKey::Pause;
    case SDLK_ESCAPE:
        return VirtualKey::Escape;
    case SDLK_SPACE:
        return VirtualKey::Space;
    case SDLK_PAGEUP:
        return VirtualKey::Prior;
    case SDLK_PAGEDOWN:
        return VirtualKey::Next;
    case SDLK_END:
        return VirtualKey::End;
    case SDLK_HOME:
        return VirtualKey::Home;
    case SDLK_LEFT:
        return VirtualKey::Left;
    case SDLK_UP:
        return VirtualKey::Up;
    case SDLK_RIGHT:
        return VirtualKey::Right;
    case SDLK_DOWN:
        return VirtualKey::Down;
    case SDLK_INSERT:
        return VirtualKey::Insert;
    case SDLK_DELETE:
        return VirtualKey::Delete;
    case SDLK_PLUS:
        return VirtualKey::OemPlus;
    case SDLK_COMMA:
        return VirtualKey::OemComma;
    case SDLK_MINUS:
        return VirtualKey::OemMinus;
    case SDLK_PERIOD:
        return VirtualKey::OemPeriod;
    case SDLK_HASH:
        return VirtualKey::OemHash;
    case 0xFC:
        return VirtualKey::OemUUmlaut; // ü
    case 0xF6:
        return VirtualKey::OemOUmlaut; // ö
    case 0xE4:
        return VirtualKey::OemAUmlaut; // ä
    case 0xDF:
        return VirtualKey::OemSharpS; // ß
    default:
        return 0;
    }
}

namespace {

uint16_t WheelStateNow() {
    uint16_t state = 0;
    const uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
    if (buttons & SDL_BUTTON_LMASK) state |= WheelState::LeftButton;
    if (buttons & SDL_BUTTON_RMASK) state |= WheelState::RightButton;
    if (buttons & SDL_BUTTON_MMASK) state |= WheelState::MiddleButton;
    const SDL_Keymod mods = SDL_GetModState();
    if (mods & KMOD_SHIFT) state |= WheelState::Shift;
    if (mods & KMOD_CTRL) state |= WheelState::Control;
    return state;
}

std::optional<WindowMessage> TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED: // the picture is drawn anew at the new size
        return WindowMessage::Of(MessageKind::Paint);
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        return WindowMessage::Of(MessageKind::DeviceLost);
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
        return WindowMessage::Of(MessageKind::DeviceRestored);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<WindowMessage> TranslateEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        return WindowMessage::Of(MessageKind::WindowDestroyed);
    case SDL_WINDOWEVENT:
        return TranslateWindowEvent(event.window);
    case SDL_RENDER_TARGETS_RESET:
        return WindowMessage::Of(MessageKind::DeviceReset);
    case SDL_RENDER_DEVICE_RESET: {
        WindowMessage m = WindowMessage::Of(MessageKind::DeviceReset);
        m.deviceLost = true;
        return m;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const uint32_t key = TranslateKey(event.key.keysym.sym);
        if (key == 0) return std::nullopt;
        return WindowMessage::Key(
            event.type == SDL_KEYDOWN ? MessageKind::KeyDown : MessageKind::KeyUp, key);
    }
    case SDL_MOUSEMOTION:
        if (event.motion.which == SDL_TOUCH_MOUSEID) return std::nullopt;
        return WindowMessage::Mouse(MessageKind::MouseMove, event.motion.x, event.motion.y);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const SDL_MouseButtonEvent& b = event.button;
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        MessageKind kind;
        if (b.button == SDL_BUTTON_LEFT) {
            if (!down)
                kind = MessageKind::LeftButtonUp;
            else
                kind = (b.clicks >= 2 && b.clicks % 2 == 0) ? MessageKind::LeftDoubleClick
                                                            : MessageKind::LeftButtonDown;
        } else if (b.button == SDL_BUTTON_RIGHT) {
            kind = down ? MessageKind::RightButtonDown : MessageKind::RightButtonUp;
        } else {
            return std::nullopt;
        }
        return WindowMessage::Mouse(kind, b.x, b.y);
    }
    case SDL_MOUSEWHEEL: {
        float notches = event.wheel.preciseY;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        const int delta = static_cast<int>(std::lround(notches * WheelState::Delta));
        if (delta == 0) return std::nullopt;
        return WindowMessage::Wheel(delta, WheelStateNow());
    }
    default:
        return std::nullopt;
    }
}

bool PeekMessage(WindowMessage& message) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (auto translated = TranslateEvent(event)) {
            message = *translated;
            return true;
        }
    }
    return false;
}

void WaitForMessage(int timeoutMs) {
    // The off-screen driver cannot wait for events (SDL would poll it every millisecond)
    // and delivers none but a quit request: the wait is a plain sleep in short pieces.
    if (Platform::IsHeadless()) {
        SDL_Delay(static_cast<uint32_t>(std::clamp(timeoutMs, 0, 100)));
        return;
    }
    SDL_WaitEventTimeout(nullptr, timeoutMs);
}
