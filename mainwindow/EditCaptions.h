// SPDX-License-Identifier: MIT
#pragma once

// What the window calls the parts of a team that it edits: the names of the steps on the undo
// stack (the "打率" of "元に戻す(&U): 打率") and the captions of the value dialog. They are words
// of the interface, translated like any other, and so are written here rather than read from the
// grids' header cells, whose texts are data (the CSV files carry them as they are).

#include "RecordText.h"

#include <QString>

namespace mainunit {

// A column of the batter or the pitcher grid by its number (1 is the name); empty for the label
// column and for the batter grid's two unused columns.
[[nodiscard]] QString ColumnName(teamdata::Grid grid, int column);

// The value dialog's caption for a column, which names a few columns more fully than the steps
// do ("実打率" where the step says "打率").
[[nodiscard]] QString ValueCaption(teamdata::Grid grid, int column);

// The steps that are no edit of a single column.
enum class EditStep { BattingOrder, PitchingOrder, Helmet, Uniform, TeamCsvImport, Paste };
[[nodiscard]] QString StepName(EditStep step);

} // namespace mainunit
