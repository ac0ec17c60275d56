// SPDX-License-Identifier: MIT
#include "SafeImageWriter.h"

#include "FileDescriptor.h"
#include "ImageCheck.h"
#include "ImageLock.h"
#include "TRomTeamData.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <limits>
#include <new>
#include <optional>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/xattr.h>
#endif

namespace fs = std::filesystem;

namespace teamdata {

namespace {

// ".NAME" followed by `marker`: the start of the name of a file a write makes beside NAME.
std::string HiddenName(const fs::path& target, std::string_view marker) {
    std::string name = ".";
    name += target.filename().string();
    name += marker;
    return name;
}

std::function<bool(WriteStep)>& StepHook() {
    static std::function<bool(WriteStep)> hook;
    return hook;
}

// False when a test has asked this step to fail.
bool StepAllowed(WriteStep step) {
    return !StepHook() || StepHook()(step);
}

// What a step failed by a test reports: the error of a full disk.
constexpr int InjectedError = ENOSPC;

// A file written in place has its old and its new content held in memory, whatever their size:
// the old one is what goes back should the copy over it fail.
constexpr std::uint64_t NoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// As many links in a chain as the system itself follows before it calls it a loop.
constexpr int MaxLinkHops = 40;

constexpr unsigned OwnerReadWrite = 0600;
constexpr unsigned NewFileMode = 0666; // less the user's umask, as for any new file

template <typename Outcome> WriteResult<Outcome> Failed(Outcome outcome, int systemError) {
    WriteResult<Outcome> result;
    result.outcome = outcome;
    result.systemError = systemError;
    return result;
}

// Nothing written, since `holder` kept its lock on `file` longer than the caller would wait.
template <typename Outcome>
WriteResult<Outcome> LockedBy(Outcome busy, const std::string& file, const LockHolder& holder) {
    WriteResult<Outcome> result = Failed(busy, 0);
    result.lockedFile = file;
    result.holder = holder;
    return result;
}

// The file a write to `target` changes: the end of its chain of symbolic links, found as the
// system finds it. Each link is read in the real folder it lies in, since a relative link leads
// from there, and ".." goes up from that real folder; cutting ".." out of the text would lead
// through a linked folder to an unrelated file. A dangling link leads to where its target would
// be. False with the errno when the folder cannot be found.
bool ResolveFinalPath(const fs::path& target, fs::path& final, int& error) {
    std::error_code code;
    fs::path path = fs::absolute(target, code);
    for (int hops = 0; !code && hops <= MaxLinkHops; ++hops) {
        const fs::path folder = fs::canonical(path.parent_path(), code);
        if (code)
            break;
        const fs::path candidate = folder / path.filename();
        const fs::file_status status = fs::symlink_status(candidate, code);
        if (status.type() == fs::file_type::not_found || (!code && !fs::is_symlink(status))) {
            final = candidate;
            return true;
        }
        if (code)
            break;
        const fs::path next = fs::read_symlink(candidate, code);
        path = next.is_absolute() ? next : folder / next;
    }
    error = code ? code.value() : ELOOP;
    return false;
}

std::string RandomSuffix() {
    unsigned value = 0;
    try {
        value = std::random_device{}();
    } catch (const std::exception&) {
        // No source of entropy: the clock still gives a name no other writer is likely to pick,
        // and the files are created so that an existing one is never taken over.
        value = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", value);
    return suffix;
}

bool SyncFile(int descriptor) {
#ifdef _WIN32
    return _commit(descriptor) == 0;
#else
    // A pipe or a device given as an output cannot be synced, and need not be.
    return fsync(descriptor) == 0 || errno == EINVAL || errno == EROFS;
#endif
}

// A rename or a removal is on the disk once its folder is. The errno when the system says the
// folder could not be written out; 0 when it was, and when it cannot be asked (a folder this
// user may write but not read, a file system that syncs no folders).
int SyncFolder(const fs::path& folder) {
#ifndef _WIN32
    const FileDescriptor opened = OpenFile(folder.string(), O_RDONLY | O_DIRECTORY);
    if (opened.IsOpen() && fsync(opened.Get()) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
#else
    (void)folder;
#endif
    return 0;
}

// The errno of a failed copy of every extended attribute of `from` (POSIX access lists among
// them) onto `to`; 0 when all were copied or the file system keeps none.
int CopyExtendedAttributes(int from, int to) {
#ifdef __linux__
    std::vector<char> names;
    for (;;) {
        const ssize_t size = flistxattr(from, nullptr, 0);
        if (size < 0)
            return errno == ENOTSUP ? 0 : errno;
        names.resize(static_cast<std::size_t>(size));
        const ssize_t listed = size == 0 ? 0 : flistxattr(from, names.data(), names.size());
        if (listed >= 0) {
            names.resize(static_cast<std::size_t>(listed));
            break;
        }
        if (errno != ERANGE) // the list grew between the two calls: ask again
            return errno;
    }
    std::vector<char> value;
    for (std::size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        ssize_t length = -1;
        do {
            const ssize_t size = fgetxattr(from, name, nullptr, 0);
            if (size < 0)
                return errno;
            value.resize(static_cast<std::size_t>(size));
            length = size == 0 ? 0 : fgetxattr(from, name, value.data(), value.size());
        } while (length < 0 && errno == ERANGE);
        if (length < 0)
            return errno;
        if (fsetxattr(to, name, value.data(), static_cast<std::size_t>(length), 0) != 0)
            return errno;
    }
#else
    (void)from;
    (void)to;
#endif
    return 0;
}

bool Truncate(int descriptor, std::uint64_t size) {
#ifdef _WIN32
    return _chsize_s(descriptor, static_cast<long long>(size)) == 0;
#else
    return ftruncate(descriptor, static_cast<off_t>(size)) == 0;
#endif
}

// Gives `from` the name `to` unless a file has that name already (errno EEXIST then).
bool RenameWithoutReplacing(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    return std::rename(from.string().c_str(), to.string().c_str()) == 0; // never replaces
#else
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot refuse: the name is random and was free a moment ago.
    struct stat existing {};
    if (lstat(to.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return rename(from.c_str(), to.c_str()) == 0;
#endif
}

#ifndef _WIN32
// The signals whose default is to end the program, other than by a fault of its own. SIGKILL
// cannot be caught; what it leaves says what it is by its name.
constexpr std::array CleanupSignals = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGUSR1,
                                       SIGUSR2, SIGALRM, SIGPIPE, SIGVTALRM, SIGPROF};

// The handler may use only async-signal-safe calls, so the name of the file to remove waits in a
// fixed buffer, complete whenever `cleanupArmed` is set.
char cleanupPath[4096];
volatile std::sig_atomic_t cleanupArmed = 0;
struct sigaction previousActions[CleanupSignals.size()];
struct sigaction previousFileSizeAction;
bool cleanupInstalled = false;

sigset_t CleanupSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : CleanupSignals)
        sigaddset(&set, signal);
    return set;
}

bool IsDefaultAction(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

void RemoveFileAndRaise(int signal) {
    const int savedErrno = errno;
    if (cleanupArmed) {
        cleanupArmed = 0;
        unlink(cleanupPath);
    }
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (CleanupSignals[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    // Held back until this handler returns, then taken as the program would have taken it
    // without the write: its end.
    raise(signal);
    errno = savedErrno;
}

// While it lives, the signals that would end the program first remove the file it is armed
// with, and a file-size limit makes a write fail with EFBIG, which is reported, instead of
// ending the program with SIGXFSZ. One write at a time, as the program makes them; a second one
// inside would go without.
class SignalCleanup {
public:
    SignalCleanup() {
        if (cleanupInstalled)
            return;
        cleanupInstalled = owner_ = true;
        struct sigaction action {};
        action.sa_handler = RemoveFileAndRaise;
        action.sa_mask = CleanupSignalSet();
        for (std::size_t i = 0; i < CleanupSignals.size(); ++i) {
            sigaction(CleanupSignals[i], nullptr, &previousActions[i]);
            // Only a signal that would end the program is taken over: an ignored one ends
            // nothing, and one the program handles itself (a profiler's SIGPROF, a timer's
            // SIGALRM) lets the write go on, which needs its file.
            installed_[i] = IsDefaultAction(previousActions[i]);
            if (installed_[i])
                sigaction(CleanupSignals[i], &action, nullptr);
        }
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, nullptr, &previousFileSizeAction);
        fileSizeIgnored_ = IsDefaultAction(previousFileSizeAction);
        if (fileSizeIgnored_)
            sigaction(SIGXFSZ, &ignore, nullptr);
    }
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;
    ~SignalCleanup() {
        if (!owner_)
            return;
        Disarm();
        for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
            if (installed_[i])
                sigaction(CleanupSignals[i], &previousActions[i], nullptr);
        if (fileSizeIgnored_)
            sigaction(SIGXFSZ, &previousFileSizeAction, nullptr);
        cleanupInstalled = false;
    }

    void Arm(const std::string& path) {
        Disarm();
        if (!owner_ || path.size() >= sizeof cleanupPath)
            return;
        std::memcpy(cleanupPath, path.c_str(), path.size() + 1);
        std::atomic_signal_fence(std::memory_order_seq_cst);
        cleanupArmed = 1;
    }
    void Disarm() {
        cleanupArmed = 0;
        std::atomic_signal_fence(std::memory_order_seq_cst);
    }

private:
    bool owner_ = false;
    bool fileSizeIgnored_ = false;
    std::array<bool, CleanupSignals.size()> installed_{};
};

// Holds the cleanup's signals back in this thread while it lives.
class SignalsHeldBack {
public:
    SignalsHeldBack() {
        const sigset_t set = CleanupSignalSet();
        pthread_sigmask(SIG_BLOCK, &set, &previous_);
    }
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;
    ~SignalsHeldBack() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

private:
    sigset_t previous_;
};
#else
class SignalCleanup {
public:
    void Arm(const std::string&) {}
    void Disarm() {}
};
class SignalsHeldBack {};
#endif

// Where and how the new content of one target is written: into a new file beside it that takes
// its place by a rename; into a complete copy beside it that is then copied over it (a file with
// several hard links, or whose owner a new file cannot have); or, for a device, into the target
// itself. What is made beside the target is removed again unless it is the only whole new content
// left.
class Replacement {
public:
    enum class Way { Rename, InPlace, Direct };
    enum class Locking { Locked, Busy, Failed };

    explicit Replacement(std::string target)
        : target_(std::move(target)) {}
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;
    ~Replacement() {
        std::error_code ignored;
        if (!temporary_.empty())
            fs::remove(temporary_, ignored);
        if (!completeCopy_.empty() && state_ != TargetState::Damaged)
            fs::remove(completeCopy_, ignored);
    }

    // Finds the file the target leads to and the way to write it. `plainFilesOnly`: an image is
    // never written into a device or a pipe.
    [[nodiscard]] bool Inspect(bool plainFilesOnly);
    [[nodiscard]] std::optional<FileIdentity> ExistingTarget() const {
        return existed_ ? std::optional(facts_.identity) : std::nullopt;
    }
    // Locks the existing target, waiting as `wait` says; should the file the name leads to change
    // meanwhile, the new one is inspected in its place.
    [[nodiscard]] Locking LockTarget(const LockWait& wait);
    [[nodiscard]] const LockHolder& Holder() const { return targetLock_.Holder(); }
    // Whether the target is still the file `seen` was taken of (or still missing). A device is
    // written into, not replaced, so nothing of it can be lost.
    [[nodiscard]] bool StillAsSeen(const FileStamp& seen) const {
        if (way_ == Way::Direct)
            return true;
        return seen.exists == existed_ && (!existed_ || seen == StampOf(facts_));
    }
    // Makes the file the new content goes into.
    [[nodiscard]] bool Begin();
    [[nodiscard]] bool Store(std::span<const std::uint8_t> bytes);
    [[nodiscard]] const std::string& WorkPath() const { return workPath_; }
    // Flushes the new content to the disk and puts it in the target's place.
    [[nodiscard]] bool Commit();

    template <typename Outcome> [[nodiscard]] WriteResult<Outcome> Result(Outcome outcome) const {
        WriteResult<Outcome> result = Failed(outcome, outcome == Outcome::Written ? 0 : error_);
        result.target = state_;
        if (state_ == TargetState::Damaged)
            result.completeCopy = completeCopy_.string();
        result.targetNotPlainFile = notPlainFile_;
        result.aftermath = aftermath_;
        return result;
    }

private:
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
    void RemoveCopy(const fs::path& copy);
    void RemoveCopiesLeftBeside();

    std::string target_;
    fs::path final_;
    bool plainFilesOnly_ = false;
    Way way_ = Way::Rename;
    bool existed_ = false;
    FileFacts facts_;
    FileDescriptor targetFile_;
    ImageLock targetLock_;
    std::optional<SignalCleanup> cleanup_;
    FileDescriptor workFile_;
    std::string workPath_;
    fs::path temporary_;
    fs::path completeCopy_;
    int error_ = 0;
    TargetState state_ = TargetState::Unchanged;
    bool notPlainFile_ = false;
    WriteAftermath aftermath_;
};

bool Replacement::Inspect(bool plainFilesOnly) {
    plainFilesOnly_ = plainFilesOnly;
    targetFile_ = FileDescriptor();
    facts_ = FileFacts();
    existed_ = false;
    way_ = Way::Rename;
    // The name as given is looked at first: a device (a terminal as standard output among them,
    // whose links lead to no name) is written as it is. A pipe is refused: its writer waits
    // until someone reads, which may be never.
    std::error_code code;
    const fs::file_status named = fs::status(target_, code);
    if (!code && fs::is_fifo(named))
        return Fail(ESPIPE);
    if (!code && fs::exists(named) && !fs::is_regular_file(named)) {
        if (plainFilesOnly)
            return FailNotPlainFile(fs::is_directory(named));
        way_ = Way::Direct;
        workPath_ = target_;
        return true;
    }
    if (!ResolveFinalPath(target_, final_, error_))
        return false;
    // Opened for writing, so that a read-only file stays read-only: replacing it by a rename
    // would get round that. Everything else is learnt from the file opened.
    targetFile_ = OpenFile(final_.string(), O_RDWR | OpenWithoutWaiting | OpenNoLink);
    if (!targetFile_.IsOpen()) {
        if (errno != ENOENT)
            return Fail(errno);
        return true; // a new file
    }
    if (!FactsOf(targetFile_.Get(), facts_))
        return Fail(errno);
    if (!facts_.regular)
        return facts_.pipe ? Fail(ESPIPE) : FailNotPlainFile(facts_.directory);
    existed_ = true;
    // A rename would part a file with several hard links from its other names.
    way_ = facts_.links > 1 ? Way::InPlace : Way::Rename;
    return true;
}

Replacement::Locking Replacement::LockTarget(const LockWait& wait) {
    targetLock_ = ImageLock::Acquire(final_.string(), wait);
    if (targetLock_.State() == ImageLockState::Busy)
        return Locking::Busy;
    if (!targetLock_.Held()) {
        error_ = targetLock_.SystemError();
        return Locking::Failed;
    }
    // The writer waited for put a new file in the name's place: that one is the target now.
    if (!targetLock_.Covers(facts_.identity)) {
        if (!Inspect(plainFilesOnly_))
            return Locking::Failed;
        if (!existed_ || !targetLock_.Covers(facts_.identity))
            return Locking::Busy;
    }
    return Locking::Locked;
}

bool Replacement::Begin() {
    if (way_ == Way::Direct) {
        // Without waiting, should the name have become a pipe since it was looked at.
        workFile_ = OpenFile(target_, O_WRONLY | OpenWithoutWaiting);
        if (!workFile_.IsOpen())
            return Fail(errno);
        FileFacts opened;
        if (!FactsOf(workFile_.Get(), opened))
            return Fail(errno);
        if (opened.pipe)
            return Fail(ESPIPE);
        // Became a plain file since it was looked at: a plain file is only ever replaced whole.
        if (opened.regular)
            return Fail(EEXIST);
#ifndef _WIN32
        // A device is written as a shell's redirection writes it, waiting where it must.
        const int flags = fcntl(workFile_.Get(), F_GETFL);
        if (flags < 0 || fcntl(workFile_.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
            return Fail(errno);
#endif
        return true;
    }
    if (!StepAllowed(WriteStep::CreateTemporary))
        return Fail(InjectedError);
    cleanup_.emplace();
    const std::string base = HiddenName(final_, TemporaryFileMarker);
    for (int attempt = 0; attempt < 16 && !workFile_.IsOpen(); ++attempt) {
        const fs::path candidate = final_.parent_path() / (base + RandomSuffix() + ".tmp");
        // Held back, so that no signal ends the program between the file's making and the
        // cleanup's arming; and the cleanup is armed only with a file made here.
        const SignalsHeldBack held;
        // Exclusive, so that no existing file is ever taken over. A file that replaces another
        // is readable by its maker alone until it has that file's owner and mode.
        workFile_ = OpenFile(candidate.string(), O_CREAT | O_EXCL | O_RDWR,
                             existed_ ? OwnerReadWrite : NewFileMode);
        if (workFile_.IsOpen()) {
            cleanup_->Arm(candidate.string());
            temporary_ = candidate;
            workPath_ = candidate.string();
        } else if (errno != EEXIST) {
            return Fail(errno);
        }
    }
    if (!workFile_.IsOpen())
        return Fail(EEXIST);
    // Where the owner cannot be given to a new file (a group-writable file of someone else's),
    // the file itself is written, which keeps its owner, group and access lists.
    if (existed_ && way_ == Way::Rename && !TakeOwnerAndMode())
        way_ = Way::InPlace;
    return true;
}

bool Replacement::TakeOwnerAndMode() {
#ifdef _WIN32
    return true;
#else
    FileFacts made;
    if (!FactsOf(workFile_.Get(), made))
        return false;
    // The owner first: a change of owner clears the set-id bits the mode then sets.
    if ((made.owner != facts_.owner || made.group != facts_.group) &&
        fchown(workFile_.Get(), facts_.owner, facts_.group) != 0)
        return false;
    // The owner may read and write while the records go in by the file's name; what the target
    // allows anyone else the new file allows from here on, and the owner's exact bits come at
    // the rename.
    return fchmod(workFile_.Get(), facts_.mode | OwnerReadWrite) == 0;
#endif
}

bool Replacement::Store(std::span<const std::uint8_t> bytes) {
    if (!StepAllowed(WriteStep::CopyImage))
        return Fail(InjectedError);
    std::size_t written = 0;
    if (WriteAll(workFile_.Get(), bytes, written))
        return true;
    const int error = errno;
    // A pipe's reader or a device has what went out, and nothing can take it back.
    if (way_ == Way::Direct && written > 0)
        state_ = TargetState::Damaged;
    return Fail(error);
}

bool Replacement::Commit() {
    if (!StepAllowed(WriteStep::Flush))
        return Fail(InjectedError);
    if (!SyncFile(workFile_.Get()))
        return Fail(errno);
    switch (way_) {
    case Way::Direct:
        return workFile_.Close() || Fail(errno);
    case Way::Rename:
        if (!Rename())
            return false;
        break;
    case Way::InPlace:
        if (!Overwrite())
            return false;
        break;
    }
    RemoveCopiesLeftBeside();
    return true;
}

bool Replacement::Rename() {
    // A new file would lose the attributes the system keeps beside the content (access lists,
    // labels, a user's own tags); where they cannot all be given to it, the file itself is
    // written, which keeps them.
    if (existed_ && CopyExtendedAttributes(targetFile_.Get(), workFile_.Get()) != 0) {
        way_ = Way::InPlace;
        return Overwrite();
    }
#ifndef _WIN32
    if (existed_ && fchmod(workFile_.Get(), facts_.mode) != 0)
        return Fail(errno);
#endif
    if (!StepAllowed(WriteStep::Replace))
        return Fail(InjectedError);
    std::error_code code;
    fs::rename(temporary_, final_, code);
    if (code)
        return Fail(code.value());
    temporary_.clear();
    cleanup_->Disarm();
    // The new file is in place either way, so a folder that cannot be synced does not undo it;
    // but the name may not survive a power cut, which is said.
    aftermath_.folderSyncError =
        StepAllowed(WriteStep::SyncFolder) ? SyncFolder(final_.parent_path()) : InjectedError;
    return true;
}

// The flushed new content takes a name that says it is complete, so that should the copy over
// the target be stopped, the next opening of the target finds it.
bool Replacement::NameCompleteCopy() {
    const std::string base = HiddenName(final_, CompleteCopyMarker);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate =
            final_.parent_path() / (base + RandomSuffix() + final_.extension().string());
        const SignalsHeldBack held;
        if (RenameWithoutReplacing(temporary_, candidate)) {
            temporary_.clear();
            completeCopy_ = candidate;
            workPath_ = candidate.string();
            cleanup_->Arm(candidate.string());
            return true;
        }
        if (errno != EEXIST)
            return Fail(errno);
    }
    return Fail(EEXIST);
}

bool Replacement::Overwrite() {
    if (!StepAllowed(WriteStep::Replace))
        return Fail(InjectedError);
    if (!NameCompleteCopy())
        return false;
    // The copy's name is on the disk before the target's first byte changes.
    if (!StepAllowed(WriteStep::SyncFolder))
        return Fail(InjectedError);
    if (const int error = SyncFolder(final_.parent_path()); error != 0)
        return Fail(error);
    std::vector<std::uint8_t> fresh;
    std::vector<std::uint8_t> old;
    if (ReadOpenedFile(workFile_.Get(), fresh, NoSizeLimit) != FileRead::Read ||
        ReadOpenedFile(targetFile_.Get(), old, NoSizeLimit) != FileRead::Read)
        return Fail(errno);

    // From here on SIGINT and the like end the program only once the target is whole again,
    // and nothing removes the complete copy until it is: whatever stops the program now leaves
    // it beside the target.
    const SignalsHeldBack held;
    cleanup_->Disarm();
    state_ = TargetState::Damaged;
    const int target = targetFile_.Get();
    if (!StepAllowed(WriteStep::Overwrite)) {
        (void)WriteAllAt(target, std::span(fresh).first(fresh.size() / 2), 0);
        error_ = InjectedError;
    } else if (WriteAllAt(target, fresh, 0) &&
               (old.size() <= fresh.size() || Truncate(target, fresh.size())) && SyncFile(target)) {
        state_ = TargetState::Unchanged;
        RemoveCompleteCopy();
        return true;
    } else {
        error_ = errno;
    }
    // A full disk mostly refuses the first byte already: then the target is as it was, and
    // calling it damaged would send the user to a copy they do not need.
    if (TargetHolds(old)) {
        state_ = TargetState::Unchanged;
        RemoveCompleteCopy();
        return false;
    }
    if (StepAllowed(WriteStep::Restore) && WriteAllAt(target, old, 0) &&
        Truncate(target, old.size()) && SyncFile(target)) {
        state_ = TargetState::Restored;
        RemoveCompleteCopy();
    }
    return false;
}

bool Replacement::TargetHolds(std::span<const std::uint8_t> bytes) const {
    std::vector<std::uint8_t> now;
    return ReadOpenedFile(targetFile_.Get(), now, NoSizeLimit) == FileRead::Read &&
           std::ranges::equal(now, bytes);
}

void Replacement::RemoveCompleteCopy() {
    RemoveCopy(completeCopy_);
    completeCopy_.clear();
}

void Replacement::RemoveCopy(const fs::path& copy) {
    std::error_code code;
    if (!StepAllowed(WriteStep::RemoveCopy))
        code = std::make_error_code(std::errc::permission_denied);
    else
        fs::remove(copy, code);
    if (code) {
        aftermath_.unremovedCopies.push_back(copy.string());
        aftermath_.removalError = code.value();
        return;
    }
    (void)SyncFolder(final_.parent_path());
}

// Once the target holds the new content, the complete copies that earlier saves were stopped
// beside it with are older than it: kept, they would be announced at every later opening.
void Replacement::RemoveCopiesLeftBeside() {
    for (const std::string& copy : InterruptedSaveCopies(final_.string()))
        if (std::ranges::find(aftermath_.unremovedCopies, copy) == aftermath_.unremovedCopies.end())
            RemoveCopy(copy);
}

// True when the team can be written: a valid team whose rows, where given as texts, all make
// records. Every team is checked before the first byte goes out.
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

// `error` gets the errno of a failed record write.
bool WriteTeam(TRomTeamData& rom, const std::string& path, const TeamWrite& write, int& error) {
    const auto put = [&error](const auto& writeRecord) {
        if (!StepAllowed(WriteStep::WriteRecord)) {
            error = InjectedError;
            return false;
        }
        errno = 0;
        if (writeRecord())
            return true;
        error = errno;
        return false;
    };
    const int team = write.team;
    const auto at = [](int i) {
        return static_cast<std::size_t>(i);
    };
    if (const auto* texts = std::get_if<TeamTexts>(&write.content)) {
        for (int i = 0; i < BatterCount; ++i)
            if (!put([&] { return rom.WriteBatter(path, team, i, texts->batters[at(i)]); }))
                return false;
        for (int i = 0; i < PitcherCount; ++i)
            if (!put([&] { return rom.WritePitcher(path, team, i, texts->pitchers[at(i)]); }))
                return false;
        return put([&] {
            return rom.WriteColors(path, team, texts->colors.helmet, texts->colors.uniform);
        });
    }
    const auto& records = std::get<TeamRecords>(write.content);
    for (int i = 0; i < BatterCount; ++i)
        if (!put([&] { return rom.WriteBatterBytes(path, team, i, records.batters[at(i)]); }))
            return false;
    for (int i = 0; i < PitcherCount; ++i)
        if (!put([&] { return rom.WritePitcherBytes(path, team, i, records.pitchers[at(i)]); }))
            return false;
    return put(
        [&] { return rom.WriteColors(path, team, records.colors.helmet, records.colors.uniform); });
}

ImageWriteResult WriteImageUnguarded(const ImageWriteRequest& request) {
    using Outcome = ImageWriteOutcome;
    // The image stays locked from the read the new one starts from until the new one is in its
    // place. A lock the caller holds already is never taken a second time.
    ImageLock ownLock;
    const ImageLock* sourceLock = request.lock;
    if (!sourceLock || !sourceLock->Covers(request.source)) {
        ownLock = ImageLock::Acquire(request.source, request.wait);
        if (ownLock.State() == ImageLockState::Busy)
            return LockedBy(Outcome::Busy, request.source, ownLock.Holder());
        if (!ownLock.Held())
            return Failed(Outcome::SourceUnreadable, ownLock.SystemError());
        sourceLock = &ownLock;
    }
    // The new image starts from the source as it is on disk now, checked again: nothing is ever
    // written into a file that has not passed the check that opening makes.
    std::vector<std::uint8_t> image;
    if (sourceLock->ReadWhole(image) != FileRead::Read)
        return Failed(Outcome::SourceUnreadable, errno);
    if (request.expectedSource && !std::ranges::equal(*request.expectedSource, image))
        return Failed(Outcome::SourceChanged, 0);
    const ImageCheck check = CheckImage(image);
    if (check.verdict == ImageVerdict::Refused ||
        (check.verdict == ImageVerdict::Questionable && !request.acceptQuestionable))
        return Failed(Outcome::SourceRefused, 0);
    if (!std::all_of(request.teams.begin(), request.teams.end(), WritableTeam))
        return Failed(Outcome::TextRefused, 0);

    Replacement replacement(request.target);
    if (!replacement.Inspect(true))
        return replacement.Result(Outcome::TargetUncreatable);
    const std::optional<FileIdentity> target = replacement.ExistingTarget();
    if (target && !sourceLock->Covers(*target) && !(request.lock && request.lock->Covers(*target)))
        switch (replacement.LockTarget(request.wait)) {
        case Replacement::Locking::Locked:
            break;
        case Replacement::Locking::Busy:
            return LockedBy(Outcome::Busy, request.target, replacement.Holder());
        case Replacement::Locking::Failed:
            return replacement.Result(Outcome::TargetUncreatable);
        }
    if (request.expectedTarget && !replacement.StillAsSeen(*request.expectedTarget))
        return Failed(Outcome::TargetChanged, 0);
    if (!replacement.Begin())
        return replacement.Result(Outcome::TargetUncreatable);
    if (!replacement.Store(image))
        return replacement.Result(Outcome::WriteFailed);
    TRomTeamData rom;
    int recordError = 0;
    for (const TeamWrite& write : request.teams)
        if (!WriteTeam(rom, replacement.WorkPath(), write, recordError))
            return Failed(Outcome::WriteFailed, recordError);
    if (!replacement.Commit())
        return replacement.Result(Outcome::WriteFailed);
    return replacement.Result(Outcome::Written);
}

FileWriteResult WriteFileSafelyUnguarded(const std::string& target,
                                         std::span<const std::uint8_t> bytes,
                                         const FileWriteGuard& guard) {
    using Outcome = FileWriteOutcome;
    Replacement replacement(target);
    if (!replacement.Inspect(false))
        return replacement.Result(Outcome::TargetUncreatable);
    // Locked as an image is, so that two writers of one file never cross, whatever they write.
    const std::optional<FileIdentity> existing = replacement.ExistingTarget();
    if (existing && !(guard.lock && guard.lock->Covers(*existing)))
        switch (replacement.LockTarget(guard.wait)) {
        case Replacement::Locking::Locked:
            break;
        case Replacement::Locking::Busy:
            return LockedBy(Outcome::Busy, target, replacement.Holder());
        case Replacement::Locking::Failed:
            return replacement.Result(Outcome::TargetUncreatable);
        }
    if (guard.expectedTarget && !replacement.StillAsSeen(*guard.expectedTarget))
        return Failed(Outcome::TargetChanged, 0);
    if (!replacement.Begin())
        return replacement.Result(Outcome::TargetUncreatable);
    if (!replacement.Store(bytes) || !replacement.Commit())
        return replacement.Result(Outcome::WriteFailed);
    return replacement.Result(Outcome::Written);
}

// Every failure is an outcome. Nothing above is meant to throw; should something (the memory
// running out) throw all the same, the files made beside the target are gone by the time the
// exception arrives here, and a target being copied over counts as damaged until it is whole.
template <typename Outcome, typename Write>
WriteResult<Outcome> Guarded(Outcome failed, const Write& write) {
    try {
        return write();
    } catch (const std::bad_alloc&) {
        return Failed(failed, ENOMEM);
    } catch (const std::system_error& error) {
        return Failed(failed, error.code().value());
    } catch (const std::exception&) {
        return Failed(failed, 0);
    }
}

} // namespace

void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook) {
    StepHook() = std::move(hook);
}

ImageWriteResult WriteImage(const ImageWriteRequest& request) {
    return Guarded(ImageWriteOutcome::WriteFailed, [&] { return WriteImageUnguarded(request); });
}

FileWriteResult WriteFileSafely(const std::string& target, std::span<const std::uint8_t> bytes,
                                const FileWriteGuard& guard) {
    return Guarded(FileWriteOutcome::WriteFailed,
                   [&] { return WriteFileSafelyUnguarded(target, bytes, guard); });
}

std::vector<std::string> InterruptedSaveCopies(const std::string& imagePath) {
    std::vector<std::string> copies;
    try {
        fs::path final;
        int error = 0;
        if (!ResolveFinalPath(imagePath, final, error))
            return copies;
        const std::string prefix = HiddenName(final, CompleteCopyMarker);
        std::error_code code;
        for (fs::directory_iterator entry(final.parent_path(), code), end; !code && entry != end;
             entry.increment(code)) {
            std::error_code typeError;
            if (entry->path().filename().string().starts_with(prefix) &&
                fs::is_regular_file(entry->symlink_status(typeError)))
                copies.push_back(entry->path().string());
        }
        std::sort(copies.begin(), copies.end());
    } catch (const std::exception&) {
        // The memory ran out listing a folder: no copy known is all that can be said.
        copies.clear();
    }
    return copies;
}

} // namespace teamdata
