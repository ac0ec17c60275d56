// SPDX-License-Identifier: MIT
#include "LeagueOverview.h"

#include "LeagueCsv.h"
#include "SvgCharts.h"
#include "TeamReport.h"

#include "GridCaptions.h"
#include "NameNormalizer.h"
#include "Palette.h"
#include "TRomTeamData.h"
#include "TextNumbers.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace reports {

namespace {

using teamdata::TeamCount;

// How a figure is written: the team report's forms where a figure is the team report's, and one
// decimal for the means it does not have, so that ratings of 1 to 5 still tell teams apart.
enum class NumberForm { Average, Hundredths, Tenths, Whole };

struct FigureRule {
    NumberForm form;
    bool lowerIsBetter;
};

constexpr std::array<FigureRule, OverviewFigureCount> FigureRules = {{
    {NumberForm::Average, false},   // BattingAverage
    {NumberForm::Whole, false},     // HomeRuns
    {NumberForm::Whole, false},     // Speed
    {NumberForm::Tenths, false},    // Fielding
    {NumberForm::Tenths, false},    // Arm
    {NumberForm::Tenths, false},    // OrderPopularity
    {NumberForm::Tenths, false},    // BenchPopularity
    {NumberForm::Hundredths, true}, // EarnedRunAverage
    {NumberForm::Tenths, false},    // Stamina
    {NumberForm::Whole, false},     // FastestBall
    {NumberForm::Whole, false},     // RightBreak
    {NumberForm::Whole, false},     // LeftBreak
    {NumberForm::Whole, false},     // Fork
}};

constexpr std::size_t Index(OverviewFigure figure) {
    return static_cast<std::size_t>(figure);
}

// A team's figures in their units: thousandths, hundredths, tenths or ones, as the form says.
using FigureValues = std::array<long long, OverviewFigureCount>;

// The mean in tenths, rounded half up, in integers so that no binary fraction decides a rank.
long long MeanInTenths(long long sum, long long count) {
    return FloorDivide(20 * sum + count, 2 * count);
}

template <std::size_t Columns, std::size_t Rows>
long long SumOf(const std::array<std::array<std::string, Columns>, Rows>& rows, int column,
                std::size_t first, std::size_t end) {
    long long sum = 0;
    for (std::size_t row = first; row < end; ++row)
        sum += teamdata::StrictToInt(rows[row][static_cast<std::size_t>(column - 1)]);
    return sum;
}

FigureValues FiguresOf(const teamdata::TeamTexts& team) {
    using teamdata::BatterColumn::Arm;
    using teamdata::BatterColumn::Fielding;
    using teamdata::BatterColumn::Popularity;
    namespace Pitcher = teamdata::PitcherColumn;
    constexpr std::size_t Batters = teamdata::BatterCount;
    constexpr std::size_t Order = teamdata::BattingOrderLength;
    constexpr std::size_t Pitchers = teamdata::PitcherCount;

    // The team report's totals first, so that a bad cell among its columns is reported as the
    // team report would report it.
    const TeamTotals totals = ComputeTotals(BatterGrid(team.batters), PitcherGrid(team.pitchers));
    FigureValues values{};
    values[Index(OverviewFigure::BattingAverage)] = totals.battingAverage;
    values[Index(OverviewFigure::HomeRuns)] = totals.homeRuns;
    values[Index(OverviewFigure::Speed)] = totals.speed;
    values[Index(OverviewFigure::EarnedRunAverage)] = totals.earnedRunAverage;
    values[Index(OverviewFigure::Fielding)] =
        MeanInTenths(SumOf(team.batters, Fielding, 0, Batters), Batters);
    values[Index(OverviewFigure::Arm)] =
        MeanInTenths(SumOf(team.batters, Arm, 0, Batters), Batters);
    values[Index(OverviewFigure::OrderPopularity)] =
        MeanInTenths(SumOf(team.batters, Popularity, 0, Order), Order);
    values[Index(OverviewFigure::BenchPopularity)] =
        MeanInTenths(SumOf(team.batters, Popularity, Order, Batters), Batters - Order);
    values[Index(OverviewFigure::Stamina)] =
        MeanInTenths(SumOf(team.pitchers, Pitcher::Stamina, 0, Pitchers), Pitchers);
    long long fastest = 0;
    for (std::size_t row = 0; row < Pitchers; ++row) {
        const long long speed =
            teamdata::StrictToInt(team.pitchers[row][static_cast<std::size_t>(Pitcher::Fast - 1)]);
        fastest = row == 0 ? speed : std::max(fastest, speed);
    }
    values[Index(OverviewFigure::FastestBall)] = fastest;
    values[Index(OverviewFigure::RightBreak)] =
        SumOf(team.pitchers, Pitcher::RightBreak, 0, Pitchers);
    values[Index(OverviewFigure::LeftBreak)] =
        SumOf(team.pitchers, Pitcher::LeftBreak, 0, Pitchers);
    values[Index(OverviewFigure::Fork)] = SumOf(team.pitchers, Pitcher::Fork, 0, Pitchers);
    return values;
}

std::string TenthsText(long long tenths) {
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    return (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10) + '.' +
           std::to_string(magnitude % 10);
}

std::string NumberText(NumberForm form, long long value) {
    switch (form) {
    case NumberForm::Average:
        return AverageText(value);
    case NumberForm::Hundredths:
        return HundredthsText(value);
    case NumberForm::Tenths:
        return TenthsText(value);
    case NumberForm::Whole:
        break;
    }
    return std::to_string(value);
}

// An axis tick: as the figure is written, except that the average's zero reads "0", not ".0".
std::string TickTextOf(NumberForm form, long long value) {
    return form == NumberForm::Average && value == 0 ? "0" : NumberText(form, value);
}

struct TeamFigures {
    std::string initials;
    teamdata::TeamColors colors;
    FigureValues values{};
    std::array<int, OverviewFigureCount> ranks{};
};

using League = std::array<TeamFigures, TeamCount>;

// Competition ranking: a team's rank is one more than the number of teams strictly better, so
// tied teams share the best rank and the next rank skips as many places (1, 1, 3).
void RankTeams(League& league) {
    for (std::size_t figure = 0; figure < OverviewFigureCount; ++figure) {
        const bool lowerIsBetter = FigureRules[figure].lowerIsBetter;
        for (TeamFigures& team : league) {
            const long long value = team.values[figure];
            team.ranks[figure] = 1 + static_cast<int>(std::count_if(
                                         league.begin(), league.end(), [&](const auto& other) {
                                             return lowerIsBetter ? other.values[figure] < value
                                                                  : other.values[figure] > value;
                                         }));
        }
    }
}

League FiguresOfLeague(const LeagueTexts& texts) {
    League league;
    for (int team = 0; team < TeamCount; ++team) {
        const auto slot = static_cast<std::size_t>(team);
        league[slot].initials = std::string(TRomTeamData::TeamInitials[slot]);
        league[slot].colors = texts[slot].colors;
        league[slot].values = FiguresOf(texts[slot]);
    }
    RankTeams(league);
    return league;
}

std::string ColorTitle(const OverviewLabels& labels, teamdata::TeamColors colors) {
    return FillPattern(labels.colors, {ColorText(colors.helmet), ColorText(colors.uniform)});
}

// The helmet and the uniform colour side by side, as the window's two swatches show them.
std::string SwatchesSvg(const OverviewLabels& labels, teamdata::TeamColors colors) {
    std::string out = "<svg class=\"swatches\" role=\"img\" viewBox=\"0 0 26 12\" width=\"26\" "
                      "height=\"12\"><title>" +
                      HtmlText(ColorTitle(labels, colors)) + "</title>";
    const auto square = [&](std::string_view x, std::uint8_t color) {
        out += "<rect x=\"" + std::string(x) + "\" y=\"0.5\" width=\"11\" height=\"11\" fill=\"" +
               CssColor(teamdata::SwatchColor(color)) + "\" stroke=\"#8c8c8c\"/>";
    };
    square("0.5", colors.helmet);
    square("14.5", colors.uniform);
    out += "</svg>";
    return out;
}

constexpr std::string_view StyleSheet = R"(
:root { color: #1a1a1a; background: #ffffff; }
body { margin: 16px; font-size: 14px; line-height: 1.4;
  font-family: "IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Hiragino Kaku Gothic ProN",
    "Yu Gothic", Meiryo, sans-serif; }
h1 { font-size: 22px; margin: 0 0 8px; }
h2 { font-size: 18px; margin: 28px 0 10px; padding-bottom: 2px; border-bottom: 2px solid #444444; }
h3 { font-size: 15px; margin: 18px 0 6px; }
table { border-collapse: collapse; }
th, td { border: 1px solid #b4b4b4; padding: 2px 5px; }
thead th { background: #eeeeee; }
table.league { width: 100%; font-size: 13px; }
table.league td { text-align: right; white-space: nowrap; }
table.league thead th { vertical-align: bottom; }
table.league tbody th { text-align: left; white-space: nowrap; }
table.league .rank { display: block; font-size: 11px; color: #555555; }
table.league th.sortable { cursor: pointer; }
svg.swatches { vertical-align: -1px; margin-right: 5px; }
dl.notes { display: grid; grid-template-columns: max-content 1fr; gap: 2px 14px; font-size: 13px; }
dl.notes dt { font-weight: bold; }
dl.notes dd { margin: 0; }
p.note { font-size: 13px; }
.charts { display: grid; grid-template-columns: repeat(2, minmax(0, 1fr)); gap: 18px 28px; }
figure { margin: 0; break-inside: avoid; page-break-inside: avoid; }
figure.wide { grid-column: 1 / -1; max-width: 640px; }
figcaption { font-weight: bold; margin-bottom: 2px; }
svg.chart { display: block; width: 100%; height: auto; }
.rosters { display: flex; flex-wrap: wrap; gap: 6px 14px; align-items: flex-start; }
table.roster { font-size: 11px; }
table.roster th, table.roster td { padding: 1px 3px; white-space: nowrap; }
table.roster tbody th { font-weight: normal; background: #f6f6f6; }
section.team { break-inside: avoid; page-break-inside: avoid; }
@media (max-width: 700px) { .charts { grid-template-columns: minmax(0, 1fr); } }
@page { size: A4 portrait; margin: 12mm; }
@media print {
  body { margin: 0; font-size: 9pt; }
  h1 { font-size: 15pt; }
  h2 { font-size: 12pt; margin-top: 14pt; break-after: avoid; page-break-after: avoid; }
  h3 { font-size: 10pt; break-after: avoid; page-break-after: avoid; }
  table.league { font-size: 7.5pt; }
  table.league .rank { font-size: 6.5pt; }
  table.league th, table.league td { padding: 1px 3px; }
  dl.notes, p.note { font-size: 7.5pt; }
  .charts { gap: 4mm 8mm; }
  figure.wide { max-width: 120mm; }
  table.roster { font-size: 7pt; line-height: 1.2; }
  .rosters { gap: 2mm 4mm; }
  section.team h3 { margin: 8pt 0 3pt; }
  section.charts-section { break-before: page; page-break-before: always; }
}
)";

// Sorting by a click on a header of the league table: best first, a second click turns the order
// round, the team heading brings back the image order. The page reads the same without it.
constexpr std::string_view SortScript = R"(
(function () {
  "use strict";
  var table = document.getElementById("league");
  if (!table || !table.tHead || !table.tBodies.length) { return; }
  var body = table.tBodies[0];
  var headers = table.tHead.rows[0].cells;
  function keyOf(row, column) {
    return Number(column === 0 ? row.getAttribute("data-order")
                               : row.cells[column].getAttribute("data-rank"));
  }
  Array.prototype.forEach.call(headers, function (header, column) {
    function sort() {
      var turned = header.getAttribute("aria-sort") === "ascending";
      var rows = Array.prototype.slice.call(body.rows);
      rows.sort(function (a, b) {
        var difference = keyOf(a, column) - keyOf(b, column) || keyOf(a, 0) - keyOf(b, 0);
        return turned ? -difference : difference;
      });
      Array.prototype.forEach.call(headers, function (other) { other.removeAttribute("aria-sort"); });
      header.setAttribute("aria-sort", turned ? "descending" : "ascending");
      rows.forEach(function (row) { body.appendChild(row); });
    }
    header.tabIndex = 0;
    header.classList.add("sortable");
    header.addEventListener("click", sort);
    header.addEventListener("keydown", function (event) {
      if (event.key === "Enter" || event.key === " ") { event.preventDefault(); sort(); }
    });
  });
}());
)";

void AppendLeagueTable(std::string& out, const League& league, const OverviewLabels& labels) {
    out += "<table class=\"league\" id=\"league\">\n<thead>\n<tr><th scope=\"col\">" +
           HtmlText(labels.teamColumn) + "</th>";
    for (const OverviewFigureLabels& figure : labels.figures)
        out += "<th scope=\"col\">" + HtmlText(figure.heading) + "</th>";
    out += "</tr>\n</thead>\n<tbody>\n";
    for (std::size_t team = 0; team < league.size(); ++team) {
        const TeamFigures& figures = league[team];
        out += "<tr data-order=\"" + std::to_string(team) + "\"><th scope=\"row\">" +
               SwatchesSvg(labels, figures.colors) + HtmlText(figures.initials) + "</th>";
        for (std::size_t figure = 0; figure < OverviewFigureCount; ++figure) {
            const std::string rank = std::to_string(figures.ranks[figure]);
            out += "<td data-rank=\"" + rank + "\"><span class=\"value\">" +
                   HtmlText(NumberText(FigureRules[figure].form, figures.values[figure])) +
                   "</span> <span class=\"rank\">" + HtmlText(FillPattern(labels.rank, {rank})) +
                   "</span></td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";

    out += "<p class=\"note\">" + HtmlText(labels.rankNote) + "</p>\n";
    out += "<h3>" + HtmlText(labels.notesHeading) + "</h3>\n<dl class=\"notes\">\n";
    for (const OverviewFigureLabels& figure : labels.figures)
        out += "<dt>" + HtmlText(figure.heading) + "</dt><dd>" + HtmlText(figure.note) + "</dd>\n";
    out += "</dl>\n";
}

std::string ScatterChart(const League& league, const OverviewLabels& labels) {
    constexpr auto Average = Index(OverviewFigure::BattingAverage);
    constexpr auto Era = Index(OverviewFigure::EarnedRunAverage);
    std::vector<ChartPoint> points;
    std::vector<std::string> items;
    for (const TeamFigures& team : league) {
        points.push_back({team.initials, team.values[Average], team.values[Era],
                          teamdata::SwatchColor(team.colors.uniform),
                          teamdata::SwatchColor(team.colors.helmet)});
        items.push_back(
            FillPattern(labels.scatterItem,
                        {team.initials, NumberText(NumberForm::Average, team.values[Average]),
                         NumberText(NumberForm::Hundredths, team.values[Era])}));
    }
    std::string list;
    for (const std::string& item : items) {
        list += list.empty() ? std::string() : labels.listSeparator;
        list += item;
    }
    const ScatterAxis xAxis{labels.scatterXAxis,
                            [](long long value) { return TickTextOf(NumberForm::Average, value); },
                            false};
    // Better pitching is a lower ERA: drawn at the top, so that the strong teams gather at the
    // top right.
    const ScatterAxis yAxis{
        labels.scatterYAxis,
        [](long long value) { return TickTextOf(NumberForm::Hundredths, value); }, true};
    return ScatterChartSvg({labels.scatterTitle, FillPattern(labels.scatterDescription, {list})},
                           points, xAxis, yAxis);
}

std::string BarChart(const League& league, std::size_t figure, const OverviewLabels& labels) {
    const FigureRule rule = FigureRules[figure];
    std::vector<const TeamFigures*> order;
    for (const TeamFigures& team : league)
        order.push_back(&team);
    // Best first; tied teams in image order.
    std::stable_sort(order.begin(), order.end(), [&](const auto* a, const auto* b) {
        return a->ranks[figure] < b->ranks[figure];
    });

    std::vector<ChartBar> bars;
    std::string list;
    for (const TeamFigures* team : order) {
        const std::string value = NumberText(rule.form, team->values[figure]);
        bars.push_back({team->initials, team->values[figure], value,
                        teamdata::SwatchColor(team->colors.uniform),
                        teamdata::SwatchColor(team->colors.helmet)});
        const std::string rank = FillPattern(labels.rank, {std::to_string(team->ranks[figure])});
        list += list.empty() ? std::string() : labels.listSeparator;
        list += FillPattern(labels.barItem, {team->initials, value, rank});
    }
    const std::string& heading = labels.figures[figure].heading;
    return BarChartSvg({heading, FillPattern(labels.barChartDescription, {heading, list})}, bars,
                       heading,
                       [form = rule.form](long long value) { return TickTextOf(form, value); });
}

void AppendCharts(std::string& out, const League& league, const OverviewLabels& labels) {
    out += "<section class=\"charts-section\">\n<h2>" + HtmlText(labels.chartsHeading) +
           "</h2>\n<div class=\"charts\">\n";
    out += "<figure class=\"wide\">\n<figcaption>" + HtmlText(labels.scatterTitle) +
           "</figcaption>\n" + ScatterChart(league, labels) + "\n</figure>\n";
    for (std::size_t figure = 0; figure < OverviewFigureCount; ++figure)
        out += "<figure>\n<figcaption>" + HtmlText(labels.figures[figure].heading) +
               "</figcaption>\n" + BarChart(league, figure, labels) + "\n</figure>\n";
    out += "</div>\n</section>\n";
}

// A grid caption without the spaces that centre it in the window's wider columns ("　走　力　"
// reads "走　力"), which would only widen the compact tables.
std::string_view Trimmed(std::string_view caption) {
    constexpr std::string_view WideSpace = "　";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view space : {std::string_view(" "), WideSpace}) {
            if (caption.starts_with(space)) {
                caption.remove_prefix(space.size());
                trimmed = true;
            }
            if (caption.ends_with(space)) {
                caption.remove_suffix(space.size());
                trimmed = true;
            }
        }
    }
    return caption;
}

// A roster cell as a fan reads it, in the units of the league table above: the average as .284
// and the ERA as 8.50 (the data holds 284 and 850), a name in its display form.
std::string RosterCellText(teamdata::Grid grid, std::size_t column, const std::string& cell,
                           const LabelWords& labelWords) {
    if (column == LabelColumn)
        return std::string(ShownLabel(labelWords, cell));
    if (column == static_cast<std::size_t>(teamdata::BatterColumn::Name))
        return teamdata::NameForDisplay(cell);
    const bool batters = grid == teamdata::Grid::Batters;
    if (batters && column == static_cast<std::size_t>(teamdata::BatterColumn::Average))
        return NumberText(NumberForm::Average, teamdata::StrictToInt(cell));
    if (!batters && column == static_cast<std::size_t>(teamdata::PitcherColumn::Era))
        return NumberText(NumberForm::Hundredths, teamdata::StrictToInt(cell));
    return cell;
}

template <std::size_t Columns, std::size_t Rows>
void AppendRoster(std::string& out, teamdata::Grid grid, std::string_view corner,
                  const std::array<std::string, Columns>& headers,
                  const std::array<std::string_view, Rows>& rowLabels,
                  const std::array<std::array<std::string, Columns>, Rows>& rows,
                  const LabelWords& labelWords) {
    out += "<table class=\"roster\">\n<thead><tr><th scope=\"col\">" + HtmlText(corner) + "</th>";
    for (const std::string& header : headers)
        out += "<th scope=\"col\">" + HtmlText(header) + "</th>";
    out += "</tr></thead>\n<tbody>\n";
    for (std::size_t row = 0; row < Rows; ++row) {
        out += "<tr><th scope=\"row\">" + HtmlText(rowLabels[row]) + "</th>";
        for (std::size_t column = 1; column <= Columns; ++column) {
            out += "<td>" +
                   HtmlText(RosterCellText(grid, column, rows[row][column - 1], labelWords)) +
                   "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
}

void AppendRosters(std::string& out, const LeagueTexts& texts, const League& league,
                   const OverviewLabels& labels) {
    out += "<section>\n<h2>" + HtmlText(labels.rostersHeading) + "</h2>\n";
    for (std::size_t team = 0; team < texts.size(); ++team) {
        out += "<section class=\"team\">\n<h3>" + SwatchesSvg(labels, texts[team].colors) +
               HtmlText(FillPattern(labels.teamName, {league[team].initials})) +
               "</h3>\n<div class=\"rosters\">\n";
        AppendRoster(out, teamdata::Grid::Batters, labels.batters, labels.batterColumns,
                     teamdata::BatterLabels, texts[team].batters, labels.labelWords);
        AppendRoster(out, teamdata::Grid::Pitchers, labels.pitchers, labels.pitcherColumns,
                     teamdata::PitcherLabels, texts[team].pitchers, labels.labelWords);
        out += "</div>\n</section>\n";
    }
    out += "</section>\n";
}

} // namespace

std::array<OverviewFigureLabels, OverviewFigureCount> OverviewLabels::JapaneseFigureLabels() {
    constexpr std::string_view HalfUp = "小数第2位を四捨五入。";
    return {{
        {"打率", "打者13人の打率の平均（チームのHTML出力と同じく小数第4位以下を切り捨て）。"},
        {"本塁打", "打者13人の本塁打の合計。"},
        {"走力", "打者13人の走力の平均（チームのHTML出力と同じく小数点以下を切り捨て）。"},
        {"守備力", "打者13人の守備力の平均。" + std::string(HalfUp)},
        {"肩", "打者13人の肩の平均。" + std::string(HalfUp)},
        {"人気（打順）", "打順の8人（１〜８）の人気の平均。" + std::string(HalfUp)},
        {"人気（控え）", "控えの5人（Ｐ１〜Ｐ５）の人気の平均。" + std::string(HalfUp)},
        {"防御率", "投手5人の防御率の平均（チームのHTML出力と同じく小数第3位以下を切り捨て）。低い"
                   "ほど上位。"},
        {"スタミナ", "投手5人のスタミナの平均。" + std::string(HalfUp)},
        {"最速球", "投手5人の球速（速）のうち最も速いもの。"},
        {"右変化", "投手5人の右変化の合計。"},
        {"左変化", "投手5人の左変化の合計。"},
        {"フォーク", "投手5人のフォークの合計。"},
    }};
}

namespace {

template <std::size_t Count, std::size_t HeaderCount>
std::array<std::string, Count>
TrimmedHeaders(const std::array<std::string_view, HeaderCount>& headers) {
    std::array<std::string, Count> columns;
    for (std::size_t column = 1; column <= Count; ++column)
        columns[column - 1] = std::string(Trimmed(headers[column]));
    return columns;
}

} // namespace

std::array<std::string, 9> OverviewLabels::JapaneseBatterColumns() {
    return TrimmedHeaders<9>(teamdata::BatterHeaders);
}

std::array<std::string, 11> OverviewLabels::JapanesePitcherColumns() {
    return TrimmedHeaders<11>(teamdata::PitcherHeaders);
}

std::string BuildLeagueOverview(const LeagueTexts& texts, const OverviewLabels& labels) {
    const League league = FiguresOfLeague(texts);

    std::string out;
    out.reserve(256 * 1024);
    out += "<!DOCTYPE html>\n<html lang=\"" + HtmlText(labels.language) + "\">\n<head>\n";
    out += "<meta charset=\"utf-8\">\n";
    out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    out += "<title>" + HtmlText(labels.title) + "</title>\n";
    out += "<style>" + std::string(StyleSheet) + "</style>\n</head>\n<body>\n";
    out += "<h1>" + HtmlText(labels.title) + "</h1>\n";
    out += "<section>\n<h2>" + HtmlText(labels.tableHeading) + "</h2>\n";
    AppendLeagueTable(out, league, labels);
    out += "</section>\n";
    AppendCharts(out, league, labels);
    AppendRosters(out, texts, league, labels);
    out += "<script>" + std::string(SortScript) + "</script>\n</body>\n</html>\n";
    return out;
}

} // namespace reports
