// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextureTable.h"

#include "app/AppState.h"
#include "app/LoadingScreen.h"
#include "platform/RenderDevice.h"
#include "platform/Texture.h"

#include "data/GameArchive.h"

namespace {

// The slots of the jungle's sheets, then the saloon's, then the characters'.
constexpr int firstThemeSlot = 12;
constexpr int firstSaloonSlot = 21;
constexpr int firstCharacterSlot = 36;
constexpr int cavemanWideSlot = 18, cavemanTallSlot = 19;

// Names are Latin-1: \xE4 (octal \344) is ä, \xFC is ü.
const char* const slotNames[AppState::TextureSlots] = {
    "misc.PNG",
    "font.PNG",
    "splash.PNG",
    "",
    "",
    "",
    "menu.PNG",
    "statistiken.PNG",
    "options.PNG",
    "help.PNG",
    "spieltyp.PNG",
    "MainMenu_HG.PNG",
    "hintergrund\\urwald\\affe.PNG",
    "hintergrund\\urwald\\frosch.PNG",
    "hintergrund\\urwald\\schlange.PNG",
    "hintergrund\\urwald\\libelle.PNG",
    "hintergrund\\urwald\\pflanze.PNG",
    "hintergrund\\urwald\\spinne.PNG",
    "hintergrund\\urwald\\Urmensch_1.PNG",
    "hintergrund\\urwald\\Urmensch_2.PNG",
    "hintergrund\\urwald\\stage.PNG",
    "hintergrund\\western\\Bull.PNG",
    "hintergrund\\western\\flasche.PNG",
    "hintergrund\\western\\Indianer.PNG",
    "hintergrund\\western\\Kaktus.PNG",
    "hintergrund\\western\\Kakutus1.PNG",
    "hintergrund\\western\\Kakutus2.PNG",
    "hintergrund\\western\\Kakutus3.PNG",
    "hintergrund\\western\\kn\xE4ul.PNG",
    "hintergrund\\western\\Mexikaner.PNG",
    "hintergrund\\western\\Saloon.PNG",
    "hintergrund\\western\\T\xFCr.PNG",
    "hintergrund\\western\\Wanted.PNG",
    "hintergrund\\western\\Werbung.PNG",
    "hintergrund\\western\\Zielscheibe.PNG",
    "hintergrund\\western\\Stage_western.PNG",
    "hintergrund\\m\344del1.PNG",
    "hintergrund\\m\344del1_s.PNG",
    "hintergrund\\m\344del1_n.PNG",
    "hintergrund\\m\344del2.PNG",
    "hintergrund\\m\344del2_s.PNG",
    "hintergrund\\m\344del2_n.PNG",
    "hintergrund\\mundl.PNG",
    "hintergrund\\mundr.PNG",
    "hintergrund\\Tarzan.PNG",
};

} // namespace

const char* TextureTable::SlotName(int slot) {
    if (slot < 0 || slot >= AppState::TextureSlots) return "";
    return slotNames[slot];
}

const std::vector<int>& TextureTable::LoadOrder() {
    static const std::vector<int> order = [] {
        std::vector<int> o = {2, 1, 0, 6, 7, 8, 10, 9, 11, 13, 15, 16, 14, 12, 18, 19, 17, 20};
        for (int slot = 21; slot <= 35; ++slot)
            o.push_back(slot);
        o.push_back(35);
        for (int slot = 36; slot <= 44; ++slot)
            o.push_back(slot);
        return o;
    }();
    return order;
}

bool TextureTable::DecodedAtStart(int slot) {
    return slot >= 0 && slot < firstThemeSlot;
}

std::vector<int> TextureTable::ThemeSlots(int theme) {
    std::vector<int> slots;
    const int first = theme == 1 ? firstSaloonSlot : firstThemeSlot;
    const int end = theme == 1 ? firstCharacterSlot : firstSaloonSlot;
    for (int slot = first; slot < end; ++slot)
        slots.push_back(slot);
    return slots;
}

