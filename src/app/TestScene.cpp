// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TestScene.h"

#include "app/AppState.h"
#include "menu/GUIElement.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "platform/VirtualKeys.h"

#include <cmath>

namespace {
// Element ids of the panels; the colour of each comes from its id.
constexpr uint32_t panelColours[] = {0xFF2E6B3A, 0xFFE8D8A8, 0xFFB03030, 0xFF3050B0,
                                     0xFFE0A020, 0xFF8040A0, 0xFF20A0A0};
} // namespace

TestScene::TestScene() {
    if (app->device) white = app->device->CreateSolidTexture(0xFFFFFFFF, 4, 4);
    const DrawHook hook = ElementCallback(0);
    // A green table with a bar docked at the top, a side panel at the left and a fill area.
    auto* table = new GUIElement(0, {0, 0, 824, 568}, 100, 100, this, hook, true);
    auto* bar = new GUIElement(1, {0, 0, 100, 60}, 0, 0, this, hook, true, GUIElement::DockTop);
    auto* side = new GUIElement(2, {0, 0, 160, 100}, 0, 0, this, hook, true, GUIElement::DockLeft);
    auto* fill = new GUIElement(3, {0, 0, 100, 100}, 0, 0, this, hook, true, GUIElement::DockFill);
    table->AddChild(bar);
    table->AddChild(side);
    table->AddChild(fill);
    for (int i = 0; i < 3; ++i)
        side->AddChild(new GUIElement(4 + i, {0, 0, 120, 50}, 20, 30 + 80.0f * i, this, hook));
    table->Layout();
    elements[0] = table;
    elementActive[0] = true;
}

TestScene::~TestScene() = default;

void TestScene::OnMouseMove(uint32_t, uint32_t) {
    HitTestElements(-1);
}

void TestScene::OnLeftButtonUp(uint32_t, uint32_t) {
    ++clicks;
    HitTestElements(1);
}

void TestScene::OnLeftDoubleClick(uint32_t, uint32_t) {
    ++doubleClicks;
}

void TestScene::OnKeyDown(uint32_t key) {
    if (key == VirtualKey::Escape) app->runState = 2;
}

void TestScene::Update() {
    elapsed += app->realFrameTime;
}

void TestScene::Fill(float x, float y, float w, float h, uint32_t argb, double rotation) {
    // The centre is a point of the untransformed 4 × 4 picture: scaling and turning about
    // it keeps it in place, and the translation carries it to the rectangle's middle.
    if (!app->sprite || !white) return;
    app->sprite->DrawTransformed(white.get(), IntRect{0, 0, 4, 4}, {w / 4.0f, h / 4.0f},
                                 PointF{2.0f, 2.0f}, rotation, {x + w / 2 - 2.0f, y + h / 2 - 2.0f},
                                 argb);
}

void TestScene::FillTurned(float x, float y, float w, float h, uint32_t argb, double rotation,
                           PointF pivot) {
    // Turning about a screen point: without a centre the picture turns about its own origin,
    // so the translation is the turned offset of that origin from the pivot.
    if (!app->sprite || !white) return;
    const float c = static_cast<float>(std::cos(rotation));
    const float s = static_cast<float>(std::sin(rotation));
    const PointF offset{x - pivot.x, y - pivot.y};
    const PointF translation{pivot.x + offset.x * c - offset.y * s,
                             pivot.y + offset.x * s + offset.y * c};
    app->sprite->DrawTransformed(white.get(), IntRect{0, 0, 4, 4}, {w / 4.0f, h / 4.0f},
                                 std::nullopt, rotation, translation, argb);
}

void TestScene::Render() {
    // The menu background of the texture table, when base.gob provided it.
    if (const Texture* backdrop = app->textures[11].get(); backdrop && app->sprite) {
        const PointF scale{1024.0f / backdrop->Width(), 768.0f / backdrop->Height()};
        app->sprite->DrawTransformed(backdrop, std::nullopt, scale, std::nullopt, 0.0, {0, 0},
                                     0xFFFFFFFF);
    }
    if (elements[0]) elements[0]->Draw(0, 0);
    // Cards of a fan: mirrored, rotated and translucent draws through the full transform.
    for (int i = 0; i < 5; ++i) {
        const float x = 620 + 40.0f * i;
        const double turn = (i - 2) * 0.15;
        const PointF pivot{x + 55, 640}; // below the cards, like a hand holding them
        FillTurned(x + 5, 405, 110, 160, 0x5F000000, turn, pivot);
        FillTurned(x, 400, 110, 160, 0xFFF8F8F0, turn, pivot);
        FillTurned(x + 8, 408, 22, 22, (i % 2) ? 0xFFC02020 : 0xFF202020, turn, pivot);
    }
    const float pulse = static_cast<float>(0.5 + 0.5 * std::sin(elapsed * 3.0));
    Fill(880, 130, 40, 40, (static_cast<uint32_t>(80 + 175 * pulse) << 24) | 0x00FFFFFF);
    for (int i = 0; i < clicks && i < 20; ++i)
        Fill(300 + 14.0f * i, 700, 10, 10, 0xFFFFFF00);
}

void TestScene::DrawMouseCursor() {
    const float x = static_cast<float>(app->mouseX);
    const float y = static_cast<float>(app->mouseY);
    Fill(x - 1, y - 8, 3, 17, 0xFF000000);
    Fill(x - 8, y - 1, 17, 3, 0xFF000000);
}

void TestScene::ElementCallback0(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    uint32_t colour = panelColours[static_cast<unsigned>(id) % std::size(panelColours)];
    if (info.element == hoveredElement && id >= 4) colour = 0xFFFFFFFF;
    Fill(info.x, info.y, static_cast<float>(info.right - info.left) * info.scaleX,
         static_cast<float>(info.bottom - info.top) * info.scaleY, colour);
}
