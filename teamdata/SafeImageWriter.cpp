// SPDX-License-Identifier: MIT
#include "SafeImageWriter.h"

#include "ImageCheck.h"
#include "TRomTeamData.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace teamdata {

namespace {

std::function<bool(WriteStep)>& StepHook() {
    static std::function<bool(WriteStep)> hook;
    return hook;
}

// False when a test has asked this step to fail.
bool StepAllowed(WriteStep step) {
    return !StepHook() || StepHook()(step);
}

bool SyncPath(const std::string& path) {
#ifdef _WIN32
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    if (!file)
        return false;
    const bool synced = _commit(_fileno(file)) == 0;
    std::fclose(file);
    return synced;
#else
    // Non-blocking, so that a pipe given as the target does not wait for a writer to come; the
    // flag does nothing to the sync of a plain file.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool synced = fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    close(fd);
    return synced;
#endif
}

// Follows a chain of symbolic links to the path that is really written, so that the link itself
// stays a link. A dangling link leads to where its target would be.
fs::path FinalPath(const fs::path& target) {
    fs::path path = fs::absolute(target);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)) || error)
            break;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path.lexically_normal();
}

bool Writable(const fs::path& path) {
#ifdef _WIN32
    return _access(path.string().c_str(), 2) == 0;
#else
    return access(path.c_str(), W_OK) == 0;
#endif
}

// A new file beside `final`, or `final` itself where it must be written in place. The temporary
// file is removed again unless Commit put it in the target's place.
class Replacement {
public:
    enum class Begun { Temporary, InPlace, Uncreatable };

    explicit Replacement(const std::string& target)
        : final_(FinalPath(target)) {}
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    ~Replacement() {
        if (!temporary_.empty()) {
            std::error_code ignored;
            fs::remove(temporary_, ignored);
        }
    }

    // `plainFilesOnly`: an image is never written into a device or a pipe.
    Begun Begin(bool plainFilesOnly) {
        std::error_code error;
        const fs::file_status status = fs::status(final_, error);
        existed_ = !error && fs::exists(status);
        if (existed_) {
            if (!fs::is_regular_file(status)) {
                if (plainFilesOnly || !Writable(final_))
                    return Begun::Uncreatable;
                return Begun::InPlace;
            }
            // A read-only file stays read-only: replacing it by a rename would get round that.
            if (!Writable(final_))
                return Begun::Uncreatable;
            if (fs::hard_link_count(final_, error) > 1 && !error)
                return Begun::InPlace;
            permissions_ = status.permissions();
        }
        if (!StepAllowed(WriteStep::CreateTemporary))
            return Begun::Uncreatable;
        std::random_device entropy;
        for (int attempt = 0; attempt < 16; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
            std::string name = ".";
            name += final_.filename().string();
            name += TemporaryFileMarker;
            name += suffix;
            name += ".tmp";
            const fs::path candidate = final_.parent_path() / name;
            // "x": made new or not at all, so no existing file is ever taken over.
            std::FILE* file = std::fopen(candidate.string().c_str(), "wbx");
            if (file) {
                std::fclose(file);
                temporary_ = candidate;
                return Begun::Temporary;
            }
            if (errno != EEXIST)
                break;
        }
        return Begun::Uncreatable;
    }

    [[nodiscard]] std::string WorkPath() const {
        return (temporary_.empty() ? final_ : temporary_).string();
    }
    [[nodiscard]] const fs::path& Final() const { return final_; }

    // Flushes the work file to the disk and, for a temporary file, puts it in the target's place.
    [[nodiscard]] bool Commit() {
        if (!StepAllowed(WriteStep::Flush) || !SyncPath(WorkPath()))
            return false;
        if (temporary_.empty())
            return true;
        std::error_code error;
        if (existed_) {
            fs::permissions(temporary_, permissions_, fs::perm_options::replace, error);
            KeepOwner();
        }
        if (!StepAllowed(WriteStep::Replace))
            return false;
        fs::rename(temporary_, final_, error);
        if (error)
            return false;
        temporary_.clear();
        // The rename itself is on the disk once the folder is; the new file is in place either
        // way, so a folder that cannot be synced does not undo the save.
        (void)SyncPath(final_.parent_path().string());
        return true;
    }

private:
    void KeepOwner() {
#ifndef _WIN32
        struct stat old {};
        if (stat(final_.c_str(), &old) == 0)
            (void)!chown(temporary_.c_str(), old.st_uid, old.st_gid);
#endif
    }

    fs::path final_;
    fs::path temporary_;
    bool existed_ = false;
    fs::perms permissions_ = fs::perms::none;
};

