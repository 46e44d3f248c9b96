// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene start-up makes current.
struct RunOptions;
class AppState;
class Game;

Game* CreateFirstScene(AppState& app, const RunOptions& options);
