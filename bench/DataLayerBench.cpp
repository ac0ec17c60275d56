// SPDX-License-Identifier: MIT
// The data layer against the floor of its own file traffic: reading and saving a whole team
// record by record (19 opens, as every call must see the file as it is on disk) against one open
// and one transfer of the same bytes; a league import through the safe writer against copying
// the image with its records changed in memory; plus the throughput of the name codec and the
// text conversion.
#include "BenchmarkRows.h"
#include "ImageBuilder.h"
#include "ImageLayout.h"
#include "LeagueChange.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "SafeImageWriter.h"
#include "TRomTeamData.h"
#include "Team.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

using namespace teamdata;

namespace {

// One image for every case, made before the benchmarks run; they only read it or write back
// the bytes it already holds, so it stays the same throughout.
struct Fixture {
    testsupport::TempDir dir;
    std::string path = (dir.Path() / "bench.nes").string();
    testsupport::ImageBuilder image;

    // Per team: the texts a save hands over, the rows' raw bytes and the team block as stored.
    std::array<std::array<BatterRowTexts, BatterCount>, TeamCount> batterTexts;
    std::array<std::array<PitcherRowTexts, PitcherCount>, TeamCount> pitcherTexts;
    std::vector<BatterBytes> batters;
    std::vector<PitcherBytes> pitchers;

    Fixture() {
        image.FillValidTeams();
        image.WriteTo(dir.Path() / "bench.nes");
        for (int t = 0; t < TeamCount; ++t) {
            for (int i = 0; i < BatterCount; ++i) {
                batters.push_back(testsupport::ImageBuilder::ValidBatter(t, i));
                batterTexts[t][i] = BatterRowFromBytes(batters.back());
            }
            for (int i = 0; i < PitcherCount; ++i) {
                pitchers.push_back(testsupport::ImageBuilder::ValidPitcher(t, i));
                pitcherTexts[t][i] = PitcherRowFromBytes(pitchers.back());
            }
        }
    }
};

Fixture* fixture = nullptr;

// A league import rewrites every team. Two leagues take turns, so that every write really
// changes the file: the valid teams, and the same with each team holding the next one's records
// and colours (lead bytes stay, as the writer never writes them).
struct LeagueImport {
    testsupport::TempDir dir;
    std::string figurePath = (dir.Path() / "import.nes").string();
    std::string floorPath = (dir.Path() / "floor.nes").string();
    std::array<testsupport::ImageBuilder, 2> images;
    std::array<std::vector<TeamWrite>, 2> writes;

    LeagueImport() {
        images[0].FillValidTeams();
        images[1].FillValidTeams();
        for (int t = 0; t < TeamCount; ++t) {
            const int next = (t + 1) % TeamCount;
            for (int i = 0; i < BatterCount; ++i)
                images[1].SetBatter(t, i, testsupport::ImageBuilder::ValidBatter(next, i),
                                    testsupport::ImageBuilder::ValidLeadByte(t, i));
            for (int i = 0; i < PitcherCount; ++i)
                images[1].SetPitcher(t, i, testsupport::ImageBuilder::ValidPitcher(next, i),
                                     testsupport::ImageBuilder::ValidLeadByte(t, BatterCount + i));
            images[1].SetColors(t, testsupport::ImageBuilder::ValidHelmetColor(next),
                                testsupport::ImageBuilder::ValidUniformColor(next));
        }
        for (std::size_t league = 0; league < images.size(); ++league)
            for (int t = 0; t < TeamCount; ++t)
                writes[league].push_back({t, TeamRecordsAt(images[league].Bytes(), t)});
        images[0].WriteTo(figurePath);
        images[0].WriteTo(floorPath);
        // The floor must end with the same bytes as the writer, or it measures other work.
        if (!teamdata::WriteImage({figurePath, figurePath, writes[1]}).Written() ||
            testsupport::ReadFileBytes(figurePath) != images[1].Bytes())
            throw std::runtime_error("the league import does not write the second league");
        images[0].WriteTo(figurePath);
    }
};

LeagueImport* leagueImport = nullptr;

// The figure: a team read the way the main window shows it, records converted to cell texts.
void TeamRead(benchmark::State& state) {
    TRomTeamData data;
    int team = 0;
    for (auto _ : state) {
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes bytes;
            if (!data.ReadBatter(fixture->path, team, i, bytes))
                state.SkipWithError("ReadBatter failed");
            BatterRowTexts texts = BatterRowFromBytes(bytes);
            benchmark::DoNotOptimize(texts);
        }
        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes bytes;
            if (!data.ReadPitcher(fixture->path, team, i, bytes))
                state.SkipWithError("ReadPitcher failed");
            PitcherRowTexts texts = PitcherRowFromBytes(bytes);
            benchmark::DoNotOptimize(texts);
        }
        std::uint8_t helmet = 0;
        std::uint8_t uniform = 0;
        if (!data.ReadColors(fixture->path, team, helmet, uniform))
            state.SkipWithError("ReadColors failed");
        benchmark::DoNotOptimize(helmet);
        benchmark::DoNotOptimize(uniform);
        team = (team + 1) % TeamCount;
    }
}