// Replaces the whole content of `path` with `bytes`. The disk sees them at the commit, which
// syncs the file once, after the records too have been written.
bool StoreBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (!StepAllowed(WriteStep::CopyImage))
        return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool stored = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    stored = std::fflush(file) == 0 && stored;
    return std::fclose(file) == 0 && stored;
}

// True when the team can be written: a valid team whose rows, where given as texts, all make
// records. Every team is checked before the first byte goes out, since a file written in place
// would otherwise keep the rows written before a refused one.
bool WritableTeam(const TeamWrite& write) {
    if (!IsValidTeam(write.team))
        return false;
    const auto* texts = std::get_if<TeamTexts>(&write.content);
    return !texts ||
           (std::all_of(texts->batters.begin(), texts->batters.end(),
                        [](const BatterRowTexts& row) { return BatterBytesFromRow(row); }) &&
            std::all_of(texts->pitchers.begin(), texts->pitchers.end(),
                        [](const PitcherRowTexts& row) { return PitcherBytesFromRow(row); }));
}

bool WriteTeam(TRomTeamData& rom, const std::string& path, const TeamWrite& write) {
    const auto step = [] {
        return StepAllowed(WriteStep::WriteRecord);
    };
    if (const auto* texts = std::get_if<TeamTexts>(&write.content)) {
        for (int i = 0; i < BatterCount; ++i)
            if (!step() ||
                !rom.WriteBatter(path, write.team, i, texts->batters[static_cast<std::size_t>(i)]))
                return false;
        for (int i = 0; i < PitcherCount; ++i)
            if (!step() || !rom.WritePitcher(path, write.team, i,
                                             texts->pitchers[static_cast<std::size_t>(i)]))
                return false;
        return step() &&
               rom.WriteColors(path, write.team, texts->colors.helmet, texts->colors.uniform);
    }
    const auto& records = std::get<TeamRecords>(write.content);
    for (int i = 0; i < BatterCount; ++i)
        if (!step() || !rom.WriteBatterBytes(path, write.team, i,
                                             records.batters[static_cast<std::size_t>(i)]))
            return false;
    for (int i = 0; i < PitcherCount; ++i)
        if (!step() || !rom.WritePitcherBytes(path, write.team, i,
                                              records.pitchers[static_cast<std::size_t>(i)]))
            return false;
    return step() &&
           rom.WriteColors(path, write.team, records.colors.helmet, records.colors.uniform);
}

bool SameFile(const fs::path& first, const fs::path& second) {
    std::error_code error;
    return fs::equivalent(first, second, error) && !error;
}

} // namespace

void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook) {
    StepHook() = std::move(hook);
}

ImageWriteOutcome WriteImage(const ImageWriteRequest& request) {
    // The new image starts from the source as it is on disk now, checked again: nothing is ever
    // written into a file that has not passed the check that opening makes.
    std::vector<std::uint8_t> image;
    if (ReadWholeFile(request.source, image) != FileRead::Read)
        return ImageWriteOutcome::SourceUnreadable;
    const ImageCheck check = CheckImage(image);
    if (check.verdict == ImageVerdict::Refused ||
        (check.verdict == ImageVerdict::Questionable && !request.acceptQuestionable))
        return ImageWriteOutcome::SourceRefused;
    if (!std::all_of(request.teams.begin(), request.teams.end(), WritableTeam))
        return ImageWriteOutcome::TextRefused;

    Replacement replacement(request.target);
    const Replacement::Begun begun = replacement.Begin(true);
    if (begun == Replacement::Begun::Uncreatable)
        return ImageWriteOutcome::TargetUncreatable;
    const std::string work = replacement.WorkPath();
    // In place (a file with several hard links), the records of a save into the source itself go
    // straight into it, as they always did; another target first receives the source's bytes.
    const bool startsAsSource =
        begun == Replacement::Begun::InPlace && SameFile(replacement.Final(), request.source);
    if (!startsAsSource && !StoreBytes(work, image))
        return ImageWriteOutcome::WriteFailed;
    TRomTeamData rom;
    for (const TeamWrite& write : request.teams)
        if (!WriteTeam(rom, work, write))
            return ImageWriteOutcome::WriteFailed;
    return replacement.Commit() ? ImageWriteOutcome::Written : ImageWriteOutcome::WriteFailed;
}

FileWriteOutcome WriteFileSafely(const std::string& target, std::span<const std::uint8_t> bytes) {
    Replacement replacement(target);
    if (replacement.Begin(false) == Replacement::Begun::Uncreatable)
        return FileWriteOutcome::TargetUncreatable;
    if (!StoreBytes(replacement.WorkPath(), bytes) || !replacement.Commit())
        return FileWriteOutcome::WriteFailed;
    return FileWriteOutcome::Written;
}

} // namespace teamdata
