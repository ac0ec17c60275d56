// SPDX-License-Identifier: MIT
#include "TRomTeamData.h"

#include "ImageBuilder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

using namespace teamdata;
using testsupport::ImageBuilder;
using testsupport::ReadFileBytes;
using testsupport::TempDir;

namespace fs = std::filesystem;

namespace {

// A pitcher whose name tiles hold a placeholder: the game data may contain such names.
PitcherBytes PitcherWithPlaceholderName() {
    PitcherBytes p = ImageBuilder::ValidPitcher(0, 0);
    p.tiles[1] = 38;
    return p;
}

class RomTeamData : public testing::Test {
protected:
    // Writes the builder's image to the test's file and returns its path.
    std::string Write(const ImageBuilder& builder) {
        builder.WriteTo(file);
        return file.string();
    }

    TempDir dir;
    fs::path file = dir.File("image.nes");
    TRomTeamData rom;
};

} // namespace

TEST(ImageLayout, PlacesTheFirstAndLastRecordsAndColourEntries) {
    EXPECT_EQ(BatterRecordOffset(0, 0).value, 61456u);
    EXPECT_EQ(BatterRecordOffset(15, 12).value, 65452u);
    EXPECT_EQ(PitcherRecordOffset(15, 4).value, 65529u);
    EXPECT_EQ(PitcherRecordOffset(15, 4).value + PitcherRecordSize - 1, 65544u);
    EXPECT_EQ(ColorEntryOffset(0).value, 125535u);
    EXPECT_EQ(ColorEntryOffset(15).value, 125565u);
    EXPECT_EQ(testsupport::TeamBlocksEnd, 65552u);
}

TEST(RomTeamDataConstants, LabelsTheSixteenTeams) {
    const char* const expected[] = {"Ｄ", "Ｃ", "Ｓ", "Ｇ", "Ｗ", "Ｔ", "Bu", "Ｌ",
                                    "Ｂ", "Ｈ", "Ｆ", "Ｏ", "Ｍ", "Ｖ", "Dy", "Ｎ"};
    ASSERT_EQ(TRomTeamData::TeamInitials.size(), 16u);
    for (std::size_t t = 0; t < 16; ++t)
        EXPECT_EQ(TRomTeamData::TeamInitials[t], expected[t]);
}

TEST(RomTeamDataConstants, DecodesAndEncodesNamesLikeTheCodec) {
    TRomTeamData rom;
    std::string name;
    ASSERT_TRUE(rom.DecodeName({45, 86, 70, 36, 36}, name));
    EXPECT_EQ(name, "か゛ま　　");
    NameTiles tiles{};
    ASSERT_TRUE(rom.EncodeName("ＡＢＣＤＥ", tiles));
    EXPECT_EQ(tiles, (NameTiles{10, 11, 12, 13, 14}));
    EXPECT_FALSE(rom.DecodeName({38, 0, 0, 0, 0}, name));
    EXPECT_FALSE(rom.EncodeName("ＡＢＣＤ", tiles));
}

TEST_F(RomTeamData, ReadsEveryRecordAndColourEntryOfEveryTeam) {
    const std::string path = Write(ImageBuilder().FillValidTeams());
    for (int team = 0; team < TeamCount; ++team) {
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes batter;
            ASSERT_TRUE(rom.ReadBatter(path, team, i, batter)) << team << "/" << i;
            EXPECT_EQ(batter, ImageBuilder::ValidBatter(team, i));
        }
        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes pitcher;
            ASSERT_TRUE(rom.ReadPitcher(path, team, i, pitcher)) << team << "/" << i;
            EXPECT_EQ(pitcher, ImageBuilder::ValidPitcher(team, i));
        }
        std::uint8_t helmet = 0, uniform = 0;
        ASSERT_TRUE(rom.ReadColors(path, team, helmet, uniform));
        EXPECT_EQ(helmet, ImageBuilder::ValidHelmetColor(team));
        EXPECT_EQ(uniform, ImageBuilder::ValidUniformColor(team));
    }
}

