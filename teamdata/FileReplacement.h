// SPDX-License-Identifier: MIT
#pragma once

#include "FileDescriptor.h"
#include "ImageLock.h"
#include "SignalCleanup.h"
#include "WriteSteps.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// How a file takes new content whole, whatever the content is.
//
// The new content is written completely beside the old file under a temporary name, flushed to
// the disk, and only then does it take the old one's place in one atomic rename; the folder is
// synced after. A crash, a kill or a full disk at any moment leaves either the whole old file or
// the whole new one; the temporary file is removed on every failure and on every signal that
// would end the program (see SignalCleanup.h).
//
// What users rely on is kept: the permission bits, owner and group of the file replaced, which
// the new file has before its first byte; a symbolic link stays a link and the file at the end of
// its chain receives the new content. A file with more than one hard link, or whose owner cannot
// be given to a new file, keeps its inode: the complete new content is written and synced beside
// it first and then copied over it, and should that copy fail, the old content goes back. Should
// even that fail, the complete new content stays beside it, where InterruptedSaveCopies finds it.
//
// Every existing target is locked while it is replaced, as an image is (see ImageLock.h). A named
// pipe is never a target: a write into it would wait for a reader that may never come.
namespace teamdata {

// How WriteFileSafely meets other writers of its target.
struct FileWriteGuard {
    const ImageLock* lock = nullptr; // held by the caller on the target already
    LockWait wait = {};              // for another's lock on the target
    // The target as the caller first saw it: it is replaced only while it is still that file, so
    // that what another program wrote there in the meantime is not lost unseen.
    std::optional<FileStamp> expectedTarget = std::nullopt;
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

using FileWriteResult = WriteResult<FileWriteOutcome>;

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

// The marker in the names of the files a write makes beside its target, so that tests can see
// that none is left behind: ".NAME.tolvanek-XXXXXXXX.tmp" while the new content is written, and
// ".NAME.tolvanek-new-XXXXXXXX.EXT" once it is complete and about to be copied over NAME.
inline constexpr std::string_view TemporaryFileMarker = ".tolvanek-";
inline constexpr std::string_view CompleteCopyMarker = ".tolvanek-new-";

// A write that did not happen, for `outcome` and the errno that stopped it.
template <typename Outcome>
[[nodiscard]] WriteResult<Outcome> FailedWrite(Outcome outcome, int systemError) {
    WriteResult<Outcome> result;
    result.outcome = outcome;
    result.systemError = systemError;
    return result;
}

// Nothing written, since `holder` kept its lock on `file` longer than the caller would wait.
template <typename Outcome>
[[nodiscard]] WriteResult<Outcome> LockedBy(Outcome busy, const std::string& file,
                                            const LockHolder& holder) {
    WriteResult<Outcome> result = FailedWrite(busy, 0);
    result.lockedFile = file;
    result.holder = holder;
    return result;
}

// Every failure is an outcome. Nothing a write does is meant to throw; should something (the
// memory running out) throw all the same, the files made beside the target are gone by the time
// the exception arrives here, and a target being copied over counts as damaged until it is whole.
template <typename Outcome, typename Write>
[[nodiscard]] WriteResult<Outcome> GuardedWrite(Outcome failed, const Write& write) {
    try {
        return write();
    } catch (const std::bad_alloc&) {
        return FailedWrite(failed, ENOMEM);
    } catch (const std::system_error& error) {
        return FailedWrite(failed, error.code().value());
    } catch (const std::exception&) {
        return FailedWrite(failed, 0);
    }
}

// How a replacement meets other writers of its target.
struct ReplacementGuard {
    // Locks the caller holds already (any may be missing): the target is not locked again when
    // one of them is its lock.
    std::array<const ImageLock*, 2> held = {};
    LockWait wait = {};
    std::optional<FileStamp> expectedTarget = std::nullopt; // as in FileWriteGuard
};

// Where and how the new content of one target is written: into a new file beside it that takes
// its place by a rename; into a complete copy beside it that is then copied over it (a file with
// several hard links, or whose owner a new file cannot have); or, for a device, into the target
// itself. What is made beside the target is removed again unless it is the only whole new content
// left.
//
// Outcome is a write's outcome type; it names Written, TargetUncreatable, WriteFailed, Busy and
// TargetChanged.
class FileReplacement {
public:
    // `plainFilesOnly`: the target may be a plain file or none, never a device (as an image).
    FileReplacement(std::string target, bool plainFilesOnly);
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    ~FileReplacement();

