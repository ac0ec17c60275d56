// SPDX-License-Identifier: MIT
#include "TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace reports {

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1Fu;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0Fu;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07u;
            least = 0x10000;
        } else {
            return false;
        }
        if (length > text.size() - i)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3Fu);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

TextEncoding GuessTextEncoding(std::string_view bytes) {
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return TextEncoding::Utf32;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16;
    std::size_t zeros = 0;
    std::array<std::size_t, 4> zerosAt{}; // by place in a group of four bytes
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\0')
            continue;
        ++zeros;
        ++zerosAt[i % 4];
    }
    if (zeros == 0)
        return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    // UTF-32 gives every character below U+10000 two zero bytes side by side (the upper two of
    // little-endian units, the first two of big-endian ones) and a lowest byte that is mostly
    // not zero.
    const std::size_t units = bytes.size() / 4;
    const auto nearlyAll = [units](std::size_t count) {
        return units > 0 && count * 8 >= units * 7;
    };
    const auto few = [units](std::size_t count) {
        return count * 2 < units;
    };
    if ((nearlyAll(zerosAt[2]) && nearlyAll(zerosAt[3]) && few(zerosAt[0])) ||
        (nearlyAll(zerosAt[0]) && nearlyAll(zerosAt[1]) && few(zerosAt[3])))
        return TextEncoding::Utf32;
    // UTF-16 without a byte-order mark: the high byte of every ASCII character is zero, so most
    // zeros fall on one side (U+3000, the full-width space, puts one on the other), and there
    // are many of them.
    const std::size_t even = zerosAt[0] + zerosAt[2];
    const std::size_t odd = zerosAt[1] + zerosAt[3];
    const bool oneSide = std::max(even, odd) * 4 >= zeros * 3;
    const bool many = zeros * 8 >= bytes.size();
    return oneSide && many ? TextEncoding::Utf16 : TextEncoding::NotText;
}

int LineOfFirstZeroByte(std::string_view bytes) {
    const std::size_t zero = bytes.find('\0');
    if (zero == std::string_view::npos)
        return 0;
    return 1 + static_cast<int>(std::count(
                   bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(zero), '\n'));
}

} // namespace reports
