// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLock.h"
#include "Team.h"

#include <cstdint>
#include <functional>
#include <optional>
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
// one; the temporary file is removed on every failure and on every signal that would end the
// program (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM and the like), and a file-size
// limit (ulimit -f) is a failed write with EFBIG rather than the end of the program.
//
// What users rely on is kept: the permission bits, owner and group of the file replaced, which
// the new file has before its first byte; a symbolic link stays a link and the file at the end of
// its chain receives the new content. A file with more than one hard link, or whose owner cannot
// be given to a new file, keeps its inode: the complete new content is written and synced beside
// it first and then copied over it, and should that copy fail, the old content goes back. Should
// even that fail, the complete new content stays beside it, where InterruptedSaveCopies finds it.
//
// Images are locked while they are read and written (see ImageLock.h), and so is every existing
// target while it is replaced. A named pipe is never a target: a write into it would wait for a
// reader that may never come.
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

// How WriteFileSafely meets other writers of its target.
struct FileWriteGuard {
    const ImageLock* lock = nullptr; // held by the caller on the target already
    LockWait wait = {};              // for another's lock on the target
    std::optional<FileStamp> expectedTarget = std::nullopt; // as in ImageWriteRequest
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

enum class FileWriteOutcome { Written, TargetUncreatable, WriteFailed, Busy, TargetChanged };

// What a failed write left at its target.
enum class TargetState {
    Unchanged, // left as it was
    Restored,  // written in place in part, and its old content put back
    Damaged,   // written in part and not put back. For a plain file the complete new content
               // is kept beside it, at `completeCopy`; a pipe or a device keeps nothing.
};

// What a write left beside its target that it could not clean away, said also of a write that
// succeeded.
struct WriteAftermath {
    // The folder could not be synced after the new file took the target's name (its errno): the
    // target holds the new content, but a power cut before the system writes the folder out may
    // bring the old one back.
    int folderSyncError = 0;
    // Complete copies of new content beside the target (this write's, or ones that stopped saves
    // left) that could not be removed, and why; the target holds newer content than any of them.
    std::vector<std::string> unremovedCopies;
    int removalError = 0;

    [[nodiscard]] bool Clean() const { return folderSyncError == 0 && unremovedCopies.empty(); }
};

template <typename Outcome> struct WriteResult {
    Outcome outcome = Outcome::Written;
    int systemError = 0; // the errno of the failure, 0 when no system call failed
    TargetState target = TargetState::Unchanged;
    std::string completeCopy; // set only when the target is Damaged
    // Set when the target is no file that can hold the new content (a device, a pipe or a socket
    // where only a plain file will do, or a folder).
    bool targetNotPlainFile = false;
    WriteAftermath aftermath;
    // For Busy: the file whose lock another held (the request's source or target, as it names
    // it) and who held it.
    std::string lockedFile;
    LockHolder holder;

    [[nodiscard]] bool Written() const { return outcome == Outcome::Written; }
};

using ImageWriteResult = WriteResult<ImageWriteOutcome>;
using FileWriteResult = WriteResult<FileWriteOutcome>;

[[nodiscard]] ImageWriteResult WriteImage(const ImageWriteRequest& request);

// Writes a whole output file the same safe way, under the lock of a target that exists. A device
// is written directly, as it cannot be replaced; a named pipe is refused (TargetUncreatable with
// ESPIPE).
[[nodiscard]] FileWriteResult WriteFileSafely(const std::string& target,
                                              std::span<const std::uint8_t> bytes,
                                              const FileWriteGuard& guard = {});

// The complete new images left beside `imagePath` by saves that were stopped while they copied
// them over it (a kill, a power cut), in name order. Their names say what they are; they are the
// user's to keep or delete until a later write of the image succeeds, which removes them, as the
// image then holds newer content than any of them.
[[nodiscard]] std::vector<std::string> InterruptedSaveCopies(const std::string& imagePath);

// The steps of a write, in their order; a record step comes once per record and colour entry.
// For a file written in place, Replace gives the flushed new file its name as a complete copy,
// Overwrite copies it over the target, and Restore, which comes only when that fails, puts the
// old content back.
// After the new content is in place, SyncFolder writes the folder out, and RemoveCopy removes
// each complete copy beside the target.
enum class WriteStep {
    CreateTemporary,
    CopyImage,
    WriteRecord,
    Flush,
    Replace,
    Overwrite,
    Restore,
    SyncFolder,
    RemoveCopy
};

// For tests: called before every step; a false makes that step fail as a full disk would (an
// Overwrite so failed has written half the new content; a RemoveCopy so failed is refused as a
// folder that may not be changed refuses it). The program never sets it.
void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook);

// The marker in the names of the files a write makes beside its target, so that tests can see
// that none is left behind: ".NAME.tolvanek-XXXXXXXX.tmp" while the new content is written, and
// ".NAME.tolvanek-new-XXXXXXXX.EXT" once it is complete and about to be copied over NAME.
inline constexpr std::string_view TemporaryFileMarker = ".tolvanek-";
inline constexpr std::string_view CompleteCopyMarker = ".tolvanek-new-";

} // namespace teamdata
