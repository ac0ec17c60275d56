// SPDX-License-Identifier: MIT
#include "Patch.h"

#include "ImageCheck.h"

#include <algorithm>

static_assert(teamdata::MaxBpsResultSize == teamdata::MaxImageFileSize,
              "a patch the program makes must be one it can apply");

namespace teamdata {
namespace {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

constexpr std::string_view BpsMagic = "BPS1";
// Three CRC-32s close a BPS patch: of the source, of the target, and of the patch before them.
constexpr std::size_t BpsFooterSize = 12;
// The three header numbers take at least a byte each.
constexpr std::size_t BpsMinimumSize = BpsMagic.size() + 3 + BpsFooterSize;

enum BpsAction : std::uint64_t { SourceRead = 0, TargetRead = 1, SourceCopy = 2, TargetCopy = 3 };

constexpr std::string_view IpsMagic = "PATCH";
constexpr std::string_view IpsEndMarker = "EOF";
// The offset spelt by the end marker's bytes: every applier takes a record there for the end of
// the patch, so no record may start at it.
constexpr std::size_t IpsEndMarkerOffset = 0x454F46;
constexpr std::size_t IpsMaxRecordLength = 0xFFFF;
constexpr std::size_t IpsRecordHeaderSize = 5; // offset and length
constexpr std::size_t IpsRleRecordSize = 8;    // header, run length and the byte

bool StartsWith(ByteView bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char p, std::uint8_t b) { return static_cast<std::uint8_t>(p) == b; });
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(),
                      [](char s, char t) { return AsciiLower(s) == AsciiLower(t); });
}

void Append(Bytes& out, std::string_view text) {
    // Byte by byte: GCC 12 at -O3 warns of an overflow that cannot happen when a range insert
    // starts an empty vector.
    for (char c : text)
        out.push_back(static_cast<std::uint8_t>(c));
}

