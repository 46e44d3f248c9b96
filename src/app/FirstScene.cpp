// FIXME: the menu scene takes over here once it exists; until then the test scene is the
// first scene.
#include "app/FirstScene.h"

#include "app/TestScene.h"

Game* CreateFirstScene(AppState&, bool) {
    return new TestScene();
}
