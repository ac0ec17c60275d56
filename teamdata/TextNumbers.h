#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace teamdata {

// Reads a cell text the way saving does: leading white space skipped, one optional sign, then
// decimal digits up to the first non-digit. A text without digits gives 0. Never fails; values
// beyond the int range saturate.
[[nodiscard]] int LenientToInt(std::string_view text);

// Raised by StrictToInt. Its message is the user-facing text "'<text>' は数値ではありません".
class NotANumberError : public std::runtime_error {
public:
    explicit NotANumberError(const std::string& text);
};

// The strict conversion used before a value dialog opens and for the report totals: an optional
// sign followed by decimal digits and nothing else, within the int range. Throws NotANumberError.
[[nodiscard]] int StrictToInt(std::string_view text);

} // namespace teamdata
