// SPDX-License-Identifier: MIT
#pragma once

#include "FileReplacement.h"
#include "ImageLock.h"
#include "Team.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

// The one place that writes a changed image.
//
// The image the new one starts from is read under its lock and checked again as opening checks
// it, every record and colour write goes into the new file through TRomTeamData, and the file
// then takes the old one's place as any replaced file does (see FileReplacement.h): a crash, a
// kill or a full disk at any moment leaves either the whole old image or the whole new one.
//
// Images are locked while they are read and written (see ImageLock.h), and so is every existing
// target while it is replaced.
namespace teamdata {

struct ImageWriteRequest {
    std::string source; // the image the new one starts from
    std::string target; // where the new image goes; the source itself for a save in place
    std::vector<TeamWrite> teams;
    // The source is checked as opening checks it; an image the user agreed to open although it
    // does not look like this game's may be written only when this says so.
    bool acceptQuestionable = false;
    // A lock the caller took before its first read of the image, held until the write returns.
    // Without one, the writer locks the image itself for the read and the write, without waiting.
    const ImageLock* lock = nullptr;
    // What the caller read and decided on: the write goes ahead only while the source still holds
    // exactly these bytes.
    std::optional<std::span<const std::uint8_t>> expectedSource = std::nullopt;
    // How long to wait for another's lock: on the source, when the writer takes that lock
    // itself, and on the target.
    LockWait wait = {};
    // The target as the caller first saw it, for a target that is not the source: it is replaced
    // only while it is still that file, so that what another program wrote there in the
    // meantime is not lost unseen.
    std::optional<FileStamp> expectedTarget = std::nullopt;
};

enum class ImageWriteOutcome {
    Written,
    SourceUnreadable,  // the image to start from could not be read (or locked)
    SourceRefused,     // it is no image of this game (or a questionable one, not accepted)
    SourceChanged,     // it no longer holds what the caller read; nothing was written
    Busy,              // another holds the lock on the source or the target beyond the wait;
                       // nothing was written
    TargetChanged,     // the target is no longer the file the caller saw; nothing was written
    TargetUncreatable, // no file can be made at the target's place (no folder, no permission,
                       // a read-only target, a target that is not a plain file)
    WriteFailed,       // a write, the flush or the rename failed
    TextRefused,       // a row whose texts make no record; the caller checks this beforehand
};

using ImageWriteResult = WriteResult<ImageWriteOutcome>;

[[nodiscard]] ImageWriteResult WriteImage(const ImageWriteRequest& request);

} // namespace teamdata
