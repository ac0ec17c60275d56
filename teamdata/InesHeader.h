// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The 16-byte header in front of a cartridge's data, as the three forms in use write it. Images of
// one cartridge from different sources often differ in nothing but this header, so the program
// names the form and can rewrite a header in the standard ones.
namespace teamdata {

using InesHeaderData = std::array<std::uint8_t, InesHeaderBytes>;

enum class InesKind {
    Ines10,  // iNES 1.0: bytes 7's format bits clear and bytes 12 to 15 zero
    Nes20,   // NES 2.0: byte 7 marks it, with sizes and mapper extended by bytes 8 and 9
    Archaic, // an early iNES writer's: text or other bytes where later forms have fields
};

struct InesHeader {
    InesKind kind = InesKind::Ines10;
    std::uint64_t programSize = 0;   // program data in bytes, as declared
    std::uint64_t characterSize = 0; // character data in bytes, as declared
    int mapper = 0;
    bool trainer = false;
};

// Empty for a file too short for a header or without the iNES magic.
[[nodiscard]] std::optional<InesHeader> ReadInesHeader(std::span<const std::uint8_t> image);

// The same cartridge's header written as plain iNES 1.0 (NES 2.0 marks cleared, bytes 8 to 15
// zero) and as NES 2.0 declaring the same sizes and mapper. Empty where the form cannot say what
// the header says (sizes that are no whole number of banks, a mapper beyond the form's reach).
[[nodiscard]] std::optional<InesHeaderData> AsInes10(std::span<const std::uint8_t> image);
[[nodiscard]] std::optional<InesHeaderData> AsNes20(std::span<const std::uint8_t> image);

} // namespace teamdata
