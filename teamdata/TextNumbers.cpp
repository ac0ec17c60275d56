// SPDX-License-Identifier: MIT
#include "TextNumbers.h"

#include <algorithm>
#include <climits>

namespace teamdata {

namespace {
bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

namespace {

// The sign and the digits of a lenient number: white space skipped, one optional sign, then the
// run of decimal digits (possibly empty).
struct LenientDigits {
    bool negative = false;
    std::string_view digits;
};

LenientDigits SplitLenient(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    LenientDigits number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    std::size_t end = i;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    number.digits = text.substr(i, end - i);
    return number;
}

} // namespace

int LenientToInt(std::string_view text) {
    const LenientDigits number = SplitLenient(text);
    long long value = 0;
    for (char c : number.digits)
        value = std::min(value * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    if (number.negative)
        value = -value;
    return static_cast<int>(std::min(value, static_cast<long long>(INT_MAX)));
}

int LenientResidue(std::string_view text) {
    const LenientDigits number = SplitLenient(text);
    int residue = 0;
    for (char c : number.digits)
        residue = (residue * 10 + (c - '0')) % 2560;
    return number.negative ? -residue : residue;
}

NotANumberError::NotANumberError(const std::string& text)
    : std::runtime_error("'" + text + "' は数値ではありません") {}

int StrictToInt(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty())
        throw NotANumberError(std::string(text));
    for (char c : digits)
        if (!IsDigit(c))
            throw NotANumberError(std::string(text));
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            throw NotANumberError(std::string(text));
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        throw NotANumberError(std::string(text));
    return static_cast<int>(value);
}

} // namespace teamdata
