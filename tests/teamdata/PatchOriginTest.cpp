// SPDX-License-Identifier: MIT
// The decision made for a received patch, once for each outcome: already applied, the patch's
// own source, the same cartridge behind another header (with the metadata this program writes,
// and without it), and another image altogether.

#include "PatchOrigin.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

using namespace teamdata;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Images {
    Bytes source = ImageBuilder().FillValidTeams().Bytes();
    Bytes target = ImageBuilder().FillValidTeams().SetColors(5, 0x16, 0x30).Bytes();
};

// The same cartridge data behind a NES 2.0 header declaring what the iNES 1.0 header does.
Bytes BehindNes20(Bytes image) {
    image[7] = static_cast<std::uint8_t>((image[7] & 0xF0) | 0x08);
    std::fill(image.begin() + 8, image.begin() + 16, 0);
    return image;
}

Bytes DataOf(const Bytes& image) {
    return Bytes(image.begin() + InesHeaderBytes, image.end());
}

TEST(PatchDecision, TellsAppliedFromSourceFromAnotherImage) {
    const Images images;
    const Bytes patch = MakePatch(PatchFormat::Bps, images.source, images.target,
                                  OriginMetadata("Tolvanek 1.0.0", images.source))
                            .bytes;

    const PatchApplication onSource = DecidePatch(images.source, patch);
    EXPECT_EQ(onSource.decision, PatchDecision::Applied);
    EXPECT_EQ(onSource.result, images.target);

    EXPECT_EQ(DecidePatch(images.target, patch).decision, PatchDecision::AlreadyApplied);
    EXPECT_TRUE(DecidePatch(images.target, patch).result.empty());

    Bytes other = images.source;
    other[70000] ^= 0xFF;
    const PatchApplication refused = DecidePatch(other, patch);
    EXPECT_EQ(refused.decision, PatchDecision::Refused);
    EXPECT_EQ(refused.refusal, PatchRefusal::SourceChecksumMismatch);
    EXPECT_EQ(refused.expectedSourceChecksum, Crc32(images.source));
    EXPECT_EQ(refused.imageChecksum, Crc32(other));
    EXPECT_EQ(refused.imageDataChecksum, Crc32(DataOf(other)));
    EXPECT_TRUE(refused.headerOnlyRuledOut);
    EXPECT_TRUE(refused.result.empty());
}

TEST(PatchDecision, AppliesToTheSameDataBehindAnotherHeaderAndKeepsThatHeader) {
    const Images images;
    const Bytes nes20 = BehindNes20(images.source);
    ASSERT_NE(Crc32(nes20), Crc32(images.source));
    const Bytes withOrigin = MakePatch(PatchFormat::Bps, images.source, images.target,
                                       OriginMetadata("Tolvanek 1.0.0", images.source))
                                 .bytes;
    const Bytes plain = MakePatch(PatchFormat::Bps, images.source, images.target).bytes;
    for (const auto& [patch, match] :
         {std::pair{withOrigin, HeaderMatch::Metadata}, std::pair{plain, HeaderMatch::Ines10}}) {
        const PatchApplication applied = DecidePatch(nes20, patch);
        ASSERT_EQ(applied.decision, PatchDecision::AppliedToData);
        EXPECT_EQ(applied.header, match);
        EXPECT_EQ(DataOf(applied.result), DataOf(images.target));
        EXPECT_TRUE(std::equal(nes20.begin(), nes20.begin() + 16, applied.result.begin()));
        EXPECT_EQ(DecidePatch(applied.result, patch).decision, PatchDecision::AlreadyApplied);
    }
    // And the other way round: a patch made behind NES 2.0 finds the iNES 1.0 copy.
    const Bytes made = MakePatch(PatchFormat::Bps, nes20, BehindNes20(images.target)).bytes;
    const PatchApplication back = DecidePatch(images.source, made);
    EXPECT_EQ(back.header, HeaderMatch::Nes20);
    EXPECT_EQ(back.result, images.target);
}

TEST(PatchOrigin, MetadataReadsBackAndAnythingElseIsNotOurs) {
    const Bytes source = ImageBuilder().FillValidTeams().Bytes();
    const std::optional<PatchOrigin> origin =
        ReadOriginMetadata(OriginMetadata("Tolvanek 1.0.0", source));
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->program, "Tolvanek 1.0.0");
    EXPECT_EQ(origin->sourceDataChecksum, Crc32(DataOf(source)));
    EXPECT_TRUE(
        std::equal(origin->sourceHeader.begin(), origin->sourceHeader.end(), source.begin()));
    for (const char* other :
         {"", "<?xml version=\"1.0\"?>", "Tolvanek 1.0.0\nsource-data-crc32: XY",
          "Tolvanek 1.0.0\nsource-data-crc32: 01234567\n"})
        EXPECT_FALSE(ReadOriginMetadata(other)) << other;
    // The readers' limit counts on the metadata staying short for any name the program gives.
    EXPECT_LE(OriginMetadata(std::string(127, 'T'), source).size(), MaxBpsMetadataMade);
}

} // namespace
