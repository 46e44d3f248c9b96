// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/TextFormatter.h"

#include <gtest/gtest.h>

TEST(FormatText, SubstitutesSuppliedArgumentsOfMatchingKinds) {
    EXPECT_EQ(FormatText("%d von %d Spielen", {3, 10}), "3 von 10 Spielen");
    EXPECT_EQ(FormatText("Zeit: %02d:%02d", {5, 7}), "Zeit: 05:07");
    EXPECT_EQ(FormatText("Hallo %s!", {std::string("Anna")}), "Hallo Anna!");
    EXPECT_EQ(FormatText("%5.1f%%", {12.345}), " 12.3%");
    EXPECT_EQ(FormatText("%-4s|%4s|%.2s", {"ab", "cd", "efgh"}), "ab  |  cd|ef");
    EXPECT_EQ(FormatText("%ld %lu %x %c", {-4L, 5UL, 255, 65}), "-4 5 ff A");
    EXPECT_EQ(FormatText("%s Punkte, %s", {42, 0.5}), "42 Punkte, 0.5");
    EXPECT_EQ(FormatText("%.0f", {2}), "2");
}

TEST(FormatText, EverythingElseIsCopiedLiterally) {
    // More conversions than arguments: the rest stays as written.
    EXPECT_EQ(FormatText("%s hat %d Punkte", {"Anna"}), "Anna hat %d Punkte");
    EXPECT_EQ(FormatText("%s %s %n %p"), "%s %s %n %p");
    // A number where text was expected is fine, text where a number was is not.
    EXPECT_EQ(FormatText("%d", {"x"}), "%d");
    EXPECT_EQ(FormatText("%d %s", {"x"}), "%d x");
    EXPECT_EQ(FormatText("%f", {"x"}), "%f");
    EXPECT_EQ(FormatText("%*d", {5, 3}), "%*d");
    EXPECT_EQ(FormatText("100%", {1}), "100%");
    EXPECT_EQ(FormatText("%%d %%", {1}), "%d %");
    EXPECT_EQ(FormatText("%99999d", {1}), "%99999d");
    EXPECT_EQ(FormatText("%q %d", {7}), "%q 7");
    EXPECT_EQ(FormatText(""), "");
    // Long texts and wide conversions come out whole.
    EXPECT_EQ(FormatText("%s", {std::string(5000, 'x')}).size(), 5000u);
    EXPECT_EQ(FormatText("%999.999f", {1e300}).size(), 301u + 1u + 999u);
}
