// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardStyle.h"

std::vector<CardStyle> CardStyles() {
    const std::array<std::string, 13> german = {"A", "2", "3",  "4", "5", "6", "7",
                                                "8", "9", "10", "B", "D", "K"};
    const std::array<std::string, 13> english = {"A", "2", "3",  "4", "5", "6", "7",
                                                 "8", "9", "10", "J", "Q", "K"};
    std::vector<CardStyle> styles;
    CardStyle classic;
    classic.member = "karten\\klassisch.PNG";
    classic.catalogName = "Klassisch";
    classic.suitColors = {Hex(0x1C1C24), Hex(0xC81E2C), Hex(0x1C1C24), Hex(0xC81E2C)};
    classic.rankText = german;
    classic.englishRankText = english;
    classic.face = Hex(0xFFFDF7);
    classic.edge = Hex(0x8A8478);
    classic.indexHeight = 38;
    classic.indexSuitHeight = 30;
    classic.bottomIndexSmall = false;
    styles.push_back(classic);

    CardStyle four = classic;
    four.member = "karten\\vierfarben.PNG";
    four.catalogName = "Vier_Farben";
    four.suitColors = {Hex(0x1C1C24), Hex(0xD0202E), Hex(0x17803A), Hex(0x1D5FC8)};
    four.face = Hex(0xFFFFFF);
    four.edge = Hex(0x7E8A96);
    styles.push_back(four);

    CardStyle big = classic;
    big.member = "karten\\grosse_zahlen.PNG";
    big.catalogName = "Grosse_Zahlen";
    big.suitColors = {Hex(0x14141A), Hex(0xD4142A), Hex(0x14141A), Hex(0xD4142A)};
    big.face = Hex(0xFBFAF5);
    big.edge = Hex(0x6F6A60);
    big.indexHeight = 56;
    big.indexSuitHeight = 42;
    big.bottomIndexSmall = true;
    styles.push_back(big);
    return styles;
}
