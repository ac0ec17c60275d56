// SPDX-License-Identifier: MIT
#include "LeagueCsv.h"

#include "GridCaptions.h"
#include "TRomTeamData.h"

namespace reports {

namespace {

template <std::size_t HeaderCount, std::size_t RowCount, typename RowTexts>
GridTexts Grid(const std::array<std::string_view, HeaderCount>& headers,
               const std::array<std::string_view, RowCount>& labels,
               const std::array<RowTexts, RowCount>& rows) {
    GridTexts grid;
    grid.emplace_back(headers.begin(), headers.end());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> row{std::string(labels[r])};
        row.insert(row.end(), rows[r].begin(), rows[r].end());
        grid.push_back(std::move(row));
    }
    for (std::vector<std::string>& row : grid)
        row.resize(teamdata::GridColumnCount);
    return grid;
}

} // namespace

GridTexts BatterGrid(const teamdata::BatterRows& rows) {
    return Grid(teamdata::BatterHeaders, teamdata::BatterLabels, rows);
}

GridTexts PitcherGrid(const teamdata::PitcherRows& rows) {
    return Grid(teamdata::PitcherHeaders, teamdata::PitcherLabels, rows);
}

LeagueTeam LeagueTeamOf(int team, const teamdata::TeamTexts& texts) {
    return {std::string(TRomTeamData::TeamInitials.at(static_cast<std::size_t>(team))),
            BatterGrid(texts.batters), PitcherGrid(texts.pitchers), texts.colors};
}

std::string ColorText(std::uint8_t color) {
    static constexpr std::string_view digits = "0123456789ABCDEF";
    return std::string("0x") + digits[color >> 4] + digits[color & 0x0F];
}

std::string BuildLeagueCsv(const std::vector<LeagueTeam>& teams) {
    std::string out;
    for (const LeagueTeam& team : teams) {
        out += std::string(TeamWord) + ',' + CsvField(team.initials) + ',' +
               std::string(HelmetWord) + ',' + ColorText(team.colors.helmet) + ',' +
               std::string(UniformWord) + ',' + ColorText(team.colors.uniform) + "\r\n";
        out += BuildCsv(team.batters, team.pitchers);
    }
    return out;
}

std::string BuildLeagueCsv(const std::array<teamdata::TeamTexts, teamdata::TeamCount>& teams) {
    std::vector<LeagueTeam> league;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        league.push_back(LeagueTeamOf(team, teams[static_cast<std::size_t>(team)]));
    return BuildLeagueCsv(league);
}

} // namespace reports
