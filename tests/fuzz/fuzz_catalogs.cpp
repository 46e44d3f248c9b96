// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set and background catalogs ("Cards.typ", "Background.typ"): any
// bytes give entries whose texts keep their length limit. The first byte
// chooses the catalog kind.
#include "FuzzSupport.h"
#include "data/CatalogReader.h"

namespace {

constexpr size_t kMaxText = 999;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool backgrounds = data[0] & 1;
    std::istringstream input = InputStream(data + 1, size - 1);
    if (backgrounds) {
        BackgroundList list;
        CatalogReader::ReadBackgroundBlocks(input, list);
        for (const BackgroundEntry* entry : list) {
            FUZZ_CHECK(entry, "a null entry");
            FUZZ_CHECK(entry->name.size() <= kMaxText && entry->path.size() <= kMaxText,
                       "a text past its limit");
        }
        FUZZ_CHECK(static_cast<size_t>(list.Count()) <= size / 9 + 1, "more blocks than words");
    } else {
        CardSetList list;
        CatalogReader::ReadCardSetBlocks(input, list);
        for (const CardSetEntry* entry : list) {
            FUZZ_CHECK(entry, "a null entry");
            FUZZ_CHECK(entry->name.size() <= kMaxText && entry->path.size() <= kMaxText,
                       "a text past its limit");
        }
        FUZZ_CHECK(static_cast<size_t>(list.Count()) <= size / 9 + 1, "more blocks than words");
    }
    return 0;
}
