// SPDX-License-Identifier: MIT
// The files the program writes for random images, fixed as digests: the league file, a team's CSV
// and HTML page, the image an import writes and the BPS and IPS patches between the two. The
// digests were taken from the program before the window and the command line were moved onto
// shared routes; any change to a byte of these outputs shows here. Files others read are
// contracts, so a digest changes only on purpose: TOLVANEK_WRITE_DIGESTS=1 writes the file anew.

#include "ImageBuilder.h"
#include "TempDir.h"

#include "ImageFile.h"
#include "Import.h"
#include "JsonForms.h"
#include "League.h"
#include "Patch.h"
#include "SafeImageWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int ImageCount = 300;
const char* const DigestFile = EXCHANGE_TEST_DATA_DIR "/output-digests.txt";
const char* const JsonDigestFile = EXCHANGE_TEST_DATA_DIR "/json-output-digests.txt";

using Bytes = std::vector<std::uint8_t>;

std::span<const std::uint8_t> Span(const QByteArray& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// An image whose records hold any bytes at all in some places (names with damaged tiles, values
// no dialog gives) and valid records elsewhere.
Bytes RandomImage(std::mt19937& random) {
    testsupport::ImageBuilder builder;
    builder.FillValidTeams();
    Bytes bytes = builder.Bytes();
    for (std::size_t offset = 0; offset < bytes.size(); ++offset)
        if (testsupport::IsWritableTeamByte(offset) && random() % 4 == 0)
            bytes[offset] = static_cast<std::uint8_t>(random());
    // The batting orders keep their fielding positions, so that imports into them are written.
    for (int team = 0; team < teamdata::TeamCount; ++team)
        for (int batter = 0; batter < teamdata::BattingOrderLength; ++batter) {
            const std::size_t at = teamdata::BatterRecordOffset(team, batter).value + 7;
            bytes[at] =
                static_cast<std::uint8_t>((bytes[at] & 0xF0) | (builder.Bytes()[at] & 0x0F));
        }
    return bytes;
}

// Edits that an import accepts: a few values, a name typed as people type it, a colour.
reports::LeagueTexts Edited(reports::LeagueTexts league, std::mt19937& random) {
    for (int edit = 0; edit < 6; ++edit) {
        teamdata::TeamTexts& team = league[random() % teamdata::TeamCount];
        auto& batter = team.batters[random() % teamdata::BatterCount];
        switch (random() % 4) {
        case 0:
            batter[teamdata::BatterColumn::HomeRuns - 1] = std::to_string(random() % 60);
            break;
        case 1:
            batter[teamdata::BatterColumn::Name - 1] = "やまだ";
            break;
        case 2:
            team.pitchers[random() % teamdata::PitcherCount][teamdata::PitcherColumn::Era - 1] =
                std::to_string(random() % 100 * 10);
            break;
        default:
            team.colors.uniform = 0x16;
        }
    }
    return league;
}

std::uint32_t DigestOf(int seed, const testsupport::TempDir& dir) {
    std::mt19937 random(static_cast<std::uint32_t>(seed));
    exchange::LoadedImage image;
    image.read = teamdata::FileRead::Read;
    image.bytes = RandomImage(random);
    const exchange::LeagueRecords records = exchange::RecordsOf(image);
    const reports::LeagueTexts texts = exchange::TextsOf(records);
    const int team = seed % teamdata::TeamCount;

    QByteArray all = exchange::LeagueCsvBytes(texts);
    all += exchange::TeamCsvBytes(texts[static_cast<std::size_t>(team)]);
    all += exchange::TeamHtmlBytes(team, texts[static_cast<std::size_t>(team)]);

    const QByteArray edited = exchange::LeagueCsvBytes(Edited(texts, random));
    const plans::ImportPlan plan =
        plans::PlanImport(image.bytes,
                          {reinterpret_cast<const std::uint8_t*>(edited.constData()),
                           static_cast<std::size_t>(edited.size())},
                          {std::nullopt, exchange::DecodeTextBytes});
    all += QByteArray::number(static_cast<qsizetype>(plan.read.errors.size()));
    const std::filesystem::path path = dir.File("image.nes");
    testsupport::ImageBuilder(0).WriteTo(path);
    {
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(image.bytes.data()),
                   static_cast<std::streamsize>(image.bytes.size()));
    }
    teamdata::ImageWriteRequest request;
    request.source = path.string();
    request.target = dir.File("imported.nes").string();
    request.teams = plan.writes;
    request.acceptQuestionable = true;
    const bool written = teamdata::WriteImage(request).Written();
    const Bytes imported =
        written ? testsupport::ReadFileBytes(dir.File("imported.nes")) : image.bytes;
    // What diff --csv and the import's question show is the image the import then writes.
    EXPECT_EQ(plan.result, imported) << "image " << seed;
    EXPECT_EQ(plan.changes, teamdata::CompareLeagues(image.bytes, imported)) << "image " << seed;
    all += QByteArray(reinterpret_cast<const char*>(imported.data()),
                      static_cast<qsizetype>(imported.size()));
    for (const teamdata::PatchFormat format :
         {teamdata::PatchFormat::Bps, teamdata::PatchFormat::Ips}) {
        const teamdata::MadePatch patch = teamdata::MakePatch(format, image.bytes, imported);
        all += QByteArray(reinterpret_cast<const char*>(patch.bytes.data()),
                          static_cast<qsizetype>(patch.bytes.size()));
    }
    return teamdata::Crc32(Span(all));
}