// The same reads without the conversion to texts: what the file traffic alone costs.
void TeamReadRecordsOnly(benchmark::State& state) {
    TRomTeamData data;
    int team = 0;
    for (auto _ : state) {
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes bytes;
            if (!data.ReadBatter(fixture->path, team, i, bytes))
                state.SkipWithError("ReadBatter failed");
            benchmark::DoNotOptimize(bytes);
        }
        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes bytes;
            if (!data.ReadPitcher(fixture->path, team, i, bytes))
                state.SkipWithError("ReadPitcher failed");
            benchmark::DoNotOptimize(bytes);
        }
        std::uint8_t helmet = 0;
        std::uint8_t uniform = 0;
        if (!data.ReadColors(fixture->path, team, helmet, uniform))
            state.SkipWithError("ReadColors failed");
        benchmark::DoNotOptimize(helmet);
        team = (team + 1) % TeamCount;
    }
}

// The floor: one open, one read of the 16 team blocks (4 KiB) and one of the colour entry.
void TeamReadFloor(benchmark::State& state) {
    std::array<std::uint8_t, TeamCount * TeamBlockSize> blocks;
    std::array<std::uint8_t, ColorEntrySize> colours;
    int team = 0;
    for (auto _ : state) {
        std::FILE* file = std::fopen(fixture->path.c_str(), "rb");
        if (!file || std::fseek(file, TeamAreaBase, SEEK_SET) != 0 ||
            std::fread(blocks.data(), 1, blocks.size(), file) != blocks.size() ||
            std::fseek(file, ColorEntryOffset(team).value, SEEK_SET) != 0 ||
            std::fread(colours.data(), 1, colours.size(), file) != colours.size())
            state.SkipWithError("floor read failed");
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(blocks);
        benchmark::DoNotOptimize(colours);
        team = (team + 1) % TeamCount;
    }
}

// The figure: the comparison of two leagues held in memory, the second one a few edits away from
// the first (a home run total, a name, a colour, a dragged row), as diff and the window compare.
void CompareTwoLeagues(benchmark::State& state) {
    const std::vector<std::uint8_t>& before = fixture->image.Bytes();
    testsupport::ImageBuilder edited = fixture->image;
    BatterBytes star = testsupport::ImageBuilder::ValidBatter(3, 0);
    star.homeRuns = static_cast<std::uint8_t>((star.homeRuns + 1) % 60);
    edited.SetBatter(3, 0, star);
    edited.SetColors(7, 0x16, 0x27);
    edited.SetPitcher(9, 1, testsupport::ImageBuilder::ValidPitcher(9, 2));
    edited.SetPitcher(9, 2, testsupport::ImageBuilder::ValidPitcher(9, 1));
    const std::vector<std::uint8_t>& after = edited.Bytes();
    for (auto _ : state) {
        std::vector<LeagueChange> changes = CompareLeagues(before, after);
        if (changes.empty())
            state.SkipWithError("no change found");
        benchmark::DoNotOptimize(changes);
    }
}

// The floor: the two team areas and colour tables read, one file after the other.
void CompareFloor(benchmark::State& state) {
    std::array<std::uint8_t, TeamCount * TeamBlockSize> blocks;
    std::array<std::uint8_t, TeamCount * ColorEntrySize> colours;
    for (auto _ : state) {
        for (int image = 0; image < 2; ++image) {
            std::FILE* file = std::fopen(fixture->path.c_str(), "rb");
            if (!file || std::fseek(file, TeamAreaBase, SEEK_SET) != 0 ||
                std::fread(blocks.data(), 1, blocks.size(), file) != blocks.size() ||
                std::fseek(file, ColorTableBase, SEEK_SET) != 0 ||
                std::fread(colours.data(), 1, colours.size(), file) != colours.size())
                state.SkipWithError("floor read failed");
            if (file)
                std::fclose(file);
            benchmark::DoNotOptimize(blocks);
            benchmark::DoNotOptimize(colours);
        }
    }
}

