// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Spaces that people and spreadsheets leave around a word or a number, taken off before it is
// compared or read.
namespace teamdata {

inline constexpr std::string_view FullWidthSpace = "　";

// Spaces of either width at the end: headers and fixed words keep their leading full-width
// spaces, which belong to them.
[[nodiscard]] constexpr std::string_view WithoutTrailingSpaces(std::string_view text) {
    for (;;) {
        if (text.ends_with(' '))
            text.remove_suffix(1);
        else if (text.ends_with(FullWidthSpace))
            text.remove_suffix(FullWidthSpace.size());
        else
            return text;
    }
}

[[nodiscard]] constexpr std::string_view WithoutAsciiSpaces(std::string_view text) {
    while (text.starts_with(' '))
        text.remove_prefix(1);
    while (text.ends_with(' '))
        text.remove_suffix(1);
    return text;
}

} // namespace teamdata
