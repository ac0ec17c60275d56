// SPDX-License-Identifier: MIT
#pragma once

// What the window calls the edits that are no edit of a single column: the names of those steps
// on the undo stack (the "打順" of "元に戻す(&U): 打順"). A step of one column is named by the
// column's word (exchange::ColumnName in TeamWords.h), as the grids, the value dialog and the
// change lists name it.

#include <QString>

namespace mainunit {

enum class EditStep { BattingOrder, PitchingOrder, Helmet, Uniform, TeamCsvImport, Paste };
[[nodiscard]] QString StepName(EditStep step);

} // namespace mainunit
