// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "LeagueChange.h"
#include "Team.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The JSON forms for scripts: the league, one team, a comparison and what an image is, each one
// object with its "format" and "version". Every value is written as the cell's text (the game's
// number) and, where a fan counts in other units, as that number too (an average of "316" as
// 0.316); every name as the game spells it and as the program shows it; every colour as the
// palette index and the RGB it shows. The league and team forms read back into an image by the
// import's rules; help/tolvanek-forms.schema.json describes all four.
namespace reports {

inline constexpr int JsonFormVersion = 1;
inline constexpr std::string_view LeagueJsonFormat = "tolvanek-league";
inline constexpr std::string_view TeamJsonFormat = "tolvanek-team";
inline constexpr std::string_view ChangesJsonFormat = "tolvanek-changes";
inline constexpr std::string_view ImageJsonFormat = "tolvanek-image";

// The member each data column of a grid is written as, from column 1 on.
[[nodiscard]] std::string_view JsonColumnKey(teamdata::Grid grid, int column);

// All teams in image order, and one team; UTF-8, two-space indents, LF line ends.
[[nodiscard]] std::string BuildLeagueJson(const LeagueTexts& league);
[[nodiscard]] std::string BuildTeamJson(int team, const teamdata::TeamTexts& texts);

// Every change of a comparison, in the comparison's order.
[[nodiscard]] std::string BuildChangeJson(const std::vector<teamdata::LeagueChange>& changes);

// What `info` tells of an image: its identity, the check's verdict and, when it may be read,
// its teams.
struct ImageJsonFacts {
    std::uint64_t size = 0;
    std::uint32_t crc32 = 0;
    std::string sha1;
    std::uint32_t dataCrc32 = 0;
    std::string dataSha1;
    struct Header {
        std::string kind; // "iNES 1.0", "NES 2.0", "archaic iNES"
        std::uint64_t programSize = 0;
        std::uint64_t characterSize = 0;
        int mapper = 0;
        bool trainer = false;
    };
    std::optional<Header> header;
    std::string verdict; // "open", "ask" or "refused", as the window would take it
    std::string doubt;   // why it is asked about or refused, in the user's language
    std::optional<LeagueTexts> teams;
};
[[nodiscard]] std::string BuildImageJson(const ImageJsonFacts& facts);

// True when the bytes are a JSON object: "{" after an optional byte-order mark and white space.
[[nodiscard]] bool LooksLikeJson(std::string_view bytes);

// The most nesting a JSON file of these forms has, with room to spare; deeper is refused.
inline constexpr int MaxJsonDepth = 16;

// Reads a league or team form against `current`, as ReadCsv reads a CSV file: every cell goes
// through the one cell rule (with `round` and `readKanji` as there), colours through the colour
// chooser's palette, the batting order through the position check. Every issue names its place
// as a JSON pointer (`pointer`), a syntax error as a line and column. A team form is read into
// `teamOfTeamFile` when given, otherwise into the team it names. Members the form does not
// have, missing ones, wrong types, another format or a newer version are refused.
[[nodiscard]] CsvImport ReadJson(std::string_view bytes, const LeagueTexts& current,
                                 std::optional<int> teamOfTeamFile, bool round = false,
                                 const teamdata::KanjiNameReader& readKanji = {});

} // namespace reports
