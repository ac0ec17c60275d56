// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: reading structured values out of the fuzzer's bytes, a private
// scratch file for images, and a check that aborts, so that libFuzzer keeps the input that broke
// a rule as a crash.
#define FUZZ_CHECK(...)                                                                            \
    ((__VA_ARGS__) ? static_cast<void>(0) : fuzzsupport::Fail(#__VA_ARGS__, __FILE__, __LINE__))

namespace fuzzsupport {

[[noreturn]] void Fail(const char* condition, const char* file, int line);

// Takes values from the front of the input. Once it is used up, bytes read as 0 and texts as
// empty, so every input, however short, describes a complete case.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size)
        : data_(data)
        , size_(size) {}

    [[nodiscard]] bool Empty() const { return position_ >= size_; }
    [[nodiscard]] std::uint8_t Byte();
    // A length byte, then up to that many bytes.
    [[nodiscard]] std::string Text();
    [[nodiscard]] std::vector<std::uint8_t> Bytes(std::size_t count);
    [[nodiscard]] std::vector<std::uint8_t> Rest();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// One file of this process's own under the temporary directory, removed when the process ends.
class ScratchFile {
public:
    ScratchFile();
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    [[nodiscard]] const std::string& Path() const { return path_; }
    // Replaces the whole file by `bytes`.
    void Store(const std::vector<std::uint8_t>& bytes) const;
    [[nodiscard]] std::vector<std::uint8_t> Load() const;

private:
    std::string path_;
};

// Tile codes with a character, written out independently of the codec's table: digits,
// capitals, space and full stop (0..37), kana and voicing marks (40..87) and the dash (97).
[[nodiscard]] constexpr bool IsNameTile(std::uint8_t code) {
    return code <= 37 || (code >= 40 && code <= 87) || code == 97;
}

// The lenient reading of a cell text, restated for the oracles (white space skipped, one sign,
// digits up to the first other character, no digits = 0), as the low 8 bits of the whole number
// however many digits it has: the byte a stored-byte rule starts from.
[[nodiscard]] std::uint8_t LenientLowByte(std::string_view text);
// The low 8 bits of the same number divided by ten, cut toward zero.
[[nodiscard]] std::uint8_t LenientTenthLowByte(std::string_view text);

// The low 8 bits of a value, negative values wrapping as on a two's complement byte.
[[nodiscard]] constexpr std::uint8_t LowByte(long long value) {
    return static_cast<std::uint8_t>(static_cast<unsigned long long>(value) & 0xFF);
}

// A non-zero byte that depends on the offset, so that stray writes anywhere in a scratch image
// stand out.
[[nodiscard]] std::uint8_t PatternByte(std::size_t offset);

} // namespace fuzzsupport
