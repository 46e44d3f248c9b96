// SPDX-License-Identifier: GPL-3.0-or-later
// Language files (".lng" word lists): every entry is a word of the file with
// "_" and "-" turned into blank and line break, any entry used as a format
// text formats safely with the arguments the program passes, and every text
// survives the trip to UTF-8 (file names on disk) and back.
#include "FuzzSupport.h"
#include "data/LanguageTexts.h"
#include "data/TextEncoding.h"
#include "data/TextFormatter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream input = InputStream(data, size);
    TextList texts;
    ReadWordList(input, texts);
    FUZZ_CHECK(static_cast<size_t>(texts.Count()) <= size / 2 + 1, "more entries than words");
    for (const std::string* text : texts) {
        FUZZ_CHECK(text && !text->empty(), "an empty entry");
        FUZZ_CHECK(text->find('_') == std::string::npos, "an underscore left in a text");
        // The argument lists the screens pass to UI texts.
        const std::string shown = FormatText(*text);
        const std::string counts = FormatText(*text, {3, 7});
        const std::string named = FormatText(*text, {"Name", 12.5, -1});
        const std::string timed = FormatText(*text, {12, 5, 3.25});
        // Without arguments only "%%" changes, so the text never grows.
        FUZZ_CHECK(shown.size() <= text->size(), "a text grew without arguments");
        FUZZ_CHECK(TextEncoding::Utf8ToLatin1(TextEncoding::Latin1ToUtf8(*text)) == *text,
                   "a text changed on its way through UTF-8");
        (void)TextEncoding::Utf8ToLatin1(*text);
        (void)counts;
        (void)named;
        (void)timed;
    }
    return 0;
}
