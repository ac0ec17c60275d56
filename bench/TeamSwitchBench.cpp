// SPDX-License-Identifier: MIT
// Switching teams in the real main window against the floor of its grids: ShowTeam for each of
// the 16 teams in turn, against writing the same number of ready-made texts into the same grid
// cells. Once with the cell updates only, and once with the window repainted after every
// switch, as the user sees it.
#include "BenchmarkRows.h"
#include "ImageBuilder.h"
#include "ImageLayout.h"
#include "Mainunit.h"
#include "RecordText.h"
#include "TempDir.h"
#include "TolvanekApplication.h"

#include <QCoreApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace teamdata;

namespace {

// The texts ShowTeam writes for each team, made once, outside any measurement.
struct TeamTexts {
    std::array<std::array<QString, 9>, BatterCount> batters;
    std::array<std::array<QString, 11>, PitcherCount> pitchers;
};
std::vector<TeamTexts> teamTexts;

TeamTexts TextsOf(int team) {
    TeamTexts texts;
    for (int i = 0; i < BatterCount; ++i) {
        const BatterRowTexts row =
            BatterRowFromBytes(testsupport::ImageBuilder::ValidBatter(team, i));
        for (std::size_t c = 0; c < row.size(); ++c)
            texts.batters[i][c] = QString::fromStdString(row[c]);
    }
    for (int i = 0; i < PitcherCount; ++i) {
        const PitcherRowTexts row =
            PitcherRowFromBytes(testsupport::ImageBuilder::ValidPitcher(team, i));
        for (std::size_t c = 0; c < row.size(); ++c)
            texts.pitchers[i][c] = QString::fromStdString(row[c]);
    }
    return texts;
}

void WriteCells(const TeamTexts& texts) {
    for (int i = 0; i < BatterCount; ++i)
        for (std::size_t c = 0; c < texts.batters[i].size(); ++c)
            MainForm->BatterTable()->SetCells(static_cast<int>(c) + 1, i + 1, texts.batters[i][c]);
    for (int i = 0; i < PitcherCount; ++i)
        for (std::size_t c = 0; c < texts.pitchers[i].size(); ++c)
            MainForm->PitcherTable()->SetCells(static_cast<int>(c) + 1, i + 1,
                                               texts.pitchers[i][c]);
}

void TeamSwitch(benchmark::State& state) {
    int team = 0;
    for (auto _ : state) {
        if (!MainForm->ShowTeam(team))
            state.SkipWithError("ShowTeam failed");
        team = (team + 1) % TeamCount;
    }
    QCoreApplication::processEvents();
}

void TeamSwitchGridFloor(benchmark::State& state) {
    int team = 0;
    for (auto _ : state) {
        WriteCells(teamTexts[team]);
        team = (team + 1) % TeamCount;
    }
    QCoreApplication::processEvents();
}

void TeamSwitchPainted(benchmark::State& state) {
    int team = 0;
    for (auto _ : state) {
        if (!MainForm->ShowTeam(team))
            state.SkipWithError("ShowTeam failed");
        QCoreApplication::processEvents();
        team = (team + 1) % TeamCount;
    }
}

void TeamSwitchPaintedGridFloor(benchmark::State& state) {
    int team = 0;
    for (auto _ : state) {
        WriteCells(teamTexts[team]);
        QCoreApplication::processEvents();
        team = (team + 1) % TeamCount;
    }
}

} // namespace

BENCHMARK(TeamSwitch)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamSwitchGridFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamSwitchPainted)->Unit(benchmark::kMicrosecond);
BENCHMARK(TeamSwitchPaintedGridFloor)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    TolvanekApplication application(argc, argv);
    testsupport::TempDir dir;
    testsupport::ImageBuilder image;
    image.FillValidTeams();
    image.WriteTo(dir.File("bench.nes"));
    for (int t = 0; t < TeamCount; ++t)
        teamTexts.push_back(TextsOf(t));

    CreateApplicationWindows();
    MainForm->show();
    if (!QTest::qWaitForWindowExposed(MainForm))
        return 1;
    // Opened as from the command line: the menu would need the file dialog.
    if (!MainForm->OpenCartridgeFile(QString::fromStdString(dir.File("bench.nes").string())))
        return 1;

    const int status = bench::RunAndPrintRows(
        argc, argv,
        {
            {"Team switch in the window: ShowTeam, cell updates", "TeamSwitch",
             "SetCells of the same 172 ready-made texts", "TeamSwitchGridFloor", 1.5},
            {"Team switch in the window: ShowTeam, repainted", "TeamSwitchPainted",
             "SetCells of the same 172 texts, repainted", "TeamSwitchPaintedGridFloor", 1.5},
        },
        {});
    MainForm->CloseCartridge();
    DestroyApplicationWindows();
    return status;
}
