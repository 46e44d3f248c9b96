// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: any bytes read over the defaults, and what is written
// back reads as the same settings (writing, reading and writing again gives
// the same text).
#include "FuzzSupport.h"
#include "data/Configuration.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = InputStream(data, size);
    Configuration settings;
    settings.ReadConfiguration(input);

    std::ostringstream first;
    settings.WriteConfiguration(first);
    Configuration again;
    std::istringstream written(first.str());
    again.ReadConfiguration(written);
    std::ostringstream second;
    again.WriteConfiguration(second);
    FUZZ_CHECK(first.str() == second.str(), "written settings read back differently");
    return 0;
}