TEST(OutputDigests, EveryFileWrittenForRandomImagesKeepsItsBytes) {
    const testsupport::TempDir dir;
    std::vector<std::uint32_t> digests;
    for (int seed = 0; seed < ImageCount; ++seed)
        digests.push_back(DigestOf(seed, dir));

    if (std::getenv("TOLVANEK_WRITE_DIGESTS")) {
        std::ofstream out(DigestFile);
        for (const std::uint32_t digest : digests) {
            char line[16];
            std::snprintf(line, sizeof line, "%08x\n", digest);
            out << line;
        }
        GTEST_SKIP() << "digests written to " << DigestFile;
    }
    std::ifstream in(DigestFile);
    ASSERT_TRUE(in) << DigestFile;
    for (int seed = 0; seed < ImageCount; ++seed) {
        std::string expected;
        ASSERT_TRUE(in >> expected) << "the digest file ends before image " << seed;
        char actual[16];
        std::snprintf(actual, sizeof actual, "%08x", digests[static_cast<std::size_t>(seed)]);
        EXPECT_EQ(actual, expected) << "the files written for random image " << seed << " changed";
    }
}

// The JSON forms of the same random images, pinned the same way from the day they were added:
// the league, one team, and the comparison of each image with its edited league imported.
std::uint32_t JsonDigestOf(int seed) {
    std::mt19937 random(static_cast<std::uint32_t>(seed));
    const Bytes image = RandomImage(random);
    const reports::LeagueTexts texts = plans::LeagueTextsOf(image);
    const int team = seed % teamdata::TeamCount;
    std::string all = reports::BuildLeagueJson(texts);
    all += reports::BuildTeamJson(team, texts[static_cast<std::size_t>(team)]);
    const std::string edited = reports::BuildLeagueJson(Edited(texts, random));
    const plans::ImportPlan plan = plans::PlanImport(
        image, {reinterpret_cast<const std::uint8_t*>(edited.data()), edited.size()},
        {std::nullopt, exchange::DecodeTextBytes});
    all += reports::BuildChangeJson(plan.changes);
    return teamdata::Crc32({reinterpret_cast<const std::uint8_t*>(all.data()), all.size()});
}

TEST(OutputDigests, EveryJsonFormWrittenForRandomImagesKeepsItsBytes) {
    std::vector<std::uint32_t> digests;
    for (int seed = 0; seed < ImageCount; ++seed)
        digests.push_back(JsonDigestOf(seed));
    if (std::getenv("TOLVANEK_WRITE_DIGESTS")) {
        std::ofstream out(JsonDigestFile);
        for (const std::uint32_t digest : digests) {
            char line[16];
            std::snprintf(line, sizeof line, "%08x\n", digest);
            out << line;
        }
        GTEST_SKIP() << "digests written to " << JsonDigestFile;
    }
    std::ifstream in(JsonDigestFile);
    ASSERT_TRUE(in) << JsonDigestFile;
    for (int seed = 0; seed < ImageCount; ++seed) {
        std::string expected;
        ASSERT_TRUE(in >> expected) << "the digest file ends before image " << seed;
        char actual[16];
        std::snprintf(actual, sizeof actual, "%08x", digests[static_cast<std::size_t>(seed)]);
        EXPECT_EQ(actual, expected) << "the JSON written for random image " << seed << " changed";
    }
}

} // namespace
