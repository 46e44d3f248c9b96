// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the generator writes: one staging folder per archive, and a list of what it wrote.
#include "Canvas.h"

#include <string>

class Stage {
public:
    explicit Stage(std::string root);
    // Saves the picture as member `member` ("a\\b.PNG") of the archive folder `archive`.
    bool Save(const Canvas& canvas, const std::string& archive, const std::string& member) const;
    std::string PathOf(const std::string& archive, const std::string& member) const;
    const std::string& Root() const { return root; }

private:
    std::string root;
};
