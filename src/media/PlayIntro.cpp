#include "media/PlayIntro.h"

#include "media/DiskPath.h"
#include "platform/IntroVideo.h"

bool PlayIntro(const std::string& fileName) {
    if (fileName.empty() || fileName.size() > 1024) return false;
    return IntroVideo::Play(DiskPathOf(fileName)) == IntroVideo::Outcome::escaped;
}
