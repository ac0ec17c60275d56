// SPDX-License-Identifier: MIT
#pragma once

#include "TeamReport.h"

#include <string>

namespace reportstest {

// The grids as the main window holds them: 12 columns, header row and row labels included.
struct Team {
    reports::GridTexts batters;
    reports::GridTexts pitchers;
};

// The team whose reports are written out by hand in the data folder.
[[nodiscard]] Team KnownTeam();

// A team of the known shape whose summed columns hold the given texts: batters' averages, home
// runs and speeds, pitchers' earned run averages and fast-ball speeds.
[[nodiscard]] Team TeamWithValues(const std::vector<std::string>& averages,
                                  const std::vector<std::string>& homeRuns,
                                  const std::vector<std::string>& speeds,
                                  const std::vector<std::string>& eras,
                                  const std::vector<std::string>& fastBalls);

// The same value for every data row of a column: 13 batters or 5 pitchers.
[[nodiscard]] std::vector<std::string> Batters(const std::string& text);
[[nodiscard]] std::vector<std::string> Pitchers(const std::string& text);

[[nodiscard]] std::string ReadDataFile(const std::string& name);

// The lines of a text, each without its "\r\n".
[[nodiscard]] std::vector<std::string> SplitLines(const std::string& text);

} // namespace reportstest
