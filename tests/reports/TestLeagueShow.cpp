// SPDX-License-Identifier: MIT
#include "LeagueShow.h"

#include "ImageBuilder.h"
#include "RecordText.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace teamdata;
using testsupport::ImageBuilder;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines where two texts differ, by number.
std::vector<std::size_t> DifferingLines(const std::string& a, const std::string& b) {
    const std::vector<std::string> x = Lines(a);
    const std::vector<std::string> y = Lines(b);
    std::vector<std::size_t> differing;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i)
        if (i >= x.size() || i >= y.size() || x[i] != y[i])
            differing.push_back(i);
    return differing;
}

constexpr std::size_t LinesPerTeam = 1 + BatterCount + PitcherCount;

// Line numbers (0-based) of the documented form.
std::size_t ColorLine(int team) {
    return 1 + static_cast<std::size_t>(team) * LinesPerTeam;
}
std::size_t PitcherLine(int team, int index) {
    return ColorLine(team) + 1 + BatterCount + static_cast<std::size_t>(index);
}
constexpr std::size_t LastLine = 1 + TeamCount * LinesPerTeam;

} // namespace

TEST(LeagueShow, WritesTheDocumentedLinesWithTheTextsTheWindowShows) {
    ImageBuilder image;
    image.FillValidTeams();
    const auto batter =
        BatterBytesFromRow({"やまた゛　", "右", "8", "8", "300", "25", "30", "4", "4"});
    ASSERT_TRUE(batter);
    image.SetBatter(3, 0, *batter).SetColors(3, 0x16, 0x27);

    const std::vector<std::string> lines = Lines(reports::BuildLeagueShow(image.Bytes()));
    ASSERT_EQ(lines.size(), LastLine + 1);
    EXPECT_EQ(lines[0], "tolvanek-show 1");
    EXPECT_EQ(lines[ColorLine(3)], "Ｇ\t色\t0x16\t0x27");
    EXPECT_EQ(lines[ColorLine(3) + 1], "Ｇ\t打者\t1\tやまた゛　\t右\t8\t8\t300\t25\t30\t4\t4");
    EXPECT_TRUE(lines[PitcherLine(15, 4)].starts_with("Ｎ\t投手\t5\t"));
    EXPECT_TRUE(lines[LastLine].starts_with("その他\t262160\t"));
}

// What makes it a git text converter: an edit shows on its own line, and a byte that no line
// shows still changes the last one.
TEST(LeagueShow, AnEditChangesOnlyItsPlayersLineAndAnyOtherByteOnlyTheLastLine) {
    ImageBuilder before;
    before.FillValidTeams();
    const std::string shown = reports::BuildLeagueShow(before.Bytes());

    ImageBuilder edited = before;
    PitcherBytes pitcher = ImageBuilder::ValidPitcher(7, 2);
    pitcher.stamina = static_cast<std::uint8_t>(pitcher.stamina + 1);
    edited.SetPitcher(7, 2, pitcher, ImageBuilder::ValidLeadByte(7, BatterCount + 2));
    EXPECT_EQ(DifferingLines(shown, reports::BuildLeagueShow(edited.Bytes())),
              std::vector<std::size_t>{PitcherLine(7, 2)});

    for (std::size_t offset : {std::size_t{7}, std::size_t{BatterRecordOffset(2, 4).value},
                               std::size_t{TeamBlockOffset(9).value + TeamBlockSize - 1},
                               testsupport::DefaultImageSize - 1}) {
        ImageBuilder stray = before;
        stray.SetByte(offset, static_cast<std::uint8_t>(before.Bytes()[offset] ^ 0x40));
        EXPECT_EQ(DifferingLines(shown, reports::BuildLeagueShow(stray.Bytes())),
                  std::vector<std::size_t>{LastLine})
            << offset;
    }
}