std::vector<int> TextureTable::CharacterSlots() {
    std::vector<int> slots;
    for (int slot = firstCharacterSlot; slot < AppState::TextureSlots; ++slot)
        slots.push_back(slot);
    return slots;
}

namespace {

// Decodes the pictures of `slots` side by side into their slots; `done` hears of each in
// order whether it could be made.
void LoadSlots(AppState& app, const MemberReader& read, const std::vector<int>& slots,
               const std::function<void(int slot, bool made)>& done) {
    app.device->CreateTexturesInOrder(
        slots.size(), [&](size_t index) { return read(TextureTable::SlotName(slots[index])); },
        [&](size_t index, std::unique_ptr<Texture> texture, std::span<const uint8_t> bytes) {
            // One retry, as the device may refuse the first creation under memory pressure.
            if (!texture && !bytes.empty())
                texture = app.device->CreateTextureFromMemory(bytes.data(), bytes.size());
            const bool made = texture != nullptr;
            if (made) app.textures[slots[index]] = std::move(texture);
            if (done) done(slots[index], made);
        });
}

} // namespace

void LoadThemeTextures(AppState& app, int theme) {
    if (!app.device || !app.baseArchive) return;
    std::vector<int> slots;
    for (int slot : TextureTable::ThemeSlots(theme == 1 ? 1 : 0)) {
        // The caveman only ever comes out while the figures move: his two large sheets
        // wait until the animations are switched on.
        const bool caveman = slot == cavemanWideSlot || slot == cavemanTallSlot;
        if (!app.textures[slot] && !(caveman && app.animationLevel == 0)) slots.push_back(slot);
    }
    for (int slot : TextureTable::CharacterSlots())
        if (!app.textures[slot]) slots.push_back(slot);
    LoadSlots(
        app, [&app](const std::string& name) { return ReadMember(app.baseArchive.get(), name); },
        slots, {});
}

void ReleaseThemeTextures(AppState& app, int keptTheme) {
    for (int theme = 0; theme <= 1; ++theme)
        if (theme != keptTheme)
            for (int slot : TextureTable::ThemeSlots(theme))
                app.textures[slot].reset();
    if (keptTheme < 0)
        for (int slot : TextureTable::CharacterSlots())
            app.textures[slot].reset();
}

bool LoadTextureTable(AppState& app, const MemberReader& read, std::vector<std::string>* missing,
                      const MemberCheck& exists) {
    const std::vector<int>& order = TextureTable::LoadOrder();
    bool complete = true;
    auto place = [&](int slot, std::unique_ptr<Texture> texture) {
        if (texture) {
            app.textures[slot] = std::move(texture);
        } else {
            complete = false;
            if (missing) missing->push_back(TextureTable::SlotName(slot));
        }
        AdvanceLoadingScreen(app);
    };
    if (!app.device) {
        for (int slot : order)
            place(slot, nullptr);
        return complete;
    }
    // The menu's pictures are decoded side by side; the steps of the loading bar still come
    // one after the other in the load order, the looked-for sheets in between.
    std::vector<int> decoded;
    for (int slot : order)
        if (TextureTable::DecodedAtStart(slot)) decoded.push_back(slot);
    size_t next = 0; // the next slot of the load order whose step is due
    auto lookedFor = [&] {
        while (next < order.size() && !TextureTable::DecodedAtStart(order[next])) {
            const std::string name = TextureTable::SlotName(order[next]);
            const bool found = exists ? exists(name) : read(name).has_value();
            if (!found) {
                complete = false;
                if (missing) missing->push_back(name);
            }
            AdvanceLoadingScreen(app);
            ++next;
        }
    };
    lookedFor();
    LoadSlots(app, read, decoded, [&](int slot, bool made) {
        if (!made) {
            complete = false;
            if (missing) missing->push_back(TextureTable::SlotName(slot));
        }
        AdvanceLoadingScreen(app);
        ++next;
        lookedFor();
    });
    return complete;
}
