// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestAudio.h"
#include "media/DiskPath.h"
#include "media/SoundTable.h"
#include "media/WavMember.h"

#include <gtest/gtest.h>

#include <set>

namespace {

void Set32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// RIFF header plus the given chunks, each padded to an even length.
std::vector<uint8_t> Riff(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& chunks) {
    std::vector<uint8_t> out{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    for (const auto& [id, body] : chunks) {
        out.insert(out.end(), id.begin(), id.end());
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(body.size() >> (8 * i)));
        out.insert(out.end(), body.begin(), body.end());
        if (body.size() & 1) out.push_back(0);
    }
    Set32(out, 4, uint32_t(out.size() - 8));
    return out;
}

std::vector<uint8_t> PcmFormat() { return {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0}; }

TEST(WavMember, ReadsFormatAndTheWholeDataChunk) {
    auto wav = WavMember::Parse(testaudio::MakeWav(0.1));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format.formatTag, 1);
    EXPECT_EQ(wav->format.channels, 1);
    EXPECT_EQ(wav->format.samplesPerSecond, 22050u);
    EXPECT_EQ(wav->format.bitsPerSample, 16);
    EXPECT_EQ(wav->data.size(), 2205u * 2);
    EXPECT_TRUE(wav->format.extra.empty());
}

TEST(WavMember, SkipsUnknownChunksIncludingOddSizedOnes) {
    auto bytes = Riff({{"LIST", {1, 2, 3}}, {"fmt ", PcmFormat()}, {"fact", {9}}, {"data", {1, 2, 3, 4}}});
    auto wav = WavMember::Parse(bytes);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->data, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(WavMember, NonPcmFormatsCarryTheirExtraBytes) {
    std::vector<uint8_t> fmt = {2, 0, 1, 0, 0x22, 0x56, 0, 0, 0, 0x2C, 0, 0, 0, 1, 4, 0, 3, 0, 7, 8, 9};
    auto wav = WavMember::Parse(Riff({{"fmt ", fmt}, {"data", {0, 0}}}));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format.extra, (std::vector<uint8_t>{7, 8, 9}));
    // Written back and read again it stays the same sound.
    auto again = WavMember::Parse(wav->ToRiff());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->format.extra, wav->format.extra);
    EXPECT_EQ(again->data, wav->data);

    // Extra bytes that run past the format chunk, or no extra-size field at all.
    std::vector<uint8_t> overlong = fmt;
    overlong[16] = 40;
    EXPECT_FALSE(WavMember::Parse(Riff({{"fmt ", overlong}, {"data", {0, 0}}})));
    std::vector<uint8_t> bare(fmt.begin(), fmt.begin() + 16);
    EXPECT_FALSE(WavMember::Parse(Riff({{"fmt ", bare}, {"data", {0, 0}}})));
}

TEST(WavMember, MalformedMembersYieldNothing) {
    auto good = testaudio::MakeWav(0.05);
    // Truncated anywhere: in the header, inside the format chunk, inside the data.
    for (size_t length : {size_t(0), size_t(4), size_t(11), size_t(20), size_t(30), size_t(43),
                          good.size() - 1}) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + long(length));
        EXPECT_FALSE(WavMember::Parse(cut)) << "length " << length;
    }
    // A data chunk that claims more bytes than the member holds.
    auto longData = good;
    Set32(longData, 40, uint32_t(good.size()));
    EXPECT_FALSE(WavMember::Parse(longData));
    auto hugeData = good;
    Set32(hugeData, 40, 0xFFFFFFFFu);
    EXPECT_FALSE(WavMember::Parse(hugeData));
    // A format chunk of 3 bytes.
    EXPECT_FALSE(WavMember::Parse(Riff({{"fmt ", {1, 0, 1}}, {"data", {0, 0}}})));
    // A format chunk whose size runs past the member.
    auto hugeFmt = good;
    Set32(hugeFmt, 16, 0x7FFFFFF0u);
    EXPECT_FALSE(WavMember::Parse(hugeFmt));
    // Missing chunks and wrong form types.
    EXPECT_FALSE(WavMember::Parse(Riff({{"fmt ", PcmFormat()}})));
    EXPECT_FALSE(WavMember::Parse(Riff({{"data", {0, 0}}})));
    auto avi = good;
    avi[8] = 'A';
    EXPECT_FALSE(WavMember::Parse(avi));
}

TEST(WavMember, ToleratesARiffSizeLargerThanTheMember) {
    auto bytes = testaudio::MakeWav(0.05);
    Set32(bytes, 4, 0x10000000u);
    EXPECT_TRUE(WavMember::Parse(bytes));
}

TEST(SoundTable, HasTwentyEightDistinctSlotsLoadedInStartUpOrder) {
    std::set<int32_t> ids;
    for (const auto& entry : SoundTable::Entries()) ids.insert(entry.soundId);
    EXPECT_EQ(ids.size(), 28u);
    std::set<int32_t> loaded(SoundTable::LoadOrder().begin(), SoundTable::LoadOrder().end());
    EXPECT_EQ(loaded, ids);
    EXPECT_EQ(SoundTable::LoadOrder().front(), 1);
    EXPECT_EQ(SoundTable::LoadOrder().back(), 301);
    EXPECT_EQ(SoundTable::SlotOfSoundId(0), 0);
    EXPECT_EQ(SoundTable::SlotOfSoundId(402), 27);
    EXPECT_FALSE(SoundTable::SlotOfSoundId(3));
    EXPECT_FALSE(SoundTable::SlotOfSoundId(108));
    EXPECT_FALSE(SoundTable::SlotOfSoundId(-1));
    EXPECT_STREQ(SoundTable::Entries()[size_t(*SoundTable::SlotOfSoundId(305))].memberName,
                 "Sounds\\western\\t\xFCr.wav");
}

TEST(DiskPath, TurnsBackslashesIntoSlashesAndLatin1IntoUtf8) {
    EXPECT_EQ(DiskPathOf("musik\\jungle1.mp3"), "musik/jungle1.mp3");
    EXPECT_EQ(DiskPathOf("Sounds\\western\\t\xFCr.wav"), "Sounds/western/t\xC3\xBCr.wav");
    EXPECT_EQ(DiskPathOf("intro.avi"), "intro.avi");
}

} // namespace
