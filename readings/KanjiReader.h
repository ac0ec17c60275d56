// SPDX-License-Identifier: MIT
#pragma once

#include "CellProblem.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Names written in kanji read as kana with MeCab and its IPADIC dictionary, for the places a name
// comes in (the name keyboard, imports, the command line). The game holds kana, so every reading
// is also given in the game's spelling with the places it takes. Desktop only: the browser build
// has no dictionary and never sees this folder.
namespace readings {

// Debian's package of the dictionary, named wherever a reading was asked for and it is missing.
inline constexpr std::string_view DictionaryPackage = "mecab-ipadic-utf8";
// Where that package puts the dictionary; the variable, when set, names another folder.
inline constexpr std::string_view StandardDictionaryFolder = "/var/lib/mecab/dic/ipadic-utf8";
inline constexpr std::string_view DictionaryFolderVariable = "TOLVANEK_MECAB_DICDIR";
// MeCab's library, opened when the dictionary is loaded (the dictionary's package brings it).
inline constexpr const char* MeCabLibrary = "libmecab.so.2";

// The folder the dictionary is read from: the variable's when set, else the standard one.
[[nodiscard]] std::string DictionaryFolder();

// Whether the text holds a CJK ideograph (iteration mark 々 included): only such a text needs
// reading, anything else goes to the name rules as it is.
[[nodiscard]] bool ContainsKanji(std::string_view text);

// Official spellings often use variant kanji (髙, 﨑, 濵, 德) that the dictionary has no words
// for; their usual forms read the same and are in it.
[[nodiscard]] std::string WithUsualKanji(std::string_view text);

struct NameReading {
    std::string kana;     // as read, in hiragana (ー for a long vowel)
    std::string spelling; // the game's tiles for it, unpadded and uncut: voicing marks apart
    int places = 0;       // the tiles it takes; more than five does not fit
    [[nodiscard]] bool Fits() const;
};

// A reading of a kana text as the game spells it. Empty spelling when a character has no tile.
[[nodiscard]] NameReading ReadingOfKana(std::string_view kana);

struct KanjiReadings {
    enum class Outcome {
        Read,              // at least one reading, best first
        NoKanji,           // nothing to read: the name rules take the text as it is
        Unreadable,        // no reading is made only of kana, letters and digits
        DictionaryMissing, // MeCab or the dictionary in dictionaryFolder cannot be loaded
    };
    Outcome outcome = Outcome::NoKanji;
    std::vector<NameReading> readings;
    std::string dictionaryFolder;
};

// Reads names. The dictionary is loaded when the first text with kanji is read, not before: a
// reader costs nothing until then, and a machine without the dictionary only learns it then.
// Not for use from two threads at once.
class KanjiReader {
public:
    explicit KanjiReader(std::string dictionaryFolder = DictionaryFolder());
    ~KanjiReader();
    KanjiReader(const KanjiReader&) = delete;
    KanjiReader& operator=(const KanjiReader&) = delete;

    [[nodiscard]] KanjiReadings Read(std::string_view text);
    [[nodiscard]] bool DictionaryLoaded() const;

private:
    struct MeCabParts;
    std::string dictionaryFolder_;
    std::unique_ptr<MeCabParts> mecab_;
    bool loadFailed_ = false;
};

// The reader the window shares among its dialogs, for the dictionary folder named now; the
// dictionary still loads only when a kanji is met.
[[nodiscard]] KanjiReader& SharedKanjiReader();
// Whether any reader of this process has loaded the dictionary: start-up must not.
[[nodiscard]] bool AnyDictionaryLoaded();

// The reader as the import's plan takes it, so that the core stays free of MeCab: the readings in
// kana, best first, for a text with kanji.
[[nodiscard]] teamdata::KanjiNameReader KanjiNameReaderOf(KanjiReader& reader);

} // namespace readings
