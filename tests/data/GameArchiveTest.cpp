// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/GameArchive.h"
#include "data/GameArchiveWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::string Bytes(const std::vector<uint8_t>& data) {
    return std::string(data.begin(), data.end());
}

std::filesystem::path WriteArchive(const TempDir& dir, const std::string& file,
                                   const std::vector<GameArchiveWriter::Member>& members) {
    std::filesystem::path path = dir / file;
    EXPECT_TRUE(GameArchiveWriter::Write(path, members));
    return path;
}

void Put32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

} // namespace

TEST(GameArchive, LookupIgnoresAsciiCaseAndFirstDuplicateWins) {
    TempDir dir;
    auto path = WriteArchive(dir, "a.gob",
                             {{"Sounds\\klick_game.wav", "click"},
                              {"hintergrund\\urwald\\frosch.PNG", "frog"},
                              {"SOUNDS\\KLICK_GAME.WAV", "second"},
                              {"M\xC4RCHEN.txt", "umlaut"}});
    auto archive = OpenArchive(path);
    ASSERT_TRUE(archive);
    uint32_t size = 0;
    EXPECT_EQ(FindMember(archive.get(), "sounds\\Klick_Game.WAV", &size), archive.get());
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(Bytes(*ReadMember(archive.get(), "SOUNDS\\klick_game.wav")), "click");
    EXPECT_EQ(Bytes(*ReadMember(archive.get(), "Hintergrund\\Urwald\\FROSCH.png")), "frog");
    // Only A–Z fold: the Latin-1 Ä does not match ä.
    EXPECT_TRUE(ReadMember(archive.get(), "m\xC4rchen.TXT"));
    EXPECT_FALSE(ReadMember(archive.get(), "M\xE4RCHEN.txt"));
    // Forward slashes are not backslashes.
    EXPECT_FALSE(ReadMember(archive.get(), "Sounds/klick_game.wav"));
    EXPECT_FALSE(ReadMember(archive.get(), "missing"));
    EXPECT_EQ(FindMember(archive.get(), "", &size), nullptr);
    // After the lookup the file stands at the member's first byte.
    ASSERT_TRUE(FindMember(archive.get(), "hintergrund\\urwald\\frosch.png"));
    char first[4] = {};
    archive->File().read(first, 4);
    EXPECT_EQ(std::string(first, 4), "frog");
    CloseArchive(archive);
    EXPECT_FALSE(archive);
}

TEST(GameArchive, NullArchiveIsAnArchiveWithoutMembers) {
    uint32_t size = 17;
    EXPECT_EQ(FindMember(nullptr, "x", &size), nullptr);
    EXPECT_EQ(size, 17u);
    EXPECT_FALSE(ReadMember(nullptr, "x"));
    std::unique_ptr<GameArchive> none;
    CloseArchive(none);
}

TEST(GameArchive, EmptyMemberReadsAsNoBytes) {
    TempDir dir;
    auto archive = OpenArchive(WriteArchive(dir, "a.gob", {{"empty.lng", ""}, {"x", "y"}}));
    ASSERT_TRUE(archive);
    auto data = ReadMember(archive.get(), "empty.lng");
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->empty());
}

TEST(GameArchive, HeadersThatAreRejected) {
    TempDir dir;
    std::string good = GameArchiveWriter::Build({{"a", "b"}});
    EXPECT_TRUE(OpenArchive(dir.Write("good.gob", good)));
    EXPECT_FALSE(OpenArchive(dir / "missing.gob"));
    EXPECT_FALSE(OpenArchive(dir.Write("empty.gob", "")));
    EXPECT_FALSE(OpenArchive(dir.Write("short.gob", good.substr(0, 7))));
    std::string zero = good;
    Put32(zero, 4, 0);
    EXPECT_FALSE(OpenArchive(dir.Write("zero.gob", zero)));
    std::string magic = good;
    magic[3] = 'X';
    EXPECT_FALSE(OpenArchive(dir.Write("magic.gob", magic)));
    // A directory cut short by truncation, and a count far beyond the file.
    EXPECT_FALSE(OpenArchive(dir.Write("cut.gob", good.substr(0, 8 + 100))));
    std::string huge = good;
    Put32(huge, 4, 0xFFFFFFFFu);
    EXPECT_FALSE(OpenArchive(dir.Write("huge.gob", huge)));
    EXPECT_FALSE(OpenArchive(dir.path)); // a directory is no archive
    EXPECT_FALSE(GameArchiveWriter::Build({}).size());
}

