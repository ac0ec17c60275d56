// SPDX-License-Identifier: MIT
#include "TeamReport.h"

#include "TextNumbers.h"

#include <algorithm>
#include <cstdlib>

namespace reports {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// Columns after the last batter rating ("　肩　") stay empty and are not exported.
constexpr std::size_t BatterTrailingColumns = 3;
constexpr std::size_t PitcherTrailingColumns = 1;

constexpr std::size_t BatterAverageColumn = 5;
constexpr std::size_t BatterHomeRunColumn = 6;
constexpr std::size_t BatterSpeedColumn = 7;
constexpr std::size_t PitcherEraColumn = 4;
constexpr std::size_t PitcherFastBallColumn = 6;

std::size_t ColumnCount(const GridTexts& grid) {
    std::size_t count = 0;
    for (const auto& row : grid)
        count = std::max(count, row.size());
    return count;
}

// The last exported column, counted from 1; 0 when there is none.
std::size_t LastExportedColumn(const GridTexts& grid, std::size_t trailingColumns) {
    const std::size_t count = ColumnCount(grid);
    return count > trailingColumns ? count - trailingColumns : 0;
}

std::string_view Cell(const std::vector<std::string>& row, std::size_t column) {
    return column < row.size() ? std::string_view(row[column]) : std::string_view();
}

std::size_t DataRowCount(const GridTexts& grid) {
    return grid.empty() ? 0 : grid.size() - 1;
}

long long SumColumn(const GridTexts& grid, std::size_t column) {
    long long sum = 0;
    for (std::size_t row = 1; row < grid.size(); ++row)
        sum += teamdata::StrictToInt(Cell(grid[row], column));
    return sum;
}

// The mean of ints always fits an int, and C++ division truncates toward zero as required.
int MeanOfColumn(const GridTexts& grid, std::size_t column) {
    const long long sum = SumColumn(grid, column);
    const auto rows = static_cast<long long>(DataRowCount(grid));
    return rows == 0 ? 0 : static_cast<int>(sum / rows);
}

void AppendCsvRows(std::string& out, const GridTexts& grid, std::size_t trailingColumns) {
    const std::size_t last = LastExportedColumn(grid, trailingColumns);
    for (const auto& row : grid) {
        for (std::size_t column = 1; column <= last; ++column) {
            if (column > 1)
                out += ',';
            out += CsvField(Cell(row, column));
        }
        out += LineEnd;
    }
}

// `headers`, when there are any, stand in for row 0 from column 1 on; a header row shorter than
// the grid leaves the rest of its cells empty.
void AppendHtmlRows(std::string& out, const GridTexts& grid, std::size_t trailingColumns,
                    const std::vector<std::string>& headers, const LabelWords& labelWords) {
    const std::size_t last = LastExportedColumn(grid, trailingColumns);
    for (std::size_t r = 0; r < grid.size(); ++r) {
        out += "<tr>";
        for (std::size_t column = 1; column <= last; ++column) {
            out += "<td>";
            if (r == 0 && !headers.empty())
                out += HtmlText(column <= headers.size() ? std::string_view(headers[column - 1])
                                                         : std::string_view());
            else if (r > 0 && column == LabelColumn)
                out += HtmlText(ShownLabel(labelWords, Cell(grid[r], column)));
            else
                out += HtmlText(Cell(grid[r], column));
        }
        out += LineEnd;
    }
}

} // namespace

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto piece = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (piece < pieces.size()) {
                out += *(pieces.begin() + piece);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string_view ShownLabel(const LabelWords& words, std::string_view text) {
    const auto word = words.find(text);
    return word == words.end() ? text : std::string_view(word->second);
}

std::string HtmlText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string AverageText(long long thousandths) {
    std::string text = ".";
    text += std::to_string(thousandths);
    return text;
}

// What "%3.2f" prints for hundredths × 0.01, taken from the integer so that binary floating
// point cannot turn 29 hundredths into "0.28".
std::string HundredthsText(long long hundredths) {
    const long long magnitude = std::llabs(hundredths);
    const long long fraction = magnitude % 100;
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += '.';
    if (fraction < 10)
        text += '0';
    text += std::to_string(fraction);
    return text;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string BuildCsv(const GridTexts& batters, const GridTexts& pitchers) {
    std::string out;
    AppendCsvRows(out, batters, BatterTrailingColumns);
    AppendCsvRows(out, pitchers, PitcherTrailingColumns);
    return out;
}

TeamTotals ComputeTotals(const GridTexts& batters, const GridTexts& pitchers) {
    TeamTotals totals{};
    totals.battingAverage = MeanOfColumn(batters, BatterAverageColumn);
    totals.homeRuns = SumColumn(batters, BatterHomeRunColumn);
    totals.speed = MeanOfColumn(batters, BatterSpeedColumn);
    totals.earnedRunAverage = MeanOfColumn(pitchers, PitcherEraColumn);
    totals.fastBallSpeed = MeanOfColumn(pitchers, PitcherFastBallColumn);
    return totals;
}

std::string BuildHtml(std::string_view initials, const GridTexts& batters,
                      const GridTexts& pitchers, const TeamReportLabels& labels) {
    const TeamTotals totals = ComputeTotals(batters, pitchers);
    const std::string team = FillPattern(HtmlText(labels.teamName), {HtmlText(initials)});

    std::string out;
    out += "<html><head><title>" + team + "</title></head><body>";
    out += LineEnd;
    out += "<h3>" + team + "</h3>";
    out += LineEnd;
    out += "<table><caption>" +
           FillPattern(HtmlText(labels.batterCaption),
                       {AverageText(totals.battingAverage), std::to_string(totals.homeRuns),
                        std::to_string(totals.speed)}) +
           "</caption>";
    out += LineEnd;
    AppendHtmlRows(out, batters, BatterTrailingColumns, labels.batterHeaders, labels.labelWords);
    out += "</table>";
    out += LineEnd;
    out += "<hr>";
    out += LineEnd;
    out += LineEnd;
    out += "<table><caption>" +
           FillPattern(HtmlText(labels.pitcherCaption), {HundredthsText(totals.earnedRunAverage),
                                                         std::to_string(totals.fastBallSpeed)}) +
           "</caption>";
    out += LineEnd;
    AppendHtmlRows(out, pitchers, PitcherTrailingColumns, labels.pitcherHeaders, labels.labelWords);
    out += "</table></body></html>";
    out += LineEnd;
    return out;
}

} // namespace reports
