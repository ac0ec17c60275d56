// SPDX-License-Identifier: MIT
// The kanji reader on arbitrary bytes, with the real dictionary (mecab-ipadic-utf8): a text is
// read as a name typed, pasted or imported would be. Nothing crashes or reads past the text, a
// text without kanji is never handed to MeCab, and every reading offered is kana the game can
// spell, its places counted as the name rules count them.

#include "KanjiReader.h"
#include "NameNormalizer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static readings::KanjiReader reader;
    // A copy of exactly the input, so that a read past it is caught.
    const auto copy = std::make_unique<char[]>(size);
    std::copy(data, data + size, copy.get());
    const std::string_view text(copy.get(), size);

    const readings::KanjiReadings read = reader.Read(text);
    using Outcome = readings::KanjiReadings::Outcome;
    Check(read.outcome != Outcome::DictionaryMissing);
    if (read.outcome == Outcome::Read) {
        Check(readings::ContainsKanji(text));
        Check(!read.readings.empty());
    } else {
        Check(read.readings.empty());
    }
    for (const readings::NameReading& reading : read.readings) {
        Check(!reading.spelling.empty());
        Check(teamdata::NameTileSpelling(reading.kana) == reading.spelling);
        Check(reading.places == teamdata::NameTilesNeeded(reading.kana));
        Check(reading.Fits() == (reading.places <= 5));
    }
    (void)readings::WithUsualKanji(text);
    return 0;
}