TEST_F(RomTeamData, ReadsTheLastPitcherAndColourEntryAtTheirOffsets) {
    ImageBuilder builder;
    builder.FillValidTeams().SetByte(65530, 97).SetByte(65544, 0x77);
    builder.SetByte(125565, 0x2A).SetByte(125566, 0x3C);
    const std::string path = Write(builder);
    PitcherBytes pitcher;
    ASSERT_TRUE(rom.ReadPitcher(path, 15, 4, pitcher));
    EXPECT_EQ(pitcher.tiles[0], 97);
    EXPECT_EQ(pitcher.fork, 0x77);
    std::uint8_t helmet = 0, uniform = 0;
    ASSERT_TRUE(rom.ReadColors(path, 15, helmet, uniform));
    EXPECT_EQ(helmet, 0x2A);
    EXPECT_EQ(uniform, 0x3C);
}

class LeadByte : public RomTeamData, public testing::WithParamInterface<int> {};

TEST_P(LeadByte, DecidesWhetherARecordCanBeRead) {
    const auto lead = static_cast<std::uint8_t>(GetParam());
    ImageBuilder builder;
    builder.FillValidTeams().SetBatterLeadByte(7, 12, lead).SetPitcherLeadByte(7, 4, lead);
    const std::string path = Write(builder);
    const bool readable = lead <= 20;
    BatterBytes batter;
    EXPECT_EQ(rom.ReadBatter(path, 7, 12, batter), readable);
    PitcherBytes pitcher;
    EXPECT_EQ(rom.ReadPitcher(path, 7, 4, pitcher), readable);
}

INSTANTIATE_TEST_SUITE_P(ZeroToTwentyReadOthersFail, LeadByte,
                         testing::Values(0, 1, 19, 20, 21, 22, 128, 255));

TEST_F(RomTeamData, ChecksBatterNamesButNotPitcherNamesOnReading) {
    ImageBuilder builder;
    BatterBytes batter = ImageBuilder::ValidBatter(2, 3);
    batter.tiles[1] = 38;
    BatterBytes beyond = ImageBuilder::ValidBatter(2, 4);
    beyond.tiles[4] = 98;
    PitcherBytes pitcher = PitcherWithPlaceholderName();
    pitcher.tiles[3] = 255;
    builder.FillValidTeams()
        .SetBatter(2, 3, batter)
        .SetBatter(2, 4, beyond)
        .SetPitcher(2, 1, pitcher);
    const std::string path = Write(builder);

    BatterBytes read;
    EXPECT_FALSE(rom.ReadBatter(path, 2, 3, read));
    EXPECT_FALSE(rom.ReadBatter(path, 2, 4, read));
    PitcherBytes readPitcher;
    ASSERT_TRUE(rom.ReadPitcher(path, 2, 1, readPitcher));
    EXPECT_EQ(readPitcher, pitcher);
}

TEST_F(RomTeamData, FailsToReadRecordsThatTheFileEndsBefore) {
    const std::string path = Write(ImageBuilder().FillValidTeams().Resize(65544));
    PitcherBytes pitcher;
    EXPECT_FALSE(rom.ReadPitcher(path, 15, 4, pitcher));
    EXPECT_TRUE(rom.ReadPitcher(path, 15, 3, pitcher));
    BatterBytes batter;
    EXPECT_TRUE(rom.ReadBatter(path, 15, 12, batter));

    Write(ImageBuilder().FillValidTeams().Resize(65545));
    EXPECT_TRUE(rom.ReadPitcher(path, 15, 4, pitcher));

    Write(ImageBuilder().FillValidTeams().Resize(BatterRecordOffset(3, 5).value + 7));
    EXPECT_TRUE(rom.ReadBatter(path, 3, 4, batter));
    EXPECT_FALSE(rom.ReadBatter(path, 3, 5, batter));
    EXPECT_FALSE(rom.ReadBatter(path, 3, 6, batter));
}

TEST_F(RomTeamData, ReadsPlayersOfAnImageEndingBeforeItsColoursAndLengthensItOnAColourWrite) {
    const std::string path =
        Write(ImageBuilder().FillValidTeams().Resize(testsupport::TeamBlocksEnd));
    BatterBytes batter;
    PitcherBytes pitcher;
    std::uint8_t helmet = 0, uniform = 0;
    for (int team = 0; team < TeamCount; ++team) {
        EXPECT_TRUE(rom.ReadBatter(path, team, 12, batter));
        EXPECT_TRUE(rom.ReadPitcher(path, team, 4, pitcher));
        EXPECT_FALSE(rom.ReadColors(path, team, helmet, uniform));
    }
    const std::vector<std::uint8_t> before = ReadFileBytes(path);

    ASSERT_TRUE(rom.WriteColors(path, 3, 0x16, 0x2A));
    const std::vector<std::uint8_t> after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), ColorEntryOffset(3).value + 2u);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    ASSERT_TRUE(rom.ReadColors(path, 3, helmet, uniform));
    EXPECT_EQ(helmet, 0x16);
    EXPECT_EQ(uniform, 0x2A);
}

