// FIXME: the menu scene takes over here once it exists; until then the test scene is the
// first scene, unless a game is opened directly.
#include "app/FirstScene.h"

#include "app/RunOptions.h"
#include "app/TestScene.h"
#include "game/DirectGameScene.h"

#include <optional>

Game* CreateFirstScene(AppState&, const RunOptions& options) {
    if (!options.game.empty() && !options.testScene) {
        const size_t slash = options.game.find('/');
        std::optional<uint32_t> seed;
        if (options.hasSeed) seed = options.seed;
        return new DirectGameScene(options.game.substr(0, slash), options.game.substr(slash + 1),
                                   seed);
    }
    return new TestScene();
}
