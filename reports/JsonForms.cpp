// SPDX-License-Identifier: MIT
#include "JsonForms.h"

#include "CellProblem.h"
#include "Columns.h"
#include "NameNormalizer.h"
#include "Palette.h"
#include "SaveCheck.h"
#include "TRomTeamData.h"
#include "TeamInitials.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace reports {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 9> BatterKeys = {
    "name", "bats", "popularity", "position", "average", "homeRuns", "speed", "fielding", "arm",
};
constexpr std::array<std::string_view, 11> PitcherKeys = {
    "name",   "style", "popularity", "era",       "stamina", "fast",
    "medium", "slow",  "rightBreak", "leftBreak", "fork",
};
static_assert(BatterKeys.size() == teamdata::BatterColumns.size());
static_assert(PitcherKeys.size() == teamdata::PitcherColumns.size());

constexpr std::string_view ShownSuffix = "Shown";
constexpr std::string_view FanSuffix = "Fan";

std::string_view GridKey(teamdata::Grid grid) {
    return grid == teamdata::Grid::Batters ? "batters" : "pitchers";
}

int PointScaleOf(teamdata::Grid grid, int column) {
    const teamdata::Column* data = teamdata::ColumnOf(grid, column);
    return data && data->value ? data->value->pointScale : 0;
}

// The value of a cell text of plain digits, as every cell read from an image holds.
std::optional<int> PlainNumber(std::string_view text) {
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// The cell's number in the fan's units (0.316 for "316"), when the column has them.
std::optional<double> FanNumber(teamdata::Grid grid, int column, std::string_view text) {
    const int scale = PointScaleOf(grid, column);
    const std::optional<int> value = PlainNumber(text);
    if (scale == 0 || !value)
        return std::nullopt;
    return static_cast<double>(*value) / scale;
}

std::string RgbText(std::uint8_t color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(teamdata::SwatchColor(color)));
    return text;
}

