// SPDX-License-Identifier: MIT
#include "ImageCheck.h"

#include "DemoImage.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace teamdata;
using testsupport::DefaultImageSize;
using testsupport::ImageBuilder;

namespace {

ImageBuilder ValidImage() {
    ImageBuilder builder;
    builder.FillValidTeams();
    return builder;
}

// A plausible iNES header followed by nothing but zeros.
std::vector<std::uint8_t> ZeroFilledImage() {
    std::vector<std::uint8_t> image(DefaultImageSize, 0);
    const ImageBuilder header(InesHeaderBytes);
    std::copy_n(header.Bytes().begin(), InesHeaderBytes, image.begin());
    return image;
}

} // namespace

TEST(ImageCheck, FindsRealShapedImagesSound) {
    EXPECT_EQ(CheckImage(ValidImage().Bytes()).verdict, ImageVerdict::Sound);
    EXPECT_EQ(CheckImage(demoimage::MakeDemoImage()).verdict, ImageVerdict::Sound);
    // A trainer the header announces is part of the length it declares.
    const ImageCheck withTrainer =
        CheckImage(ValidImage().SetByte(6, 0x04).Resize(DefaultImageSize + 512).Bytes());
    EXPECT_EQ(withTrainer.verdict, ImageVerdict::Sound);
    EXPECT_EQ(withTrainer.doubt, ImageDoubt::None);
}

TEST(ImageCheck, FindsTheBattingOrderFirstInAZeroFilledImage) {
    // Lead byte 0 is readable and tile 0 is the character "０", so every record of every team
    // reads; what first gives the image away is team 0's batting order, all of position 0.
    const ImageCheck check = CheckImage(ZeroFilledImage());
    EXPECT_EQ(check.verdict, ImageVerdict::Questionable);
    EXPECT_EQ(check.doubt, ImageDoubt::FieldingPositions);
    EXPECT_EQ(check.team, 0);
}

TEST(ImageCheck, RefusesAFileWithoutTheMagicOrEndingBeforeTheColourTable) {
    struct Case {
        std::vector<std::uint8_t> image;
        ImageVerdict verdict;
        ImageDoubt doubt;
    };
    const std::size_t colorTableEnd = testsupport::ColorTableEnd;
    const Case cases[] = {
        {{}, ImageVerdict::Refused, ImageDoubt::NoInesMagic},
        {{'N', 'E', 'S'}, ImageVerdict::Refused, ImageDoubt::NoInesMagic},
        {ValidImage().SetByte(3, 0x1B).Bytes(), ImageVerdict::Refused, ImageDoubt::NoInesMagic},
        {ValidImage().Resize(InesHeaderBytes).Bytes(), ImageVerdict::Refused, ImageDoubt::TooShort},
        {ValidImage().Resize(colorTableEnd - 1).Bytes(), ImageVerdict::Refused,
         ImageDoubt::TooShort},
        // Long enough for every team: from here on only the header's length is in doubt.
        {ValidImage().Resize(colorTableEnd).Bytes(), ImageVerdict::Questionable,
         ImageDoubt::LengthMismatch},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("length " + std::to_string(c.image.size()));
        const ImageCheck check = CheckImage(c.image);
        EXPECT_EQ(check.verdict, c.verdict);
        EXPECT_EQ(check.doubt, c.doubt);
    }
}

TEST(ImageCheck, DoubtsALengthTheHeaderDoesNotDeclare) {
    for (std::size_t size : {DefaultImageSize - 1, DefaultImageSize + 1}) {
        const ImageCheck check = CheckImage(ValidImage().Resize(size).Bytes());
        EXPECT_EQ(check.verdict, ImageVerdict::Questionable) << size;
        EXPECT_EQ(check.doubt, ImageDoubt::LengthMismatch) << size;
        EXPECT_EQ(check.declaredSize, DefaultImageSize);
        EXPECT_EQ(check.actualSize, size);
    }
}

