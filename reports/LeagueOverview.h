// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "TeamReport.h"

#include <array>
#include <cstddef>
#include <string>

// The league at a glance: one self-contained HTML page comparing the sixteen teams in a table and
// in charts, followed by every team's rosters.
namespace reports {

// The figures of the league table, in its column order.
enum class OverviewFigure {
    BattingAverage,   // team batting average, as the team report computes it
    HomeRuns,         // sum of the batters' home runs, as the team report computes it
    Speed,            // mean speed of the batters, as the team report computes it
    Fielding,         // mean of the batters' 守備力
    Arm,              // mean of the batters' 肩
    OrderPopularity,  // mean popularity of the batting order (rows 1 to 8)
    BenchPopularity,  // mean popularity of the bench (rows 9 to 13)
    EarnedRunAverage, // team ERA, as the team report computes it; the lower, the better
    Stamina,          // mean stamina of the pitchers
    FastestBall,      // the fastest 球速（速） among the pitchers
    RightBreak,       // sum of the pitchers' 右変化
    LeftBreak,        // sum of the pitchers' 左変化
    Fork,             // sum of the pitchers' フォーク
};
inline constexpr std::size_t OverviewFigureCount = 13;

struct OverviewFigureLabels {
    std::string heading; // the table's column heading and the chart's title
    std::string note;    // how the figure is computed
};

// Every word the page shows. "%1", "%2", "%3" stand for the pieces named beside each text.
// The defaults are the Japanese page; another language hands in its own words.
struct OverviewLabels {
    std::string language = "ja"; // the page's lang attribute
    std::string title = "リーグ一覧";
    std::string tableHeading = "16チームの比較";
    std::string teamColumn = "チーム";
    std::string rank = "%1位";                             // %1 the rank
    std::string colors = "ヘルメット %1、ユニフォーム %2"; // %1, %2 the colour bytes
    std::string notesHeading = "数値の求め方";
    std::string rankNote =
        "各数値の後ろは16チーム中の順位です。1位が最も良く、防御率だけは低いほど上位です。"
        "同じ値のチームは同じ順位になり、次の順位はその数だけ飛びます。";
    std::string chartsHeading = "グラフ";
    std::string barChartDescription = "%1、良い順に：%2。"; // %1 the figure, %2 the bars
    std::string barItem = "%1 %2（%3）";                    // %1 initials, %2 value, %3 rank
    std::string listSeparator = "、";
    std::string scatterTitle = "打撃と投手力";
    std::string scatterDescription = "横軸はチーム打率、縦軸はチーム防御率：%1。"; // %1 points
    std::string scatterItem = "%1 打率%2 防御率%3"; // %1 initials, %2 average, %3 ERA
    std::string scatterXAxis = "チーム打率（右ほど高い）";
    std::string scatterYAxis = "チーム防御率（上ほど低い）";
    std::string rostersHeading = "各チームの選手";
    std::string teamName = "%1チーム"; // %1 the initials
    std::string batters = "打者";
    std::string pitchers = "投手";
    // The rosters' column headings, grid columns 1..9 and 1..11.
    std::array<std::string, 9> batterColumns = JapaneseBatterColumns();
    std::array<std::string, 11> pitcherColumns = JapanesePitcherColumns();
    LabelWords labelWords; // the rosters' batting sides and pitching styles
    std::array<OverviewFigureLabels, OverviewFigureCount> figures = JapaneseFigureLabels();

    // The figures' Japanese headings and notes, in OverviewFigure order.
    [[nodiscard]] static std::array<OverviewFigureLabels, OverviewFigureCount>
    JapaneseFigureLabels();
    // The grid headers without the spaces that centre them in the window's wider columns
    // ("　走　力　" reads "走　力"), which would only widen the compact tables.
    [[nodiscard]] static std::array<std::string, 9> JapaneseBatterColumns();
    [[nodiscard]] static std::array<std::string, 11> JapanesePitcherColumns();
};

// The overview page of a league, UTF-8 HTML5 with inline CSS and SVG that needs no script and no
// other file: the league table (teams in image order, each figure followed by the team's rank
// among the sixteen), a bar chart per figure, batting average against ERA as a scatter chart, then
// each team's batters and pitchers as the grids show them. Every text is escaped. Throws
// teamdata::NotANumberError for the first cell a figure reads that is not a decimal integer,
// team by team in image order.
[[nodiscard]] std::string BuildLeagueOverview(const LeagueTexts& league,
                                              const OverviewLabels& labels = {});

} // namespace reports