std::string HexText(std::uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

Json ColorJson(std::uint8_t color) {
    return Json{{"index", color}, {"rgb", RgbText(color)}};
}

Json NameJson(const std::string& name) {
    return Json{{"name", name}, {"nameShown", teamdata::NameForDisplay(name)}};
}

std::string Initials(int team) {
    return std::string(TRomTeamData::TeamInitials.at(static_cast<std::size_t>(team)));
}

template <std::size_t Columns>
Json PlayerJson(teamdata::Grid grid, const std::array<std::string, Columns>& cells) {
    Json player = Json::object();
    for (int column = 1; column <= static_cast<int>(Columns); ++column) {
        const std::string& text = cells[static_cast<std::size_t>(column - 1)];
        const std::string key(JsonColumnKey(grid, column));
        player[key] = text;
        if (column == teamdata::BatterColumn::Name)
            player[key + std::string(ShownSuffix)] = teamdata::NameForDisplay(text);
        if (const std::optional<double> fan = FanNumber(grid, column, text))
            player[key + std::string(FanSuffix)] = *fan;
    }
    return player;
}

Json TeamJson(int team, const teamdata::TeamTexts& texts) {
    Json object{{"index", team},
                {"initials", Initials(team)},
                {"helmet", ColorJson(texts.colors.helmet)},
                {"uniform", ColorJson(texts.colors.uniform)}};
    Json batters = Json::array();
    for (const teamdata::BatterRowTexts& row : texts.batters)
        batters.push_back(PlayerJson(teamdata::Grid::Batters, row));
    Json pitchers = Json::array();
    for (const teamdata::PitcherRowTexts& row : texts.pitchers)
        pitchers.push_back(PlayerJson(teamdata::Grid::Pitchers, row));
    object["batters"] = std::move(batters);
    object["pitchers"] = std::move(pitchers);
    return object;
}

Json FormHead(std::string_view format) {
    return Json{{"format", format}, {"version", JsonFormVersion}};
}

std::string Written(const Json& document) {
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

void PutTeam(Json& object, std::string_view key, int team) {
    object[std::string(key)] = team;
    object[std::string(key) + "Initials"] = Initials(team);
}

void PutName(Json& object, std::string_view key, const std::string& name) {
    object[std::string(key)] = name;
    object[std::string(key) + std::string(ShownSuffix)] = teamdata::NameForDisplay(name);
}

Json ChangeJson(const teamdata::LeagueChange& change) {
    Json object;
    if (const auto* cell = std::get_if<teamdata::CellChange>(&change)) {
        object["kind"] = "cell";
        PutTeam(object, "team", cell->team);
        object["grid"] = GridKey(cell->grid);
        object["player"] = cell->row - 1;
        object["column"] = JsonColumnKey(cell->grid, cell->column);
        object["before"] = cell->before;
        object["after"] = cell->after;
        const auto before = FanNumber(cell->grid, cell->column, cell->before);
        const auto after = FanNumber(cell->grid, cell->column, cell->after);
        if (before)
            object["beforeFan"] = *before;
        if (after)
            object["afterFan"] = *after;
        PutName(object, "nameBefore", cell->nameBefore);
        PutName(object, "nameAfter", cell->nameAfter);
    } else if (const auto* color = std::get_if<teamdata::ColorChange>(&change)) {
        object["kind"] = "color";
        PutTeam(object, "team", color->team);
        object["slot"] = color->slot == teamdata::ColorSlot::Helmet ? "helmet" : "uniform";
        object["before"] = ColorJson(color->before);
        object["after"] = ColorJson(color->after);
    } else if (const auto* move = std::get_if<teamdata::PlayerMove>(&change)) {
        object["kind"] = "move";
        PutTeam(object, "team", move->team);
        object["grid"] = GridKey(move->grid);
        object["from"] = move->fromRow - 1;
        object["to"] = move->toRow - 1;
        PutName(object, "name", move->name);
    } else if (const auto* transfer = std::get_if<teamdata::PlayerTransfer>(&change)) {
        object["kind"] = "transfer";
        object["grid"] = GridKey(transfer->grid);
        PutTeam(object, "fromTeam", transfer->fromTeam);
        object["from"] = transfer->fromRow - 1;
        PutTeam(object, "toTeam", transfer->toTeam);
        object["to"] = transfer->toRow - 1;
        PutName(object, "name", transfer->name);
        PutName(object, "replacedName", transfer->replacedName);
    } else if (const auto* bytes = std::get_if<teamdata::ByteRange>(&change)) {
        object["kind"] = "bytes";
        object["offset"] = bytes->offset;
        object["length"] = bytes->length;
    }
    return object;
}

// ---- Reading ----

std::string PointerToken(std::string_view key) {
    std::string token;
    for (char c : key) {
        if (c == '~')
            token += "~0";
        else if (c == '/')
            token += "~1";
        else
            token += c;
    }
    return token;
}

std::string Below(const std::string& at, std::string_view key) {
    return at + '/' + PointerToken(key);
}

std::string Below(const std::string& at, std::size_t index) {
    return at + '/' + std::to_string(index);
}

// Builds the document as nlohmann's own parser would, but stops at a member given twice in one
// object (which the library keeps silently, the last one winning) and at nesting deeper than any
// form has, and knows the pointer of every place.
class DocumentReader : public nlohmann::json_sax<Json> {
public:
    explicit DocumentReader(std::vector<CsvIssue>& errors, std::string_view text)
        : errors_(errors)
        , text_(text) {}

    Json document;

    bool null() override { return Put(nullptr); }
    bool boolean(bool value) override { return Put(value); }
    bool number_integer(number_integer_t value) override { return Put(value); }
    bool number_unsigned(number_unsigned_t value) override { return Put(value); }
    bool number_float(number_float_t value, const string_t&) override { return Put(value); }
    bool string(string_t& value) override { return Put(std::move(value)); }
    bool binary(binary_t&) override { return false; } // only the binary formats have these
    bool start_object(std::size_t) override { return Open(Json::object()); }
    bool start_array(std::size_t) override { return Open(Json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& key) override {
        Level& level = levels_.back();
        if (level.value->contains(key)) {
            CsvIssue& issue = errors_.emplace_back();
            issue.kind = CsvIssueKind::JsonDuplicateMember;
            issue.pointer = Below(level.pointer, key);
            issue.text = key;
            return false;
        }
        level.key = key;
        return true;
    }
    bool parse_error(std::size_t position, const std::string& token,
                     const nlohmann::detail::exception&) override {
        CsvIssue& issue = errors_.emplace_back();
        issue.kind = CsvIssueKind::JsonSyntax;
        // The parser counts the character it stopped at; lines and columns count from 1.
        const std::size_t end = std::min(position > 0 ? position - 1 : 0, text_.size());
        issue.line = 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + end, '\n'));
        const std::size_t lineStart = text_.rfind('\n', end == 0 ? 0 : end - 1);
        issue.column =
            static_cast<int>(
                end - (lineStart == std::string_view::npos || end == 0 ? 0 : lineStart + 1)) +
            1;
        issue.text = token.substr(0, 40);
        return false;
    }

private:
    struct Level {
        Json* value;
        std::string pointer;
        std::string key; // of the member whose value comes next, in an object
    };

    // Where the next value goes, and its pointer.
    std::pair<Json*, std::string> Slot() {
        if (levels_.empty())
            return {&document, std::string()};
        Level& level = levels_.back();
        if (level.value->is_array()) {
            const std::size_t index = level.value->size();
            level.value->push_back(nullptr);
            return {&level.value->back(), Below(level.pointer, index)};
        }
        Json& member = (*level.value)[level.key];
        return {&member, Below(level.pointer, level.key)};
    }

    bool Put(Json value) {
        *Slot().first = std::move(value);
        return true;
    }

    bool Open(Json empty) {
        auto [slot, pointer] = Slot();
        if (static_cast<int>(levels_.size()) >= MaxJsonDepth) {
            CsvIssue& issue = errors_.emplace_back();
            issue.kind = CsvIssueKind::JsonTooDeep;
            issue.pointer = pointer;
            issue.count = MaxJsonDepth;
            return false;
        }
        *slot = std::move(empty);
        levels_.push_back({slot, std::move(pointer), {}});
        return true;
    }

    bool Close() {
        levels_.pop_back();
        return true;
    }

    std::vector<CsvIssue>& errors_;
    std::string_view text_;
    std::vector<Level> levels_;
};

std::string_view TypeName(const Json& value) {
    if (value.is_string())
        return "string";
    if (value.is_number_integer())
        return "integer";
    if (value.is_number())
        return "number";
    if (value.is_object())
        return "object";
    if (value.is_array())
        return "array";
    if (value.is_boolean())
        return "boolean";
    return "null";
}

// A cell given in both its forms (the game's text and the fan's number, or the name as the game
// spells it and as shown): the second must say what the first says.
struct SecondForm {
    int column = 0;
    std::string pointer;
    std::string firstPointer;
    std::string text;
};

struct PlayerRead {
    std::vector<std::string> written;  // one text per column
    std::vector<std::string> pointers; // where each came from
    std::vector<SecondForm> toAgree;
    bool sound = true;
};

class JsonImporter {
public:
    JsonImporter(const LeagueTexts& current, bool round, const teamdata::KanjiNameReader& readKanji)
        : current_(current)
        , round_(round)
        , readKanji_(readKanji) {}

    CsvImport Read(std::string_view bytes, int teamOfTeamFile) {
        DocumentReader reader(result_.errors, bytes);
        if (!Json::sax_parse(bytes.begin(), bytes.end(), &reader) || !result_.errors.empty())
            return std::move(result_);
        const Json& root = reader.document;
        if (!root.is_object()) {
            WrongType("", "object", root);
            return std::move(result_);
        }
        const std::optional<std::string_view> format = ReadHead(root);
        if (!format)
            return std::move(result_);
        if (*format == LeagueJsonFormat) {
            result_.leagueFile = true;
            if (!Members(root, "", {"format", "version", "teams"}, {}))
                return std::move(result_);
            const Json& teams = root["teams"];
            if (!teams.is_array()) {
                WrongType("/teams", "array", teams);
                return std::move(result_);
            }
            if (teams.empty() || teams.size() > teamdata::TeamCount) {
                Error(CsvIssueKind::JsonTeamCount, "/teams").count =
                    static_cast<int>(std::min<std::size_t>(teams.size(), 1'000'000));
                return std::move(result_);
            }
            for (std::size_t i = 0; i < teams.size(); ++i)
                ReadTeam(teams[i], Below("/teams", i), -1);
        } else {
            if (!Members(root, "", {"format", "version", "team"}, {}))
                return std::move(result_);
            ReadTeam(root["team"], "/team", teamOfTeamFile);
        }
        return std::move(result_);
    }

private:
    CsvIssue& Error(CsvIssueKind kind, const std::string& pointer) {
        CsvIssue& issue = result_.errors.emplace_back();
        issue.kind = kind;
        issue.pointer = pointer;
        return issue;
    }

    void WrongType(const std::string& pointer, std::string_view expected, const Json& found) {
        CsvIssue& issue = Error(CsvIssueKind::JsonWrongType, pointer);
        issue.expected = std::string(expected);
        issue.text = std::string(TypeName(found));
    }

    // The form's name, once "format" and "version" say it is one this import reads. They are
    // judged before anything else: a newer version may mean anything by its other members.
    std::optional<std::string_view> ReadHead(const Json& root) {
        for (std::string_view member : {"format", "version"})
            if (!root.contains(member)) {
                Error(CsvIssueKind::JsonMissingMember, "").expected = std::string(member);
                return std::nullopt;
            }
        const Json& format = root["format"];
        if (!format.is_string()) {
            WrongType("/format", "string", format);
            return std::nullopt;
        }
        const std::string& name = format.get_ref<const std::string&>();
        if (name != LeagueJsonFormat && name != TeamJsonFormat) {
            CsvIssue& issue = Error(CsvIssueKind::JsonUnknownFormat, "/format");
            issue.text = name;
            issue.allowed = {std::string(LeagueJsonFormat), std::string(TeamJsonFormat)};
            return std::nullopt;
        }
        const Json& version = root["version"];
        if (!version.is_number_integer()) {
            WrongType("/version", "integer", version);
            return std::nullopt;
        }
        if (version.get<std::int64_t>() != JsonFormVersion) {
            CsvIssue& issue = Error(CsvIssueKind::JsonVersion, "/version");
            issue.count = static_cast<int>(std::clamp<std::int64_t>(version.get<std::int64_t>(),
                                                                    -1'000'000'000, 1'000'000'000));
            issue.expectedCount = JsonFormVersion;
            return std::nullopt;
        }
        return name == LeagueJsonFormat ? LeagueJsonFormat : TeamJsonFormat;
    }

    // Whether `object` is an object with every one of `required` and nothing but those and
    // `optional`; each member that is not, and each that is missing, is an error.
    bool Members(const Json& object, const std::string& at, std::vector<std::string> required,
                 std::vector<std::string> optional) {
        if (!object.is_object()) {
            WrongType(at, "object", object);
            return false;
        }
        bool sound = true;
        for (const auto& [key, value] : object.items()) {
            if (std::find(required.begin(), required.end(), key) != required.end() ||
                std::find(optional.begin(), optional.end(), key) != optional.end())
                continue;
            CsvIssue& issue = Error(CsvIssueKind::JsonUnknownMember, Below(at, key));
            issue.text = key;
            issue.allowed = required;
            issue.allowed.insert(issue.allowed.end(), optional.begin(), optional.end());
            sound = false;
        }
        for (const std::string& key : required)
            if (!object.contains(key)) {
                Error(CsvIssueKind::JsonMissingMember, at).expected = key;
                sound = false;
            }
        return sound;
    }

    std::optional<std::uint8_t> ReadColor(const Json& color, const std::string& at,
                                          std::uint8_t now) {
        if (!Members(color, at, {"index"}, {"rgb"}))
            return std::nullopt;
        const Json& index = color["index"];
        if (!index.is_number_integer() || index.get<std::int64_t>() < 0 ||
            index.get<std::int64_t>() > 255) {
            WrongType(Below(at, "index"), "palette index", index);
            return std::nullopt;
        }
        const auto byte = static_cast<std::uint8_t>(index.get<std::int64_t>());
        if (byte != now && !teamdata::IsOfferedColorIndex(byte)) {
            CsvIssue& issue = Error(CsvIssueKind::ColorNotOffered, Below(at, "index"));
            issue.text = std::to_string(byte);
            return std::nullopt;
        }
        if (color.contains("rgb")) {
            const Json& rgb = color["rgb"];
            if (!rgb.is_string()) {
                WrongType(Below(at, "rgb"), "string", rgb);
                return std::nullopt;
            }
            // The RGB only tells the index's colour: the palette has no index for every RGB.
            const std::string& text = rgb.get_ref<const std::string&>();
            if (!EqualIgnoringCase(text, RgbText(byte))) {
                CsvIssue& issue = Error(CsvIssueKind::JsonFormsDisagree, Below(at, "rgb"));
                issue.text = text;
                issue.expected = RgbText(byte);
                issue.otherPointer = Below(at, "index");
                return std::nullopt;
            }
        }
        return byte;
    }

    static bool EqualIgnoringCase(std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::tolower(static_cast<unsigned char>(x)) ==
                          std::tolower(static_cast<unsigned char>(y));
               });
    }

    // The texts a player object gives its columns. A value with a second form (the name as
    // shown, the fan's number) may be given by either form or by both, which must then agree: a
    // script that edits one form and leaves the other is told rather than guessed at, and the
    // same file read twice gives the same image.
    template <std::size_t Columns>
    PlayerRead ReadPlayer(const Json& player, const std::string& at, teamdata::Grid grid,
                          const std::array<std::string, Columns>& now) {
        PlayerRead read;
        std::vector<std::string> required;
        std::vector<std::string> optional;
        for (int column = 1; column <= static_cast<int>(Columns); ++column) {
            const std::string key(JsonColumnKey(grid, column));
            const std::string second = SecondKey(grid, column);
            (second.empty() ? required : optional).push_back(key);
            if (!second.empty())
                optional.push_back(second);
        }
        if (!Members(player, at, required, optional)) {
            read.sound = false;
            return read;
        }
        for (int column = 1; column <= static_cast<int>(Columns); ++column) {
            const std::string key(JsonColumnKey(grid, column));
            const std::string secondKey = SecondKey(grid, column);
            const bool hasFirst = player.contains(key);
            const bool hasSecond = !secondKey.empty() && player.contains(secondKey);
            if (!hasFirst && !hasSecond) {
                Error(CsvIssueKind::JsonMissingMember, at).expected = key;
                read.sound = false;
                continue;
            }
            std::optional<std::string> first;
            if (hasFirst) {
                first = StringAt(player[key], Below(at, key));
                read.sound &= first.has_value();
            }
            std::optional<std::string> second;
            if (hasSecond) {
                second = column == teamdata::BatterColumn::Name
                             ? StringAt(player[secondKey], Below(at, secondKey))
                             : NumberTextAt(player[secondKey], Below(at, secondKey));
                read.sound &= second.has_value();
            }
            if (!read.sound)
                continue;
            if (first) {
                read.written.push_back(*first);
                read.pointers.push_back(Below(at, key));
                if (second)
                    read.toAgree.push_back(
                        {column, Below(at, secondKey), Below(at, key), std::move(*second)});
            } else {
                const std::string& current = now[static_cast<std::size_t>(column - 1)];
                read.written.push_back(
                    Denotes(grid, column, *second, current) ? current : std::move(*second));
                read.pointers.push_back(Below(at, secondKey));
            }
        }
        return read;
    }

    // Whether a second form says what the cell holds now: as the current text is taken as it is
    // whatever it holds, so is its second form, which the cell rule alone might not take (an
    // average of .426 the value dialog does not offer).
    static bool Denotes(teamdata::Grid grid, int column, const std::string& second,
                        const std::string& current) {
        if (column == teamdata::BatterColumn::Name)
            return second == current || second == teamdata::NameForDisplay(current);
        const std::optional<double> fan = FanNumber(grid, column, current);
        if (!fan)
            return false;
        const double written = std::strtod(second.c_str(), nullptr);
        return std::abs(written - *fan) <= 1e-9;
    }

    static std::string SecondKey(teamdata::Grid grid, int column) {
        const std::string key(JsonColumnKey(grid, column));
        if (column == teamdata::BatterColumn::Name)
            return key + std::string(ShownSuffix);
        if (PointScaleOf(grid, column) != 0)
            return key + std::string(FanSuffix);
        return {};
    }

    std::optional<std::string> StringAt(const Json& value, const std::string& pointer) {
        if (value.is_string())
            return value.get<std::string>();
        WrongType(pointer, "string", value);
        return std::nullopt;
    }

    // A number as the cell rule reads a written one: 0.32 as "0.32".
    std::optional<std::string> NumberTextAt(const Json& value, const std::string& pointer) {
        if (value.is_number())
            return value.dump();
        WrongType(pointer, "number", value);
        return std::nullopt;
    }

    // The second forms given beside first forms, read by the same cell rule against the same
    // current text: they agree when they give the cell the same text.
    template <std::size_t Columns>
    void CheckAgreement(const PlayerRead& read, teamdata::Grid grid, int row,
                        const std::array<std::string, Columns>& before,
                        const std::array<std::string, Columns>& cells,
                        const std::vector<teamdata::CellProblem>& problems) {
        for (const SecondForm& form : read.toAgree) {
            if (std::any_of(problems.begin(), problems.end(),
                            [&](const auto& problem) { return problem.column == form.column; }))
                continue;
            const auto index = static_cast<std::size_t>(form.column - 1);
            if (Denotes(grid, form.column, form.text, before[index])) {
                if (cells[index] == before[index])
                    continue;
            } else {
                const teamdata::CellRowRead second = teamdata::ReadCellRow(
                    grid, row, form.column, std::span<const std::string>(&form.text, 1),
                    std::span<const std::string>(&before[index], 1), round_, readKanji_);
                if (second.problems.empty() && second.texts.front() == cells[index])
                    continue;
            }
            CsvIssue& issue = Error(CsvIssueKind::JsonFormsDisagree, form.pointer);
            issue.text = form.text;
            issue.expected = cells[index];
            issue.otherPointer = form.firstPointer;
        }
    }

    template <std::size_t Columns>
    bool ReadGrid(const Json& players, const std::string& at, teamdata::Grid grid,
                  std::span<std::array<std::string, Columns>> cells,
                  std::vector<PlayerRead>& reads) {
        if (!players.is_array()) {
            WrongType(at, "array", players);
            return false;
        }
        if (players.size() != cells.size()) {
            CsvIssue& issue = Error(CsvIssueKind::JsonWrongLength, at);
            issue.count = static_cast<int>(std::min<std::size_t>(players.size(), 1'000'000));
            issue.expectedCount = static_cast<int>(cells.size());
            return false;
        }
        bool sound = true;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            reads.push_back(ReadPlayer<Columns>(players[i], Below(at, i), grid, cells[i]));
            sound &= reads.back().sound;
        }
        return sound;
    }

    // Reads the players' texts into `cells` by the one cell rule; false when a position of the
    // batting order is refused.
    template <std::size_t Columns>
    bool ReadCells(teamdata::Grid grid, std::span<std::array<std::string, Columns>> cells,
                   const std::vector<PlayerRead>& reads, int team) {
        bool positionsRead = true;
        for (std::size_t r = 0; r < cells.size(); ++r) {
            const PlayerRead& player = reads[r];
            const std::array<std::string, Columns> before = cells[r];
            teamdata::CellRowRead read = teamdata::ReadCellRow(
                grid, static_cast<int>(r + 1), 1, player.written, cells[r], round_, readKanji_);
            std::move(read.texts.begin(), read.texts.end(), cells[r].begin());
            if (grid == teamdata::Grid::Batters)
                positionsRead &= !teamdata::RefusesABattingOrderPosition(read.problems);
            CheckAgreement(player, grid, static_cast<int>(r + 1), before, cells[r], read.problems);
            for (teamdata::CellProblem& problem : read.problems) {
                const auto index = static_cast<std::size_t>(problem.column - 1);
                CsvIssue& issue = Error(CsvIssueKind::CellRefused, player.pointers[index]);
                issue.text = player.written[index];
                issue.team = team;
                issue.cell = std::move(problem);
            }
            for (teamdata::CellNote& cellNote : read.notes) {
                const auto index = static_cast<std::size_t>(cellNote.column - 1);
                result_.notes.push_back(NoteOfCell(std::move(cellNote), team));
                result_.notes.back().pointer = player.pointers[index];
            }
        }
        return positionsRead;
    }

    // `into` is the team to read into, or -1 for the one the object names.
    void ReadTeam(const Json& object, const std::string& at, int into) {
        if (!Members(object, at, {"initials", "helmet", "uniform", "batters", "pitchers"},
                     {"index"}))
            return;
        const Json& initials = object["initials"];
        if (!initials.is_string()) {
            WrongType(Below(at, "initials"), "string", initials);
            return;
        }
        const std::optional<int> named =
            teamdata::TeamOfInitials(initials.get_ref<const std::string&>());
        if (!named) {
            CsvIssue& issue = Error(CsvIssueKind::UnknownTeam, Below(at, "initials"));
            issue.text = initials.get<std::string>();
            for (std::string_view team : TRomTeamData::TeamInitials)
                issue.allowed.emplace_back(team);
            return;
        }
        if (object.contains("index")) {
            const Json& index = object["index"];
            if (!index.is_number_integer()) {
                WrongType(Below(at, "index"), "integer", index);
                return;
            }
            if (index.get<std::int64_t>() != *named) {
                CsvIssue& issue = Error(CsvIssueKind::JsonFormsDisagree, Below(at, "index"));
                issue.text = index.dump();
                issue.expected = std::to_string(*named);
                issue.otherPointer = Below(at, "initials");
                return;
            }
        }
        const int team = into >= 0 ? into : *named;
        std::string& namedAt = namedAt_[static_cast<std::size_t>(team)];
        if (!namedAt.empty()) {
            CsvIssue& issue = Error(CsvIssueKind::DuplicateTeam, Below(at, "initials"));
            issue.text = initials.get<std::string>();
            issue.team = team;
            issue.otherPointer = namedAt;
            return;
        }
        namedAt = Below(at, "initials");

        const teamdata::TeamTexts& now = current_[static_cast<std::size_t>(team)];
        teamdata::TeamTexts texts = now;
        const std::optional<std::uint8_t> helmet =
            ReadColor(object["helmet"], Below(at, "helmet"), now.colors.helmet);
        const std::optional<std::uint8_t> uniform =
            ReadColor(object["uniform"], Below(at, "uniform"), now.colors.uniform);
        texts.colors = {helmet.value_or(now.colors.helmet), uniform.value_or(now.colors.uniform)};

        std::vector<PlayerRead> batterReads;
        std::vector<PlayerRead> pitcherReads;
        const bool battersSound = ReadGrid<9>(object["batters"], Below(at, "batters"),
                                              teamdata::Grid::Batters, texts.batters, batterReads);
        const bool pitchersSound =
            ReadGrid<11>(object["pitchers"], Below(at, "pitchers"), teamdata::Grid::Pitchers,
                         texts.pitchers, pitcherReads);
        // A team whose players cannot be told apart has no cell checked, as a CSV block with
        // lines missing has none.
        if (!battersSound || !pitchersSound)
            return;
        const bool positionsRead =
            ReadCells<9>(teamdata::Grid::Batters, texts.batters, batterReads, team);
        ReadCells<11>(teamdata::Grid::Pitchers, texts.pitchers, pitcherReads, team);
        const bool changed = texts != now;
        if (changed && positionsRead) {
            const std::string batters = Below(at, "batters");
            for (const teamdata::PositionClash& clash :
                 teamdata::FindPositionClashes(texts.batters)) {
                CsvIssue& issue = Error(
                    CsvIssueKind::FieldingPositions,
                    Below(Below(batters, static_cast<std::size_t>(clash.row - 1)), "position"));
                issue.text = texts.batters[static_cast<std::size_t>(clash.row - 1)]
                                          [teamdata::BatterColumn::Position - 1];
                issue.team = team;
                issue.minimum = 2;
                issue.maximum = 9;
                if (clash.otherRow != 0)
                    issue.otherPointer = Below(
                        Below(batters, static_cast<std::size_t>(clash.otherRow - 1)), "position");
            }
        }
        result_.teams.push_back({team, 0, std::move(texts), changed});
    }

    const LeagueTexts& current_;
    bool round_ = false;
    const teamdata::KanjiNameReader& readKanji_;
    CsvImport result_;
    std::array<std::string, teamdata::TeamCount> namedAt_;
};

} // namespace

