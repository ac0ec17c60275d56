#include "TextNumbers.h"

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

int LenientToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
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
