// SPDX-License-Identifier: MIT
#include "KanjiReader.h"

#include "NameNormalizer.h"
#include "Utf8.h"

#include <mecab.h>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <utility>

namespace readings {

namespace {

// A longer text is no name; MeCab would read it all the same, only slower.
constexpr std::size_t LongestText = 256;
// Paths of the lattice looked at, best first: enough for the rare readings of a surname
// (上林 has four) without reading sentences into a name.
constexpr int PathsLookedAt = 24;
constexpr int PlacesOfAName = 5;

std::atomic<bool> anyLoaded{false};

using teamdata::NextUtf8Char;
using teamdata::Utf8Char;
using teamdata::Utf8Of;

bool ValidUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char next = NextUtf8Char(text, at);
        if (!next.valid)
            return false;
        at += next.length;
    }
    return true;
}

bool IsKanji(char32_t c) {
    return c == U'々' || c == U'〆' || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

struct VariantKanji {
    char32_t variant;
    char32_t usual;
};

// Only variants the dictionary has no names with: 渡邊, 齋藤, 濱田 and 澤村 it reads as written.
constexpr VariantKanji VariantKanjis[] = {
    {U'髙', U'高'},
    {U'﨑', U'崎'},
    {U'嵜', U'崎'},
    {U'濵', U'浜'},
    {U'德', U'徳'},
    {U'栁', U'柳'},
    {U'瀨', U'瀬'},
    {U'黑', U'黒'},
    {U'增', U'増'},
    {U'桒', U'桑'},
    {U'眞', U'真'},
    {U'邨', U'村'},
    {U'𠮷', U'吉'},
    {U'靑', U'青'},
    {U'淸', U'清'},
    {U'藏', U'蔵'},
    {U'龜', U'亀'},
    {U'榮', U'栄'},
    {U'條', U'条'},
    {U'顯', U'顕'},
    {U'禮', U'礼'},
    {U'壽', U'寿'},
    {U'萬', U'万'},
    {U'會', U'会'},
    {U'圓', U'円'},
    {U'槗', U'橋'},
    {U'晉', U'晋'},
    // CJK compatibility ideographs, as some fonts and input methods give them.
    {U'\uFA10', U'塚'},
    {U'\uFA19', U'神'},
    {U'\uFA1B', U'福'},
    {U'\uFA26', U'都'},
};

// The katakana ァ..ヶ lie 0x60 above the hiragana ぁ..ゖ, in the same order.
std::string Hiragana(std::string_view katakana) {
    std::string out;
    for (std::size_t at = 0; at < katakana.size();) {
        const Utf8Char next = NextUtf8Char(katakana, at);
        char32_t c = next.code;
        if (c >= U'ァ' && c <= U'ヶ')
            c -= 0x60;
        out += next.valid ? Utf8Of(c) : std::string(katakana.substr(at, next.length));
        at += next.length;
    }
    return out;
}

// The comma-separated field `index` of a MeCab feature, or empty.
std::string_view Field(std::string_view feature, int index) {
    for (int i = 0; i < index; ++i) {
        const std::size_t comma = feature.find(',');
        if (comma == std::string_view::npos)
            return {};
        feature.remove_prefix(comma + 1);
    }
    return feature.substr(0, feature.find(','));
}

// IPADIC: 品詞,細分類1,細分類2,細分類3,活用型,活用形,原形,読み,発音.
constexpr int ReadingField = 7;

bool IsPersonName(const MeCab::Node* node) {
    return Field(node->feature, 2) == "人名";
}

bool IsSurname(const MeCab::Node* node) {
    return IsPersonName(node) && Field(node->feature, 3) == "姓";
}

// A word's reading; a word the dictionary does not know reads as written when the game can
// spell it as it stands (kana, letters, digits), and not at all otherwise.
std::string WordReading(const MeCab::Node* node, bool& readable) {
    const std::string_view surface(node->surface, node->length);
    if (node->stat != MECAB_UNK_NODE) {
        const std::string_view reading = Field(node->feature, ReadingField);
        if (!reading.empty() && reading != "*")
            return Hiragana(reading);
    }
    for (std::size_t at = 0; at < surface.size();) {
        const Utf8Char next = NextUtf8Char(surface, at);
        if (IsKanji(next.code))
            readable = false;
        at += next.length;
    }
    return Hiragana(surface);
}

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](std::string_view rest) {
        return rest.starts_with(' ') || rest.starts_with('\t') || rest.starts_with("　");
    };
    while (isSpace(text))
        text.remove_prefix(text.starts_with(' ') || text.starts_with('\t') ? 1 : 3);
    while (text.ends_with(' ') || text.ends_with('\t') || text.ends_with("　"))
        text.remove_suffix(text.ends_with("　") ? 3 : 1);
    return text;
}

} // namespace

