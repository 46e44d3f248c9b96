// SPDX-License-Identifier: GPL-3.0-or-later
// What the menu pages draw: panels and buttons with their hover looks, the labels in the
// current language, the category and game lists in their catalog colours, the statistics
// and result sheets, the help pages, and the preview tooltip over the game list.
#include "menu/MainMenu.h"

#include "app/AppState.h"
#include "data/GameStatistics.h"
#include "data/TextFormatter.h"
#include "game/SolitärGame.h"
#include "media/BitmapText.h"
#include "media/DrawSprite.h"
#include "menu/GUIElement.h"
#include "menu/MenuTexts.h"
#include "platform/Texture.h"

#include <algorithm>

namespace {
constexpr uint32_t black = 0xFF000000;
constexpr uint32_t red = 0xFFFF0000;
constexpr uint32_t opaque = 0xFFFFFFFF;
} // namespace

std::string MainMenu::Text(int slot) const {
    return app->UiTextOrEmpty(slot);
}

void MainMenu::DrawElement(int slot, const ElementDrawInfo& info, bool hoverLook) {
    IntRect source{info.left, info.top, info.right, info.bottom};
    if (hoverLook && info.element == hoveredElement) {
        const int height = source.Height();
        source.top += height;
        source.bottom += height;
    }
    DrawSprite(*app, slot, source, {info.scaleX, info.scaleY}, {info.x, info.y}, opaque);
}

void MainMenu::DrawLabel(const ElementDrawInfo& info, const std::string& text, float offset,
                         double size, uint32_t colour) {
    if (text.empty()) return;
    BitmapText label(text);
    label.SetAlignment(1);
    label.SetSize(size);
    label.SetColor(colour);
    label.Draw(info.x + (info.right - info.left) / 2, info.y + offset);
}

void MainMenu::ElementCallback0(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 0) {
        DrawElement(MenuSlot, info, false);
    } else if (id == 6 || id == 7) {
        if (app->language == id - 6) DrawElement(MenuSlot, info, false);
    } else if (id == 8 || id == 9) {
        const int volume = id == 9 ? app->soundVolume : app->musicVolume;
        ElementDrawInfo look = info;
        if (volume == 0) {
            const int height = info.bottom - info.top;
            look.top += height;
            look.bottom += height;
        }
        DrawElement(MenuSlot, look, false);
    } else if (id >= 1 && id <= 5) {
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(29 + id), 15, 0.5, info.element == hoveredElement ? red : black);
    }
}

void MainMenu::DrawListRow(const ElementDrawInfo& info, int index, bool categoryRow) {
    const GameCategory* category = categories.Get(categoryRow ? index : listCategory);
    if (!category) return;
    std::string name;
    int catalogIndex = 0;
    if (categoryRow) {
        name = category->DisplayName(app->language);
        catalogIndex = category->catalogIndex;
    } else {
        const GameInfo* info = category->games.Get(index);
        if (!info) return;
        name = info->DisplayName(app->language);
        catalogIndex = info->catalogIndex;
    }
    DrawElement(MenuSlot, info, true);
    DrawLabel(info, name, 15, 0.5, MenuTexts::CatalogColour(catalogIndex));
}

void MainMenu::ElementCallback1(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 10) {
        DrawElement(ListPanelSlot, info, false);
        DrawLabel(info, Text(39), 40, 0.75, black);
    } else if (id == 11) {
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(40), 10, 0.5, black);
    } else if (id == 12) {
        if (categoryScroll != 0) DrawElement(MenuSlot, info, true);
    } else if (id == 13) {
        if (categories.Count() - visibleRows > categoryScroll) DrawElement(MenuSlot, info, true);
    } else if (id >= 100 && id < 100 + visibleRows) {
        DrawListRow(info, id - 100 + categoryScroll, true);
    }
}

void MainMenu::ElementCallback5(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 151) {
        DrawElement(ListPanelSlot, info, false);
        DrawLabel(info, Text(43), 40, 0.75, black);
        if (const GameCategory* category = categories.Get(listCategory))
            DrawLabel(info, category->DisplayName(app->language), 75, 0.55, black);
    } else if (id == 152) {
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(44), 10, 0.5, black);
    } else if (id == 153) {
        if (gameScroll != 0) DrawElement(MenuSlot, info, true);
    } else if (id == 154) {
        if (GameCount(listCategory) - visibleRows > gameScroll) DrawElement(MenuSlot, info, true);
    } else if (id >= 155 && id < 155 + visibleRows) {
        DrawListRow(info, id - 155 + gameScroll, false);
    }
}

