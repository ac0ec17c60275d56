// SPDX-License-Identifier: MIT
#pragma once

#include "ChangeReport.h"
#include "Columns.h"
#include "LeagueOverview.h"
#include "PasteReader.h"
#include "TeamReport.h"

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words of the written files and of the grid headers, in the user's language. Every face
// (the window, the command line, the browser page) hands in its own way to look a text up in the
// translation files, and the same function words each file in every face, so that a file written
// in English is the same wherever it is written.
namespace reports {

// An English source text with the disambiguation that tells it apart from the same text
// elsewhere, as QT_TRANSLATE_NOOP3 marks it.
struct MarkedText {
    const char* source;
    const char* disambiguation;
};

// A face's look-up in the translation files: context, English source and disambiguation (null for
// none) to the text in the user's language, the source itself where the files hold none.
using Translate =
    std::function<std::string(const char* context, const char* source, const char* disambiguation)>;
// The same for a text of a count (a "%n"): the form the language uses for `count`, with the count
// filled in for %n.
using TranslateCount =
    std::function<std::string(const char* context, const char* source, int count)>;

struct Words {
    std::string language = "ja"; // the user's language, "ja" or "en"
    Translate translate;

    [[nodiscard]] std::string operator()(const char* context, const char* source,
                                         const char* disambiguation = nullptr) const;
    TranslateCount translateCount;
    // A text of a count in the user's language, %n filled in (the source's form where the face
    // handed in no look-up of counts).
    [[nodiscard]] std::string Counted(const char* context, const char* source, int count) const;
    // In Japanese the data's own texts (headers and labels) are shown as they are.
    [[nodiscard]] bool ShowsData() const { return language == "ja"; }
};

// `text` with every %1 replaced by `value`, as QString::arg fills the only placeholder.
[[nodiscard]] std::string FillIn(std::string_view text, std::string_view value);

// A grid column's name (1 is the name column; empty for the label column and the batter grid's
// two unused columns). English "AVG"; Japanese the header without the spaces that pad it ("打率").
[[nodiscard]] std::string ColumnName(const Words& words, teamdata::Grid grid, int column);
// A column's word in the grid's header: its name, or a shorter sign where the column has no room
// for the name ("★" for "Popularity").
[[nodiscard]] std::string ColumnHeaderWord(const Words& words, teamdata::Grid grid, int column);
// What a header's tooltip says: the column's full name, for column 0 the grid's rows.
[[nodiscard]] std::string ColumnToolTip(const Words& words, teamdata::Grid grid, int column);
// The value dialog's caption for a column.
[[nodiscard]] std::string ValueCaption(const Words& words, teamdata::Grid grid, int column);
// The word in a grid's corner, naming the grid, where the language does not show the data's own.
[[nodiscard]] std::string CornerWord(const Words& words, teamdata::Grid grid);
// The header row a grid shows: the data's own headers in Japanese (`dataHeaders`, the corner
// first), the language's words otherwise.
[[nodiscard]] std::vector<std::string> ShownHeaders(const Words& words, teamdata::Grid grid,
                                                    const std::vector<std::string>& dataHeaders);

// Whether `column` holds batting sides or pitching styles.
[[nodiscard]] bool IsLabelColumn(teamdata::Grid grid, int column);
// A batting side or pitching style label in the language's words: "R Sub" for "右下" (in
// Japanese the label itself). Any other text is returned as it is.
[[nodiscard]] std::string LabelWord(const Words& words, std::string_view label);
// Every label with its word, for the readable forms; none in Japanese.
[[nodiscard]] LabelWords InterfaceLabelWords(const Words& words);
// Each label's word in `words`' language with the label it stands for, where the two differ, for
// a paste to read rows copied under that language.
[[nodiscard]] std::vector<std::pair<std::string, std::string>> LabelSpellingsIn(const Words& words);

// The words of a team's HTML page, of the league overview and of the change list's text and page;
// the defaults (the Japanese files as they have always been) in Japanese.
[[nodiscard]] TeamReportLabels TeamReportLabelsIn(const Words& words);
[[nodiscard]] OverviewLabels OverviewLabelsIn(const Words& words);
[[nodiscard]] ChangeLabels ChangeLabelsIn(const Words& words);

} // namespace reports
