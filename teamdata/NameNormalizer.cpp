// SPDX-License-Identifier: MIT
#include "NameNormalizer.h"

#include "Utf8.h"

#include "ImageLayout.h"
#include "NameCodec.h"

#include <algorithm>
#include <array>
#include <vector>

namespace teamdata {

namespace {

// The game writes a voiced kana as the plain kana followed by a mark tile.
struct VoicedKana {
    char32_t composed;
    char32_t plain;
    char32_t mark;
};

constexpr char32_t VoicedMark = U'゛';
constexpr char32_t SemiVoicedMark = U'゜';
constexpr char32_t NameSpace = U'　';

constexpr std::array<VoicedKana, 30> VoicedKanas = {{
    {U'が', U'か', VoicedMark},
    {U'ぎ', U'き', VoicedMark},
    {U'ぐ', U'く', VoicedMark},
    {U'げ', U'け', VoicedMark},
    {U'ご', U'こ', VoicedMark},
    {U'ざ', U'さ', VoicedMark},
    {U'じ', U'し', VoicedMark},
    {U'ず', U'す', VoicedMark},
    {U'ぜ', U'せ', VoicedMark},
    {U'ぞ', U'そ', VoicedMark},
    {U'だ', U'た', VoicedMark},
    {U'ぢ', U'ち', VoicedMark},
    {U'づ', U'つ', VoicedMark},
    {U'で', U'て', VoicedMark},
    {U'ど', U'と', VoicedMark},
    {U'ば', U'は', VoicedMark},
    {U'び', U'ひ', VoicedMark},
    {U'ぶ', U'ふ', VoicedMark},
    {U'べ', U'へ', VoicedMark},
    {U'ぼ', U'ほ', VoicedMark},
    {U'ぱ', U'は', SemiVoicedMark},
    {U'ぴ', U'ひ', SemiVoicedMark},
    {U'ぷ', U'ふ', SemiVoicedMark},
    {U'ぺ', U'へ', SemiVoicedMark},
    {U'ぽ', U'ほ', SemiVoicedMark},
    {U'ゔ', U'う', VoicedMark},
    // Katakana with no hiragana counterpart of their own; ゐ and ゑ have no tile, so the middle
    // two are refused like their plain forms.
    {U'ヷ', U'わ', VoicedMark},
    {U'ヸ', U'ゐ', VoicedMark},
    {U'ヹ', U'ゑ', VoicedMark},
    {U'ヺ', U'を', VoicedMark},
}};

struct SmallKana {
    char32_t small;
    char32_t large;
};

constexpr std::array<SmallKana, 12> SmallKanas = {{
    {U'ぁ', U'あ'},
    {U'ぃ', U'い'},
    {U'ぅ', U'う'},
    {U'ぇ', U'え'},
    {U'ぉ', U'お'},
    {U'っ', U'つ'},
    {U'ゃ', U'や'},
    {U'ゅ', U'ゆ'},
    {U'ょ', U'よ'},
    {U'ゎ', U'わ'},
    {U'ゕ', U'か'},
    {U'ゖ', U'け'},
}};

// Half-width katakana U+FF66..U+FF9D in code order; their voicing marks follow at U+FF9E/F.
constexpr std::u32string_view HalfWidthKatakana =
    U"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモ"
    U"ヤユヨラリルレロワン";
static_assert(HalfWidthKatakana.size() == 0xFF9D - 0xFF66 + 1);

constexpr char32_t CombiningVoicedMark = 0x3099;
constexpr char32_t CombiningSemiVoicedMark = 0x309A;

bool IsTileChar(char32_t c) {
    const std::string text = Utf8Of(c);
    return text != PlaceholderChar &&
           std::find(TileCharTable.begin(), TileCharTable.end(), text) != TileCharTable.end();
}

// The tile character a character stands for when it takes one tile; characters with no other
// form come back as they are, to be checked against the table.
char32_t SingleTileChar(char32_t c) {
    if (c >= U'0' && c <= U'9')
        return c - U'0' + U'０';
    if (c >= U'A' && c <= U'Z')
        return c - U'A' + U'Ａ';
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'Ａ';
    if (c >= U'ａ' && c <= U'ｚ')
        return c - U'ａ' + U'Ａ';
    switch (c) {
    case U' ':
        return NameSpace;
    case U'.':
        return U'．';
    case U'-':
    case U'ー':
    case U'−':
        return U'－';
    case CombiningVoicedMark:
    case U'ﾞ':
        return VoicedMark;
    case CombiningSemiVoicedMark:
    case U'ﾟ':
        return SemiVoicedMark;
    default:
        return c;
    }
}

// The tiles of one input character: none when it has no tile.
struct Folded {
    std::array<char32_t, 2> tiles{};
    int count = 0;
    bool small = false;
};

Folded Fold(char32_t c) {
    if (c >= 0xFF66 && c <= 0xFF9D)
        c = HalfWidthKatakana[c - 0xFF66];
    // Katakana ァ..ヶ lie exactly 0x60 above the hiragana ぁ..ゖ, in the same order.
    if (c >= U'ァ' && c <= U'ヶ')
        c -= 0x60;
    for (const VoicedKana& kana : VoicedKanas)
        if (kana.composed == c)
            return IsTileChar(kana.plain) ? Folded{{kana.plain, kana.mark}, 2, false} : Folded{};
    for (const SmallKana& kana : SmallKanas)
        if (kana.small == c)
            return {{kana.large, 0}, 1, true};
    const char32_t tile = SingleTileChar(c);
    if (!IsTileChar(tile))
        return {};
    return {{tile, 0}, 1, false};
}

// A text read character by character into tiles, spaces at either end dropped.
struct Reading {
    std::vector<char32_t> tiles;
    bool small = false;
    std::string refused; // the first character without a tile, as the input holds it
    int refusedAt = 0;   // its 1-based position; 0 when every character has tiles
};

// With `countRefused`, a refused character takes one tile of its own (0 stands for it) and the
// reading goes on.
Reading Read(std::string_view text, bool countRefused) {
    Reading reading;
    int position = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char next = NextUtf8Char(text, at);
        ++position;
        const Folded folded = next.valid ? Fold(next.code) : Folded{};
        if (folded.count == 0) {
            if (reading.refusedAt == 0) {
                reading.refused = std::string(text.substr(at, next.length));
                reading.refusedAt = position;
            }
            if (!countRefused)
                return reading;
            reading.tiles.push_back(0);
        }
        for (int i = 0; i < folded.count; ++i)
            reading.tiles.push_back(folded.tiles[static_cast<std::size_t>(i)]);
        reading.small = reading.small || folded.small;
        at += next.length;
    }
    std::vector<char32_t>& tiles = reading.tiles;
    while (!tiles.empty() && tiles.back() == NameSpace)
        tiles.pop_back();
    const auto firstNonSpace =
        std::find_if(tiles.begin(), tiles.end(), [](char32_t tile) { return tile != NameSpace; });
    tiles.erase(tiles.begin(), firstNonSpace);
    return reading;
}

} // namespace

