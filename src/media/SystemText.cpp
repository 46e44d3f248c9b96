// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SystemText.h"

#include "app/AppState.h"
#include "platform/SpriteBatch.h"
#include "platform/SystemFont.h"

void DrawSystemText(AppState& app, const std::string& latin1, double size, IntRect rect,
                    uint32_t format, uint32_t argb) {
    const int height = static_cast<int>(size * 46.0);
    // Opening a font file every frame costs far more than the text itself, so the font is
    // only made anew when the size changes; what is drawn is the same.
    if (!app.font || app.font->Height() != height) {
        app.font.Delete();
        if (auto font = SystemFont::Create(height)) app.font.Reset(font.release());
    }
    if (app.sprite) app.sprite->SetTransform(Transform2D::Identity());
    if (!app.font || !app.device) return;
    app.font->Draw(*app.device, latin1, rect, format, argb);
}
