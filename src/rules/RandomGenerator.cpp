// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RandomGenerator.h"

RandomGenerator& RandomGenerator::Shared() {
    static RandomGenerator shared;
    return shared;
}