TEST(ImageCheck, CountsTheTrainerAndTheNes2SizeFieldsInTheDeclaredLength) {
    struct Case {
        const char* what;
        std::uint8_t prg, chr, flags6, flags7, sizeHigh;
        std::uint64_t size;
    };
    constexpr std::uint64_t Prg = 16384, Chr = 8192;
    const Case cases[] = {
        {"iNES", 8, 16, 0x00, 0x00, 0x00, 16 + 8 * Prg + 16 * Chr},
        {"iNES with trainer", 8, 16, 0x04, 0x00, 0x00, 16 + 512 + 8 * Prg + 16 * Chr},
        {"iNES ignores byte 9", 8, 16, 0x00, 0x0C, 0x21, 16 + 8 * Prg + 16 * Chr},
        {"NES 2.0 high nibbles", 8, 16, 0x04, 0x08, 0x21, 16 + 512 + 0x108 * Prg + 0x210 * Chr},
        // 0x46: 2 to the 17th times (2 x 2 + 1) bytes.
        {"NES 2.0 exponent", 0x46, 16, 0x00, 0x08, 0x0F, 16 + 655360 + 16 * Chr},
        {"NES 2.0 exponent for both", 0x46, 0x47, 0x00, 0x08, 0xFF, 16 + 655360 + 917504},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> header = ImageBuilder(InesHeaderBytes).Bytes();
        header[4] = c.prg;
        header[5] = c.chr;
        header[6] = c.flags6;
        header[7] = c.flags7;
        header[9] = c.sizeHigh;
        EXPECT_EQ(DeclaredImageSize(header), c.size) << c.what;
    }
    EXPECT_EQ(DeclaredImageSize(ImageBuilder(InesHeaderBytes - 1).Bytes()), 0u);
}

TEST(ImageCheck, DoubtsARecordTheGameCouldNotHaveWrittenAndNamesItsTeam) {
    const auto repeatPosition = [](ImageBuilder& b) {
        BatterBytes batter = ImageBuilder::ValidBatter(12, 7);
        batter.popularityPosition =
            static_cast<std::uint8_t>((batter.popularityPosition & 0xF0) |
                                      (ImageBuilder::ValidBatter(12, 0).popularityPosition & 0x0F));
        b.SetBatter(12, 7, batter, ImageBuilder::ValidLeadByte(12, 7));
    };
    struct Fault {
        const char* what;
        int team;
        ImageDoubt doubt;
        std::function<void(ImageBuilder&)> damage;
    };
    const Fault faults[] = {
        {"batter lead byte 21", 3, ImageDoubt::UnreadableRecord,
         [](ImageBuilder& b) {
             b.SetBatterLeadByte(3, 12, 21);
         }},
        {"pitcher lead byte 21", 0, ImageDoubt::UnreadableRecord,
         [](ImageBuilder& b) {
             b.SetPitcherLeadByte(0, 4, 21);
         }},
        {"batter tile 38", 15, ImageDoubt::UnreadableRecord,
         [](ImageBuilder& b) {
             b.SetByte(BatterRecordOffset(15, 9).value + 5, 38);
         }},
        {"pitcher tile 200", 7, ImageDoubt::UnreadableName,
         [](ImageBuilder& b) {
             b.SetByte(PitcherRecordOffset(7, 2).value + 1, 200);
         }},
        {"repeated position", 12, ImageDoubt::FieldingPositions, repeatPosition},
        // The first damaged team is the one named.
        {"two damaged teams", 5, ImageDoubt::UnreadableName,
         [](ImageBuilder& b) {
             b.SetBatterLeadByte(9, 0, 255);
             b.SetByte(PitcherRecordOffset(5, 0).value + 3, 98);
         }},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.what);
        ImageBuilder builder = ValidImage();
        fault.damage(builder);
        const ImageCheck check = CheckImage(builder.Bytes());
        EXPECT_EQ(check.verdict, ImageVerdict::Questionable);
        EXPECT_EQ(check.doubt, fault.doubt);
        EXPECT_EQ(check.team, fault.team);
    }
}
