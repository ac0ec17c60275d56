// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Names as people write them (hiragana or katakana, a voiced kana as one character, letters and
// digits of either width) turned into the game's name text: five characters of TileCharTable.
namespace teamdata {

struct NameNormalization {
    enum class Outcome { Accepted, UnknownCharacter, TooLong };
    Outcome outcome = Outcome::Accepted;
    // The five characters of the game's name, when Accepted.
    std::string name;
    // The name differs from the input in any way, padding and width included.
    bool changed = false;
    // Small kana were written as large ones: the game has no small kana, so this is the one change
    // that alters the spelling rather than the form.
    bool spellingChanged = false;
    // For UnknownCharacter: the refused character as the input holds it (for bytes that are not
    // UTF-8, the one byte that cannot start or continue a character) and its 1-based position,
    // counted in characters of the input, combining marks and leading spaces included.
    std::string character;
    int position = 0;
    // For TooLong: the tiles the name would need (a voiced kana takes two).
    int tiles = 0;
};

// A text that already is a game name (five table characters, see EncodeName) comes back as it is,
// so that every name the image can hold survives a round trip, a leading blank included.
// Otherwise: voiced and semi-voiced kana become the plain kana and a mark, katakana become
// hiragana, small kana become large ones, long vowel marks and hyphens become "－", ASCII and
// lower-case letters become full-width capitals, half-width katakana are read as katakana; spaces
// at either end are dropped and the name is filled up to five with "　". The empty text gives the
// blank name. The first character that has no tile is refused before a length is judged.
[[nodiscard]] NameNormalization NormalizeName(std::string_view text);

// How the program's own screens and pages show a game name: a kana followed by its voicing mark
// as the one voiced kana (か゛ reads が, ほ゜ reads ぽ) and a "－" after a kana as the long vowel
// mark "ー", so that ほ゜－る reads ぽーる whatever the font makes of the marks. Everything else,
// the padding included, is kept; NormalizeName turns the result back into the same tiles. Files
// that other programs read keep the game's own spelling.
[[nodiscard]] std::string NameForDisplay(std::string_view name);

// The tiles a text takes once normalized, spaces at either end not counted and a character
// without a tile counted as one: what a typing box can show against the five tiles of a name.
[[nodiscard]] int NameTilesNeeded(std::string_view text);

// The tiles a text becomes as NormalizeName spells it, neither padded nor cut to five: what a
// reading of a name shows before the user picks one. Nothing when a character has no tile.
[[nodiscard]] std::optional<std::string> NameTileSpelling(std::string_view text);

// A name as the name box holds it while the user types: spaces at either end kept as places of
// the name (as full-width spaces), what lies between them through NormalizeName, unpadded. A
// refused text (outcome UnknownCharacter or TooLong, with its character or tiles) leaves the box
// as it was; so does one of more than NamePlaces places.
inline constexpr int NamePlaces = 5;
[[nodiscard]] NameNormalization NormalizeTypedName(std::string_view text);

} // namespace teamdata
