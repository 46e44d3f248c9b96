// SPDX-License-Identifier: GPL-3.0-or-later
// The packed "base.gob" of the data directory holds every sound of the table
// under its Latin-1 member name, and each one decodes into its slot.
#include "data/GameArchive.h"
#include "media/SoundDevice.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ArchivedSounds, EverySlotLoadsFromTheBuiltBaseArchive) {
    auto archive = OpenArchive(std::filesystem::path(KH_BINARY_DIR) / "data" / "base.gob");
    if (!archive) GTEST_SKIP() << "base.gob is not packed in this build";
    SoundDevice sounds;
    int32_t soundVolume = 100, musicVolume = 100;
    ASSERT_EQ(sounds.Initialise(soundVolume, musicVolume,
                                [&](const std::string& name) { return ReadMember(archive.get(), name); },
                                nullptr),
              SoundDevice::ok);
    for (int slot = 0; slot < SoundTable::slotCount; ++slot)
        EXPECT_TRUE(sounds.IsSlotLoaded(slot)) << SoundTable::Entries()[size_t(slot)].memberName;
    // The door has the one name outside ASCII.
    sounds.PlaySound(305, 1.0f, soundVolume);
    EXPECT_TRUE(sounds.Audio().IsVoicePlaying(*SoundTable::SlotOfSoundId(305) * 10));
}

} // namespace
