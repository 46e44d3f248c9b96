#include "app/TextureTable.h"

#include "app/AppState.h"
#include "app/LoadingScreen.h"
#include "platform/RenderDevice.h"
#include "platform/Texture.h"

namespace {

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

bool LoadTextureTable(AppState& app, const MemberReader& read, std::vector<std::string>* missing) {
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
    // The pictures are decoded side by side; they still arrive, and fill the loading bar,
    // one after the other in the load order.
    app.device->CreateTexturesInOrder(
        order.size(), [&](size_t index) { return read(TextureTable::SlotName(order[index])); },
        [&](size_t index, std::unique_ptr<Texture> texture, std::span<const uint8_t> bytes) {
            // One retry, as the device may refuse the first creation under memory pressure.
            if (!texture && !bytes.empty())
                texture = app.device->CreateTextureFromMemory(bytes.data(), bytes.size());
            place(order[index], std::move(texture));
        });
    return complete;
}
