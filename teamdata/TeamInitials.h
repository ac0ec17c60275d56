// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace teamdata {

// The team (image order) that initials name, as a team line of a CSV file, a command line or the
// team box gives them: the initials the team box lists, compared regardless of letter width and
// case and of spaces around them, so that "D" or "BU" typed in a spreadsheet or a shell names
// "Ｄ" or "Bu". Nothing when no team has them.
[[nodiscard]] std::optional<int> TeamOfInitials(std::string_view initials);

} // namespace teamdata
