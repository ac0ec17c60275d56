// SPDX-License-Identifier: MIT
#include "Patch.h"
#include "ImageBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

using namespace teamdata;
using testsupport::ImageBuilder;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Of(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// Closes a hand-written BPS body with the checksums of `source` and `target` and its own.
Bytes Sealed(Bytes patch, const Bytes& source, const Bytes& target) {
    const auto appendCrc = [&patch](std::uint32_t crc) {
        for (int shift = 0; shift < 32; shift += 8)
            patch.push_back(static_cast<std::uint8_t>(crc >> shift));
    };
    appendCrc(Crc32(source));
    appendCrc(Crc32(target));
    appendCrc(Crc32(patch));
    return patch;
}

Bytes Random(std::mt19937& random, std::size_t size) {
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// A copy of `bytes` with every `step`th byte from `from` changed.
Bytes Scattered(Bytes bytes, std::size_t from, std::size_t step) {
    for (std::size_t i = from; i < bytes.size(); i += step)
        bytes[i] ^= 0x5A;
    return bytes;
}

struct PatchPair {
    std::string name;
    Bytes source;
    Bytes target;
};

void ExpectRoundTrip(const PatchPair& pair, PatchFormat format) {
    const MadePatch made = MakePatch(format, pair.source, pair.target);
    ASSERT_EQ(made.outcome, PatchMaking::Made);
    const AppliedPatch applied = ApplyPatch(pair.source, made.bytes);
    EXPECT_EQ(applied.refusal, PatchRefusal::None);
    EXPECT_EQ(applied.format, format);
    EXPECT_TRUE(applied.result == pair.target) << "the result differs";
}

} // namespace

TEST(PatchFormatForName, TakesTheFormatFromTheExtensionInAnyCase) {
    EXPECT_EQ(PatchFormatForName("roster.bps"), PatchFormat::Bps);
    EXPECT_EQ(PatchFormatForName("/home/me/League 1992.BpS"), PatchFormat::Bps);
    EXPECT_EQ(PatchFormatForName("roster.IPS"), PatchFormat::Ips);
    EXPECT_EQ(PatchFormatForName("roster.nes"), std::nullopt);
    EXPECT_EQ(PatchFormatForName("roster.ips.txt"), std::nullopt);
    EXPECT_EQ(PatchFormatForName("ips"), std::nullopt);
}

TEST(LooksLikePatch, KnowsAPatchByItsMagicAloneWholeOrDamaged) {
    EXPECT_EQ(LooksLikePatch(Of("BPS1")), PatchFormat::Bps);
    EXPECT_EQ(LooksLikePatch(Of("PATCH")), PatchFormat::Ips);
    EXPECT_EQ(LooksLikePatch(Of("PATCHEOF")), PatchFormat::Ips);
    const Bytes abc = Of("abc");
    for (const PatchFormat format : {PatchFormat::Bps, PatchFormat::Ips})
        EXPECT_EQ(LooksLikePatch(MakePatch(format, abc, Of("abd")).bytes), format);
    EXPECT_EQ(LooksLikePatch(Of("BPS")), std::nullopt);
    EXPECT_EQ(LooksLikePatch(Of("PATC")), std::nullopt);
    EXPECT_EQ(LooksLikePatch(Of("bps1")), std::nullopt);
    EXPECT_EQ(LooksLikePatch(Of("IPS PATCH EOF")), std::nullopt);
    EXPECT_EQ(LooksLikePatch(ImageBuilder().Bytes()), std::nullopt);
    EXPECT_EQ(LooksLikePatch({}), std::nullopt);
}

TEST(PatchRoundTrip, ApplyingTheWrittenPatchGivesTheTargetInBothFormats) {
    std::mt19937 random(1992);
    const Bytes base = Random(random, 3000);
    const Bytes repeated(70000, 0x33);
    const Bytes changed = Scattered(base, 3, 11);
    std::vector<PatchPair> pairs = {
        {"unrelated, same length", base, Random(random, base.size())},
        {"scattered changes", base, Scattered(base, 7, 97)},
        {"longer", base, Join({Scattered(base, 0, 50), Random(random, 500), Bytes(20, 0)})},
        {"shorter", base, Bytes(changed.begin(), changed.begin() + 1234)},
        {"from nothing", {}, base},
        {"to nothing", base, {}},
        {"unchanged", base, base},
        // Runs longer than one IPS record, changed bytes and repeated ones.
        {"long changed run", Bytes(70000, 0), Random(random, 70000)},
        {"long repeated run", Join({Bytes(10, 1), Bytes(70000, 0)}),
         Join({Bytes(10, 1), repeated})},
    };
    for (const PatchPair& pair : pairs) {
        SCOPED_TRACE(pair.name);
        ExpectRoundTrip(pair, PatchFormat::Bps);
        ExpectRoundTrip(pair, PatchFormat::Ips);
    }
}

TEST(PatchRoundTrip, NoIpsRecordStartsWhereItsOffsetWouldReadAsTheEndMarker) {
    // 0x454F46 spells "EOF"; a record there would end the patch early.
    constexpr std::size_t marker = 0x454F46;
    std::mt19937 random(46);
    const Bytes source(marker + 0x20, 0);
    const auto changed = [&](std::size_t from, std::size_t to, bool repeated) {
        Bytes target = source;
        const Bytes run = repeated ? Bytes(to - from, 0x77) : Random(random, to - from);
        std::copy(run.begin(), run.end(), target.begin() + static_cast<std::ptrdiff_t>(from));
        return target;
    };
    const PatchPair pairs[] = {
        {"changed bytes from the marker", source, changed(marker, marker + 5, false)},
        {"repeated bytes from the marker", source, changed(marker, marker + 16, true)},
        {"a record split at the marker", source, changed(marker - 0xFFFF, marker + 16, false)},
    };
    for (const PatchPair& pair : pairs) {
        SCOPED_TRACE(pair.name);
        ExpectRoundTrip(pair, PatchFormat::Ips);
    }
}

TEST(PatchRoundTrip, ARosterEditGivesAPatchTheSizeOfTheEdit) {
    ImageBuilder original;
    original.FillValidTeams();
    ImageBuilder oneTeam = original;
    oneTeam.SetBatter(3, 0, ImageBuilder::ValidBatter(9, 4))
        .SetPitcher(3, 2, ImageBuilder::ValidPitcher(9, 1))
        .SetColors(3, 0x16, 0x30);
    ImageBuilder wholeLeague = original;
    for (int team = 0; team < TeamCount; ++team) {
        const int other = (team + 5) % TeamCount;
        for (int i = 0; i < BatterCount; ++i)
            wholeLeague.SetBatter(team, i, ImageBuilder::ValidBatter(other, i));
        for (int i = 0; i < PitcherCount; ++i)
            wholeLeague.SetPitcher(team, i, ImageBuilder::ValidPitcher(other, i));
        wholeLeague.SetColors(team, ImageBuilder::ValidHelmetColor(other),
                              ImageBuilder::ValidUniformColor(other));
    }
    const struct {
        PatchPair pair;
        std::size_t maxPatchSize;
    } edits[] = {
        {{"three records", original.Bytes(), oneTeam.Bytes()}, 200},
        {{"every team", original.Bytes(), wholeLeague.Bytes()}, 6 * 1024},
    };
    for (const auto& edit : edits) {
        for (PatchFormat format : {PatchFormat::Bps, PatchFormat::Ips}) {
            SCOPED_TRACE(edit.pair.name + (format == PatchFormat::Bps ? " BPS" : " IPS"));
            ExpectRoundTrip(edit.pair, format);
            EXPECT_LE(MakePatch(format, edit.pair.source, edit.pair.target).bytes.size(),
                      edit.maxPatchSize);
        }
    }
}

TEST(PatchKnownAnswer, BpsIsWrittenByteForByteAsWorkedByHand) {
    // 200 bytes "a"; the target changes byte 100 to "X" and appends "YZ".
    const Bytes source(200, 'a');
    Bytes target = source;
    target[100] = 'X';
    target.push_back('Y');
    target.push_back('Z');
    // Numbers: 200 = 0x48 0x80 (72, then 128 + 0); 202 = 0x4A 0x80; metadata 0 = 0x80.
    // Actions, (length - 1) << 2 | command: SourceRead 100 = 396 = 0x0C 0x82 (12 + 128 + 2 * 128);
    // TargetRead 1 = 1 = 0x81 "X"; SourceRead 99 = 392 = 0x08 0x82; TargetRead 2 = 5 = 0x85 "YZ".
    // CRC-32s (little-endian) worked out with Python's zlib.crc32: source 0x599AF058, target
    // 0x6BBB3E50, patch 0x9F9705E1.
    const Bytes expected = {'B',  'P',  'S',  '1',  0x48, 0x80, 0x4A, 0x80, 0x80, 0x0C,
                            0x82, 0x81, 'X',  0x08, 0x82, 0x85, 'Y',  'Z',  0x58, 0xF0,
                            0x9A, 0x59, 0x50, 0x3E, 0xBB, 0x6B, 0xE1, 0x05, 0x97, 0x9F};
    EXPECT_EQ(Crc32(Of("123456789")), 0xCBF43926u); // the check value of the zip CRC-32
    const MadePatch made = MakePatch(PatchFormat::Bps, source, target);
    EXPECT_EQ(made.bytes, expected);
    EXPECT_EQ(ApplyPatch(source, expected).result, target);
}

TEST(PatchKnownAnswer, IpsIsWrittenByteForByteAsWorkedByHand) {
    const Bytes source = Of("abcdefghijklmnop");
    const Bytes target = Of("aXYdZZZZZZZZ");
    // Offsets and lengths big-endian: "XY" at 1 as bytes; eight "Z" at 4 as a run (8 bytes of
    // record instead of 13); then the end marker and the shorter result's size, 12.
    const Bytes expected = Join({Of("PATCH"),
                                 {0x00, 0x00, 0x01, 0x00, 0x02, 'X', 'Y'},
                                 {0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x08, 'Z'},
                                 Of("EOF"),
                                 {0x00, 0x00, 0x0C}});
    const MadePatch made = MakePatch(PatchFormat::Ips, source, target);
    EXPECT_EQ(made.bytes, expected);
    EXPECT_EQ(ApplyPatch(source, expected).result, target);
}

TEST(PatchMaking, RefusesIpsForAnImageBeyondThreeByteOffsets) {
    const Bytes largest(MaxIpsImageSize, 1);
    Bytes lastByteChanged = largest;
    lastByteChanged.back() = 2;
    ExpectRoundTrip({"largest", largest, lastByteChanged}, PatchFormat::Ips);

    const Bytes tooLarge(MaxIpsImageSize + 1, 1);
    EXPECT_EQ(MakePatch(PatchFormat::Ips, largest, tooLarge).outcome, PatchMaking::TooLargeForIps);
    EXPECT_EQ(MakePatch(PatchFormat::Ips, tooLarge, largest).outcome, PatchMaking::TooLargeForIps);
    // What IPS cannot carry, BPS does, and the patch applies again.
    ExpectRoundTrip({"beyond IPS", largest, tooLarge}, PatchFormat::Bps);
    EXPECT_EQ(MakePatch(PatchFormat::Bps, largest, tooLarge).outcome, PatchMaking::Made);
}

// The readers' limit is the writer's worst case: a target in which every other byte changed makes
// exactly the longest BPS patch, and the IPS patch of the same pair stays within its own bound.
TEST(PatchMaking, EveryOtherByteChangedGivesTheLongestPatchTheReadersTake) {
    constexpr std::size_t size = 1 << 16;
    const Bytes source(size, 0);
    const Bytes everyOther = Scattered(source, 0, 2);
    const std::string metadata(MaxBpsMetadataMade, 'm');
    const MadePatch bps = MakePatch(PatchFormat::Bps, source, everyOther, metadata);
    EXPECT_EQ(bps.bytes.size(), LongestPatchMade(PatchFormat::Bps, size, metadata.size()));
    const MadePatch ips = MakePatch(PatchFormat::Ips, source, everyOther);
    EXPECT_LE(ips.bytes.size(), LongestPatchMade(PatchFormat::Ips, size));
    EXPECT_GT(ips.bytes.size(), 2 * size) << "as dense as the worst case of IPS gets";
    // An odd length ends in one more changed byte, the shorter target in a cut.
    for (const PatchPair& pair :
         {PatchPair{"odd", Bytes(size + 1, 0), Scattered(Bytes(size + 1, 0), 0, 2)},
          PatchPair{"shorter", Bytes(size + 1, 0), everyOther}}) {
        SCOPED_TRACE(pair.name);
        EXPECT_LE(MakePatch(PatchFormat::Bps, pair.source, pair.target).bytes.size(),
                  LongestPatchMade(PatchFormat::Bps, pair.source.size()));
        EXPECT_LE(MakePatch(PatchFormat::Ips, pair.source, pair.target).bytes.size(),
                  LongestPatchMade(PatchFormat::Ips, pair.source.size()));
        ExpectRoundTrip(pair, PatchFormat::Bps);
        ExpectRoundTrip(pair, PatchFormat::Ips);
    }
}

TEST(PatchApplying, FollowsHandWrittenPatches) {
    // SourceCopy 3 from +3 ("def"); TargetCopy 4 from target offset +1, overlapping its own
    // output ("efef"); SourceCopy 2 from -6, back to source offset 0 ("ab").
    const Bytes copies = {'B', 'P', 'S', '1', 0x86, 0x89, 0x80, 0x8A, 0x86, 0x8F, 0x82, 0x86, 0x8D};
    const AppliedPatch copied =
        ApplyPatch(Of("abcdef"), Sealed(copies, Of("abcdef"), Of("defefefab")));
    EXPECT_EQ(copied.refusal, PatchRefusal::None);
    EXPECT_EQ(copied.result, Of("defefefab"));

    const Bytes beyondTheEnd = Join({Of("PATCH"), {0, 0, 5, 0, 1, 'z'}, Of("EOF")});
    const AppliedPatch grown = ApplyPatch(Of("ab"), beyondTheEnd);
    EXPECT_EQ(grown.refusal, PatchRefusal::None);
    EXPECT_EQ(grown.result, Bytes({'a', 'b', 0, 0, 0, 'z'}));
}

TEST(PatchApplying, NamesEachFaultAndGivesNoResult) {
    std::mt19937 random(7);
    const Bytes image = Random(random, 300);
    const Bytes bps = MakePatch(PatchFormat::Bps, image, Scattered(image, 5, 40)).bytes;
    Bytes damaged = bps;
    damaged[10] ^= 0x01;
    Bytes otherContents = image;
    otherContents[299] ^= 0x01;

    const Bytes abc = Of("abc");
    const auto sealedForAbc = [&abc](Bytes body) {
        return Sealed(std::move(body), abc, abc);
    };
    // A BPS patch from "abc" to three bytes with the given actions, its checksums right.
    const auto abcWith = [&](Bytes actions) {
        return sealedForAbc(Join({{'B', 'P', 'S', '1', 0x83, 0x83, 0x80}, actions}));
    };
    const struct {
        const char* name;
        Bytes source;
        Bytes patch;
        PatchRefusal refusal;
    } cases[] = {
        {"damaged, on a wrong source", otherContents, damaged, PatchRefusal::PatchChecksumMismatch},
        {"source of another size", Bytes(image.begin(), image.end() - 1), bps,
         PatchRefusal::SourceSizeMismatch},
        {"source with other contents", otherContents, bps, PatchRefusal::SourceChecksumMismatch},
        {"result other than sealed", abc,
         Sealed(Join({Of("BPS1"), {0x83, 0x83, 0x80, 0x88}}), abc, Of("abd")),
         PatchRefusal::ResultChecksumMismatch},
        {"SourceRead past the source", abc,
         Sealed(Join({Of("BPS1"), {0x83, 0x84, 0x80, 0x8C}}), abc, Of("abcd")),
         PatchRefusal::Malformed},
        {"SourceCopy past the source's end", abc, abcWith({0x82, 0x86}), PatchRefusal::Malformed},
        {"SourceCopy before its start", abc, abcWith({0x82, 0x83}), PatchRefusal::Malformed},
        {"TargetCopy of nothing written", abc, abcWith({0x8B, 0x80}), PatchRefusal::Malformed},
        {"TargetRead past the actions", abc, abcWith({0x89, 'a', 'b'}), PatchRefusal::Malformed},
        {"result shorter than declared", abc, abcWith({0x84}), PatchRefusal::Malformed},
        // Sizes past 64 bits, caught at the last digit, at a continuation, at an eleventh digit.
        {"size overflowing in a digit", abc,
         sealedForAbc(Join({Of("BPS1"), Bytes(9, 0x00), {0xFF, 0x83, 0x80}})),
         PatchRefusal::Malformed},
        {"size overflowing in a continuation", abc,
         sealedForAbc(Join({Of("BPS1"), Bytes(9, 0x7F), {0x80, 0x83, 0x80}})),
         PatchRefusal::Malformed},
        {"size of too many digits", abc,
         sealedForAbc(Join({Of("BPS1"), Bytes(10, 0x00), {0x81, 0x83, 0x80}})),
         PatchRefusal::Malformed},
        {"result larger than any image", abc,
         sealedForAbc(Join({Of("BPS1"), {0x83, 0x00, 0x00, 0x00, 0xA0, 0x80}})),
         PatchRefusal::TooLarge},
        {"IPS cut to more than it holds", abc, Join({Of("PATCHEOF"), {0, 0, 4}}),
         PatchRefusal::Malformed},
        {"IPS record cut short", abc, Join({Of("PATCH"), {0, 0, 1, 0, 4, 'x', 'y'}}),
         PatchRefusal::Malformed},
        {"IPS without end marker", abc, Join({Of("PATCH"), {0, 0, 1, 0, 1, 'x'}}),
         PatchRefusal::Malformed},
        {"no magic", abc, Of("IPS PATCH EOF"), PatchRefusal::NotAPatch},
        {"empty", abc, {}, PatchRefusal::NotAPatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppliedPatch applied = ApplyPatch(c.source, c.patch);
        EXPECT_EQ(applied.refusal, c.refusal);
        EXPECT_TRUE(applied.result.empty());
    }
}