NameNormalization NormalizeName(std::string_view text) {
    NameNormalization result;
    NameTiles asStored{};
    if (EncodeName(text, asStored)) {
        result.name = std::string(text);
        return result;
    }
    const Reading reading = Read(text, false);
    if (reading.refusedAt != 0) {
        result.outcome = NameNormalization::Outcome::UnknownCharacter;
        result.character = reading.refused;
        result.position = reading.refusedAt;
        return result;
    }
    const int tiles = static_cast<int>(reading.tiles.size());
    if (tiles > NameTileCount) {
        result.outcome = NameNormalization::Outcome::TooLong;
        result.tiles = tiles;
        return result;
    }
    for (char32_t tile : reading.tiles)
        result.name += Utf8Of(tile);
    for (int i = tiles; i < NameTileCount; ++i)
        result.name += NameSpaceChar;
    result.changed = result.name != text;
    result.spellingChanged = reading.small;
    return result;
}

std::string NameForDisplay(std::string_view name) {
    std::string shown;
    char32_t last = 0; // the character written last
    for (std::size_t at = 0; at < name.size();) {
        const Utf8Char next = NextUtf8Char(name, at);
        const std::string_view written = name.substr(at, next.length);
        at += next.length;
        const char32_t c = next.valid ? next.code : 0;
        const bool afterHiragana = last >= U'ぁ' && last <= U'ゖ';
        if (afterHiragana && (c == VoicedMark || c == SemiVoicedMark)) {
            // Hiragana only: the game writes no katakana, so its わ゛ is no ヷ.
            const auto voiced =
                std::find_if(VoicedKanas.begin(), VoicedKanas.end(), [&](const VoicedKana& kana) {
                    return kana.plain == last && kana.mark == c && kana.composed <= U'ゖ';
                });
            if (voiced != VoicedKanas.end()) {
                shown.resize(shown.size() - Utf8Of(last).size());
                last = voiced->composed;
                shown += Utf8Of(last);
                continue;
            }
        }
        if (c == U'－' && (afterHiragana || last == U'ー')) {
            last = U'ー';
            shown += Utf8Of(last);
            continue;
        }
        shown += written;
        last = c;
    }
    return shown;
}

