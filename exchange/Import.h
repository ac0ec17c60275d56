// SPDX-License-Identifier: MIT
#pragma once

#include "CsvReader.h"
#include "ImageFile.h"
#include "LeagueChange.h"
#include "SafeImageWriter.h"

#include <QByteArray>

#include <optional>
#include <vector>

// A league file or a team CSV imported into an image, planned once for both faces: what the file
// says against what the image holds, and what will be written. The window asks and the command
// line reports; both hand the writes to the safe image writer.
namespace exchange {

struct ImportPlan {
    reports::CsvImport read;                 // every error and note, with its place
    std::vector<teamdata::TeamWrite> writes; // only the teams whose cells change; none on error
    // The image as the writes will leave it, and what they change, player by player: what the
    // question and --dry-run show. Empty on error.
    std::vector<std::uint8_t> result;
    std::vector<teamdata::LeagueChange> changes;
};

// `image` has been loaded and may be written (not refused); a team CSV is read into
// `teamOfTeamCsv`. With `round`, numbers the cells cannot hold are rounded and noted.
[[nodiscard]] ImportPlan PlanImport(const LoadedImage& image, const QByteArray& file,
                                    std::optional<int> teamOfTeamCsv, bool round = false);

// Whether the file is a team CSV that needs a team to be named for it: a question of how the
// import was asked for rather than of the file.
[[nodiscard]] bool TeamMissing(const ImportPlan& plan);

} // namespace exchange