    // Finds the file the target leads to, locks it unless a lock the caller holds is its, checks
    // that it is still as seen, and makes the file the new content goes into. Nothing when the
    // new content may be stored; otherwise the result of a write that cannot go ahead.
    template <typename Outcome>
    [[nodiscard]] std::optional<WriteResult<Outcome>> Prepare(const ReplacementGuard& guard);
    [[nodiscard]] bool Store(std::span<const std::uint8_t> bytes);
    // Where the new content is being written, for writes into it by name.
    [[nodiscard]] const std::string& WorkPath() const { return workPath_; }
    // Flushes the new content to the disk and puts it in the target's place.
    [[nodiscard]] bool Commit();

    template <typename Outcome> [[nodiscard]] WriteResult<Outcome> Result(Outcome outcome) const {
        WriteResult<Outcome> result =
            FailedWrite(outcome, outcome == Outcome::Written ? 0 : error_);
        result.target = state_;
        if (state_ == TargetState::Damaged)
            result.completeCopy = completeCopy_.string();
        result.targetNotPlainFile = notPlainFile_;
        result.aftermath = aftermath_;
        return result;
    }

private:
    enum class Way { Rename, InPlace, Direct };
    enum class Locking { Locked, Busy, Failed };
    enum class Preparation { Ready, Uncreatable, Busy, Changed };

    [[nodiscard]] Preparation PrepareTarget(const ReplacementGuard& guard);
    // Finds the file the target leads to and the way to write it.
    [[nodiscard]] bool Inspect();
    // Locks the existing target, waiting as `wait` says; should the file the name leads to change
    // meanwhile, the new one is inspected in its place.
    [[nodiscard]] Locking LockTarget(const LockWait& wait);
    // Whether the target is still the file `seen` was taken of (or still missing). A device is
    // written into, not replaced, so nothing of it can be lost.
    [[nodiscard]] bool StillAsSeen(const FileStamp& seen) const;
    // Makes the file the new content goes into.
    [[nodiscard]] bool Begin();
    bool Fail(int error) {
        error_ = error;
        return false;
    }
    bool FailNotPlainFile(bool directory) {
        notPlainFile_ = !directory;
        return Fail(directory ? EISDIR : 0);
    }
    bool TakeOwnerAndMode();
    bool Rename();
    bool NameCompleteCopy();
    bool Overwrite();
    [[nodiscard]] bool TargetHolds(std::span<const std::uint8_t> bytes) const;
    void RemoveCompleteCopy();
    void RemoveCopy(const std::filesystem::path& copy);
    void RemoveCopiesLeftBeside();

    std::string target_;
    std::filesystem::path final_;
    bool plainFilesOnly_ = false;
    Way way_ = Way::Rename;
    bool existed_ = false;
    FileFacts facts_;
    FileDescriptor targetFile_;
    ImageLock targetLock_;
    std::optional<SignalCleanup> cleanup_;
    FileDescriptor workFile_;
    std::string workPath_;
    std::filesystem::path temporary_;
    std::filesystem::path completeCopy_;
    int error_ = 0;
    TargetState state_ = TargetState::Unchanged;
    bool notPlainFile_ = false;
    WriteAftermath aftermath_;
};

template <typename Outcome>
std::optional<WriteResult<Outcome>> FileReplacement::Prepare(const ReplacementGuard& guard) {
    switch (PrepareTarget(guard)) {
    case Preparation::Ready:
        return std::nullopt;
    case Preparation::Busy:
        return LockedBy(Outcome::Busy, target_, targetLock_.Holder());
    case Preparation::Changed:
        return FailedWrite(Outcome::TargetChanged, 0);
    case Preparation::Uncreatable:
        break;
    }
    return Result(Outcome::TargetUncreatable);
}

} // namespace teamdata
