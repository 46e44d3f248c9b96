#pragma once
// The intro video, played full screen before the main window opens.
#include <string>

// Plays the video named (Latin-1, backslashes, relative to the working
// directory) until it ends or Escape is held. Returns true when Escape ended
// it: the main window then swallows the Escape release that follows.
bool PlayIntro(const std::string& fileName);
