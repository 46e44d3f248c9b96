// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Configuration.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const char* const kDefaultFile = "FULLSCREEN:\t1\n"
                                 "SPRACHE:\t0\n"
                                 "SOUND:\t100\n"
                                 "MUSIK:\t100\n"
                                 "INTRO:\t1\n"
                                 "KARTENTYP:\t0\n"
                                 "KARTENHINTERGRUND:\t0\n"
                                 "HINTERGRUND:\t0\n"
                                 "INFOS:\t0\n"
                                 "ABWEICHUNG:\t0.5\n"
                                 "SCHATTEN:\t1\n"
                                 "STAPELSPEED:\t10\n"
                                 "MOUSESTAPELSPEED:\t10000\n"
                                 "SPRUECHE:\t1\n"
                                 "BACKGROUND:\t255\n"
                                 "MAUS:\t0\n"
                                 "HINTERGRUNDANIS:\t0\n"
                                 "HINTERGRUNDANIS_PROP:\t1\n";

Configuration Parse(const std::string& text) {
    Configuration config;
    std::istringstream input(text);
    config.ReadConfiguration(input);
    return config;
}

bool SameSettings(const Configuration& a, const Configuration& b) {
    std::ostringstream x, y;
    a.WriteConfiguration(x);
    b.WriteConfiguration(y);
    return x.str() == y.str();
}

} // namespace

TEST(Configuration, DefaultFileIsByteExact) {
    TempDir dir;
    Configuration config;
    ASSERT_TRUE(config.WriteConfigurationFile(dir / kConfigurationFileName));
    EXPECT_EQ(TempDir::Read(dir / kConfigurationFileName), kDefaultFile);
    // Nothing but the settings file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(Configuration, MissingOrEmptyFileGivesDefaults) {
    TempDir dir;
    Configuration config;
    config.soundVolume = 0;
    EXPECT_FALSE(config.ReadConfigurationFile(dir / "missing.cfg"));
    EXPECT_TRUE(SameSettings(config, Configuration{}));
    config.language = 1;
    dir.Write("empty.cfg", "");
    EXPECT_TRUE(config.ReadConfigurationFile(dir / "empty.cfg"));
    EXPECT_TRUE(SameSettings(config, Configuration{}));
}

TEST(Configuration, RoundTripKeepsEverySetting) {
    TempDir dir;
    Configuration written;
    written.fullscreen = false;
    written.language = 1;
    written.soundVolume = 0;
    written.musicVolume = 0;
    written.playIntro = false;
    written.cardSet = 3;
    written.cardBack = 2;
    written.background = 7;
    written.showInfos = true;
    written.deviation = 0.3f;
    written.shadows = false;
    written.pileSpeed = 2;
    written.mousePileSpeed = 1;
    written.chatter = 2;
    written.backgroundBrightness = 64;
    written.cursorStyle = 2;
    written.animationTheme = 1;
    written.animationLevel = 0;
    ASSERT_TRUE(written.WriteConfigurationFile(dir / kConfigurationFileName));
    // Writing again replaces the file rather than appending to it.
    ASSERT_TRUE(written.WriteConfigurationFile(dir / kConfigurationFileName));

    Configuration read;
    ASSERT_TRUE(read.ReadConfigurationFile(dir / kConfigurationFileName));
    EXPECT_TRUE(SameSettings(read, written));
    EXPECT_EQ(read.soundVolume, 0);
    EXPECT_NEAR(read.deviation, 0.3f, 1e-6);
    EXPECT_FALSE(read.shadows);
}

TEST(Configuration, FloatIsWrittenWithSixSignificantDigits) {
    Configuration config;
    config.deviation = 0.123456789f;
    std::ostringstream out;
    config.WriteConfiguration(out);
    EXPECT_NE(out.str().find("ABWEICHUNG:\t0.123457\n"), std::string::npos);
    EXPECT_NEAR(Parse(out.str()).deviation, 0.123457f, 1e-6);
}

