#include "rules/RandomGenerator.h"

RandomGenerator& RandomGenerator::Shared() {
    static RandomGenerator shared;
    return shared;
}
