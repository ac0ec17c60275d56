// SPDX-License-Identifier: MIT
#include "DemoImage.h"

#include "ImageBuilder.h"
#include "Palette.h"
#include "TRomTeamData.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using namespace teamdata;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

namespace {

// Runs the built tool through the shell; returns its exit status.
int RunTool(const std::string& arguments) {
    const std::string command = std::string("'") + MAKE_DEMO_TOOL + "' " + arguments;
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Between(int value, int first, int last) {
    return value >= first && value <= last;
}

} // namespace

TEST(DemoImage, IsAPlausibleInesFileThatComesOutTheSameEveryTime) {
    const std::vector<std::uint8_t> image = demoimage::MakeDemoImage();
    ASSERT_EQ(image.size(), 262160u);
    EXPECT_EQ(image[0], 'N');
    EXPECT_EQ(image[1], 'E');
    EXPECT_EQ(image[2], 'S');
    EXPECT_EQ(image[3], 0x1A);
    EXPECT_EQ(image[4], 8);
    EXPECT_EQ(image[5], 16);
    EXPECT_EQ(demoimage::MakeDemoImage(), image);
}

TEST(DemoImage, HoldsSixteenTeamsThatTheEditorShowsAndSavesUnchanged) {
    TempDir dir;
    const std::string path = dir.File("demo.nes").string();
    std::string error;
    ASSERT_TRUE(demoimage::WriteDemoImage(path, error)) << error;
    const std::vector<std::uint8_t> written = ReadFileBytes(path);

    TRomTeamData rom;
    for (int team = 0; team < TeamCount; ++team) {
        SCOPED_TRACE("team " + std::to_string(team));
        std::array<std::string, BattingOrderLength> positions;
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes b;
            ASSERT_TRUE(rom.ReadBatter(path, team, i, b)) << "batter " << i;
            const BatterRowTexts row = BatterRowFromBytes(b);
            if (i < BattingOrderLength)
                positions[static_cast<std::size_t>(i)] = row[BatterColumn::Position - 1];
            EXPECT_LE(b.side, 2);
            EXPECT_TRUE(Between(BatterPopularity(b.popularityPosition), 1, 10));
            EXPECT_TRUE(Between(FieldingPosition(b.popularityPosition), 1, 9));
            EXPECT_TRUE(Between(BattingAverage(b.averageCode), 200, 400));
            EXPECT_EQ(BattingAverage(b.averageCode) % 2, 0);
            EXPECT_LE(b.homeRuns, 59);
            EXPECT_LE(b.speed, 50);
            EXPECT_TRUE(Between(b.fielding, 1, 5));
            EXPECT_TRUE(Between(b.arm, 1, 5));
            ASSERT_TRUE(rom.WriteBatter(path, team, i, row));
        }
        EXPECT_TRUE(BattingOrderPositionsValid(positions));

        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes p;
            ASSERT_TRUE(rom.ReadPitcher(path, team, i, p)) << "pitcher " << i;
            std::string name;
            EXPECT_TRUE(DecodeName(p.tiles, name));
            EXPECT_EQ(StyleCode(StyleLabel(p.style)), p.style);
            EXPECT_EQ(p.popularity % 16, 1);
            EXPECT_TRUE(Between(PitcherPopularity(p.popularity), 1, 10));
            EXPECT_LE(p.eraCode, 99);
            EXPECT_TRUE(Between(p.stamina, 1, 20));
            for (std::uint8_t speed : {p.fast, p.medium, p.slow}) {
                EXPECT_TRUE(Between(speed, 80, 194));
                EXPECT_EQ(speed % 2, 0);
            }
            for (std::uint8_t pitchBreak : {p.rightBreak, p.leftBreak, p.fork}) {
                EXPECT_LE(pitchBreak, 32);
                EXPECT_EQ(pitchBreak % 2, 0);
            }
            ASSERT_TRUE(rom.WritePitcher(path, team, i, PitcherRowFromBytes(p)));
        }

        std::uint8_t helmet = 0, uniform = 0;
        ASSERT_TRUE(rom.ReadColors(path, team, helmet, uniform));
        EXPECT_TRUE(IsOfferedColorIndex(helmet));
        EXPECT_TRUE(IsOfferedColorIndex(uniform));
    }
    EXPECT_EQ(ReadFileBytes(path), written);
}

TEST(DemoTool, WritesTheDemoImageToTheGivenPath) {
    TempDir dir;
    const std::filesystem::path path = dir.File("demo image.nes");
    ASSERT_EQ(RunTool("'" + path.string() + "'"), 0);
    EXPECT_EQ(ReadFileBytes(path), demoimage::MakeDemoImage());
}

TEST(DemoTool, FailsWithAMessageWithoutAPathOrWhenItCannotWrite) {
    TempDir dir;
    const std::filesystem::path messages = dir.File("messages.txt");
    EXPECT_NE(RunTool("2> '" + messages.string() + "'"), 0);
    EXPECT_GT(std::filesystem::file_size(messages), 0u);

    const std::filesystem::path unwritable = dir.File("missing") / "demo.nes";
    EXPECT_NE(RunTool("'" + unwritable.string() + "' 2> '" + messages.string() + "'"), 0);
    EXPECT_GT(std::filesystem::file_size(messages), 0u);
    EXPECT_FALSE(std::filesystem::exists(unwritable));
}

TEST(DemoTool, AnswersHelpAndWrongUsageAndKeepsAnExistingFile) {
    TempDir dir;
    const std::filesystem::path quiet = dir.File("out.txt");
    const std::string inDir = "cd '" + dir.Path().string() + "' && ";
    const std::string toQuiet = " > '" + quiet.string() + "' 2>&1";
    EXPECT_EQ(std::system((inDir + "'" MAKE_DEMO_TOOL "' --help" + toQuiet).c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir.File("--help")));
    EXPECT_EQ(RunTool("--frobnicate x.nes" + toQuiet), 2);
    EXPECT_EQ(RunTool(toQuiet), 2);

    const std::filesystem::path existing = dir.File("mine.nes");
    { std::ofstream(existing) << "keep me"; }
    EXPECT_EQ(RunTool("'" + existing.string() + "'" + toQuiet), 1);
    EXPECT_EQ(std::filesystem::file_size(existing), 7u);
    EXPECT_EQ(RunTool("--force '" + existing.string() + "'" + toQuiet), 0);
    EXPECT_EQ(ReadFileBytes(existing), demoimage::MakeDemoImage());
}
