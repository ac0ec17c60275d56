// SPDX-License-Identifier: MIT
// EncodeName and DecodeName on arbitrary bytes. The whole input, taken as a text that is not
// NUL-terminated (so that reading one byte past it trips AddressSanitizer), is offered to the
// encoder: an accepted text is five table characters and decodes back to itself. The first five
// bytes, taken as tiles, decode exactly when each has a character, and then encode back to
// themselves; the display form always has five characters and is refused by the encoder exactly
// when a tile has none. The same text is offered to the name normalizer: whatever it accepts
// encodes and normalizes to itself, a game name comes back as it is, and a refusal points at a
// character of the input or counts more than five tiles.

#include "FuzzSupport.h"

#include "NameCodec.h"
#include "NameNormalizer.h"
#include "TRomTeamData.h"

#include <memory>
#include <string>
#include <string_view>

using namespace teamdata;
using fuzzsupport::IsNameTile;

namespace {

// Length of the UTF-8 text in characters; every table character is one.
std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

void CheckEncoding(std::string_view text) {
    const TRomTeamData rom;
    NameTiles tiles{};
    tiles.fill(0xEE);
    const bool accepted = EncodeName(text, tiles);
    NameTiles memberTiles{};
    FUZZ_CHECK(rom.EncodeName(text, memberTiles) == accepted);
    if (!accepted) {
        FUZZ_CHECK(tiles == NameTiles{0xEE, 0xEE, 0xEE, 0xEE, 0xEE});
        return;
    }
    FUZZ_CHECK(memberTiles == tiles);
    FUZZ_CHECK(CharacterCount(text) == 5);
    for (std::uint8_t tile : tiles)
        FUZZ_CHECK(IsNameTile(tile));
    std::string decoded;
    FUZZ_CHECK(DecodeName(tiles, decoded));
    FUZZ_CHECK(decoded == text);
    FUZZ_CHECK(DecodeNameForDisplay(tiles) == text);
}

void CheckNormalizing(std::string_view text) {
    const NameNormalization result = NormalizeName(text);
    NameTiles tiles{};
    switch (result.outcome) {
    case NameNormalization::Outcome::Accepted: {
        FUZZ_CHECK(EncodeName(result.name, tiles));
        FUZZ_CHECK(result.changed == (result.name != text));
        FUZZ_CHECK(!result.spellingChanged || result.changed);
        if (EncodeName(text, tiles))
            FUZZ_CHECK(result.name == text);
        const NameNormalization again = NormalizeName(result.name);
        FUZZ_CHECK(again.outcome == NameNormalization::Outcome::Accepted);
        FUZZ_CHECK(again.name == result.name && !again.changed && !again.spellingChanged);
        // The form the screens show reads back as the same name, a leading blank (which
        // normalizing drops in any form) aside.
        if (!result.name.starts_with(NameSpaceChar)) {
            const NameNormalization shown = NormalizeName(NameForDisplay(result.name));
            FUZZ_CHECK(shown.outcome == NameNormalization::Outcome::Accepted);
            FUZZ_CHECK(shown.name == result.name && !shown.spellingChanged);
        }
        FUZZ_CHECK(NameTilesNeeded(text) <= NameTileCount);
        break;
    }
    case NameNormalization::Outcome::UnknownCharacter:
        FUZZ_CHECK(!result.character.empty() &&
                   text.find(result.character) != std::string_view::npos);
        FUZZ_CHECK(result.position >= 1 &&
                   static_cast<std::size_t>(result.position) <= text.size());
        break;
    case NameNormalization::Outcome::TooLong:
        FUZZ_CHECK(result.tiles > NameTileCount && NameTilesNeeded(text) == result.tiles);
        break;
    }
}

void CheckDecoding(const NameTiles& tiles) {
    const TRomTeamData rom;
    bool allNameTiles = true;
    for (std::uint8_t tile : tiles)
        allNameTiles = allNameTiles && IsNameTile(tile);

    std::string decoded = "unchanged";
    const bool ok = DecodeName(tiles, decoded);
    std::string memberDecoded;
    FUZZ_CHECK(rom.DecodeName(tiles, memberDecoded) == ok);
    FUZZ_CHECK(ok == allNameTiles);
    const std::string shown = DecodeNameForDisplay(tiles);
    FUZZ_CHECK(CharacterCount(shown) == 5);
    NameTiles back{};
    FUZZ_CHECK(EncodeName(shown, back) == ok);
    if (ok) {
        FUZZ_CHECK(decoded == shown && memberDecoded == shown);
        FUZZ_CHECK(back == tiles);
    } else {
        FUZZ_CHECK(decoded == "unchanged");
        FUZZ_CHECK(shown.find(PlaceholderChar) != std::string::npos);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy: the codec gets a view with nothing readable behind its last byte.
    const auto text = std::make_unique<char[]>(size == 0 ? 1 : size);
    std::copy(data, data + size, text.get());
    CheckEncoding(std::string_view(text.get(), size));
    CheckNormalizing(std::string_view(text.get(), size));

    NameTiles tiles{};
    for (std::size_t i = 0; i < tiles.size() && i < size; ++i)
        tiles[i] = data[i];
    CheckDecoding(tiles);
    return 0;
}
