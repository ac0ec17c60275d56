// SPDX-License-Identifier: MIT
#include "LeagueShow.h"

#include "LeagueChange.h"
#include "LeagueCsv.h"
#include "Patch.h"
#include "TRomTeamData.h"
#include "Team.h"

#include <stdexcept>
#include <vector>

namespace reports {

namespace {

constexpr std::string_view ColorsWord = "色";
constexpr std::string_view BatterWord = "打者";
constexpr std::string_view PitcherWord = "投手";
constexpr std::string_view RestWord = "その他";

template <typename RowTexts>
void AppendRow(std::string& out, std::string_view initials, std::string_view grid, int row,
               const RowTexts& cells) {
    out += std::string(initials) + '\t' + std::string(grid) + '\t' + std::to_string(row);
    for (const std::string& cell : cells)
        out += '\t' + cell;
    out += '\n';
}

std::string Hex8(std::uint32_t value) {
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0x0F];
    return text;
}

// The checksum of the image with every player cell and colour byte set to zero.
std::uint32_t RestChecksum(std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> rest(image.begin(), image.end());
    for (std::size_t offset = 0; offset < teamdata::ImageMinimumSize; ++offset)
        if (teamdata::IsRosterByte(offset))
            rest[offset] = 0;
    return teamdata::Crc32(rest);
}

} // namespace

std::string BuildLeagueShow(std::span<const std::uint8_t> image) {
    if (image.size() < teamdata::ImageMinimumSize)
        throw std::invalid_argument("BuildLeagueShow: an image shorter than the colour table");
    std::string out = std::string(LeagueShowFormat) + '\n';
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const std::string_view initials =
            TRomTeamData::TeamInitials.at(static_cast<std::size_t>(team));
        const teamdata::TeamTexts texts = teamdata::TextsOf(teamdata::TeamRecordsAt(image, team));
        out += std::string(initials) + '\t' + std::string(ColorsWord) + '\t' +
               ColorText(texts.colors.helmet) + '\t' + ColorText(texts.colors.uniform) + '\n';
        for (std::size_t row = 0; row < texts.batters.size(); ++row)
            AppendRow(out, initials, BatterWord, static_cast<int>(row) + 1, texts.batters[row]);
        for (std::size_t row = 0; row < texts.pitchers.size(); ++row)
            AppendRow(out, initials, PitcherWord, static_cast<int>(row) + 1, texts.pitchers[row]);
    }
    out += std::string(RestWord) + '\t' + std::to_string(image.size()) + '\t' +
           Hex8(RestChecksum(image)) + '\n';
    return out;
}

} // namespace reports
