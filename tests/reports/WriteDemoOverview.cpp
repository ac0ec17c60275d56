// SPDX-License-Identifier: MIT
// Writes the league overview page of the demo image to the file named on the command line, for
// the checks that open the page in a browser and in an HTML validator.
#include "DemoImage.h"
#include "LeagueOverview.h"

#include "Team.h"

#include <cstdlib>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_demo_overview OUTPUT.html\n";
        return EXIT_FAILURE;
    }
    const std::vector<std::uint8_t> image = demoimage::MakeDemoImage();
    reports::LeagueTexts league;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        league[static_cast<std::size_t>(team)] =
            teamdata::TextsOf(teamdata::TeamRecordsAt(image, team));
    const std::string page = reports::BuildLeagueOverview(league);

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(page.data(), static_cast<std::streamsize>(page.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