void Append(Bytes& out, ByteView bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void AppendBigEndian(Bytes& out, std::size_t value, int byteCount) {
    for (int shift = 8 * (byteCount - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void AppendLittleEndian32(Bytes& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t LittleEndian32(ByteView bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// BPS numbers: seven bits a byte, lowest first, the last byte flagged by its top bit. Each
// continuation also adds the next power of 128, so that every number has exactly one encoding.
void AppendVarint(Bytes& out, std::uint64_t value) {
    while (true) {
        const auto low = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
        if (value == 0) {
            out.push_back(0x80 | low);
            return;
        }
        out.push_back(low);
        --value;
    }
}

// Reads a patch front to back. A read that would go past the end yields nothing, which is how
// every truncation in a patch is noticed.
class PatchReader {
public:
    explicit PatchReader(ByteView bytes)
        : bytes_(bytes) {}

    [[nodiscard]] bool AtEnd() const { return position_ == bytes_.size(); }

    [[nodiscard]] std::optional<ByteView> Take(std::uint64_t count) {
        if (count > bytes_.size() - position_)
            return std::nullopt;
        const ByteView taken = bytes_.subspan(position_, static_cast<std::size_t>(count));
        position_ += taken.size();
        return taken;
    }

    [[nodiscard]] bool SkipIfNext(std::string_view expected) {
        if (!StartsWith(bytes_.subspan(position_), expected))
            return false;
        position_ += expected.size();
        return true;
    }

    [[nodiscard]] std::optional<std::size_t> BigEndian(int byteCount) {
        const auto bytes = Take(static_cast<std::uint64_t>(byteCount));
        if (!bytes)
            return std::nullopt;
        std::size_t value = 0;
        for (std::uint8_t byte : *bytes)
            value = value << 8 | byte;
        return value;
    }

    // Refuses a number beyond 64 bits rather than wrapping it into a small, plausible one.
    [[nodiscard]] std::optional<std::uint64_t> Varint() {
        constexpr std::uint64_t max = ~std::uint64_t{0};
        std::uint64_t value = 0;
        std::uint64_t shift = 1;
        while (true) {
            const auto next = Take(1);
            if (!next)
                return std::nullopt;
            const std::uint8_t byte = (*next)[0];
            const std::uint64_t digit = byte & 0x7F;
            if (digit != 0 && shift > (max - value) / digit)
                return std::nullopt;
            value += digit * shift;
            if (byte & 0x80)
                return value;
            if (shift > max >> 7)
                return std::nullopt;
            shift <<= 7;
            if (shift > max - value)
                return std::nullopt;
            value += shift;
        }
    }

private:
    ByteView bytes_;
    std::size_t position_ = 0;
};

bool UnchangedAt(ByteView source, ByteView target, std::size_t offset) {
    return offset < source.size() && source[offset] == target[offset];
}

Bytes MakeBps(ByteView source, ByteView target, std::string_view metadata) {
    Bytes patch;
    Append(patch, BpsMagic);
    AppendVarint(patch, source.size());
    AppendVarint(patch, target.size());
    AppendVarint(patch, metadata.size());
    patch.insert(patch.end(), metadata.begin(), metadata.end());
    // Only reads, never copies: a roster edit changes bytes in place, so runs kept from the
    // source and literal runs of new bytes already make a patch about the size of the edit.
    for (std::size_t start = 0; start < target.size();) {
        const bool unchanged = UnchangedAt(source, target, start);
        std::size_t end = start + 1;
        while (end < target.size() && UnchangedAt(source, target, end) == unchanged)
            ++end;
        AppendVarint(patch, (end - start - 1) << 2 | (unchanged ? SourceRead : TargetRead));
        if (!unchanged)
            Append(patch, target.subspan(start, end - start));
        start = end;
    }
    AppendLittleEndian32(patch, Crc32(source));
    AppendLittleEndian32(patch, Crc32(target));
    AppendLittleEndian32(patch, Crc32(patch));
    return patch;
}

// How many bytes from `from` repeat target[from], up to `to` and at most one record's worth.
std::size_t IdenticalRun(ByteView target, std::size_t from, std::size_t to) {
    const std::size_t limit = std::min(to, from + IpsMaxRecordLength);
    std::size_t end = from + 1;
    while (end < limit && target[end] == target[from])
        ++end;
    return end - from;
}

// As literal bytes a run costs its length, plus a header if it opens a record. As an RLE record
// it costs 8 bytes, plus a header for the changed bytes after it, which then need a record of
// their own.
bool RleIsShorter(std::size_t run, bool opensRecord, bool endsChangedRun) {
    const std::size_t asLiteral = run + (opensRecord ? IpsRecordHeaderSize : 0);
    const std::size_t asRle = IpsRleRecordSize + (endsChangedRun ? 0 : IpsRecordHeaderSize);
    return asRle < asLiteral;
}

// Records that write target[from, to), a run of bytes that differ from the source.
void AppendIpsRecords(Bytes& patch, ByteView target, std::size_t from, std::size_t to) {
    std::size_t position = from;
    while (position < to) {
        // Writing the byte before again (with its target value) moves the record off the
        // marker's offset; `from` is never 0 there.
        const std::size_t recordStart = position == IpsEndMarkerOffset ? position - 1 : position;
        const std::size_t run = IdenticalRun(target, position, to);
        if (recordStart == position && RleIsShorter(run, true, position + run == to)) {
            AppendBigEndian(patch, position, 3);
            AppendBigEndian(patch, 0, 2);
            AppendBigEndian(patch, run, 2);
            patch.push_back(target[position]);
            position += run;
            continue;
        }
        std::size_t end = position + 1;
        while (end < to && end - recordStart < IpsMaxRecordLength) {
            const std::size_t next = IdenticalRun(target, end, to);
            if (RleIsShorter(next, false, end + next == to))
                break;
            ++end;
        }
        AppendBigEndian(patch, recordStart, 3);
        AppendBigEndian(patch, end - recordStart, 2);
        Append(patch, target.subspan(recordStart, end - recordStart));
        position = end;
    }
}

Bytes MakeIps(ByteView source, ByteView target) {
    Bytes patch;
    Append(patch, IpsMagic);
    // Bytes past the source's end count as changed, so that the result grows to the target's size.
    for (std::size_t start = 0; start < target.size();) {
        if (UnchangedAt(source, target, start)) {
            ++start;
            continue;
        }
        std::size_t end = start + 1;
        while (end < target.size() && !UnchangedAt(source, target, end))
            ++end;
        AppendIpsRecords(patch, target, start, end);
        start = end;
    }
    Append(patch, IpsEndMarker);
    if (target.size() < source.size())
        AppendBigEndian(patch, target.size(), 3);
    return patch;
}

// Applies a copy action's signed move of its running offset, which must stay within [0, limit].
bool MoveCopyOffset(PatchReader& reader, std::size_t& offset, std::size_t limit) {
    const auto encoded = reader.Varint();
    if (!encoded)
        return false;
    const std::uint64_t distance = *encoded >> 1;
    if (*encoded & 1) {
        if (distance > offset)
            return false;
        offset -= static_cast<std::size_t>(distance);
    } else {
        if (distance > limit - offset)
            return false;
        offset += static_cast<std::size_t>(distance);
    }
    return true;
}

// Runs the actions up to the footer; nothing unless they write exactly `targetSize` bytes while
// reading only inside the patch, the source and what they have written already.
std::optional<Bytes> RunBpsActions(PatchReader& actions, ByteView source, std::size_t targetSize) {
    Bytes target;
    std::size_t sourceCopyOffset = 0;
    std::size_t targetCopyOffset = 0;
    while (!actions.AtEnd()) {
        const auto action = actions.Varint();
        if (!action)
            return std::nullopt;
        const std::uint64_t length = (*action >> 2) + 1;
        if (length > targetSize - target.size())
            return std::nullopt;
        const auto count = static_cast<std::size_t>(length);
        switch (*action & 3) {
        case SourceRead: {
            const std::size_t offset = target.size();
            if (offset > source.size() || count > source.size() - offset)
                return std::nullopt;
            Append(target, source.subspan(offset, count));
            break;
        }
        case TargetRead: {
            const auto literal = actions.Take(count);
            if (!literal)
                return std::nullopt;
            Append(target, *literal);
            break;
        }
        case SourceCopy:
            if (!MoveCopyOffset(actions, sourceCopyOffset, source.size()) ||
                count > source.size() - sourceCopyOffset)
                return std::nullopt;
            Append(target, source.subspan(sourceCopyOffset, count));
            sourceCopyOffset += count;
            break;
        case TargetCopy:
            if (!MoveCopyOffset(actions, targetCopyOffset, target.size()) ||
                targetCopyOffset >= target.size())
                return std::nullopt;
            // Byte by byte on purpose: a copy that overlaps its own output repeats a pattern.
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t byte = target[targetCopyOffset++];
                target.push_back(byte);
            }
            break;
        }
    }
    if (target.size() != targetSize)
        return std::nullopt;
    return target;
}

AppliedPatch ApplyBps(ByteView source, ByteView patch) {
    const auto refuse = [](PatchRefusal refusal) {
        return AppliedPatch{refusal, PatchFormat::Bps, {}};
    };
    if (patch.size() < BpsMinimumSize)
        return refuse(PatchRefusal::Malformed);
    const ByteView footer = patch.last(BpsFooterSize);
    if (Crc32(patch.first(patch.size() - 4)) != LittleEndian32(footer.subspan(8)))
        return refuse(PatchRefusal::PatchChecksumMismatch);

    PatchReader reader(
        patch.subspan(BpsMagic.size(), patch.size() - BpsMagic.size() - BpsFooterSize));
    const auto sourceSize = reader.Varint();
    const auto targetSize = reader.Varint();
    const auto metadataSize = reader.Varint();
    if (!sourceSize || !targetSize || !metadataSize || !reader.Take(*metadataSize))
        return refuse(PatchRefusal::Malformed);
    if (*sourceSize != source.size())
        return refuse(PatchRefusal::SourceSizeMismatch);
    if (Crc32(source) != LittleEndian32(footer.subspan(0, 4)))
        return refuse(PatchRefusal::SourceChecksumMismatch);
    if (*targetSize > MaxBpsResultSize)
        return refuse(PatchRefusal::TooLarge);

    std::optional<Bytes> result =
        RunBpsActions(reader, source, static_cast<std::size_t>(*targetSize));
    if (!result)
        return refuse(PatchRefusal::Malformed);
    if (Crc32(*result) != LittleEndian32(footer.subspan(4, 4)))
        return refuse(PatchRefusal::ResultChecksumMismatch);
    return {PatchRefusal::None, PatchFormat::Bps, std::move(*result)};
}

AppliedPatch ApplyIps(ByteView source, ByteView patch) {
    const AppliedPatch malformed{PatchRefusal::Malformed, PatchFormat::Ips, {}};
    PatchReader reader(patch.subspan(IpsMagic.size()));
    Bytes result(source.begin(), source.end());
    // Records may reach past the current end; the result grows, and a gap reads as zeros.
    while (!reader.SkipIfNext(IpsEndMarker)) {
        const auto offset = reader.BigEndian(3);
        const auto length = reader.BigEndian(2);
        if (!offset || !length)
            return malformed;
        if (*length > 0) {
            const auto bytes = reader.Take(*length);
            if (!bytes)
                return malformed;
            if (*offset + bytes->size() > result.size())
                result.resize(*offset + bytes->size());
            std::copy(bytes->begin(), bytes->end(), result.begin() + *offset);
        } else {
            const auto run = reader.BigEndian(2);
            const auto value = reader.BigEndian(1);
            if (!run || !value)
                return malformed;
            if (*offset + *run > result.size())
                result.resize(*offset + *run);
            std::fill_n(result.begin() + *offset, *run, static_cast<std::uint8_t>(*value));
        }
    }
    if (!reader.AtEnd()) {
        // The result's size when it is shorter than the source; it can only cut.
        const auto size = reader.BigEndian(3);
        if (!size || !reader.AtEnd() || *size > result.size())
            return malformed;
        result.resize(*size);
    }
    return {PatchRefusal::None, PatchFormat::Ips, std::move(result)};
}

} // namespace

std::optional<PatchFormat> PatchFormatForName(std::string_view fileName) {
    if (EndsWithIgnoringCase(fileName, ".bps"))
        return PatchFormat::Bps;
    if (EndsWithIgnoringCase(fileName, ".ips"))
        return PatchFormat::Ips;
    return std::nullopt;
}

std::optional<PatchFormat> LooksLikePatch(std::span<const std::uint8_t> bytes) {
    if (StartsWith(bytes, BpsMagic))
        return PatchFormat::Bps;
    if (StartsWith(bytes, IpsMagic))
        return PatchFormat::Ips;
    return std::nullopt;
}

MadePatch MakePatch(PatchFormat format, std::span<const std::uint8_t> source,
                    std::span<const std::uint8_t> target, std::string_view bpsMetadata) {
    if (format == PatchFormat::Bps)
        return {PatchMaking::Made, MakeBps(source, target, bpsMetadata)};
    if (source.size() > MaxIpsImageSize || target.size() > MaxIpsImageSize)
        return {PatchMaking::TooLargeForIps, {}};
    return {PatchMaking::Made, MakeIps(source, target)};
}

std::optional<BpsFacts> ReadBpsFacts(std::span<const std::uint8_t> patch) {
    if (!StartsWith(patch, BpsMagic) || patch.size() < BpsMinimumSize)
        return std::nullopt;
    const ByteView footer = patch.last(BpsFooterSize);
    if (Crc32(patch.first(patch.size() - 4)) != LittleEndian32(footer.subspan(8)))
        return std::nullopt;
    PatchReader reader(
        patch.subspan(BpsMagic.size(), patch.size() - BpsMagic.size() - BpsFooterSize));
    const auto sourceSize = reader.Varint();
    const auto targetSize = reader.Varint();
    const auto metadataSize = reader.Varint();
    if (!sourceSize || !targetSize || !metadataSize)
        return std::nullopt;
    const std::optional<ByteView> metadata = reader.Take(*metadataSize);
    if (!metadata)
        return std::nullopt;
    BpsFacts facts;
    facts.sourceSize = *sourceSize;
    facts.targetSize = *targetSize;
    facts.sourceChecksum = LittleEndian32(footer.subspan(0, 4));
    facts.targetChecksum = LittleEndian32(footer.subspan(4, 4));
    facts.metadata.assign(metadata->begin(), metadata->end());
    return facts;
}

AppliedPatch ApplyPatch(std::span<const std::uint8_t> source, std::span<const std::uint8_t> patch) {
    const std::optional<PatchFormat> format = LooksLikePatch(patch);
    if (!format)
        return {PatchRefusal::NotAPatch, PatchFormat::Bps, {}};
    return *format == PatchFormat::Bps ? ApplyBps(source, patch) : ApplyIps(source, patch);
}

} // namespace teamdata
