// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppState.h"

#include "data/CatalogSelection.h"
#include "data/UserFiles.h"
#include "media/ArchiveTextures.h"
#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

#include <sstream>

AppState::AppState(bool useFiles) : persistent(useFiles) {
    if (!persistent) return;
    if (ReadConfigurationFile(UserFiles::SettingsPath())) {
        std::ostringstream text;
        WriteConfiguration(text);
        settingsFile.Known(UserFiles::SettingsPath(), text.str());
    }
    globalStatistics.Read(UserFiles::PathOf(kGlobalStatisticsFileName));
    LoadUiTexts(language);
    CatalogReader::ReadCardSetCatalog(cardSets);
    CatalogReader::ReadBackgroundCatalog(backgrounds);
}

AppState::~AppState() {
    // The objects a running game hangs here go before the settings are written.
    chatterLeft.Delete();
    chatterRight.Delete();
    chatterSpare.Delete();
    animatedBackground.Delete();
    font.Delete();
    ReleaseTextures();
    sprite.reset();
    device.reset();
    window.reset();
    if (!saved) SavePlayerFiles();
}

bool AppState::SavePlayerFiles() {
    if (!persistent) return true;
    saved = true;
    std::ostringstream text;
    runOnlySettings.ForFile(*this).WriteConfiguration(text);
    const bool settingsOk =
        settingsFile.Write(UserFiles::SettingsPath(), text.str());
    const bool statisticsOk = SaveStatistics();
    return settingsOk && statisticsOk;
}

bool AppState::SaveStatistics() {
    if (!persistent) return true;
    return globalStatistics.Write(UserFiles::PathOf(kGlobalStatisticsFileName));
}

void AppState::ReleaseTextures() {
    for (auto& texture : textures)
        texture.reset();
}

int32_t AppState::LoadTexture(const std::string& name, std::unique_ptr<Texture>& out,
                              GameArchive* archive, bool allowFiles) {
    return LoadFamilyTexture(ArchiveFamily(archive, nullptr), name, allowFiles, out);
}

int32_t AppState::LoadFamilyTexture(const ArchiveFamily& family, const std::string& name,
                                    bool allowFiles, std::unique_ptr<Texture>& out) {
    std::unique_ptr<Texture> loaded = LoadTextureFromFamily(device.get(), family, name, allowFiles);
    if (!loaded) return kResultFail;
    out = std::move(loaded);
    return 0;
}

void AppState::LoadCardSet(int index) {
    // A card set of an add-on that is missing this time: the first set stands in for this run.
    if (CatalogSelection::Resolve(index, cardSets.Count()) != index)
        runOnlySettings.SwitchedOff(RunOnlySettings::CardSet, index);
    if (!CatalogSelection::Select(index, cardSets, currentCardSetIndex, currentCardSet)) return;
    ReplaceCatalogTexture(device.get(), textures[CardSetSlot],
                          ArchiveFamily(cardsArchive, cardAddOnArchives), currentCardSet);
    cardSet = currentCardSetIndex;
}

AppState& GetAppState() {
    static AppState app(AppState::useFiles);
    return app;
}
