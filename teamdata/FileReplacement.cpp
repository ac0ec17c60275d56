// SPDX-License-Identifier: MIT
#include "FileReplacement.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
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

// A file written in place has its old and its new content held in memory, whatever their size:
// the old one is what goes back should the copy over it fail.
constexpr std::uint64_t NoSizeLimit = std::numeric_limits<std::uint64_t>::max();

// As many links in a chain as the system itself follows before it calls it a loop.
constexpr int MaxLinkHops = 40;

constexpr unsigned OwnerReadWrite = 0600;
constexpr unsigned NewFileMode = 0666; // less the user's umask, as for any new file

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

} // namespace

FileReplacement::FileReplacement(std::string target, bool plainFilesOnly)
    : target_(std::move(target))
    , plainFilesOnly_(plainFilesOnly) {}

FileReplacement::~FileReplacement() {
    std::error_code ignored;
    if (!temporary_.empty())
        fs::remove(temporary_, ignored);
    if (!completeCopy_.empty() && state_ != TargetState::Damaged)
        fs::remove(completeCopy_, ignored);
}

FileReplacement::Preparation FileReplacement::PrepareTarget(const ReplacementGuard& guard) {
    if (!Inspect())
        return Preparation::Uncreatable;
    // Locked as an image is, so that two writers of one file never cross, whatever they write. A
    // lock the caller holds already is never taken a second time.
    const auto heldAlready = [this](const ImageLock* lock) {
        return lock && lock->Covers(facts_.identity);
    };
    if (existed_ && std::ranges::none_of(guard.held, heldAlready))
        switch (LockTarget(guard.wait)) {
        case Locking::Locked:
            break;
        case Locking::Busy:
            return Preparation::Busy;
        case Locking::Failed:
            return Preparation::Uncreatable;
        }
    if (guard.expectedTarget && !StillAsSeen(*guard.expectedTarget))
        return Preparation::Changed;
    return Begin() ? Preparation::Ready : Preparation::Uncreatable;
}

bool FileReplacement::StillAsSeen(const FileStamp& seen) const {
    if (way_ == Way::Direct)
        return true;
    return seen.exists == existed_ && (!existed_ || seen == StampOf(facts_));
}

bool FileReplacement::Inspect() {
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
        if (plainFilesOnly_)
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

FileReplacement::Locking FileReplacement::LockTarget(const LockWait& wait) {
    targetLock_ = ImageLock::Acquire(final_.string(), wait);
    if (targetLock_.State() == ImageLockState::Busy)
        return Locking::Busy;
    if (!targetLock_.Held()) {
        error_ = targetLock_.SystemError();
        return Locking::Failed;
    }
    // The writer waited for put a new file in the name's place: that one is the target now.
    if (!targetLock_.Covers(facts_.identity)) {
        if (!Inspect())
            return Locking::Failed;
        if (!existed_ || !targetLock_.Covers(facts_.identity))
            return Locking::Busy;
    }
    return Locking::Locked;
}

bool FileReplacement::Begin() {
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
    if (!WriteStepAllowed(WriteStep::CreateTemporary))
        return Fail(InjectedWriteError);
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

bool FileReplacement::TakeOwnerAndMode() {
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

bool FileReplacement::Store(std::span<const std::uint8_t> bytes) {
    if (!WriteStepAllowed(WriteStep::CopyImage))
        return Fail(InjectedWriteError);
    std::size_t written = 0;
    if (WriteAll(workFile_.Get(), bytes, written))
        return true;
    const int error = errno;
    // A pipe's reader or a device has what went out, and nothing can take it back.
    if (way_ == Way::Direct && written > 0)
        state_ = TargetState::Damaged;
    return Fail(error);
}

bool FileReplacement::Commit() {
    if (!WriteStepAllowed(WriteStep::Flush))
        return Fail(InjectedWriteError);
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

bool FileReplacement::Rename() {
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
    if (!WriteStepAllowed(WriteStep::Replace))
        return Fail(InjectedWriteError);
    std::error_code code;
    fs::rename(temporary_, final_, code);
    if (code)
        return Fail(code.value());
    temporary_.clear();
    cleanup_->Disarm();
    // The new file is in place either way, so a folder that cannot be synced does not undo it;
    // but the name may not survive a power cut, which is said.
    aftermath_.folderSyncError = WriteStepAllowed(WriteStep::SyncFolder)
                                     ? SyncFolder(final_.parent_path())
                                     : InjectedWriteError;
    return true;
}

// The flushed new content takes a name that says it is complete, so that should the copy over
// the target be stopped, the next opening of the target finds it.
bool FileReplacement::NameCompleteCopy() {
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

bool FileReplacement::Overwrite() {
    if (!WriteStepAllowed(WriteStep::Replace))
        return Fail(InjectedWriteError);
    if (!NameCompleteCopy())
        return false;
    // The copy's name is on the disk before the target's first byte changes.
    if (!WriteStepAllowed(WriteStep::SyncFolder))
        return Fail(InjectedWriteError);
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
    if (!WriteStepAllowed(WriteStep::Overwrite)) {
        (void)WriteAllAt(target, std::span(fresh).first(fresh.size() / 2), 0);
        error_ = InjectedWriteError;
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
    if (WriteStepAllowed(WriteStep::Restore) && WriteAllAt(target, old, 0) &&
        Truncate(target, old.size()) && SyncFile(target)) {
        state_ = TargetState::Restored;
        RemoveCompleteCopy();
    }
    return false;
}

bool FileReplacement::TargetHolds(std::span<const std::uint8_t> bytes) const {
    std::vector<std::uint8_t> now;
    return ReadOpenedFile(targetFile_.Get(), now, NoSizeLimit) == FileRead::Read &&
           std::ranges::equal(now, bytes);
}

void FileReplacement::RemoveCompleteCopy() {
    RemoveCopy(completeCopy_);
    completeCopy_.clear();
}

void FileReplacement::RemoveCopy(const fs::path& copy) {
    std::error_code code;
    if (!WriteStepAllowed(WriteStep::RemoveCopy))
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
void FileReplacement::RemoveCopiesLeftBeside() {
    for (const std::string& copy : InterruptedSaveCopies(final_.string()))
        if (std::ranges::find(aftermath_.unremovedCopies, copy) == aftermath_.unremovedCopies.end())
            RemoveCopy(copy);
}

FileWriteResult WriteFileSafely(const std::string& target, std::span<const std::uint8_t> bytes,
                                const FileWriteGuard& guard) {
    using Outcome = FileWriteOutcome;
    return GuardedWrite(Outcome::WriteFailed, [&] {
        FileReplacement replacement(target, false);
        if (auto refused = replacement.Prepare<Outcome>(
                {{guard.lock, nullptr}, guard.wait, guard.expectedTarget}))
            return *std::move(refused);
        if (!replacement.Store(bytes) || !replacement.Commit())
            return replacement.Result(Outcome::WriteFailed);
        return replacement.Result(Outcome::Written);
    });
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
