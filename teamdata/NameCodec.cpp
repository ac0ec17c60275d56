// SPDX-License-Identifier: MIT
#include "NameCodec.h"

#include <cstddef>
#include <utility>

namespace teamdata {

const std::array<std::string_view, TileCharCount> TileCharTable = {
    "０", "１", "２", "３", "４", "５", "６", "７", "８", "９", // 0..9
    "Ａ", "Ｂ", "Ｃ", "Ｄ", "Ｅ", "Ｆ", "Ｇ", "Ｈ", "Ｉ", "Ｊ", // 10..19
    "Ｋ", "Ｌ", "Ｍ", "Ｎ", "Ｏ", "Ｐ", "Ｑ", "Ｒ", "Ｓ", "Ｔ", // 20..29
    "Ｕ", "Ｖ", "Ｗ", "Ｘ", "Ｙ", "Ｚ", "　", "．", "＊", "＊", // 30..39
    "あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", // 40..49
    "さ", "し", "す", "せ", "そ", "た", "ち", "つ", "て", "と", // 50..59
    "な", "に", "ぬ", "ね", "の", "は", "ひ", "ふ", "へ", "ほ", // 60..69
    "ま", "み", "む", "め", "も", "や", "ゆ", "よ", "ら", "り", // 70..79
    "る", "れ", "ろ", "わ", "を", "ん", "゛", "゜", "＊", "＊", // 80..89
    "＊", "＊", "＊", "＊", "＊", "＊", "＊", "－",             // 90..97
};

namespace {

// The character of a tile, or nothing for placeholders and codes beyond the table.
std::string_view TileChar(std::uint8_t code) {
    if (code >= TileCharCount || TileCharTable[code] == PlaceholderChar)
        return {};
    return TileCharTable[code];
}

// Length in bytes of the UTF-8 sequence that starts with `lead`; 0 for a byte that cannot start
// one. Only the length matters here: the table lookup decides whether the character is valid.
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// The tile code of one character, or -1 when the table has no such entry. Placeholders are
// refused before the lookup so that the lookup can only land on a real character.
int TileCode(std::string_view character) {
    if (character == PlaceholderChar)
        return -1;
    for (int code = 0; code < TileCharCount; ++code)
        if (TileCharTable[static_cast<std::size_t>(code)] == character)
            return code;
    return -1;
}

} // namespace

bool DecodeName(const NameTiles& tiles, std::string& name) {
    std::string text;
    for (std::uint8_t code : tiles) {
        const std::string_view character = TileChar(code);
        if (character.empty())
            return false;
        text += character;
    }
    name = std::move(text);
    return true;
}

bool EncodeName(std::string_view name, NameTiles& tiles) {
    NameTiles codes{};
    std::size_t position = 0;
    for (std::uint8_t& code : codes) {
        if (position >= name.size())
            return false;
        const std::size_t length = Utf8SequenceLength(static_cast<unsigned char>(name[position]));
        if (length == 0 || length > name.size() - position)
            return false;
        const int found = TileCode(name.substr(position, length));
        if (found < 0)
            return false;
        code = static_cast<std::uint8_t>(found);
        position += length;
    }
    if (position != name.size())
        return false;
    tiles = codes;
    return true;
}

std::string DecodeNameForDisplay(const NameTiles& tiles) {
    std::string text;
    for (std::uint8_t code : tiles) {
        const std::string_view character = TileChar(code);
        text += character.empty() ? PlaceholderChar : character;
    }
    return text;
}

} // namespace teamdata
