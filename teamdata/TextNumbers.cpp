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
    : std::runtime_error("'" + text + "' は数値ではありません")
    , text_(text) {}

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

std::string AsciiNumberText(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) {
            return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
        };
        // U+FF01..U+FF5E are the full-width forms of '!'..'~', in the same order.
        if (byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) && byte(2) >= 0x80 &&
            byte(2) <= 0xBF) {
            const unsigned code = 0xFF00 + (byte(1) - 0xBC) * 0x40 + (byte(2) - 0x80);
            if (code >= 0xFF01 && code <= 0xFF5E) {
                ascii += static_cast<char>(code - 0xFF01 + '!');
                i += 2;
                continue;
            }
        }
        if (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) { // U+3000
            ascii += ' ';
            i += 2;
            continue;
        }
        if (byte(0) == 0xE2 && byte(1) == 0x88 && byte(2) == 0x92) { // U+2212 minus sign
            ascii += '-';
            i += 2;
            continue;
        }
        ascii += text[i];
    }
    return ascii;
}

std::optional<WrittenDecimal> ReadWrittenDecimal(std::string_view text) {
    const std::string ascii = AsciiNumberText(text);
    std::string_view rest = ascii;
    while (rest.starts_with(' '))
        rest.remove_prefix(1);
    while (rest.ends_with(' '))
        rest.remove_suffix(1);
    WrittenDecimal number;
    if (rest.starts_with('-') || rest.starts_with('+')) {
        number.negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    const std::size_t point = rest.find('.');
    const std::string_view whole = rest.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : rest.substr(point + 1);
    const auto digitsOnly = [](std::string_view digits) {
        return std::all_of(digits.begin(), digits.end(), IsDigit);
    };
    if (whole.size() + fraction.size() == 0 || !digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    number.whole = std::string(whole.substr(std::min(whole.find_first_not_of('0'), whole.size())));
    number.fraction = std::string(fraction.substr(0, fraction.find_last_not_of('0') + 1));
    if (number.whole.empty() && number.fraction.empty())
        number.negative = false;
    return number;
}

} // namespace teamdata
