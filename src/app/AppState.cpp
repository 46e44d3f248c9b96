#include "app/AppState.h"

#include "platform/PlatformWindow.h"
#include "platform/RenderDevice.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

AppState::AppState(bool useFiles) : persistent(useFiles) {
    if (persistent) ReadConfigurationFile(kConfigurationFileName);
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
    if (persistent) WriteConfigurationFile(kConfigurationFileName);
}

void AppState::ReleaseTextures() {
    for (auto& texture : textures) texture.reset();
}

AppState& GetAppState() {
    static AppState app(AppState::useFiles);
    return app;
}
