// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EventTranslator.h"
#include "platform/VirtualKeys.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

SDL_Event Button(uint32_t type, uint8_t button, uint8_t clicks, int x, int y) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    e.button.clicks = clicks;
    e.button.x = x;
    e.button.y = y;
    return e;
}

SDL_Event KeyEvent(uint32_t type, SDL_Keycode key) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    return e;
}

MessageKind KindOf(const SDL_Event& e) {
    const auto m = TranslateEvent(e);
    return m ? m->kind : MessageKind::None;
}

TEST(EventTranslator, DoubleClickArrivesAsDownUpDoubleClickUp) {
    const std::vector<SDL_Event> events = {Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 10, 10),
                                           Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1, 10, 10),
                                           Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2, 10, 10),
                                           Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 2, 10, 10)};
    std::vector<MessageKind> kinds;
    for (const SDL_Event& e : events)
        kinds.push_back(KindOf(e));
    EXPECT_EQ(kinds,
              (std::vector<MessageKind>{MessageKind::LeftButtonDown, MessageKind::LeftButtonUp,
                                        MessageKind::LeftDoubleClick, MessageKind::LeftButtonUp}));
}

TEST(EventTranslator, ATripleClickStartsANewClickOnItsThirdPress) {
    EXPECT_EQ(KindOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 0, 0)),
              MessageKind::LeftButtonDown);
    EXPECT_EQ(KindOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 4, 0, 0)),
              MessageKind::LeftDoubleClick);
    // The right button knows no double click.
    EXPECT_EQ(KindOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2, 0, 0)),
              MessageKind::RightButtonDown);
    EXPECT_EQ(KindOf(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 0, 0)), MessageKind::None);
}

TEST(EventTranslator, PositionsOutsideTheWindowBecomeLargeUnsignedValues) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = -3;
    e.motion.y = 70000; // wider than 16 bits: only the low 16 bits remain
    const auto m = TranslateEvent(e);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->kind, MessageKind::MouseMove);
    EXPECT_EQ(m->x, 65533);
    EXPECT_EQ(m->y, 70000 - 65536);
    const auto up = TranslateEvent(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1, 1100, -1));
    EXPECT_EQ(up->x, 1100);
    EXPECT_EQ(up->y, 65535);
}

TEST(EventTranslator, KeysBecomeVirtualKeyCodes) {
    EXPECT_EQ(TranslateKey(SDLK_a), 'A');
    EXPECT_EQ(TranslateKey(SDLK_z), 'Z');
    EXPECT_EQ(TranslateKey(SDLK_0), '0');
    EXPECT_EQ(TranslateKey(SDLK_KP_7), '7');
    EXPECT_EQ(TranslateKey(SDLK_RETURN), VirtualKey::Return);
    EXPECT_EQ(TranslateKey(SDLK_KP_ENTER), VirtualKey::Return);
    EXPECT_EQ(TranslateKey(SDLK_LCTRL), VirtualKey::Control);
    EXPECT_EQ(TranslateKey(SDLK_RCTRL), VirtualKey::Control);
    EXPECT_EQ(TranslateKey(SDLK_RSHIFT), VirtualKey::Shift);
    EXPECT_EQ(TranslateKey(SDLK_ESCAPE), 27u);
    EXPECT_EQ(TranslateKey(SDLK_BACKSPACE), 8u);
    EXPECT_EQ(TranslateKey(SDLK_SPACE), 32u);
    EXPECT_EQ(TranslateKey(SDLK_LEFT), 37u);
    EXPECT_EQ(TranslateKey(SDLK_UP), 38u);
    EXPECT_EQ(TranslateKey(SDLK_RIGHT), 39u);
    EXPECT_EQ(TranslateKey(SDLK_DOWN), 40u);
    EXPECT_EQ(TranslateKey(SDLK_F5), 0x74u);
    // A German keyboard reports the umlaut keys by their characters.
    EXPECT_EQ(TranslateKey(0xFC), 0xBAu);
    EXPECT_EQ(TranslateKey(0xF6), 0xC0u);
    EXPECT_EQ(TranslateKey(0xE4), 0xDEu);
    EXPECT_EQ(TranslateKey(SDLK_CAPSLOCK), 0u);
}

TEST(EventTranslator, KeyEventsWithoutCodeAreDropped) {
    EXPECT_EQ(KindOf(KeyEvent(SDL_KEYDOWN, SDLK_CAPSLOCK)), MessageKind::None);
    const auto down = TranslateEvent(KeyEvent(SDL_KEYDOWN, SDLK_RETURN));
    ASSERT_TRUE(down);
    EXPECT_EQ(down->kind, MessageKind::KeyDown);
    EXPECT_EQ(down->key, VirtualKey::Return);
    EXPECT_EQ(KindOf(KeyEvent(SDL_KEYUP, SDLK_ESCAPE)), MessageKind::KeyUp);
}

TEST(EventTranslator, WindowAndDeviceEvents) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    EXPECT_EQ(KindOf(e), MessageKind::WindowDestroyed);
    e.type = SDL_RENDER_TARGETS_RESET;
    EXPECT_EQ(KindOf(e), MessageKind::DeviceReset);
    EXPECT_FALSE(TranslateEvent(e)->deviceLost);
    e.type = SDL_RENDER_DEVICE_RESET;
    EXPECT_TRUE(TranslateEvent(e)->deviceLost);
    e = SDL_Event{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_MINIMIZED;
    EXPECT_EQ(KindOf(e), MessageKind::DeviceLost);
    e.window.event = SDL_WINDOWEVENT_RESTORED;
    EXPECT_EQ(KindOf(e), MessageKind::DeviceRestored);
}

TEST(EventTranslator, WheelPacksDeltaIntoTheHighWord) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = -1;
    e.wheel.preciseY = -1.0f;
    auto m = TranslateEvent(e);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->kind, MessageKind::MouseWheel);
    EXPECT_EQ(static_cast<int16_t>(m->wheel >> 16), -120);
    e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    m = TranslateEvent(e);
    EXPECT_EQ(static_cast<int16_t>(m->wheel >> 16), 120);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
