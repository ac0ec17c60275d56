// The data layer against the floor of its own file traffic: reading and saving a whole team
// record by record (19 opens, as every call must see the file as it is on disk) against one open
// and one transfer of the same bytes; plus the throughput of the name codec and the text
// conversion.
#include "BenchmarkRows.h"
#include "ImageBuilder.h"
#include "ImageLayout.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "TRomTeamData.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

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
BENCHMARK(DecodeNames);
BENCHMARK(EncodeNames);
BENCHMARK(BatterRowsFromBytes);
BENCHMARK(PitcherRowsFromBytes);
BENCHMARK(BatterRowsToBytes);
BENCHMARK(PitcherRowsToBytes);

int main(int argc, char** argv) {
    Fixture shared;
    fixture = &shared;
    return bench::RunAndPrintRows(
        argc, argv,
        {
            {"Team read: 13 batters, 5 pitchers, colours, to cell texts", "TeamRead",
             "1 open, 1 read of the 4 KiB team area + colour entry", "TeamReadFloor", 3.0},
            {"Team read, records only (no text conversion)", "TeamReadRecordsOnly",
             "1 open, 1 read of the 4 KiB team area + colour entry", "TeamReadFloor", 0},
            {"Team save: 13 batters, 5 pitchers, colours, from cell texts", "TeamSave",
             "1 open, 1 write of the team's records + colour entry, 1 close", "TeamSaveFloor", 0},
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
