// SPDX-License-Identifier: GPL-3.0-or-later
// The word reader under every text format: each word is non-empty, holds no
// white space, is cut to its length limit, and the words are the input's
// words in order. The number parsers never fail on what they accept.
#include "FuzzSupport.h"
#include "data/WordReader.h"

#include <vector>

namespace {

// The words of the input, split the plain way.
std::vector<std::string> PlainWords(const std::string& text, size_t maxLength) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (char c : text) {
        if (WordReader::IsSpace(static_cast<unsigned char>(c))) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (word.size() < maxLength) word += c;
    }
    if (inWord) words.push_back(word);
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t maxLength = size > 0 ? 1 + data[0] % 64 : 1000;
    const std::string text = InputText(data, size);
    std::istringstream input(text, std::ios::binary);
    WordReader reader(input, maxLength);
    std::vector<std::string> words;
    for (std::string word; reader.Next(word);) {
        FUZZ_CHECK(!word.empty(), "an empty word");
        FUZZ_CHECK(word.size() <= maxLength, "a word past its limit");
        for (char c : word)
            FUZZ_CHECK(!WordReader::IsSpace(static_cast<unsigned char>(c)), "space in a word");
        FUZZ_CHECK(words.size() <= size, "more words than bytes");
        words.push_back(word);

        (void)WordReader::Atoi(word);
        int32_t integer = 0;
        (void)WordReader::ParseInt(word, integer);
        float number = 0;
        (void)WordReader::ParseFloat(word, number);
        bool flag = false;
        (void)WordReader::ParseBool(word, flag);
    }
    FUZZ_CHECK(words == PlainWords(text, maxLength), "words differ from the plain split");
    return 0;
}