std::string_view JsonColumnKey(teamdata::Grid grid, int column) {
    const auto find = [column](const auto& keys) -> std::string_view {
        if (column < 1 || column > static_cast<int>(keys.size()))
            return {};
        return keys[static_cast<std::size_t>(column - 1)];
    };
    return grid == teamdata::Grid::Batters ? find(BatterKeys) : find(PitcherKeys);
}

std::string BuildLeagueJson(const LeagueTexts& league) {
    Json document = FormHead(LeagueJsonFormat);
    Json teams = Json::array();
    for (int team = 0; team < teamdata::TeamCount; ++team)
        teams.push_back(TeamJson(team, league[static_cast<std::size_t>(team)]));
    document["teams"] = std::move(teams);
    return Written(document);
}

std::string BuildTeamJson(int team, const teamdata::TeamTexts& texts) {
    Json document = FormHead(TeamJsonFormat);
    document["team"] = TeamJson(team, texts);
    return Written(document);
}

std::string BuildChangeJson(const std::vector<teamdata::LeagueChange>& changes) {
    Json document = FormHead(ChangesJsonFormat);
    Json list = Json::array();
    for (const teamdata::LeagueChange& change : changes)
        list.push_back(ChangeJson(change));
    document["changes"] = std::move(list);
    return Written(document);
}

