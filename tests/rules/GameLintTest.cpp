// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/GameLint.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Messages(const std::string& text) {
    GameLint lint;
    std::vector<std::string> messages;
    for (const LintProblem& problem : lint.Check(text))
        messages.push_back(std::to_string(problem.line) + ":" + std::to_string(problem.column) +
                           " " + problem.message);
    return messages;
}

// Two piles that drag to each other, a goal list and a full deal: nothing to report.
const char* kClean = R"(
SPIEL_ANZ_KARTEN: 4 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 AF: ALLES AW: ALLES ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE
  INIT_ANZ_SICHTBAR: 4 STAPEL_ENDE
STAPEL_START ID: 2 AF: ALLES AW: ALLES AFLS: ALLES AWLS: ALLES
  QUELLSTAPEL_START 1 QUELLSTAPEL_ENDE STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
)";

} // namespace

TEST(GameLint, ACleanDefinitionAndOneConnectedOnlyThroughLinks) {
    EXPECT_TRUE(Messages(kClean).empty());
    // Comments between the keys are no keys, even with a colon.
    EXPECT_TRUE(Messages(std::string("# Column 1: Kleine Leiter: ") + kClean).empty());
    // A stock that only turns cards onto a waste is connected by its link.
    std::string withStock = std::string(kClean) + R"(
STAPEL_START ID: 3 KOVA: AUFDECKEN_VERKN_1 VERK_STAPEL_START 4 VERK_STAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 4 STAPEL_ENDE)";
    EXPECT_TRUE(Messages(withStock).empty());
}

TEST(GameLint, DealsThatLeaveCardsOrAskForCardsTheFiltersCannotGive) {
    EXPECT_EQ(Messages(R"(
SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE INIT_AW: ASS INIT_ANZ_SICHTBAR: 6 STAPEL_ENDE
STAPEL_START ID: 2 QUELLSTAPEL_START 1 QUELLSTAPEL_ENDE INIT_ANZ_VERDECKT: 40
  POSITION: 300 100 SICHTBAREKARTEN_VERSCH: 0 20 STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE)"),
              (std::vector<std::string>{
                  "3:1 pile 1 asks for 6 cards but may get only 4 (its INIT_AF and INIT_AW admit "
                  "too few of the cards left)",
                  "0:0 the deal leaves 8 cards in no pile: the game can never be won"}));
}

TEST(GameLint, BlocksAndGroupsThatNeverCloseAndMissingEssentials) {
    EXPECT_EQ(Messages("STAPEL_START KOVA: UMDREHEN ZIELSTAPEL_START 1"),
              (std::vector<std::string>{
                  "1:1 \"STAPEL_START\" is never closed by \"STAPEL_ENDE\"",
                  "1:1 pile block without \"ID:\"",
                  "1:1 pile -1: no other pile can give cards to it or take cards from it",
                  "1:20 rule word \"UMDREHEN\" after \"KOVA:\" is in no table of that key; it "
                  "counts as NICHTS",
                  "1:29 \"ZIELSTAPEL_START\" is never closed by \"ZIELSTAPEL_ENDE\"",
                  "1:46 target pile id 1 names no pile",
                  "0:0 the deck is empty (\"SPIEL_ANZ_KARTEN:\" missing or 0)"}));
    std::vector<std::string> noGoal = Messages(R"(SPIEL_ANZ_KARTEN: 0 ID: 3
STAPEL_START ID: 1 INIT_ANZ_SICHTBAR: x SPIEL_ZIEL_START STAPEL_ENDE)");
    EXPECT_EQ(noGoal, (std::vector<std::string>{
                          "1:21 key \"ID:\" stands outside a pile block",
                          "2:1 pile 1: no other pile can give cards to it or take cards from it",
                          "2:39 \"x\" after \"INIT_ANZ_SICHTBAR:\" is not a number",
                          "2:41 \"SPIEL_ZIEL_START\" inside a pile block: is \"STAPEL_ENDE\" "
                          "missing?",
                          "0:0 the deck is empty (\"SPIEL_ANZ_KARTEN:\" missing or 0)"}));
}

// Lotte stands in the bottom-left corner and Mia or Tarzan in the bottom-right one, drawn
// over the cards: a pile whose cards can reach them is named, with how far its cards reach.
TEST(GameLint, PilesThatCanRunUnderACharacterAndTheTableMargins) {
    const std::string piles = R"(
SPIEL_ANZ_KARTEN: 52 SPIEL_AF: ALLES SPIEL_AW: ALLES
STAPEL_START ID: 1 POSITION: 300 100 SICHTBAREKARTEN_VERSCH: 0 0 ZIELSTAPEL_START 2 3
  ZIELSTAPEL_ENDE INIT_ANZ_SICHTBAR: 52 STAPEL_ENDE
STAPEL_START ID: 2 POSITION: 60 250 SICHTBAREKARTEN_VERSCH: 0 25
  QUELLSTAPEL_START 1 QUELLSTAPEL_ENDE STAPEL_ENDE
STAPEL_START ID: 3 POSITION: 500 400 SICHTBAREKARTEN_VERSCH: 25 0
  QUELLSTAPEL_START 1 QUELLSTAPEL_ENDE STAPEL_ENDE
SPIEL_ZIEL_START ZIELSTAPEL_START 2 ZIELSTAPEL_ENDE SPIEL_ZIEL_ENDE
)";
    // The column grows down into Lotte; the row grows right into Mia and Tarzan.
    EXPECT_EQ(Messages(piles),
              (std::vector<std::string>{
                  "5:1 pile 2 can run under Lotte beside the table (its cards reach 60,250 to "
                  "148,663)",
                  "7:1 pile 3 can run under Mia beside the table (its cards reach 500,400 to "
                  "1016,528)",
                  "7:1 pile 3 can run under Tarzan beside the table (its cards reach 500,400 to "
                  "1016,528)"}));
    // Margins that end the row, spread included, before the figures leave only the column;
    // margins outside 0 to 384 are named.
    EXPECT_EQ(Messages("SPIEL_TISCHRAND: 50 50 210 150" + piles),
              (std::vector<std::string>{
                  "5:1 pile 2 can run under Lotte beside the table (its cards reach 60,250 to "
                  "148,663)"}));
    EXPECT_EQ(Messages("SPIEL_TISCHRAND: -1 50 400 150 " + piles).front(),
              "1:18 margin \"-1\" after \"SPIEL_TISCHRAND:\" is outside 0 to 384; it is clamped");
}
