// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "LeagueChange.h"
#include "Team.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A league file, a team CSV or their JSON forms (reports/JsonForms.h) imported into an image,
// planned once for every face: what the file says against what the image holds, and what will be
// written. The window asks and the command line reports; both hand the writes to the safe image
// writer.
namespace plans {

// A text file's bytes as UTF-8. Which encodings a host can read (Shift_JIS above all) is the
// host's to say, so the plans stay without a code page table of their own.
using TextDecoder = std::function<std::string(std::string_view bytes)>;

struct ImportChoices {
    std::optional<int> team; // the team a team CSV is read into
    TextDecoder decodeText;  // for a file that is not UTF-8
    // Names in kanji read as kana, only when the user asked (--read-kanji, "Import with
    // readings"); without it such a name is refused as any character without a tile is.
    teamdata::KanjiNameReader readKanji = {};
    // Numbers the cells cannot hold as written rounded to the nearest they can and noted, only
    // when the user asked (--round, "Round and import").
    bool round = false;
    // The file is named *.json: read as JSON even when it does not start as a JSON object, so
    // that its problem is worded as JSON's. Without the name a file is JSON by its first "{".
    bool jsonByName = false;
};

struct ImportPlan {
    reports::CsvImport read;                 // every error and note, with its place
    std::vector<teamdata::TeamWrite> writes; // only the teams whose cells change; none on error
    // The image as the writes will leave it, and what they change, player by player: what the
    // question and --dry-run show. Empty on error.
    std::vector<std::uint8_t> result;
    std::vector<teamdata::LeagueChange> changes;
};

// `image` is an image the program may read (not refused). Only the bytes of the changed cells are
// written anew; the rest of each record stays as it was.
[[nodiscard]] ImportPlan PlanImport(std::span<const std::uint8_t> image,
                                    std::span<const std::uint8_t> file, const ImportChoices& how);

// Whether the file is a team CSV that needs a team to be named for it: a question of how the
// import was asked for rather than of the file.
[[nodiscard]] bool TeamMissing(const ImportPlan& plan);

// A team CSV into the shown team (CSV取込, a whole team pasted or dropped): whatever team the file
// names, it goes into the shown team's grids, so every cell is compared with what they show now.
enum class TeamCsvDecision {
    Refused,    // the file has errors (`read` holds them with their places)
    NotOneTeam, // a league file, or no team at all: a team CSV import reads one team
    Apply,      // `Team()` is read; its texts replace the shown team's as one step
};

struct TeamCsvPlan {
    reports::CsvImport read;
    TeamCsvDecision decision = TeamCsvDecision::Refused;

    // The team the file holds, once it is to be applied.
    [[nodiscard]] const reports::ImportedTeam& Team() const { return read.teams.front(); }
    // The file names another team than the shown one, which the user is asked about.
    [[nodiscard]] bool ForAnotherTeam(int shownTeam) const {
        return decision == TeamCsvDecision::Apply && Team().team != shownTeam;
    }
};

[[nodiscard]] TeamCsvPlan PlanTeamCsvImport(std::string_view file, const teamdata::TeamTexts& shown,
                                            int shownTeam, const TextDecoder& decodeText,
                                            bool round = false,
                                            const teamdata::KanjiNameReader& readKanji = {});

// What importing `imported` into team `team` changes, which shows `shown` (unsaved edits
// included): the image with the shown team before and after, compared as the league import
// compares, so that moved and transferred players read as such.
[[nodiscard]] std::vector<teamdata::LeagueChange>
ShownTeamChanges(std::span<const std::uint8_t> image, int team, const teamdata::TeamTexts& shown,
                 const teamdata::TeamTexts& imported);

// A league file or a team CSV, or the JSON form of either, read against what every team shows
// now, as the import reads it. A team's JSON is read into `teamOfTeamCsv` when one is given; two
// players of one team whose names in kanji were read alike are noted.
[[nodiscard]] reports::CsvImport
ReadCsvFile(std::string_view bytes, const reports::LeagueTexts& current,
            std::optional<int> teamOfTeamCsv, const TextDecoder& decodeText, bool round = false,
            const teamdata::KanjiNameReader& readKanji = {}, bool jsonByName = false);

// Every team's texts as the image holds them.
[[nodiscard]] reports::LeagueTexts LeagueTextsOf(std::span<const std::uint8_t> image);

} // namespace plans
