// SPDX-License-Identifier: GPL-3.0-or-later
// The scene start-up makes current: the main menu, which stays the current scene for the
// whole run. A game named on the command line is started by the menu at once; the built-in
// test scene is still there for checking the window and input plumbing.
#include "app/FirstScene.h"

#include "app/RunOptions.h"
#include "app/TestScene.h"
#include "menu/MainMenu.h"

#include <optional>

Game* CreateFirstScene(AppState&, const RunOptions& options) {
    if (options.testScene) return new TestScene();
    std::optional<uint32_t> seed;
    if (options.hasSeed) seed = options.seed;
    auto* menu = new MainMenu(seed);
    if (!options.game.empty()) {
        const size_t slash = options.game.find('/');
        menu->StartGameByFolders(options.game.substr(0, slash), options.game.substr(slash + 1));
    }
    return menu;
}
