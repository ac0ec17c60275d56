// SPDX-License-Identifier: MIT
// The CSV and HTML report builders on arbitrary cell texts, in grids of the window's shape (14 x 12
// and 6 x 12) or of any shape. The CSV, parsed strictly by RFC 4180, has one record per grid row,
// the exported columns as fields and exactly the cell texts as values, and every line ends in
// CR LF. The HTML page (cells without line breaks, as grids hold them) has its fixed line
// structure, one "<td>" per exported cell, and captions whose totals match a restatement of the
// rules; it is refused with NotANumberError exactly when a summed cell is no decimal integer.

#include "FuzzSupport.h"

#include "TeamReport.h"
#include "TextNumbers.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <string_view>

using fuzzsupport::ByteReader;
using reports::GridTexts;

namespace {

constexpr std::size_t WindowColumns = 12;
constexpr std::size_t BatterRows = 14;
constexpr std::size_t PitcherRows = 6;
constexpr std::size_t BatterTrailing = 3;
constexpr std::size_t PitcherTrailing = 1;

bool IsSummed(bool batter, std::size_t row, std::size_t column) {
    if (row == 0)
        return false;
    return batter ? (column >= 5 && column <= 7) : (column == 4 || column == 6);
}

// Summed cells are mostly numbers, any int included, so that the page gets built.
std::string CellText(ByteReader& input, bool summed) {
    if (summed && input.Byte() < 224) {
        std::uint32_t bits = 0;
        for (std::uint8_t byte : input.Bytes(4))
            bits = bits << 8 | byte;
        return std::to_string(static_cast<std::int32_t>(bits));
    }
    return input.Text();
}

GridTexts Grid(ByteReader& input, bool batter, bool windowShape) {
    const std::size_t rows = windowShape ? (batter ? BatterRows : PitcherRows) : input.Byte() % 20;
    GridTexts grid(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t columns = windowShape ? WindowColumns : input.Byte() % 16;
        for (std::size_t c = 0; c < columns; ++c)
            grid[r].push_back(CellText(input, IsSummed(batter, r, c)));
    }
    return grid;
}

std::size_t LastExported(const GridTexts& grid, std::size_t trailing) {
    std::size_t columns = 0;
    for (const auto& row : grid)
        columns = std::max(columns, row.size());
    return columns > trailing ? columns - trailing : 0;
}

std::string CellOf(const GridTexts& grid, std::size_t row, std::size_t column) {
    return column < grid[row].size() ? grid[row][column] : std::string();
}

using Records = std::vector<std::vector<std::string>>;

// RFC 4180, strictly: quoted fields may hold anything with quotes doubled, unquoted ones no quote,
// CR or LF; every record, the last included, ends in CR LF.
std::optional<Records> ParseCsv(std::string_view text) {
    Records records;
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        std::string field;
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            for (; i < text.size() && text[i] != ',' && text[i] != '\r'; ++i) {
                if (text[i] == '"' || text[i] == '\n')
                    return std::nullopt;
                field += text[i];
            }
        }
        fields.push_back(std::move(field));
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        if (text.substr(i, 2) != "\r\n")
            return std::nullopt;
        i += 2;
        records.push_back(std::move(fields));
        fields.clear();
    }
    return records;
}

void CheckCsvRows(const Records& records, std::size_t& next, const GridTexts& grid,
                  std::size_t trailing) {
    const std::size_t last = LastExported(grid, trailing);
    for (std::size_t r = 0; r < grid.size(); ++r, ++next) {
        const std::vector<std::string>& fields = records[next];
        FUZZ_CHECK(fields.size() == std::max<std::size_t>(last, 1));
        for (std::size_t c = 1; c <= last; ++c)
            FUZZ_CHECK(fields[c - 1] == CellOf(grid, r, c));
        if (last == 0)
            FUZZ_CHECK(fields[0].empty());
    }
}

void CheckCsv(const GridTexts& batters, const GridTexts& pitchers, bool windowShape) {
    const std::string csv = reports::BuildCsv(batters, pitchers);
    const std::optional<Records> records = ParseCsv(csv);
    FUZZ_CHECK(records.has_value());
    FUZZ_CHECK(records->size() == batters.size() + pitchers.size());
    if (windowShape) {
        FUZZ_CHECK(records->size() == 20);
        for (std::size_t r = 0; r < records->size(); ++r)
            FUZZ_CHECK((*records)[r].size() == (r < BatterRows ? 9u : 11u));
    }
    std::size_t next = 0;
    CheckCsvRows(*records, next, batters, BatterTrailing);
    CheckCsvRows(*records, next, pitchers, PitcherTrailing);
}

// The strict integer reading, restated: a sign, then only digits, within the int range.
std::optional<long long> StrictNumber(std::string_view text) {
    std::string_view digits = text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return value;
}

std::optional<long long> Sum(const GridTexts& grid, std::size_t column) {
    long long sum = 0;
    for (std::size_t r = 1; r < grid.size(); ++r) {
        const std::optional<long long> value = StrictNumber(CellOf(grid, r, column));
        if (!value)
            return std::nullopt;
        sum += *value;
    }
    return sum;
}

long long Mean(long long sum, const GridTexts& grid) {
    return grid.size() <= 1 ? 0 : sum / static_cast<long long>(grid.size() - 1);
}

