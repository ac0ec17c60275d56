// SPDX-License-Identifier: MIT
#include "TeamInitials.h"

#include "Spaces.h"
#include "TRomTeamData.h"

#include <string>

namespace teamdata {

namespace {

// Spaces at the end of either width, as a spreadsheet or an older writer leaves them, and ASCII
// spaces around the initials.
std::string_view WithoutSpaces(std::string_view text) {
    return WithoutAsciiSpaces(WithoutTrailingSpaces(text));
}

// Letters of either width and case as one lower-case ASCII letter; everything else as it is.
std::string FoldedInitials(std::string_view text) {
    text = WithoutSpaces(text);
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t k) {
            return static_cast<unsigned char>(text[i + k]);
        };
        if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBC && byte(2) >= 0xA1 &&
            byte(2) <= 0xBA) { // Ａ..Ｚ
            folded += static_cast<char>('a' + (byte(2) - 0xA1));
            i += 2;
        } else if (i + 2 < text.size() && byte(0) == 0xEF && byte(1) == 0xBD && byte(2) >= 0x81 &&
                   byte(2) <= 0x9A) { // ａ..ｚ
            folded += static_cast<char>('a' + (byte(2) - 0x81));
            i += 2;
        } else if (byte(0) >= 'A' && byte(0) <= 'Z') {
            folded += static_cast<char>(byte(0) - 'A' + 'a');
        } else {
            folded += text[i];
        }
    }
    return folded;
}

} // namespace

std::optional<int> TeamOfInitials(std::string_view initials) {
    const std::string folded = FoldedInitials(initials);
    for (std::size_t team = 0; team < TRomTeamData::TeamInitials.size(); ++team)
        if (FoldedInitials(TRomTeamData::TeamInitials[team]) == folded)
            return static_cast<int>(team);
    return std::nullopt;
}

} // namespace teamdata