std::string BuildImageJson(const ImageJsonFacts& facts) {
    Json document = FormHead(ImageJsonFormat);
    document["size"] = facts.size;
    document["crc32"] = HexText(facts.crc32);
    document["sha1"] = facts.sha1;
    document["dataCrc32"] = HexText(facts.dataCrc32);
    document["dataSha1"] = facts.dataSha1;
    if (facts.header)
        document["header"] = Json{{"kind", facts.header->kind},
                                  {"programSize", facts.header->programSize},
                                  {"characterSize", facts.header->characterSize},
                                  {"mapper", facts.header->mapper},
                                  {"trainer", facts.header->trainer}};
    else
        document["header"] = nullptr;
    document["check"] = Json{{"verdict", facts.verdict}, {"doubt", facts.doubt}};
    if (facts.teams) {
        Json teams = Json::array();
        for (int team = 0; team < teamdata::TeamCount; ++team) {
            const teamdata::TeamTexts& texts = (*facts.teams)[static_cast<std::size_t>(team)];
            Json object{{"index", team},
                        {"initials", Initials(team)},
                        {"helmet", ColorJson(texts.colors.helmet)},
                        {"uniform", ColorJson(texts.colors.uniform)},
                        {"firstBatter", NameJson(texts.batters[0][0])}};
            teams.push_back(std::move(object));
        }
        document["teams"] = std::move(teams);
    }
    return Written(document);
}

bool LooksLikeJson(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '{';
}

CsvImport ReadJson(std::string_view bytes, const LeagueTexts& current,
                   std::optional<int> teamOfTeamFile, bool round,
                   const teamdata::KanjiNameReader& readKanji) {
    const bool named = teamOfTeamFile && teamdata::IsValidTeam(*teamOfTeamFile);
    return JsonImporter(current, round, readKanji).Read(bytes, named ? *teamOfTeamFile : -1);
}

} // namespace reports