std::string DictionaryFolder() {
    const char* set = std::getenv(std::string(DictionaryFolderVariable).c_str());
    return set != nullptr ? std::string(set) : std::string(StandardDictionaryFolder);
}

bool ContainsKanji(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char next = NextUtf8Char(text, at);
        if (next.valid && IsKanji(next.code))
            return true;
        at += next.length;
    }
    return false;
}

std::string WithUsualKanji(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Char next = NextUtf8Char(text, at);
        const auto variant =
            std::find_if(std::begin(VariantKanjis), std::end(VariantKanjis),
                         [&](const VariantKanji& kanji) { return kanji.variant == next.code; });
        if (next.valid && variant != std::end(VariantKanjis))
            out += Utf8Of(variant->usual);
        else
            out += text.substr(at, next.length);
        at += next.length;
    }
    return out;
}

bool NameReading::Fits() const {
    return !spelling.empty() && places <= PlacesOfAName;
}

NameReading ReadingOfKana(std::string_view kana) {
    NameReading reading;
    reading.kana = std::string(kana);
    reading.places = teamdata::NameTilesNeeded(kana);
    if (auto spelling = teamdata::NameTileSpelling(kana))
        reading.spelling = std::move(*spelling);
    return reading;
}

namespace {

// MeCab's library is opened with the dictionary, not linked: the editor starts without mapping
// it, and a machine without it still runs everything but the readings. Every other call MeCab
// takes is virtual and goes through the objects the model makes.
using ModelMaker = MeCab::Model* (*)(int, char**);

ModelMaker MeCabModelMaker() {
    static const ModelMaker maker = []() -> ModelMaker {
        void* library = dlopen(MeCabLibrary, RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return nullptr;
        // The C interface's model is the C++ one behind the same pointer.
        void* symbol = dlsym(library, "mecab_model_new");
        if (symbol == nullptr)
            return nullptr;
        return reinterpret_cast<ModelMaker>(symbol);
    }();
    return maker;
}

} // namespace

struct KanjiReader::MeCabParts {
    std::unique_ptr<MeCab::Model> model;
    std::unique_ptr<MeCab::Tagger> tagger;
    std::unique_ptr<MeCab::Lattice> lattice;
};

KanjiReader::KanjiReader(std::string dictionaryFolder)
    : dictionaryFolder_(std::move(dictionaryFolder)) {}

KanjiReader::~KanjiReader() = default;

bool KanjiReader::DictionaryLoaded() const {
    return mecab_ != nullptr;
}

KanjiReadings KanjiReader::Read(std::string_view text) {
    KanjiReadings result;
    text = Trimmed(text);
    if (!ValidUtf8(text)) {
        result.outcome = KanjiReadings::Outcome::Unreadable;
        return result;
    }
    if (!ContainsKanji(text))
        return result;
    if (text.size() > LongestText) {
        result.outcome = KanjiReadings::Outcome::Unreadable;
        return result;
    }
    if (mecab_ == nullptr && !loadFailed_) {
        // The dictionary's own dicrc serves as the resource file, so that no /etc/mecabrc (or a
        // user's ~/.mecabrc naming another dictionary) is needed or heeded.
        // Given as arguments, not as one line, so that a folder may hold spaces.
        std::string program = "mecab", resourceOption = "-r", dictionaryOption = "-d";
        std::string resourceFile = dictionaryFolder_ + "/dicrc";
        char* arguments[] = {program.data(), resourceOption.data(), resourceFile.data(),
                             dictionaryOption.data(), dictionaryFolder_.data()};
        auto parts = std::make_unique<MeCabParts>();
        if (const ModelMaker makeModel = MeCabModelMaker())
            parts->model.reset(makeModel(5, arguments));
        if (parts->model != nullptr) {
            parts->tagger.reset(parts->model->createTagger());
            parts->lattice.reset(parts->model->createLattice());
        }
        if (parts->tagger != nullptr && parts->lattice != nullptr) {
            mecab_ = std::move(parts);
            anyLoaded = true;
        } else {
            loadFailed_ = true;
        }
    }
    if (mecab_ == nullptr) {
        result.outcome = KanjiReadings::Outcome::DictionaryMissing;
        result.dictionaryFolder = dictionaryFolder_;
        return result;
    }

    const std::string sentence = WithUsualKanji(text);
    MeCab::Lattice& lattice = *mecab_->lattice;
    lattice.set_request_type(MECAB_NBEST);
    lattice.set_sentence(sentence.c_str());
    if (!mecab_->tagger->parse(&lattice)) {
        result.outcome = KanjiReadings::Outcome::Unreadable;
        return result;
    }

    // Readings best first, those of a surname first of all, then those of a full name.
    struct Candidate {
        std::string kana;
        int rank;
        int words;
    };
    std::vector<Candidate> candidates;
    const auto add = [&](std::string kana, int rank, int words) {
        const auto same = std::find_if(candidates.begin(), candidates.end(),
                                       [&](const Candidate& c) { return c.kana == kana; });
        if (same == candidates.end()) {
            candidates.push_back({std::move(kana), rank, words});
        } else {
            same->rank = std::min(same->rank, rank);
            same->words = std::min(same->words, words);
        }
    };
    for (int path = 0; path < PathsLookedAt; ++path) {
        std::string kana;
        bool readable = true;
        int words = 0;
        bool surname = true;
        bool personName = true;
        for (const MeCab::Node* node = lattice.bos_node()->next;
             node != nullptr && node->stat != MECAB_EOS_NODE; node = node->next) {
            kana += WordReading(node, readable);
            ++words;
            surname = surname && IsSurname(node);
            personName = personName && IsPersonName(node);
        }
        if (readable && !kana.empty())
            add(std::move(kana), words == 1 && surname ? 0 : personName ? 1 : 2, words);
        if (!lattice.next())
            break;
    }
    // A name is read as few words as the dictionary knows it by: 佐藤 is さとう, never
    // 佐 and 藤 read apart as たすく and ふじ.
    if (!candidates.empty()) {
        const int fewest = std::min_element(candidates.begin(), candidates.end(),
                                            [](const Candidate& a, const Candidate& b) {
                                                return a.words < b.words;
                                            })
                               ->words;
        std::erase_if(candidates, [&](const Candidate& c) { return c.words > fewest; });
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.rank < b.rank; });
    for (const Candidate& candidate : candidates) {
        NameReading reading = ReadingOfKana(candidate.kana);
        if (!reading.spelling.empty())
            result.readings.push_back(std::move(reading));
    }
    result.outcome =
        result.readings.empty() ? KanjiReadings::Outcome::Unreadable : KanjiReadings::Outcome::Read;
    return result;
}

KanjiReader& SharedKanjiReader() {
    // Made again when the folder is named anew, so that a test can hide the dictionary from a
    // window that has read with it.
    static std::string folder = DictionaryFolder();
    static auto reader = std::make_unique<KanjiReader>(folder);
    if (const std::string now = DictionaryFolder(); now != folder) {
        folder = now;
        reader = std::make_unique<KanjiReader>(folder);
    }
    return *reader;
}

teamdata::KanjiNameReader KanjiNameReaderOf(KanjiReader& reader) {
    return [&reader](std::string_view text) -> std::optional<teamdata::KanjiNameReadings> {
        const KanjiReadings read = reader.Read(text);
        if (read.outcome == KanjiReadings::Outcome::NoKanji)
            return std::nullopt;
        teamdata::KanjiNameReadings readings;
        if (read.outcome == KanjiReadings::Outcome::DictionaryMissing)
            readings.missingPackage = std::string(DictionaryPackage);
        for (const NameReading& reading : read.readings)
            readings.kana.push_back(reading.kana);
        return readings;
    };
}

bool AnyDictionaryLoaded() {
    return anyLoaded;
}

} // namespace readings
