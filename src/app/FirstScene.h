#pragma once
// The scene start-up makes current.
class AppState;
class Game;

Game* CreateFirstScene(AppState& app, bool testScene);