// The figure: a team saved the way the main window saves it, from its cell texts.
void TeamSave(benchmark::State& state) {
    TRomTeamData data;
    int team = 0;
    for (auto _ : state) {
        for (int i = 0; i < BatterCount; ++i)
            if (!data.WriteBatter(fixture->path, team, i, fixture->batterTexts[team][i]))
                state.SkipWithError("WriteBatter failed");
        for (int i = 0; i < PitcherCount; ++i)
            if (!data.WritePitcher(fixture->path, team, i, fixture->pitcherTexts[team][i]))
                state.SkipWithError("WritePitcher failed");
        if (!data.WriteColors(fixture->path, team,
                              testsupport::ImageBuilder::ValidHelmetColor(team),
                              testsupport::ImageBuilder::ValidUniformColor(team)))
            state.SkipWithError("WriteColors failed");
        team = (team + 1) % TeamCount;
    }
}

// The floor: one open, one write of the team's records (the block as it is stored) and of its
// colour entry, one close.
void TeamSaveFloor(benchmark::State& state) {
    const std::vector<std::uint8_t>& stored = fixture->image.Bytes();
    const std::uint32_t recordBytes = PitcherAreaInBlock + PitcherCount * PitcherRecordSize;
    int team = 0;
    for (auto _ : state) {
        const std::uint32_t block = TeamBlockOffset(team).value;
        const std::uint32_t colours = ColorEntryOffset(team).value;
        std::FILE* file = std::fopen(fixture->path.c_str(), "r+b");
        if (!file || std::fseek(file, block, SEEK_SET) != 0 ||
            std::fwrite(stored.data() + block, 1, recordBytes, file) != recordBytes ||
            std::fseek(file, colours, SEEK_SET) != 0 ||
            std::fwrite(stored.data() + colours, 1, ColorEntrySize, file) != ColorEntrySize)
            state.SkipWithError("floor write failed");
        if (file && std::fclose(file) != 0)
            state.SkipWithError("floor close failed");
        team = (team + 1) % TeamCount;
    }
}

// The figure: the import of a whole league through the safe writer, 16 teams of record bytes
// written into the image itself.
void LeagueImportWrite(benchmark::State& state) {
    std::size_t league = 1;
    for (auto _ : state) {
        const ImageWriteRequest request{leagueImport->figurePath, leagueImport->figurePath,
                                        leagueImport->writes[league]};
        if (!WriteImage(request).Written())
            state.SkipWithError("WriteImage failed");
        league = 1 - league;
    }
}

// The floor: the image read whole, its 16 team blocks and colour entries changed in memory,
// written beside it, flushed to the disk and renamed into its place.
void LeagueImportFloor(benchmark::State& state) {
    const std::string& path = leagueImport->floorPath;
    const std::string temporary = path + ".tmp";
    const std::uint32_t recordBytes = PitcherAreaInBlock + PitcherCount * PitcherRecordSize;
    std::vector<std::uint8_t> image;
    std::size_t league = 1;
    for (auto _ : state) {
        std::FILE* in = std::fopen(path.c_str(), "rb");
        image.resize(leagueImport->images[league].Bytes().size());
        const bool read = in && std::fread(image.data(), 1, image.size(), in) == image.size();
        if (in)
            std::fclose(in);
        const std::vector<std::uint8_t>& changed = leagueImport->images[league].Bytes();
        for (int t = 0; t < TeamCount; ++t) {
            const std::uint32_t block = TeamBlockOffset(t).value;
            const std::uint32_t colours = ColorEntryOffset(t).value;
            std::copy_n(changed.begin() + block, recordBytes, image.begin() + block);
            std::copy_n(changed.begin() + colours, ColorEntrySize, image.begin() + colours);
        }
        std::FILE* out = std::fopen(temporary.c_str(), "wb");
        bool written = out && std::fwrite(image.data(), 1, image.size(), out) == image.size();
        written = out && std::fflush(out) == 0 && ::fsync(fileno(out)) == 0 && written;
        if (out)
            written = std::fclose(out) == 0 && written;
        if (!read || !written || std::rename(temporary.c_str(), path.c_str()) != 0)
            state.SkipWithError("floor import failed");
        league = 1 - league;
    }
}

