// SPDX-License-Identifier: MIT
// MakePatch and ApplyPatch on arbitrary bytes.
//
// The whole input is applied as a patch to a small fixed source twice: as it is, and sealed as
// the body of a BPS patch whose source and patch checksums are right, so that the header and the
// actions are reached instead of stopping at a checksum. Neither may crash or read outside the
// patch or the source, and a refusal gives no result.
//
// Then the input without its first byte is split into a source and a target, at the fraction of
// its length that the first byte gives; the patch of either format made for that pair must turn
// the source into exactly the target, and be no longer than the longest the readers take.

#include "FuzzSupport.h"

#include "Patch.h"
#include "PatchOrigin.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace teamdata;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t FixedSourceSize = 64;

Bytes FixedSource() {
    Bytes source(FixedSourceSize);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = fuzzsupport::PatternByte(i);
    return source;
}

void AppendLittleEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void CheckApplying(const Bytes& source, const Bytes& patch) {
    const AppliedPatch applied = ApplyPatch(source, patch);
    FUZZ_CHECK(applied.refusal == PatchRefusal::None || applied.result.empty());
    if (applied.refusal == PatchRefusal::None && applied.format == PatchFormat::Bps)
        FUZZ_CHECK(applied.result.size() <= MaxBpsResultSize);
}

void CheckSealedBps(const Bytes& source, const std::uint8_t* body, std::size_t size) {
    Bytes patch = {'B', 'P', 'S', '1'};
    patch.insert(patch.end(), body, body + size);
    AppendLittleEndian32(patch, Crc32(source));
    AppendLittleEndian32(patch, 0); // the result is unknown; a wrong one is its own refusal
    AppendLittleEndian32(patch, Crc32(patch));
    const AppliedPatch applied = ApplyPatch(source, patch);
    FUZZ_CHECK(applied.format == PatchFormat::Bps);
    FUZZ_CHECK(applied.refusal != PatchRefusal::NotAPatch &&
               applied.refusal != PatchRefusal::PatchChecksumMismatch &&
               applied.refusal != PatchRefusal::SourceChecksumMismatch);
    FUZZ_CHECK(applied.refusal == PatchRefusal::None || applied.result.empty());
}

// The decision for a received patch: never a result that is not the patch's, and for a patch made
// here (with its metadata) on an image, always applied to it.
void CheckDecision(const Bytes& image, const Bytes& patch) {
    const PatchApplication decision = DecidePatch(image, patch);
    const bool applied = decision.decision == PatchDecision::Applied ||
                         decision.decision == PatchDecision::AppliedToData;
    if (!applied)
        FUZZ_CHECK(decision.result.empty());
    if (decision.decision == PatchDecision::AppliedToData) {
        FUZZ_CHECK(decision.format == PatchFormat::Bps);
        FUZZ_CHECK(
            std::equal(image.begin(), image.begin() + InesHeaderBytes, decision.result.begin()));
    }
    // Whatever the metadata holds, reading it neither crashes nor accepts half of it.
    if (const auto facts = ReadBpsFacts(patch))
        (void)ReadOriginMetadata(facts->metadata);
}

void CheckRoundTrip(const Bytes& source, const Bytes& target) {
    for (PatchFormat format : {PatchFormat::Bps, PatchFormat::Ips}) {
        const MadePatch made = MakePatch(format, source, target);
        FUZZ_CHECK(made.outcome == PatchMaking::Made);
        // The readers' limit is taken from this bound: no patch made may pass it.
        FUZZ_CHECK(made.bytes.size() <=
                   LongestPatchMade(format, std::max(source.size(), target.size())));
        const AppliedPatch applied = ApplyPatch(source, made.bytes);
        FUZZ_CHECK(applied.refusal == PatchRefusal::None);
        FUZZ_CHECK(applied.format == format);
        FUZZ_CHECK(applied.result == target);
    }
    const std::string metadata = OriginMetadata("Tolvanek", source);
    const Bytes bps = MakePatch(PatchFormat::Bps, source, target, metadata).bytes;
    FUZZ_CHECK(bps.size() <= LongestPatchMade(PatchFormat::Bps,
                                              std::max(source.size(), target.size()),
                                              metadata.size()));
    const PatchApplication decision = DecidePatch(source, bps);
    const bool sameImage = source == target;
    FUZZ_CHECK(decision.decision ==
               (sameImage ? PatchDecision::AlreadyApplied : PatchDecision::Applied));
    FUZZ_CHECK(sameImage || decision.result == target);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Bytes fixedSource = FixedSource();
    CheckApplying(fixedSource, Bytes(data, data + size));
    CheckSealedBps(fixedSource, data, size);
    CheckDecision(fixedSource, Bytes(data, data + size));

    fuzzsupport::ByteReader reader(data, size);
    const std::size_t fraction = reader.Byte();
    Bytes rest = reader.Rest();
    const std::size_t split = rest.size() * fraction / 255;
    const Bytes target(rest.begin() + static_cast<std::ptrdiff_t>(split), rest.end());
    rest.resize(split);
    CheckRoundTrip(rest, target);
    return 0;
}
