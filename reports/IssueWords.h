// SPDX-License-Identifier: MIT
#pragma once

#include "CellEditRules.h"
#include "CsvReader.h"
#include "Words.h"

#include <string>
#include <string_view>

// The problems of a read league file, team CSV or JSON form, and a cell's refusal, worded once
// for every face: the window and the command line hand in Qt's translations, the browser page its
// catalog, and each shows the same sentence for the same problem.
namespace reports {

// Why a cell or line of a file is refused (or, for a note, what was changed), in `words`'
// language, without its place.
[[nodiscard]] std::string IssueText(const Words& words, const CsvIssue& issue);

// Why a grid cell cannot hold a text, the allowed values in the fan's units (.200 to .400).
[[nodiscard]] std::string RefusalText(const Words& words, const teamdata::CellRefusal& refusal);

// The values a cell allows, in the fan's units: ".200 to .400", with the step where values come
// in steps ("0.00 to 9.90 in steps of 0.10"). `refusal`'s range and scale are read.
[[nodiscard]] std::string AllowedRange(const Words& words, const teamdata::CellRefusal& refusal);

// Text from outside (UTF-8, perhaps not valid) as a message can show it: line breaks and other
// controls as \n, \x01, invisible and format characters as U+200B, a byte that is no UTF-8 as
// \xff, so that nothing of it hides or breaks the message.
[[nodiscard]] std::string ShownText(std::string_view text);

// `text` with %1 to %9 replaced by `values` in one pass: a value holding "%2" stays as it is.
[[nodiscard]] std::string Filled(std::string_view text, std::initializer_list<std::string> values);

} // namespace reports