void DecodeNames(benchmark::State& state) {
    std::string name;
    for (auto _ : state) {
        for (const BatterBytes& batter : fixture->batters) {
            if (!DecodeName(batter.tiles, name))
                state.SkipWithError("DecodeName failed");
            benchmark::DoNotOptimize(name);
        }
    }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(fixture->batters.size()));
}

void EncodeNames(benchmark::State& state) {
    std::vector<std::string> names;
    for (const BatterBytes& batter : fixture->batters)
        names.push_back(DecodeNameForDisplay(batter.tiles));
    NameTiles tiles{};
    for (auto _ : state) {
        for (const std::string& name : names) {
            if (!EncodeName(name, tiles))
                state.SkipWithError("EncodeName failed");
            benchmark::DoNotOptimize(tiles);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(names.size()));
}

void BatterRowsFromBytes(benchmark::State& state) {
    for (auto _ : state)
        for (const BatterBytes& batter : fixture->batters) {
            BatterRowTexts texts = BatterRowFromBytes(batter);
            benchmark::DoNotOptimize(texts);
        }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(fixture->batters.size()));
}

void PitcherRowsFromBytes(benchmark::State& state) {
    for (auto _ : state)
        for (const PitcherBytes& pitcher : fixture->pitchers) {
            PitcherRowTexts texts = PitcherRowFromBytes(pitcher);
            benchmark::DoNotOptimize(texts);
        }
    state.SetItemsProcessed(state.iterations() *
                            static_cast<std::int64_t>(fixture->pitchers.size()));
}

void BatterRowsToBytes(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& team : fixture->batterTexts)
            for (const BatterRowTexts& row : team) {
                std::optional<BatterBytes> bytes = BatterBytesFromRow(row);
                benchmark::DoNotOptimize(bytes);
            }
    state.SetItemsProcessed(state.iterations() * TeamCount * BatterCount);
}

void PitcherRowsToBytes(benchmark::State& state) {
    for (auto _ : state)
        for (const auto& team : fixture->pitcherTexts)
            for (const PitcherRowTexts& row : team) {
                std::optional<PitcherBytes> bytes = PitcherBytesFromRow(row);
                benchmark::DoNotOptimize(bytes);
            }
    state.SetItemsProcessed(state.iterations() * TeamCount * PitcherCount);
}

} // namespace

BENCHMARK(TeamRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamReadRecordsOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamReadFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamSave)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamSaveFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(LeagueImportWrite)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(LeagueImportFloor)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(CompareTwoLeagues)->Unit(benchmark::kMicrosecond);
BENCHMARK(CompareFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeNames);
BENCHMARK(EncodeNames);
BENCHMARK(BatterRowsFromBytes);
BENCHMARK(PitcherRowsFromBytes);
BENCHMARK(BatterRowsToBytes);
BENCHMARK(PitcherRowsToBytes);

int main(int argc, char** argv) {
    Fixture shared;
    fixture = &shared;
    LeagueImport import;
    leagueImport = &import;
    return bench::RunAndPrintRows(
        argc, argv,
        {
            {"Team read: 13 batters, 5 pitchers, colours, to cell texts", "TeamRead",
             "1 open, 1 read of the 4 KiB team area + colour entry", "TeamReadFloor", 3.0},
            {"Team read, records only (no text conversion)", "TeamReadRecordsOnly",
             "1 open, 1 read of the 4 KiB team area + colour entry", "TeamReadFloor", 0},
            {"Team save: 13 batters, 5 pitchers, colours, from cell texts", "TeamSave",
             "1 open, 1 write of the team's records + colour entry, 1 close", "TeamSaveFloor", 0},
            {"League import: 16 teams of record bytes through the safe writer (wall time)",
             "LeagueImportWrite",
             "image read, its 288 records and 16 colour entries changed in memory, written beside "
             "it, fsync, rename",
             "LeagueImportFloor", 3.0, true},
            {"Comparison of two leagues in memory (a few edits apart)", "CompareTwoLeagues",
             "the two 4 KiB team areas and colour tables read from the file", "CompareFloor", 5.0},
        },
        {
            {"Name decode (tiles to text)", "DecodeNames", " names"},
            {"Name encode (text to tiles)", "EncodeNames", " names"},
            {"Batter row, bytes to texts", "BatterRowsFromBytes", " rows"},
            {"Pitcher row, bytes to texts", "PitcherRowsFromBytes", " rows"},
            {"Batter row, texts to bytes", "BatterRowsToBytes", " rows"},
            {"Pitcher row, texts to bytes", "PitcherRowsToBytes", " rows"},
        });
}