TEST(Configuration, AtoiKeysAndStreamKeys) {
    // "yes" goes through atoi and becomes 0, i.e. windowed.
    EXPECT_FALSE(Parse("FULLSCREEN: yes").fullscreen);
    EXPECT_EQ(Parse("SOUND: 42abc").soundVolume, 42);
    EXPECT_EQ(Parse("SPRACHE: -1").language, -1);
    EXPECT_EQ(Parse("KARTENTYP: 99999999999999").cardSet, 2147483647);
    // Last value wins, keys in any order.
    Configuration twice = Parse("SCHATTEN: 1\nMAUS: 2\nSCHATTEN: 0\n");
    EXPECT_FALSE(twice.shadows);
    EXPECT_EQ(twice.cursorStyle, 2);
    // Keys are case-sensitive; unknown words and their values are skipped.
    Configuration unknown = Parse("sound: 0 FOO: 7 SOUND: 5 mystery");
    EXPECT_EQ(unknown.soundVolume, 5);
    // The line layout does not matter.
    EXPECT_EQ(Parse("  STAPELSPEED:\n\n\t2  ").pileSpeed, 2);
}

TEST(Configuration, UnparsableStreamValueIsSteppedOver) {
    // A letter after a stream-read key leaves that setting and goes on.
    Configuration config = Parse("SCHATTEN: x MAUS: q SOUND: 0 STAPELSPEED: 2 SCHATTEN: 2");
    EXPECT_TRUE(config.shadows);
    EXPECT_EQ(config.cursorStyle, 0);
    EXPECT_EQ(config.soundVolume, 0);
    EXPECT_EQ(config.pileSpeed, 2);
    // An out-of-range number does not swallow the following key.
    config = Parse("MOUSESTAPELSPEED: 123456789012 BACKGROUND: 100");
    EXPECT_EQ(config.mousePileSpeed, 10000);
    EXPECT_EQ(config.backgroundBrightness, 100);
    // A key as the last word, without a value.
    EXPECT_EQ(Parse("MAUS:").cursorStyle, 0);
    EXPECT_TRUE(Parse("FULLSCREEN:").fullscreen == false);
}

TEST(Configuration, RandomBytesGiveDefaultsWithoutHanging) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        dir.Write("random.cfg", RandomBytes(64 * 1024, seed));
        Configuration config;
        EXPECT_TRUE(config.ReadConfigurationFile(dir / "random.cfg"));
        EXPECT_TRUE(SameSettings(config, Configuration{}));
    }
    // A word of 60 KB without any white space is cut, and the key after it read;
    // a 10 MB file is beyond the settings' size limit and not read at all.
    dir.Write("long.cfg", std::string(60 * 1024, 'A') + " SOUND: 7");
    Configuration config;
    EXPECT_TRUE(config.ReadConfigurationFile(dir / "long.cfg"));
    EXPECT_EQ(config.soundVolume, 7);
    dir.Write("huge.cfg", std::string(10 * 1024 * 1024, 'A') + " SOUND: 7");
    EXPECT_FALSE(config.ReadConfigurationFile(dir / "huge.cfg"));
    EXPECT_EQ(config.soundVolume, 100);
}

TEST(Configuration, WriteIntoMissingFolderFailsCleanly) {
    TempDir dir;
    Configuration config;
    EXPECT_FALSE(config.WriteConfigurationFile(dir / "no" / "such" / "solitär.cfg"));
}

TEST(Configuration, TheAutoFinishKeyAppearsOnlyWhenSwitchedOffAndReadsBack) {
    TempDir dir;
    Configuration written;
    written.autoFinish = false;
    ASSERT_TRUE(written.WriteConfigurationFile(dir / kConfigurationFileName));
    EXPECT_NE(TempDir::Read(dir / kConfigurationFileName).find("AUTOFERTIG:\t0\n"),
              std::string::npos);
    Configuration read;
    ASSERT_TRUE(read.ReadConfigurationFile(dir / kConfigurationFileName));
    EXPECT_FALSE(read.autoFinish);
    dir.Write("on.cfg", "AUTOFERTIG:\t1\n");
    ASSERT_TRUE(read.ReadConfigurationFile(dir / "on.cfg"));
    EXPECT_TRUE(read.autoFinish);
}
