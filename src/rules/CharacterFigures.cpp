// SPDX-License-Identifier: GPL-3.0-or-later
// The outlines of the characters beside the table, in the 1024 x 768 layout: for each
// band of kBandHeight rows from the top, the leftmost and rightmost drawn pixel of any of
// the character's pictures. Written from the shipped pictures; the layout test reads the
// pictures again and fails, printing the new table, when they no longer match.
#include "rules/CharacterFigures.h"

#include <cmath>

namespace {

constexpr FigureBand kLotteBands[] = {
    {44, 67},  {33, 78},  {17, 94},  {5, 106},  {5, 106},  {17, 94},  {18, 93},  {17, 94},
    {17, 94},  {17, 94},  {17, 94},  {18, 93},  {19, 99},  {13, 106}, {10, 109}, {7, 112},
    {7, 112},  {7, 112},  {7, 112},  {6, 113},  {5, 114},  {4, 115},  {4, 115},  {3, 116},
    {3, 116},  {3, 116},  {3, 116},  {3, 116},  {3, 116},  {3, 116},  {4, 115},  {5, 114},
    {6, 113},  {7, 115},  {7, 117},  {20, 117}, {19, 115}, {19, 100}, {19, 100}, {19, 100},
    {19, 100}, {18, 101}, {17, 102}, {16, 103}, {15, 104}, {14, 105}, {14, 105}, {13, 106},
    {13, 106}, {13, 106},
};

constexpr FigureBand kMiaBands[] = {
    {922, 945}, {911, 956}, {895, 972}, {883, 984}, {883, 984}, {890, 977}, {886, 981},
    {886, 981}, {886, 981}, {886, 981}, {888, 979}, {912, 955}, {898, 977}, {891, 984},
    {888, 987}, {885, 990}, {885, 990}, {885, 990}, {885, 990}, {884, 991}, {883, 992},
    {882, 993}, {882, 993}, {881, 994}, {881, 994}, {881, 994}, {881, 994}, {881, 994},
    {881, 994}, {881, 994}, {882, 993}, {883, 992}, {884, 991}, {885, 990}, {885, 990},
    {897, 978}, {897, 978}, {897, 978}, {898, 977}, {897, 978}, {896, 979}, {895, 980},
    {894, 981}, {893, 982}, {893, 982}, {892, 983}, {891, 984}, {891, 984}, {891, 984},
};

constexpr FigureBand kTarzanBands[] = {
    {939, 956},  {924, 971},  {917, 978},  {913, 982},  {911, 984},  {909, 986},  {908, 987},
    {908, 987},  {908, 987},  {908, 987},  {909, 986},  {895, 1000}, {888, 1007}, {885, 1010},
    {881, 1014}, {878, 1017}, {876, 1019}, {874, 1021}, {873, 1022}, {872, 1023}, {872, 1023},
    {872, 1023}, {873, 1022}, {874, 1021}, {875, 1020}, {878, 1017}, {881, 1014}, {884, 1011},
    {889, 1006}, {894, 1001}, {908, 989},  {908, 989},  {908, 988},  {908, 988},  {907, 988},
    {907, 988},  {907, 988},  {906, 992},  {906, 992},  {914, 987},  {917, 978},  {917, 978},
    {917, 978},  {917, 978},  {917, 978},  {917, 978},  {917, 978},  {917, 978},  {917, 978},
    {917, 978},  {917, 978},  {917, 978},  {911, 984},  {907, 988},  {907, 988},
};

// Member names are Latin-1: "\xE4" is the "ä" of "mädel".
const FigureOutline kFigures[] = {
    {"Lotte",
     {"hintergrund\\m\xE4"
      "del1.PNG",
      "hintergrund\\m\xE4"
      "del1_s.PNG",
      "hintergrund\\m\xE4"
      "del1_n.PNG"},
     {0, 356},
     368,
     kLotteBands},
    {"Mia",
     {"hintergrund\\m\xE4"
      "del2.PNG",
      "hintergrund\\m\xE4"
      "del2_s.PNG",
      "hintergrund\\m\xE4"
      "del2_n.PNG"},
     {860, 356},
     376,
     kMiaBands},
    {"Tarzan", {"hintergrund\\Tarzan.PNG"}, {860, 308}, 320, kTarzanBands},
};

} // namespace

std::span<const FigureOutline> CharacterFigures() {
    return kFigures;
}

bool FigureOutline::Overlaps(float left, float top, float right, float bottom) const {
    // The pixels a rectangle covers: from the one its top-left corner lies in to the
    // one just before its bottom-right corner.
    const int x0 = static_cast<int>(std::floor(left)), x1 = static_cast<int>(std::ceil(right)) - 1;
    const int y0 = static_cast<int>(std::floor(top)), y1 = static_cast<int>(std::ceil(bottom)) - 1;
    for (size_t i = 0; i < bands.size(); ++i) {
        const int bandTop = this->top + static_cast<int>(i) * kBandHeight;
        if (y1 < bandTop || y0 > bandTop + kBandHeight - 1) continue;
        if (bands[i].right >= bands[i].left && x0 <= bands[i].right && x1 >= bands[i].left)
            return true;
    }
    return false;
}
