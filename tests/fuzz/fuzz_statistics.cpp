// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics files ("stats.hs", per game and program-wide): any bytes read
// into a record whose highscore names stay terminated, and what is written
// back reads as the same record. The first byte chooses the kind of file.
#include "FuzzSupport.h"
#include "data/GameStatistics.h"
#include "data/GlobalStatistics.h"

#include <cstring>

namespace {

template <typename Record> void RoundTrip(const Record& record) {
    std::ostringstream first;
    record.WriteTo(first);
    Record again;
    std::istringstream written(first.str());
    again.ReadFrom(written);
    std::ostringstream second;
    again.WriteTo(second);
    FUZZ_CHECK(first.str() == second.str(), "written statistics read back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    std::istringstream input = InputStream(data + 1, size - 1);
    if (data[0] & 1) {
        GlobalStatistics statistics;
        statistics.ReadFrom(input);
        RoundTrip(statistics);
        return 0;
    }
    GameStatistics statistics;
    statistics.ReadFrom(input);
    for (const HighscoreEntry* entry : statistics.highscores) {
        FUZZ_CHECK(entry, "a null highscore entry");
        FUZZ_CHECK(std::memchr(entry->name, 0, sizeof entry->name), "a name without its end");
    }
    RoundTrip(statistics);
    return 0;
}
