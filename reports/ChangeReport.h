// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "LeagueChange.h"
#include "TeamReport.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// A list of changes between two leagues (teamdata::CompareLeagues) in three forms: lines to read,
// CSV for a spreadsheet, and one HTML page for a review. All texts are UTF-8; callers encode them
// where a file needs Shift_JIS. Every character used besides the data is one that Shift_JIS has.
namespace reports {

// The captions of grid columns 1..9 (batters) and 1..11 (pitchers) as the grid header shows them,
// trailing spaces dropped: "名　　前", "打　率", "防御率".
[[nodiscard]] std::array<std::string, 9> BatterColumnCaptions();
[[nodiscard]] std::array<std::string, 11> PitcherColumnCaptions();

// Every word the text and HTML forms use, so that an interface in another language can hand over
// its own; the defaults are the window's Japanese. In a pattern, %1, %2 and %3 stand for the values
// named beside it, as in QString::arg.
struct ChangeLabels {
    std::string batter = "打者";
    std::string pitcher = "投手";
    std::string helmet = "ヘルメット";
    std::string uniform = "ユニフォーム";
    std::string battingOrder = "打順";
    std::string pitchingOrder = "投手の順番";
    std::string transfer = "移籍";
    std::string color = "色";
    std::string bytes = "バイト";
    std::array<std::string, 9> batterColumns = BatterColumnCaptions();
    std::array<std::string, 11> pitcherColumns = PitcherColumnCaptions();
    // The batting sides and pitching styles, in changes and in the page's grids.
    LabelWords labelWords;
    // Names in the form the program's own screens show them (teamdata::NameForDisplay) rather
    // than as the game spells them. The page always shows them so; the CSV form never does.
    bool namesForDisplay = false;
    // Follows a name (or a row a player arrived at) whose row held someone else before. %1: the
    // name that was there.
    std::string formerName = "（旧 %1）";
    // One byte range. %1, %2: its first and last offset; %3: how many bytes.
    std::string byteRange = "その他のバイト %1-%2（%3 バイト）";
    // The line after the byte ranges. %1: how many ranges; %2: how many bytes in all.
    std::string byteTotal = "その他のバイト: %1 か所、計 %2 バイト";

    // The HTML page.
    std::string language = "ja"; // its lang attribute
    std::string pageTitle = "変更の一覧";
    std::string teamHeading = "%1チーム"; // %1: the team initials
    std::string bytesHeading = "その他のバイト";
    std::string legend = "色の付いたセルが変わったセルで、取り消し線の値が変更前の値です。"
                         "行番号が青い行には、移動または移籍で選手が来ました。";
    std::string noChanges = "変更はありません。";
};

// The text form: one line per change, each ending in "\n", in the comparison's order, then, when
// there are byte ranges, one line with their count. A cell:
//   Ｇ 打者 3 やまた゛　 打　率: 250 → 300
// (after the name, "（旧 name）" when the row's name changed), a colour, a move, a transfer and a
// byte range:
//   Ｇ ヘルメット: 0x16 → 0x27
//   Ｇ 打順: やまた゛　 3 → 5
//   Ｇ 打者 移籍: やまた゛　 Ｔ 5 → Ｇ 3（旧 すずき　）
//   その他のバイト 0x00F01C-0x00F01E（3 バイト）
// Empty for no changes.
[[nodiscard]] std::string BuildChangeText(const std::vector<teamdata::LeagueChange>& changes,
                                          const ChangeLabels& labels = {});

// The columns of the CSV form and of the window's change list.
inline constexpr std::array<std::string_view, 7> ChangeCsvHeaders = {
    "チーム", "区分", "行", "名前", "項目", "変更前", "変更後",
};

// One change in those columns:
//   cell:     initials, 打者/投手, row, the row's new name, column caption, old text, new text
//   colour:   initials, 色, "", "", ヘルメット/ユニフォーム, 0x<HH>, 0x<HH>
//   move:     initials, 打者/投手, row arrived at, name, 打順/投手の順番, old row, new row
//   transfer: initials arrived at, 打者/投手, row arrived at, name, 移籍,
//             "<initials> <row>" of origin, "<initials> <row>" arrived at
//   bytes:    "", バイト, "", "", "0x<first>-0x<last>" (six or more hex digits), "", ""
struct ChangeFields {
    std::string team;
    std::string kind;
    std::string row;
    std::string name;
    std::string item;
    std::string before;
    std::string after;
};

[[nodiscard]] ChangeFields FieldsOf(const teamdata::LeagueChange& change,
                                    const ChangeLabels& labels = {});

// The CSV form: the header line, then one line per change as FieldsOf gives it with the Japanese
// labels (a file format, the same in every interface language). Fields are written by CsvField,
// every line ends in "\r\n".
[[nodiscard]] std::string BuildChangeCsv(const std::vector<teamdata::LeagueChange>& changes);

// The review page: a UTF-8 HTML5 page with no script and nothing to load. For each team a change
// touches, in image order: its colour changes with swatches, its moves and transfers, and both of
// its grids as `after` shows them, the changed cells marked with the old text beside the new and
// the rows a player arrived at marked; then the byte ranges. Names are in their display form,
// whatever `labels` say. Every text is escaped.
[[nodiscard]] std::string BuildChangeHtml(const std::vector<teamdata::LeagueChange>& changes,
                                          const LeagueTexts& after,
                                          const ChangeLabels& labels = {});

} // namespace reports
