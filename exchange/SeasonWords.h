// SPDX-License-Identifier: MIT
#pragma once

#include "Season.h"

#include <QString>

// A season plan in the user's language, for the command line and the window alike.
namespace exchange {

// Why the rules or the sheet cannot be followed, without its file and line.
[[nodiscard]] QString DescribeSeasonIssue(const plans::SeasonIssue& issue);

// Whether the issue is about the rules file (else about the sheet).
[[nodiscard]] bool IsRulesIssue(const plans::SeasonIssue& issue);

// One line of --explain: the team, the player, the column, the statistic read, the rule followed
// and the value given.
[[nodiscard]] QString ExplainValue(const plans::ValueExplanation& value);

} // namespace exchange