TEST(GameArchive, EntriesPointingPastTheEndFailTheirLookup) {
    TempDir dir;
    std::string bytes =
        GameArchiveWriter::Build({{"offset", "1234"}, {"size", "5678"}, {"ok", "9"}});
    const size_t entry0 = 8, entry1 = 8 + 268;
    Put32(bytes, entry0, 0xFFFFFFF0u);                             // offset far away
    Put32(bytes, entry1 + 4, static_cast<uint32_t>(bytes.size())); // size past the end
    auto archive = OpenArchive(dir.Write("bad.gob", bytes));
    ASSERT_TRUE(archive);
    EXPECT_EQ(FindMember(archive.get(), "offset"), nullptr);
    EXPECT_FALSE(ReadMember(archive.get(), "size"));
    EXPECT_EQ(Bytes(*ReadMember(archive.get(), "ok")), "9");

    // Truncating the data after opening makes the read short, which fails too.
    std::string whole = GameArchiveWriter::Build({{"big", std::string(5000, 'x')}});
    auto path = dir.Write("shrink.gob", whole);
    auto shrinking = OpenArchive(path);
    ASSERT_TRUE(shrinking);
    std::filesystem::resize_file(path, whole.size() - 10);
    EXPECT_FALSE(ReadMember(shrinking.get(), "big"));
}

TEST(GameArchive, NameFieldWithoutTerminatorIsNeverMatched) {
    TempDir dir;
    // 10 MB of name bytes with no zero anywhere, under a count that covers them.
    const uint32_t count = 10 * 1024 * 1024 / GameArchive::kEntrySize;
    std::string bytes("GOB\0", 4);
    bytes.resize(8);
    Put32(bytes, 4, count);
    bytes.append(size_t(count) * GameArchive::kEntrySize, 'A');
    auto archive = OpenArchive(dir.Write("names.gob", bytes));
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->Entries().size(), count);
    EXPECT_FALSE(archive->Entries()[0].Usable());
    EXPECT_FALSE(ReadMember(archive.get(), std::string(260, 'A')));
    EXPECT_FALSE(ReadMember(archive.get(), std::string(259, 'A')));
}

TEST(GameArchive, RandomFilesNeverOpenOrNeverRead) {
    TempDir dir;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::string bytes = RandomBytes(4096, seed);
        if (seed % 2) std::memcpy(bytes.data(), "GOB\0\x02\0\0\0", 8);
        auto archive = OpenArchive(dir.Write("random.gob", bytes));
        if (!archive) continue;
        for (const auto& entry : archive->Entries()) {
            std::vector<uint8_t> data;
            bool read = archive->Read(entry, data);
            EXPECT_EQ(read, entry.Usable());
            if (read) {
                EXPECT_EQ(data.size(), entry.size);
                EXPECT_LE(uint64_t(entry.offset) + entry.size, archive->FileSize());
            }
        }
    }
}

TEST(GameArchiveWriter, RefusesNamesTheFormatCannotHold) {
    std::string error;
    EXPECT_TRUE(GameArchiveWriter::Build({{"", "x"}}, &error).empty());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(GameArchiveWriter::Build({{std::string(260, 'n'), "x"}}, &error).empty());
    EXPECT_EQ(GameArchiveWriter::Build({{std::string(259, 'n'), "x"}}).size(), 8u + 268u + 1u);
}
