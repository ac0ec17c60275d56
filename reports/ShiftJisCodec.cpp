// SPDX-License-Identifier: MIT
#include "ShiftJisCodec.h"

#include "ShiftJisTable.h"

#include <algorithm>
#include <cstdint>

namespace reports {

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char16_t HalfWidthKatakanaOffset = 0xFF61 - 0xA1;

bool IsLeadByte(unsigned byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsHalfWidthKatakana(unsigned byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point that starts at text[at] and its length in bytes; a length of 0 when the bytes
// there are no UTF-8 (an overlong form, a surrogate, a cut-off sequence).
struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0;
};

Utf8Character ReadUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
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
        return {};
    }
    if (length > text.size() - at)
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = code << 6 | (next & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

std::size_t LeadIndex(unsigned lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

} // namespace

std::string EncodeShiftJis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Character character = ReadUtf8(utf8, at);
        if (character.length == 0) {
            out += '?';
            ++at;
            continue;
        }
        at += character.length;
        const char32_t code = character.code;
        if (code < 0x80) {
            out += static_cast<char>(code);
            continue;
        }
        if (code >= 0xFF61 && code <= 0xFF9F) {
            out += static_cast<char>(code - HalfWidthKatakanaOffset);
            continue;
        }
        const auto& table = shift_jis_table::Encodings;
        const auto found =
            std::lower_bound(table.begin(), table.end(), code,
                             [](const shift_jis_table::Encoding& entry, char32_t wanted) {
                                 return entry.character < wanted;
                             });
        if (code > 0xFFFF || found == table.end() || found->character != code) {
            out += '?';
            continue;
        }
        out += static_cast<char>(found->bytes >> 8);
        out += static_cast<char>(found->bytes & 0xFF);
    }
    return out;
}

std::string DecodeShiftJis(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        if (IsHalfWidthKatakana(byte)) {
            AppendUtf8(out, byte + HalfWidthKatakanaOffset);
            ++at;
            continue;
        }
        if (!IsLeadByte(byte) || at + 1 == bytes.size()) {
            AppendUtf8(out, Replacement);
            ++at;
            continue;
        }
        const auto trail = static_cast<unsigned char>(bytes[at + 1]);
        if (!IsTrailByte(trail)) {
            // The byte after is read again on its own: a lead byte cut off before a comma or a
            // line end must not take that with it.
            AppendUtf8(out, Replacement);
            ++at;
            continue;
        }
        const char16_t character =
            shift_jis_table::DoubleByte[LeadIndex(byte) * shift_jis_table::TrailCount +
                                        (trail - 0x40u)];
        AppendUtf8(out, character != 0 ? character : Replacement);
        at += 2;
    }
    return out;
}

} // namespace reports