TEST_F(RomTeamData, StoresExactlyTheRecordBytesBehindTheLeadByte) {
    ImageBuilder builder;
    builder.FillValidTeams();
    const std::string path = Write(builder);

    const BatterBytes batter = ImageBuilder::ValidBatter(9, 1);
    const PitcherBytes pitcher = ImageBuilder::ValidPitcher(4, 2);
    ASSERT_TRUE(rom.WriteBatter(path, 0, 0, BatterRowFromBytes(batter)));
    ASSERT_TRUE(rom.WritePitcher(path, 15, 4, PitcherRowFromBytes(pitcher)));
    ASSERT_TRUE(rom.WriteColors(path, 15, 0x3D, 0x00));

    builder.SetBatter(0, 0, batter, ImageBuilder::ValidLeadByte(0, 0));
    builder.SetPitcher(15, 4, pitcher, ImageBuilder::ValidLeadByte(15, BatterCount + 4));
    builder.SetColors(15, 0x3D, 0x00);
    EXPECT_EQ(ReadFileBytes(path), builder.Bytes());
}

TEST_F(RomTeamData, LeavesEveryOtherByteAloneThroughManySaves) {
    ImageBuilder expected;
    expected.FillValidTeams();
    const std::string path = Write(expected);
    for (int round = 1; round <= 3; ++round) {
        for (int team = 0; team < TeamCount; ++team) {
            const int source = (team + round) % TeamCount;
            for (int i = 0; i < BatterCount; ++i) {
                const BatterBytes batter = ImageBuilder::ValidBatter(source, i);
                ASSERT_TRUE(rom.WriteBatter(path, team, i, BatterRowFromBytes(batter)));
                expected.SetBatter(team, i, batter, ImageBuilder::ValidLeadByte(team, i));
            }
            for (int i = 0; i < PitcherCount; ++i) {
                const PitcherBytes pitcher = ImageBuilder::ValidPitcher(source, i);
                ASSERT_TRUE(rom.WritePitcher(path, team, i, PitcherRowFromBytes(pitcher)));
                expected.SetPitcher(team, i, pitcher,
                                    ImageBuilder::ValidLeadByte(team, BatterCount + i));
            }
            const auto helmet = ImageBuilder::ValidHelmetColor(source);
            const auto uniform = ImageBuilder::ValidUniformColor(source);
            ASSERT_TRUE(rom.WriteColors(path, team, helmet, uniform));
            expected.SetColors(team, helmet, uniform);
        }
    }
    const std::vector<std::uint8_t> after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), expected.Bytes().size());
    const ImageBuilder original = ImageBuilder().FillValidTeams();
    for (std::size_t offset = 0; offset < after.size(); ++offset) {
        ASSERT_EQ(after[offset], expected.Bytes()[offset]) << "offset " << offset;
        if (!testsupport::IsWritableTeamByte(offset)) {
            ASSERT_EQ(after[offset], original.Bytes()[offset]) << "offset " << offset;
        }
    }
}

