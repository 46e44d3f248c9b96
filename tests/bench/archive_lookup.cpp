// SPDX-License-Identifier: GPL-3.0-or-later
// Looking up one member of a 500-member archive, as the game does for every
// picture, sound and text it loads.
#include "data/GameArchive.h"
#include "data/GameArchiveWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class ArchiveFixture {
public:
    ArchiveFixture() {
        path = std::filesystem::temp_directory_path() /
               ("kh_bench_archive_" + std::to_string(::getpid()) + ".gob");
        std::vector<GameArchiveWriter::Member> members;
        for (int i = 0; i < 500; ++i)
            members.push_back(
                {"einfach\\spiel" + std::to_string(i) + "\\Spiel" + std::to_string(i) + ".game",
                 std::string(64, char('a' + i % 26))});
        GameArchiveWriter::Write(path, members);
        archive = OpenArchive(path);
    }
    ~ArchiveFixture() { std::filesystem::remove(path); }

    std::filesystem::path path;
    std::unique_ptr<GameArchive> archive;
};

ArchiveFixture& Fixture() {
    static ArchiveFixture fixture;
    return fixture;
}

// FindMember of a name spelled in another letter case, cycling over all members.
void BM_FindMember(benchmark::State& state) {
    GameArchive* archive = Fixture().archive.get();
    std::vector<std::string> names;
    for (int i = 0; i < 500; ++i)
        names.push_back("EINFACH\\Spiel" + std::to_string(i) + "\\spiel" + std::to_string(i) +
                        ".GAME");
    size_t next = 0;
    for (auto _ : state) {
        uint32_t size = 0;
        benchmark::DoNotOptimize(FindMember(archive, names[next], &size));
        next = (next + 1) % names.size();
    }
}
BENCHMARK(BM_FindMember);

// The worst case of the linear directory: the last member, read whole.
void BM_ReadLastMember(benchmark::State& state) {
    GameArchive* archive = Fixture().archive.get();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadMember(archive, "einfach\\spiel499\\Spiel499.game"));
}
BENCHMARK(BM_ReadLastMember);

// A miss has to establish that no entry matches.
void BM_FindMissingMember(benchmark::State& state) {
    GameArchive* archive = Fixture().archive.get();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMember(archive, "nicht\\vorhanden.png"));
}
BENCHMARK(BM_FindMissingMember);

} // namespace
