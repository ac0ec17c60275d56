// SPDX-License-Identifier: MIT
#include "PatchOrigin.h"

#include <algorithm>
#include <cstdio>

namespace teamdata {

namespace {

constexpr std::string_view DataChecksumKey = "source-data-crc32: ";
constexpr std::string_view HeaderKey = "source-header: ";

using Bytes = std::vector<std::uint8_t>;

std::string Hex(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::uint8_t byte : bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 0x0F];
    }
    return hex;
}

std::optional<std::uint8_t> HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F')
        return static_cast<std::uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return static_cast<std::uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

// `count` bytes from exactly 2 * count hex digits.
std::optional<Bytes> FromHex(std::string_view text, std::size_t count) {
    if (text.size() != 2 * count)
        return std::nullopt;
    Bytes bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const auto high = HexDigit(text[i]);
        const auto low = HexDigit(text[i + 1]);
        if (!high || !low)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*high << 4 | *low));
    }
    return bytes;
}

std::span<const std::uint8_t> DataOf(std::span<const std::uint8_t> image) {
    return image.subspan(InesHeaderBytes);
}

Bytes Behind(const InesHeaderData& header, std::span<const std::uint8_t> data) {
    Bytes image(header.begin(), header.end());
    image.insert(image.end(), data.begin(), data.end());
    return image;
}

} // namespace

std::string OriginMetadata(std::string_view program, std::span<const std::uint8_t> source) {
    std::string text(program);
    text += '\n';
    if (source.size() < InesHeaderBytes)
        return text;
    char checksum[9];
    std::snprintf(checksum, sizeof checksum, "%08X", Crc32(DataOf(source)));
    text += DataChecksumKey;
    text += checksum;
    text += '\n';
    text += HeaderKey;
    text += Hex(source.first(InesHeaderBytes));
    text += '\n';
    return text;
}

std::optional<PatchOrigin> ReadOriginMetadata(std::string_view metadata) {
    PatchOrigin origin;
    bool checksumRead = false;
    bool headerRead = false;
    bool first = true;
    while (!metadata.empty()) {
        const std::size_t end = metadata.find('\n');
        const std::string_view line = metadata.substr(0, end);
        metadata.remove_prefix(end == std::string_view::npos ? metadata.size() : end + 1);
        if (first) {
            if (!line.starts_with("Tolvanek "))
                return std::nullopt;
            origin.program = std::string(line);
            first = false;
        } else if (line.starts_with(DataChecksumKey)) {
            const auto bytes = FromHex(line.substr(DataChecksumKey.size()), 4);
            if (!bytes)
                return std::nullopt;
            origin.sourceDataChecksum = static_cast<std::uint32_t>(
                (*bytes)[0] << 24 | (*bytes)[1] << 16 | (*bytes)[2] << 8 | (*bytes)[3]);
            checksumRead = true;
        } else if (line.starts_with(HeaderKey)) {
            const auto bytes = FromHex(line.substr(HeaderKey.size()), InesHeaderBytes);
            if (!bytes)
                return std::nullopt;
            std::copy(bytes->begin(), bytes->end(), origin.sourceHeader.begin());
            headerRead = true;
        }
    }
    if (!checksumRead || !headerRead)
        return std::nullopt;
    return origin;
}

PatchApplication DecidePatch(std::span<const std::uint8_t> image,
                             std::span<const std::uint8_t> patch) {
    PatchApplication decision;
    const std::optional<BpsFacts> facts = ReadBpsFacts(patch);
    AppliedPatch applied = ApplyPatch(image, patch);
    decision.format = applied.format;
    if (!facts) {
        // IPS (or no patch at all): no checksum says which image it is for. A patch that changes
        // nothing in this image has been applied to it already, or is empty.
        decision.refusal = applied.refusal;
        if (applied.refusal != PatchRefusal::None)
            return decision;
        const bool unchanged =
            std::equal(image.begin(), image.end(), applied.result.begin(), applied.result.end());
        decision.decision = unchanged ? PatchDecision::AlreadyApplied : PatchDecision::Applied;
        if (!unchanged)
            decision.result = std::move(applied.result);
        return decision;
    }
    if (image.size() == facts->targetSize && Crc32(image) == facts->targetChecksum) {
        decision.decision = PatchDecision::AlreadyApplied;
        return decision;
    }
    if (applied.refusal == PatchRefusal::None) {
        decision.decision = PatchDecision::Applied;
        decision.result = std::move(applied.result);
        return decision;
    }
    decision.refusal = applied.refusal;
    if (applied.refusal != PatchRefusal::SourceSizeMismatch &&
        applied.refusal != PatchRefusal::SourceChecksumMismatch)
        return decision;
    decision.expectedSourceChecksum = facts->sourceChecksum;
    decision.imageChecksum = Crc32(image);
    if (image.size() < InesHeaderBytes)
        return decision;
    decision.imageDataChecksum = Crc32(DataOf(image));

    // The headers the source may have had in front of this image's data.
    std::vector<std::pair<HeaderMatch, InesHeaderData>> headers;
    // Tried against both checksums: the data may be the patch's source or already its result.
    if (const auto origin = ReadOriginMetadata(facts->metadata)) {
        headers.emplace_back(HeaderMatch::Metadata, origin->sourceHeader);
    } else {
        if (const auto ines10 = AsInes10(image))
            headers.emplace_back(HeaderMatch::Ines10, *ines10);
        if (const auto nes20 = AsNes20(image))
            headers.emplace_back(HeaderMatch::Nes20, *nes20);
    }
    decision.headerOnlyRuledOut = true;
    for (const auto& [match, header] : headers) {
        const Bytes source = Behind(header, DataOf(image));
        if (source.size() == facts->targetSize && Crc32(source) == facts->targetChecksum) {
            decision.decision = PatchDecision::AlreadyApplied;
            decision.header = match;
            return decision;
        }
        AppliedPatch behind = ApplyPatch(source, patch);
        if (behind.refusal != PatchRefusal::None || behind.result.size() < InesHeaderBytes)
            continue;
        // The data as the patch gives it, behind this image's own header.
        std::copy(image.begin(), image.begin() + InesHeaderBytes, behind.result.begin());
        decision.decision = PatchDecision::AppliedToData;
        decision.header = match;
        decision.refusal = PatchRefusal::None;
        decision.headerOnlyRuledOut = false;
        decision.result = std::move(behind.result);
        return decision;
    }
    return decision;
}

} // namespace teamdata