TEST_F(RomTeamData, SavingTheShownTextsGivesBackTheSameFile) {
    const std::string path = Write(ImageBuilder().FillValidTeams());
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    for (int team = 0; team < TeamCount; ++team) {
        for (int i = 0; i < BatterCount; ++i) {
            BatterBytes batter;
            ASSERT_TRUE(rom.ReadBatter(path, team, i, batter));
            ASSERT_TRUE(rom.WriteBatter(path, team, i, BatterRowFromBytes(batter)));
        }
        for (int i = 0; i < PitcherCount; ++i) {
            PitcherBytes pitcher;
            ASSERT_TRUE(rom.ReadPitcher(path, team, i, pitcher));
            ASSERT_TRUE(rom.WritePitcher(path, team, i, PitcherRowFromBytes(pitcher)));
        }
        std::uint8_t helmet = 0, uniform = 0;
        ASSERT_TRUE(rom.ReadColors(path, team, helmet, uniform));
        ASSERT_TRUE(rom.WriteColors(path, team, helmet, uniform));
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomTeamData, WritesOverAnyLeadByteWithoutTouchingIt) {
    ImageBuilder builder;
    builder.FillValidTeams().SetBatterLeadByte(5, 2, 200).SetPitcherLeadByte(5, 0, 21);
    const std::string path = Write(builder);
    const BatterBytes batter = ImageBuilder::ValidBatter(1, 1);
    const PitcherBytes pitcher = ImageBuilder::ValidPitcher(1, 1);
    ASSERT_TRUE(rom.WriteBatter(path, 5, 2, BatterRowFromBytes(batter)));
    ASSERT_TRUE(rom.WritePitcher(path, 5, 0, PitcherRowFromBytes(pitcher)));
    builder.SetBatter(5, 2, batter, 200).SetPitcher(5, 0, pitcher, 21);
    EXPECT_EQ(ReadFileBytes(path), builder.Bytes());
}

TEST_F(RomTeamData, WritesNothingForANameThatDoesNotEncode) {
    const std::string path = Write(ImageBuilder().FillValidTeams());
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    BatterRowTexts batterRow = BatterRowFromBytes(ImageBuilder::ValidBatter(0, 0));
    batterRow[0] = "が　　　　";
    EXPECT_FALSE(rom.WriteBatter(path, 1, 1, batterRow));
    PitcherRowTexts pitcherRow = PitcherRowFromBytes(PitcherWithPlaceholderName());
    EXPECT_FALSE(rom.WritePitcher(path, 1, 1, pitcherRow));
    pitcherRow[0] = "ＡＢＣ";
    EXPECT_FALSE(rom.WritePitcher(path, 1, 1, pitcherRow));
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomTeamData, WritesTheNameBeforeRefusingAnUnknownStyle) {
    ImageBuilder builder;
    builder.FillValidTeams();
    const std::string path = Write(builder);
    PitcherRowTexts row = PitcherRowFromBytes(ImageBuilder::ValidPitcher(6, 3));
    row[0] = "ＡＢＣＤＥ";
    row[PitcherColumn::Style - 1] = "右上";
    EXPECT_FALSE(rom.WritePitcher(path, 6, 3, row));

    const std::uint32_t name = PitcherRecordOffset(6, 3).value + 1;
    for (std::uint8_t k = 0; k < 5; ++k)
        builder.SetByte(name + k, static_cast<std::uint8_t>(10 + k));
    EXPECT_EQ(ReadFileBytes(path), builder.Bytes());
}

TEST_F(RomTeamData, RefusesTeamsAndIndexesOutsideTheGame) {
    const std::string path = Write(ImageBuilder().FillValidTeams());
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    const BatterRowTexts batterRow = BatterRowFromBytes(ImageBuilder::ValidBatter(0, 0));
    const PitcherRowTexts pitcherRow = PitcherRowFromBytes(ImageBuilder::ValidPitcher(0, 0));
    BatterBytes batter;
    PitcherBytes pitcher;
    std::uint8_t helmet = 0, uniform = 0;
    for (const auto& [team, index] : {std::pair{-1, 0}, {16, 0}, {0, -1}, {0, 13}, {15, 99}}) {
        EXPECT_FALSE(rom.ReadBatter(path, team, index, batter));
        EXPECT_FALSE(rom.WriteBatter(path, team, index, batterRow));
    }
    for (const auto& [team, index] : {std::pair{-1, 0}, {16, 0}, {0, -1}, {0, 5}}) {
        EXPECT_FALSE(rom.ReadPitcher(path, team, index, pitcher));
        EXPECT_FALSE(rom.WritePitcher(path, team, index, pitcherRow));
    }
    for (int team : {-1, 16, 1000}) {
        EXPECT_FALSE(rom.ReadColors(path, team, helmet, uniform));
        EXPECT_FALSE(rom.WriteColors(path, team, 0, 0));
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomTeamData, NeitherReadsNorWritesNorCreatesAnAbsentFile) {
    const std::string absent = dir.File("absent.nes").string();
    BatterBytes batter;
    PitcherBytes pitcher;
    std::uint8_t helmet = 0, uniform = 0;
    EXPECT_FALSE(rom.ReadBatter(absent, 0, 0, batter));
    EXPECT_FALSE(rom.ReadPitcher(absent, 0, 0, pitcher));
    EXPECT_FALSE(rom.ReadColors(absent, 0, helmet, uniform));
    EXPECT_FALSE(
        rom.WriteBatter(absent, 0, 0, BatterRowFromBytes(ImageBuilder::ValidBatter(0, 0))));
    EXPECT_FALSE(
        rom.WritePitcher(absent, 0, 0, PitcherRowFromBytes(ImageBuilder::ValidPitcher(0, 0))));
    EXPECT_FALSE(rom.WriteColors(absent, 0, 1, 2));
    EXPECT_FALSE(fs::exists(absent));
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(RomTeamData, FailsOnADirectoryAndLeavesItEmpty) {
    const fs::path folder = dir.File("folder.nes");
    fs::create_directory(folder);
    const std::string path = folder.string();
    BatterBytes batter;
    PitcherBytes pitcher;
    std::uint8_t helmet = 0, uniform = 0;
    EXPECT_FALSE(rom.ReadBatter(path, 0, 0, batter));
    EXPECT_FALSE(rom.ReadPitcher(path, 0, 0, pitcher));
    EXPECT_FALSE(rom.ReadColors(path, 0, helmet, uniform));
    EXPECT_FALSE(rom.WriteBatter(path, 0, 0, BatterRowFromBytes(ImageBuilder::ValidBatter(0, 0))));
    EXPECT_FALSE(rom.WriteColors(path, 0, 1, 2));
    EXPECT_TRUE(fs::is_empty(folder));
}

namespace {

// The operations on a read-only image, as a bit set of what went wrong (0 = all as expected):
// every read succeeds and every write fails.
int ReadOnlyImageFaults(const std::string& path) {
    TRomTeamData rom;
    BatterBytes batter;
    PitcherBytes pitcher;
    std::uint8_t helmet = 0, uniform = 0;
    int faults = 0;
    faults |= rom.ReadBatter(path, 3, 3, batter) ? 0 : 1;
    faults |= rom.ReadPitcher(path, 3, 3, pitcher) ? 0 : 2;
    faults |= rom.ReadColors(path, 3, helmet, uniform) ? 0 : 4;
    faults |= rom.WriteBatter(path, 3, 3, BatterRowFromBytes(batter)) ? 8 : 0;
    faults |= rom.WritePitcher(path, 3, 3, PitcherRowFromBytes(pitcher)) ? 16 : 0;
    faults |= rom.WriteColors(path, 3, helmet, uniform) ? 32 : 0;
    return faults;
}

} // namespace

TEST_F(RomTeamData, ReadsButDoesNotWriteAReadOnlyImage) {
    const std::string path = Write(ImageBuilder().FillValidTeams());
    const std::vector<std::uint8_t> before = ReadFileBytes(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    bool writable = false;
    if (std::FILE* probe = std::fopen(path.c_str(), "r+b")) {
        std::fclose(probe);
        writable = true;
    }
    if (!writable) {
        EXPECT_EQ(ReadOnlyImageFaults(path), 0);
    } else {
        // Permissions do not stop the superuser, so the operations run in a child process
        // that has given up its rights for an unprivileged user's.
#ifdef __EMSCRIPTEN__
        GTEST_SKIP() << "a program in node can start no child process";
#endif
        if (::geteuid() != 0)
            GTEST_SKIP() << "the read-only file is still writable";
        fs::permissions(dir.Path(), fs::perms::owner_all | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(100);
            ::_exit(ReadOnlyImageFaults(path));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 100)
            GTEST_SKIP() << "cannot switch to an unprivileged user";
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(RomTeamData, ReportsWritesThatCannotReachTheDisk) {
    // Every write to this device fails once the data leaves the program's buffers.
    const std::string full = "/dev/full";
    if (!fs::exists(full))
        GTEST_SKIP() << "no /dev/full on this system";
    EXPECT_FALSE(rom.WriteBatter(full, 0, 0, BatterRowFromBytes(ImageBuilder::ValidBatter(0, 0))));
    EXPECT_FALSE(
        rom.WritePitcher(full, 0, 0, PitcherRowFromBytes(ImageBuilder::ValidPitcher(0, 0))));
    EXPECT_FALSE(rom.WriteColors(full, 0, 1, 2));
}
