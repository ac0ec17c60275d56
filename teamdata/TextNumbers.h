// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace teamdata {

// Reads a cell text the way saving does: leading white space skipped, one optional sign, then
// decimal digits up to the first non-digit. A text without digits gives 0. Never fails; values
// beyond the int range saturate, which keeps range checks (such as the fielding positions) right
// but is no base for the stored bytes: use LenientResidue there.
[[nodiscard]] int LenientToInt(std::string_view text);

// The same lenient number, reduced modulo 2560 with its sign kept. Only the low 8 bits of a number
// reach a byte, and 2560 is a multiple of both 256 and 10 x 256, so every stored-byte rule (the low
// bits of the number, of 16 times it plus a nibble, or of its tenth cut toward zero) gives the same
// byte for the residue as for the full number, however many digits the text holds.
[[nodiscard]] int LenientResidue(std::string_view text);

// Raised by StrictToInt. Its message is the user-facing text "'<text>' は数値ではありません";
// an interface in another language words it from Text().
class NotANumberError : public std::runtime_error {
public:
    explicit NotANumberError(const std::string& text);
    // The text that is no number.
    [[nodiscard]] const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The strict conversion used before a value dialog opens and for the report totals: an optional
// sign followed by decimal digits and nothing else, within the int range. Throws NotANumberError.
[[nodiscard]] int StrictToInt(std::string_view text);

// A number as spreadsheets and Japanese input methods spell it, in ASCII: full-width digits,
// letters, signs, full stop and spaces (and the minus sign U+2212) become their ASCII forms;
// everything else is kept as it is.
[[nodiscard]] std::string AsciiNumberText(std::string_view text);

// A decimal number written out: an optional sign, digits, an optional point and more digits, at
// least one digit in all, ASCII spaces around it aside (after AsciiNumberText). Kept as digit
// strings, so that no length of text can overflow and two spellings of one number compare equal:
// leading zeros of the whole part and trailing zeros of the fraction are dropped, and zero has no
// sign.
struct WrittenDecimal {
    bool negative = false;
    std::string whole;    // no leading zeros; empty for a whole part of 0
    std::string fraction; // no trailing zeros
    friend bool operator==(const WrittenDecimal&, const WrittenDecimal&) = default;
};
[[nodiscard]] std::optional<WrittenDecimal> ReadWrittenDecimal(std::string_view text);

} // namespace teamdata