void MainMenu::ElementCallback2(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 201) {
        DrawElement(MenuSlot, info, false);
        DrawLabel(info, Text(47), 30, 0.75, black);
        DrawLabel(info, Text(48), 100, 0.55, black);
    } else if (id == 202) {
        DrawElement(MenuSlot, info, true);
    }
}

void MainMenu::ElementCallback3(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    const uint32_t labelColour = info.element == hoveredElement ? red : black;
    if (id == 203) {
        DrawElement(MenuSlot, info, false);
        DrawLabel(info, Text(50), 37, 0.75, black);
        DrawLabel(info, MenuTexts::StatisticsPage(app->globalStatistics, *app), 100, 0.5, black);
    } else if (id == 204) {
        DrawElement(MenuSlot, info, true);
    } else if (id == 205) {
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(105), 10, 0.5, labelColour);
    } else if (id == 206) {
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(106), 3, 0.4, labelColour);
    }
}

void MainMenu::ElementCallback4(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 718) {
        DrawElement(MenuSlot, info, false);
        DrawLabel(info, Text(92), 37, 0.75, black);
        if (game) {
            const KartenTisch& table = game->table;
            DrawLabel(info,
                      MenuTexts::ResultSheet(table.gameTime, table.timeScore, table.undoCount,
                                             table.failedDoubleClicks, game->ComputeScore(), *app),
                      125, 0.5, black);
        }
        if (pendingEntry)
            DrawLabel(info, FormatText(Text(99), {pendingEntry->name}), 350, 0.7, black);
    } else if (id == 719) {
        if (!pendingEntry || pendingEntry->name[0] != '\0') DrawElement(MenuSlot, info, true);
    }
}

void MainMenu::ElementCallback6(const ElementDrawInfo& info) {
    const int id = info.element->GetId();
    if (id == 720) {
        DrawElement(HelpSlot, info, false);
        DrawLabel(info, Text(109), 35, 0.75, black);
        BitmapText page;
        page.SetWrappedText(Text(helpPage == 0 ? 112 : 113), 0.325, 475);
        page.SetAlignment(1);
        page.SetColor(black);
        page.Draw(info.x + (info.right - info.left) / 2, info.y + 75);
    } else if (id == 721) {
        if (helpPage == 1) return;
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(110), 10, 0.5, black);
    } else if (id == 722) {
        if (helpPage == 0) return;
        DrawElement(MenuSlot, info, true);
        DrawLabel(info, Text(111), 10, 0.5, black);
    } else if (id == 723) {
        DrawElement(MenuSlot, info, true);
    }
}

void MainMenu::LoadPreview() {
    std::unique_ptr<Texture>& preview = app->textures[PreviewSlot];
    preview.reset();
    previewMissing = true;
    const GameInfo* info = GameAt(previewCategory, previewGame);
    if (!info) return;
    const std::string name = info->PreviewName();
    if (app->LoadFamilyTexture(ArchiveFamily(app->gamesArchive, app->gameAddOnArchives), name,
                               false, preview) == 0)
        previewMissing = false;
}

bool MainMenu::HoversValidGameRow() const {
    if (!hoveredElement) return false;
    const int id = hoveredElement->GetId();
    if (id < 155 || id > 199) return false;
    return id - 155 + gameScroll < GameCount(listCategory);
}

void MainMenu::DrawPreviewTooltip() {
    if (previewMissing) return;
    const double fade = std::clamp((hoverTime - tooltipDelay) * 2.0 * 255.0, 0.0, 255.0);
    const uint32_t colour = (static_cast<uint32_t>(fade) << 24) | 0xFFFFFFu;
    const PointF at{static_cast<float>(app->previousMouseX + 30),
                    static_cast<float>(app->previousMouseY + 30)};
    DrawSprite(*app, PreviewSlot, {0, 0, 300, 150}, {1.0f, 1.0f}, at, colour);
    DrawSprite(*app, MiscSlot, {150, 50, 350, 200}, {1.0f, 1.0f}, at, colour);
}