int NameTilesNeeded(std::string_view text) {
    return static_cast<int>(Read(text, true).tiles.size());
}

std::optional<std::string> NameTileSpelling(std::string_view text) {
    const Reading reading = Read(text, false);
    if (reading.refusedAt != 0)
        return std::nullopt;
    std::string spelling;
    for (char32_t tile : reading.tiles)
        spelling += Utf8Of(tile);
    return spelling;
}

NameNormalization NormalizeTypedName(std::string_view text) {
    constexpr std::string_view Space = " ";
    constexpr std::string_view WideSpace = "\u3000";
    const auto spaceAt = [&](std::size_t at) {
        return text.substr(at, Space.size()) == Space           ? Space.size()
               : text.substr(at, WideSpace.size()) == WideSpace ? WideSpace.size()
                                                                : 0;
    };
    int lead = 0;
    std::size_t begin = 0;
    while (const std::size_t size = spaceAt(begin)) {
        begin += size;
        ++lead;
    }
    int trail = 0;
    std::size_t end = text.size();
    while (end > begin) {
        if (end >= Space.size() + begin && text.substr(end - Space.size(), Space.size()) == Space)
            end -= Space.size();
        else if (end >= WideSpace.size() + begin &&
                 text.substr(end - WideSpace.size(), WideSpace.size()) == WideSpace)
            end -= WideSpace.size();
        else
            break;
        ++trail;
    }
    NameNormalization typed;
    std::string name;
    if (end > begin) {
        typed = NormalizeName(text.substr(begin, end - begin));
        if (typed.outcome != NameNormalization::Outcome::Accepted)
            return typed;
        name = typed.name;
        while (name.size() >= WideSpace.size() &&
               std::string_view(name).substr(name.size() - WideSpace.size()) == WideSpace)
            name.resize(name.size() - WideSpace.size());
    }
    std::string spaced;
    for (int i = 0; i < lead; ++i)
        spaced += WideSpace;
    spaced += name;
    for (int i = 0; i < trail; ++i)
        spaced += WideSpace;
    const auto places = std::count_if(spaced.begin(), spaced.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    });
    if (places > NamePlaces) {
        typed.outcome = NameNormalization::Outcome::TooLong;
        typed.tiles = NameTilesNeeded(spaced);
        return typed;
    }
    typed.outcome = NameNormalization::Outcome::Accepted;
    typed.changed = spaced != text;
    typed.name = std::move(spaced);
    return typed;
}

} // namespace teamdata
