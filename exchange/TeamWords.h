// SPDX-License-Identifier: MIT
#pragma once

#include "LeagueOverview.h"
#include "PasteReader.h"
#include "RecordText.h"
#include "TeamReport.h"
#include "Words.h"

#include <QString>

// The words the interface uses for the parts of a team, chosen once in the translation files and
// used wherever the interface names them: the grid headers, the steps on the undo stack, the value
// dialog, the change lists, the pages. The data keeps its own texts in every language (the grid
// headers and labels are the headers of the CSV files); in Japanese the data's texts are shown as
// they are, in any other language these words stand for them on screen and on the pages.
namespace exchange {

// How this face looks its words up: in the interface's language, through the installed
// translation.
[[nodiscard]] reports::Words InterfaceWords();

// A grid column's name (1 is the name column; empty for the label column and the batter grid's
// two unused columns). English "AVG"; Japanese the header without the spaces that pad it ("打率").
[[nodiscard]] QString ColumnName(teamdata::Grid grid, int column);

// A grid column's word in the grid's header: its name, or a shorter sign where the column has no
// room for the name ("★" for "Popularity").
[[nodiscard]] QString ColumnHeaderWord(teamdata::Grid grid, int column);

// What a grid header's tooltip says: the column's full name ("Batting average"), for column 0
// the grid's rows; empty for the batter grid's two unused columns.
[[nodiscard]] QString ColumnToolTip(teamdata::Grid grid, int column);

// The value dialog's caption for a column, which in Japanese names a few columns more fully
// ("実打率" where the steps say "打率").
[[nodiscard]] QString ValueCaption(teamdata::Grid grid, int column);

// A player's name as the window shows it wherever it names a player: its display form
// (teamdata::NameForDisplay), ぽーる for the game's ほ゜－る.
[[nodiscard]] QString ShownName(const QString& name);

// What a grid cell shows for its text `data` (column 0 the labels, row 0 the headers): a name in
// its display form (ShownName) in every language; in Japanese every other text itself; otherwise
// the header row in this language's words (the corner naming the grid) and the batting side and
// pitching style labels as the language writes them. Numbers and row labels are shown as they
// are.
[[nodiscard]] QString ShownCellText(teamdata::Grid grid, int column, int row, const QString& data);

// The words of every language the interface speaks for the batting side and pitching style
// labels ("R" for 右), for a paste to read whichever language the rows were copied under.
[[nodiscard]] reports::LabelSpellings PastedLabelSpellings();

// A batting side or pitching style label in the interface's words: "R Sub" for "右下" (in
// Japanese the label itself). Any other text is returned as it is.
[[nodiscard]] QString LabelWord(std::string_view label);

// Every batting side and pitching style label with its word in the interface's language, for the
// readable forms (reports::LabelWords); none in Japanese, where the labels are shown as they are.
[[nodiscard]] reports::LabelWords InterfaceLabelWords();

// The words of a team's HTML page and of the league overview in the interface's language: the
// defaults (the Japanese pages as they have always been) in Japanese.
[[nodiscard]] reports::TeamReportLabels InterfaceTeamReportLabels();
[[nodiscard]] reports::OverviewLabels InterfaceOverviewLabels();

} // namespace exchange
