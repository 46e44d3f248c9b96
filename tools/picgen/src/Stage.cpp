// SPDX-License-Identifier: GPL-3.0-or-later
#include "Stage.h"

#include <cstdio>

Stage::Stage(std::string r) : root(std::move(r)) {}

std::string Stage::PathOf(const std::string& archive, const std::string& member) const {
    std::string path = root + "/" + archive + "/";
    for (char c : member) {
        path += c == '\\' ? '/' : c;
    }
    return path;
}

bool Stage::Save(const Canvas& canvas, const std::string& archive,
                 const std::string& member) const {
    std::string path = PathOf(archive, member);
    if (!canvas.SavePng(path)) {
        std::fprintf(stderr, "kh_picgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