std::string Hundredths(long long value) {
    const long long magnitude = value < 0 ? -value : value;
    const std::string fraction = std::to_string(magnitude % 100);
    return (value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." +
           (fraction.size() < 2 ? "0" : "") + fraction;
}

std::string WithoutLineBreaks(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

GridTexts WithoutLineBreaks(GridTexts grid) {
    for (auto& row : grid)
        for (auto& cell : row)
            cell = WithoutLineBreaks(cell);
    return grid;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        FUZZ_CHECK(end != std::string_view::npos);
        lines.emplace_back(text.substr(0, end));
        FUZZ_CHECK(lines.back().find_first_of("\r\n") == std::string::npos);
        text.remove_prefix(end + 2);
    }
    return lines;
}

std::size_t CellCount(std::string_view line) {
    std::size_t count = 0;
    for (std::size_t at = line.find("<td>"); at != std::string_view::npos;
         at = line.find("<td>", at + 1))
        ++count;
    return count;
}

void CheckRowLines(const std::vector<std::string>& lines, std::size_t first, const GridTexts& grid,
                   std::size_t trailing) {
    const std::size_t last = LastExported(grid, trailing);
    for (std::size_t r = 0; r < grid.size(); ++r) {
        const std::string& line = lines[first + r];
        FUZZ_CHECK(line.starts_with("<tr>"));
        FUZZ_CHECK(CellCount(line) == last);
    }
}

// The page in Japanese, as the window has always written it, and in the words another language
// hands over: the same lines and cells either way, whatever the grids' shape, the captions
// holding the same totals.
reports::TeamReportLabels EnglishLabels() {
    reports::TeamReportLabels english;
    english.teamName = "Team %1";
    english.batterCaption = "[Batters] AVG %1 / HR %2 / Speed %3";
    english.pitcherCaption = "[Pitchers] ERA %1 / Fast %2";
    english.batterHeaders = {"Name", "Bats", "Fan", "Pos", "AVG", "HR", "Speed", "Fielding", "Arm"};
    english.pitcherHeaders = {"Name",   "Style", "Fan",   "ERA",   "Stamina", "Fast",
                              "Medium", "Slow",  "R Brk", "L Brk", "Fork"};
    english.labelWords = {{"右", "R"}, {"左", "L"}, {"両", "S"}, {"右下", "R Sub"}};
    return english;
}

void CheckHtml(const std::string& initials, const GridTexts& batters, const GridTexts& pitchers,
               bool english) {
    const std::optional<long long> averages = Sum(batters, 5);
    const std::optional<long long> homeRuns = Sum(batters, 6);
    const std::optional<long long> speeds = Sum(batters, 7);
    const std::optional<long long> eras = Sum(pitchers, 4);
    const std::optional<long long> fastBalls = Sum(pitchers, 6);
    const bool computable = averages && homeRuns && speeds && eras && fastBalls;

    std::string page;
    try {
        page = english ? reports::BuildHtml(initials, batters, pitchers, EnglishLabels())
                       : reports::BuildHtml(initials, batters, pitchers);
    } catch (const teamdata::NotANumberError&) {
        FUZZ_CHECK(!computable);
        return;
    }
    FUZZ_CHECK(computable);

    const std::string average = "." + std::to_string(Mean(*averages, batters));
    const std::string speed = std::to_string(Mean(*speeds, batters));
    const std::string era = Hundredths(Mean(*eras, pitchers));
    const std::string fast = std::to_string(Mean(*fastBalls, pitchers));
    const std::vector<std::string> lines = Lines(page);
    FUZZ_CHECK(lines.size() == 8 + batters.size() + pitchers.size());
    FUZZ_CHECK(lines[0].starts_with("<html><head><title>"));
    FUZZ_CHECK(lines[1].starts_with("<h3>"));
    FUZZ_CHECK(lines[2] ==
               (english ? "<table><caption>[Batters] AVG " + average + " / HR " +
                              std::to_string(*homeRuns) + " / Speed " + speed
                        : "<table><caption>【打者】チーム打率" + average + "／チーム本塁打" +
                              std::to_string(*homeRuns) + "／チーム走力" + speed) +
                   "</caption>");
    CheckRowLines(lines, 3, batters, BatterTrailing);
    std::size_t next = 3 + batters.size();
    FUZZ_CHECK(lines[next++] == "</table>");
    FUZZ_CHECK(lines[next++] == "<hr>");
    FUZZ_CHECK(lines[next++].empty());
    FUZZ_CHECK(lines[next++] ==
               (english ? "<table><caption>[Pitchers] ERA " + era + " / Fast " + fast
                        : "<table><caption>【投手】チーム防御率" + era + "／平均速球速度" + fast) +
                   "</caption>");
    CheckRowLines(lines, next, pitchers, PitcherTrailing);
    FUZZ_CHECK(lines.back() == "</table></body></html>");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader input(data, size);
    const bool windowShape = input.Byte() < 192;
    const std::string initials = input.Text();
    const GridTexts batters = Grid(input, true, windowShape);
    const GridTexts pitchers = Grid(input, false, windowShape);

    CheckCsv(batters, pitchers, windowShape);
    for (const bool english : {false, true})
        CheckHtml(WithoutLineBreaks(initials), WithoutLineBreaks(batters),
                  WithoutLineBreaks(pitchers), english);
    return 0;
}
