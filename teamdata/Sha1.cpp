// SPDX-License-Identifier: MIT
// SHA-1 as FIPS 180-4 defines it, in plain C++ so that the browser build, which has neither Qt
// nor a crypto library, identifies an image exactly as the desktop does.
#include "Checksums.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace teamdata {
namespace {

constexpr std::size_t BlockSize = 64;
// The message length in bits closes the last block.
constexpr std::size_t LengthSize = 8;

using State = std::array<std::uint32_t, 5>;

std::uint32_t BigEndian32(const std::uint8_t* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
           (std::uint32_t{bytes[2]} << 8) | std::uint32_t{bytes[3]};
}

void Compress(State& state, const std::uint8_t* block) {
    std::array<std::uint32_t, 80> schedule{};
    for (std::size_t i = 0; i < 16; ++i)
        schedule[i] = BigEndian32(block + 4 * i);
    for (std::size_t i = 16; i < schedule.size(); ++i)
        schedule[i] =
            std::rotl(schedule[i - 3] ^ schedule[i - 8] ^ schedule[i - 14] ^ schedule[i - 16], 1);

    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3], e = state[4];
    for (std::size_t i = 0; i < schedule.size(); ++i) {
        std::uint32_t mixed = 0;
        std::uint32_t constant = 0;
        if (i < 20) {
            mixed = (b & c) | (~b & d);
            constant = 0x5A827999u;
        } else if (i < 40) {
            mixed = b ^ c ^ d;
            constant = 0x6ED9EBA1u;
        } else if (i < 60) {
            mixed = (b & c) | (b & d) | (c & d);
            constant = 0x8F1BBCDCu;
        } else {
            mixed = b ^ c ^ d;
            constant = 0xCA62C1D6u;
        }
        const std::uint32_t next = std::rotl(a, 5) + mixed + e + constant + schedule[i];
        e = d;
        d = c;
        c = std::rotl(b, 30);
        b = a;
        a = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
}

} // namespace

Sha1Digest Sha1(std::span<const std::uint8_t> bytes) {
    State state = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u, 0xC3D2E1F0u};
    const std::size_t wholeBlocks = bytes.size() / BlockSize;
    for (std::size_t block = 0; block < wholeBlocks; ++block)
        Compress(state, bytes.data() + block * BlockSize);

    // The rest, a one bit, zeros and the length: one block, or two when the rest leaves no room
    // for the length.
    std::array<std::uint8_t, 2 * BlockSize> tail{};
    const std::span<const std::uint8_t> rest = bytes.subspan(wholeBlocks * BlockSize);
    std::copy(rest.begin(), rest.end(), tail.begin());
    tail[rest.size()] = 0x80;
    const std::size_t tailSize =
        rest.size() + 1 + LengthSize <= BlockSize ? BlockSize : 2 * BlockSize;
    const std::uint64_t bitLength = std::uint64_t{bytes.size()} * 8;
    for (std::size_t i = 0; i < LengthSize; ++i)
        tail[tailSize - 1 - i] = static_cast<std::uint8_t>(bitLength >> (8 * i));
    for (std::size_t offset = 0; offset < tailSize; offset += BlockSize)
        Compress(state, tail.data() + offset);

    Sha1Digest digest{};
    for (std::size_t word = 0; word < state.size(); ++word)
        for (std::size_t i = 0; i < 4; ++i)
            digest[4 * word + i] = static_cast<std::uint8_t>(state[word] >> (24 - 8 * i));
    return digest;
}

std::string Sha1Hex(std::span<const std::uint8_t> bytes) {
    constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * std::tuple_size_v<Sha1Digest>);
    for (const std::uint8_t byte : Sha1(bytes)) {
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex;
}

} // namespace teamdata
