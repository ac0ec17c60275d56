// SPDX-License-Identifier: MIT
#pragma once

#include "Team.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The one place that writes a changed image, and the way every other output file is written.
//
// A new image is written completely beside the old one under a temporary name, every record and
// colour write goes into that new file through TRomTeamData, the file is flushed to the disk, and
// only then does it take the old one's place in one atomic rename; the folder is synced after.
// A crash, a kill or a full disk at any moment leaves either the whole old image or the whole new
// one, and the temporary file is removed on every failure.
//
// What users rely on is kept: the permission bits of the file replaced; a symbolic link stays a
// link and its target receives the new file; a file with more than one hard link keeps its links,
// which a rename would break, so it alone is written in place, record by record, after the same
// checks.
namespace teamdata {

// A team to write: its rows as texts (written by the record writes of a save, which encode them
// by the save rules) or as record bytes (written as they are).
struct TeamWrite {
    int team = 0;
    std::variant<TeamTexts, TeamRecords> content;
};

struct ImageWriteRequest {
    std::string source; // the image the new one starts from
    std::string target; // where the new image goes; the source itself for a save in place
    std::vector<TeamWrite> teams;
    // The source is checked as opening checks it; an image the user agreed to open although it
    // does not look like this game's may be written only when this says so.
    bool acceptQuestionable = false;
};

enum class ImageWriteOutcome {
    Written,
    SourceUnreadable,  // the image to start from could not be read
    SourceRefused,     // it is no image of this game (or a questionable one, not accepted)
    TargetUncreatable, // no file can be made at the target's place (no folder, no permission,
                       // a read-only target, a target that is not a plain file)
    WriteFailed,       // a write, the flush or the rename failed
    TextRefused,       // a row whose texts make no record; the caller checks this beforehand
};

[[nodiscard]] ImageWriteOutcome WriteImage(const ImageWriteRequest& request);

enum class FileWriteOutcome { Written, TargetUncreatable, WriteFailed };

// Writes a whole output file the same safe way. A target that exists and is no plain file (a
// device, a pipe) is written directly, as such a file cannot be replaced.
[[nodiscard]] FileWriteOutcome WriteFileSafely(const std::string& target,
                                               std::span<const std::uint8_t> bytes);

// The steps of a write, in their order; a record step comes once per record and colour entry.
enum class WriteStep { CreateTemporary, CopyImage, WriteRecord, Flush, Replace };

// For tests: called before every step; a false makes that step fail as a full disk would. The
// program never sets it.
void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook);

// The marker in the names of temporary files, so that tests can see that none is left behind.
inline constexpr std::string_view TemporaryFileMarker = ".tolvanek-";

} // namespace teamdata
