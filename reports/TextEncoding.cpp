// SPDX-License-Identifier: MIT
#include "TextEncoding.h"

#include <algorithm>
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
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return TextEncoding::Utf16;
    std::size_t zeros = 0;
    std::size_t zerosAtOddPlaces = 0;
    std::size_t zerosAtEvenPlaces = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\0')
            continue;
        ++zeros;
        ++(i % 2 == 0 ? zerosAtEvenPlaces : zerosAtOddPlaces);
    }
    if (zeros == 0)
        return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
    // UTF-16 without a byte-order mark: the high byte of every ASCII character is zero, so most
    // zeros fall on one side (U+3000, the full-width space, puts one on the other).
    const std::size_t oneSide = std::max(zerosAtEvenPlaces, zerosAtOddPlaces);
    const bool utf16 = oneSide * 4 >= zeros * 3;
    return utf16 ? TextEncoding::Utf16 : TextEncoding::NotText;
}

} // namespace reports
