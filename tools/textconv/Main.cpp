// SPDX-License-Identifier: GPL-3.0-or-later
// textconv KIND IN OUT — KIND is plain, uitexts or rules (see TextConverter.h), or chatter
// (see ChatterConverter.h).
#include "ChatterConverter.h"
#include "TextConverter.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: textconv plain|uitexts|rules|chatter IN OUT\n";
        return 2;
    }
    const std::string kindName = argv[1];
    TextConverter::Kind kind;
    const bool chatter = kindName == "chatter";
    if (kindName == "plain" || chatter)
        kind = TextConverter::Kind::Plain;
    else if (kindName == "uitexts")
        kind = TextConverter::Kind::UiTexts;
    else if (kindName == "rules")
        kind = TextConverter::Kind::Rules;
    else {
        std::cerr << "textconv: unknown kind '" << kindName << "'\n";
        return 2;
    }
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << argv[2] << ": cannot open\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    TextConverter converter;
    auto result = converter.Convert(kind, argv[2], text.str());
    if (!result) {
        std::cerr << converter.Error() << "\n";
        return 1;
    }
    if (chatter) {
        // The plain conversion made it Latin-1 without comments; now the sections.
        std::vector<std::string> lines;
        std::istringstream plain(*result);
        for (std::string line; std::getline(plain, line);)
            lines.push_back(line);
        ChatterConverter chatterConverter;
        result = chatterConverter.Convert(lines);
        if (!result) {
            std::cerr << argv[2] << ": " << chatterConverter.Error() << "\n";
            return 1;
        }
    }
    // Write beside the target and rename, so a failed run never leaves half a file.
    const std::string target = argv[3];
    const std::string temp = target + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << *result;
        if (!out) {
            std::cerr << target << ": cannot write\n";
            return 1;
        }
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        std::cerr << target << ": cannot rename\n";
        return 1;
    }
    return 0;
}
