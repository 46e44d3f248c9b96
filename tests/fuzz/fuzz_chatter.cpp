// SPDX-License-Identifier: GPL-3.0-or-later
// Chatter files of the talking characters: any bytes give eight lists whose
// entries keep their length limit and hold no "_"; every entry formats safely
// as the characters format them (the clock answer with hours and minutes);
// entries past the end of a list are nothing.
#include "FuzzSupport.h"
#include "data/TextFormatter.h"
#include "themes/PlapperPhrasen.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = InputStream(data, size);
    PlapperPhrasen phrases;
    phrases.Read(input);
    const PtrList<std::string, true>* lists[] = {
        &phrases.keywords, &phrases.answers,   &phrases.unmatched,  &phrases.sayings,
        &phrases.jokes,    &phrases.angryEnds, &phrases.jokingEnds, &phrases.gameWaiting};
    size_t entries = 0;
    for (const PtrList<std::string, true>* list : lists) {
        FUZZ_CHECK(PlapperPhrasen::Entry(*list, -1) == nullptr &&
                       PlapperPhrasen::Entry(*list, list->Count()) == nullptr,
                   "an entry outside a list");
        for (const std::string* entry : *list) {
            FUZZ_CHECK(entry && !entry->empty(), "an empty entry");
            FUZZ_CHECK(entry->size() <= PlapperPhrasen::MaxEntryLength, "an entry past its limit");
            FUZZ_CHECK(entry->find('_') == std::string::npos, "an underscore left in an entry");
            const std::string plain = FormatText(*entry);
            FUZZ_CHECK(plain.size() <= entry->size(), "an entry grew without arguments");
            (void)FormatText(*entry, {23, 59});
            ++entries;
        }
    }
    FUZZ_CHECK(entries <= size / 2 + 1, "more entries than words");
    return 0;
}
