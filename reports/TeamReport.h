// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace reports {

// A grid's texts as shown: [row][column], row 0 the header row, column 0 the row labels. The
// column count of a grid is the length of its longest row; a shorter row reads as empty texts
// in its missing cells.
using GridTexts = std::vector<std::vector<std::string>>;

// One CSV field as the reports write it: quoted (with doubled quotes inside) only when it holds a
// comma, a double quote, CR or LF, which would otherwise break the line.
[[nodiscard]] std::string CsvField(std::string_view text);

// The team as a CSV text: every batter row with columns 1 to (column count - 3), then every
// pitcher row with columns 1 to (column count - 1), fields joined by ",", each line ending in
// "\r\n". Only a field holding a comma, a double quote, CR or LF is quoted.
[[nodiscard]] std::string BuildCsv(const GridTexts& batters, const GridTexts& pitchers);

// `pattern` with "%1".."%9" replaced by the pieces, as QString::arg does, in one pass: a piece
// that itself holds "%2" stays as it is, and so does a number with no piece.
[[nodiscard]] std::string FillPattern(std::string_view pattern,
                                      std::initializer_list<std::string_view> pieces);

// What the readable forms show for a batting side or pitching style label (the cells of column 2
// of either grid): another language's word for each label of the data. A text it has no word for,
// and every text when it is empty, is shown as it is.
using LabelWords = std::map<std::string, std::string, std::less<>>;
[[nodiscard]] std::string_view ShownLabel(const LabelWords& words, std::string_view text);

// The grid column of the batting side and of the pitching style.
inline constexpr std::size_t LabelColumn = 2;

// Every word of the team's HTML page, so that an interface in another language can hand over its
// own; the defaults are the Japanese page the window has always written.
struct TeamReportLabels {
    std::string teamName = "%1チーム"; // the title and the heading; %1 the initials
    // %1 the team batting average, %2 the home runs, %3 the speed.
    std::string batterCaption = "【打者】チーム打率%1／チーム本塁打%2／チーム走力%3";
    // %1 the team earned run average, %2 the mean fast-ball speed.
    std::string pitcherCaption = "【投手】チーム防御率%1／平均速球速度%2";
    // The header rows from column 1 on, in place of row 0 of the grids; empty to keep row 0 as
    // the grids give it (the data's own headers).
    std::vector<std::string> batterHeaders;
    std::vector<std::string> pitcherHeaders;
    LabelWords labelWords;
};

// The team as an HTML page with the team totals in the table captions, each line ending in
// "\r\n". The initials and cell texts are escaped. Throws teamdata::NotANumberError when a summed
// cell is not a decimal integer.
[[nodiscard]] std::string BuildHtml(std::string_view initials, const GridTexts& batters,
                                    const GridTexts& pitchers, const TeamReportLabels& labels = {});

// Totals over the data rows (row 1 onwards). Means use integer division that truncates toward
// zero; a table without data rows gives 0 for its means.
struct TeamTotals {
    int battingAverage;   // mean of the batters' "打　率" (column 5), in thousandths
    long long homeRuns;   // sum of the batters' "本　塁　打" (column 6), not averaged
    int speed;            // mean of the batters' "　走　力　" (column 7)
    int earnedRunAverage; // mean of the pitchers' "防御率 " (column 4), in hundredths
    int fastBallSpeed;    // mean of the pitchers' "球速（速）" (column 6)
};

// Text for HTML content and for attribute values in either quotes: & < > " ' escaped.
[[nodiscard]] std::string HtmlText(std::string_view text);

// How the reports print a batting average in thousandths: a point and then the integer, even
// below 100 (95 reads ".95"), as earlier reports show it.
[[nodiscard]] std::string AverageText(long long thousandths);

// How the reports print an earned run average in hundredths: what "%3.2f" prints for
// hundredths x 0.01 ("2.50", "0.05", "-0.05").
[[nodiscard]] std::string HundredthsText(long long hundredths);

// Reads the summed cells strictly, batter columns 5, 6, 7 then pitcher columns 4, 6, each from
// the top row down, so the first bad cell in that order is the one reported. Throws
// teamdata::NotANumberError.
[[nodiscard]] TeamTotals ComputeTotals(const GridTexts& batters, const GridTexts& pitchers);

} // namespace reports
