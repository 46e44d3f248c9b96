// textconv KIND IN OUT — KIND is plain, uitexts or rules (see TextConverter.h).
#include "TextConverter.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: textconv plain|uitexts|rules IN OUT\n";
        return 2;
    }
    const std::string kindName = argv[1];
    TextConverter::Kind kind;
    if (kindName == "plain")
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
