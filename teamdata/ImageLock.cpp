// SPDX-License-Identifier: MIT
#include "ImageLock.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <sys/file.h>
#include <sys/sysmacros.h>
#endif

namespace teamdata {

namespace {

// Often enough that a writer waiting for another starts soon after it ends, seldom enough to
// cost nothing.
constexpr auto RetryInterval = std::chrono::milliseconds(50);

// A name that keeps leading to new files means writers keep replacing it: after this many
// files that is as busy as a lock held.
constexpr int MaxReplacementsSeen = 8;

#ifdef _WIN32
// Windows's byte-range locks would also stop this program's own writes through other
// descriptors; there the lock only opens the file, and writers are not kept apart.
bool TryLock(int, bool& busy) {
    busy = false;
    return true;
}
#else
// Never blocks: a blocking flock could not be given up when the limit passes.
bool TryLock(int descriptor, bool& busy) {
    for (;;) {
        if (flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        busy = errno == EWOULDBLOCK;
        return false;
    }
}

// "fe:00:10953533" in /proc/locks: the device's major and minor number in hexadecimal, then the
// inode.
bool NamesFile(const std::string& place, const FileIdentity& file) {
    std::istringstream fields(place);
    unsigned deviceMajor = 0;
    unsigned deviceMinor = 0;
    unsigned long long inode = 0;
    char firstColon = 0;
    char secondColon = 0;
    fields >> std::hex >> deviceMajor >> firstColon >> deviceMinor >> secondColon >> std::dec >>
        inode;
    const auto device = static_cast<dev_t>(file.device);
    return fields && firstColon == ':' && secondColon == ':' && inode == file.inode &&
           deviceMajor == major(device) && deviceMinor == minor(device);
}
#endif

} // namespace

LockHolder HolderOfLock(const FileIdentity& file) {
    LockHolder holder;
#ifdef _WIN32
    (void)file;
#else
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        // "1: FLOCK  ADVISORY  WRITE 17778 fe:00:10953533 0 EOF"; a line with "->" after the
        // number is a process waiting for that lock, not holding it.
        std::istringstream fields(line);
        std::string number, kind, mode, access, place;
        long pid = 0;
        if (!(fields >> number >> kind >> mode >> access >> pid >> place) || kind != "FLOCK" ||
            !NamesFile(place, file))
            continue;
        holder.pid = pid;
        std::ifstream command("/proc/" + std::to_string(pid) + "/comm");
        std::getline(command, holder.name);
        break;
    }
#endif
    return holder;
}

ImageLock ImageLock::Acquire(const std::string& imagePath, const LockWait& wait) {
    ImageLock lock;
    lock.path_ = imagePath;
    const auto fail = [&lock](int error) {
        lock.state_ = ImageLockState::Failed;
        lock.systemError_ = error;
        return std::move(lock);
    };
    const auto deadline = std::chrono::steady_clock::now() + wait.limit;
    bool told = false;
    int replacements = 0;
    for (;;) {
        // Opened again on every try: the holder may put a new file in the name's place, and
        // that one counts then. Read-only (a lock needs no more) and without waiting, should
        // the name lead to a pipe.
        FileDescriptor file = OpenFile(imagePath, O_RDONLY | OpenWithoutWaiting);
        if (!file.IsOpen())
            return fail(errno);
        FileIdentity locked;
        if (!IdentityOf(file.Get(), locked))
            return fail(errno);
        bool busy = false;
        if (!TryLock(file.Get(), busy)) {
            if (!busy)
                return fail(errno);
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline) {
                lock.state_ = ImageLockState::Busy;
                lock.holder_ = HolderOfLock(locked);
                return lock;
            }
            if (!told && wait.waiting)
                wait.waiting(HolderOfLock(locked));
            told = true;
            std::this_thread::sleep_for(
                std::min<std::chrono::steady_clock::duration>(RetryInterval, deadline - now));
            continue;
        }
        FileIdentity named;
        if (!IdentityOf(imagePath, named))
            return fail(errno);
        if (locked == named) {
            lock.file_ = std::move(file);
            lock.identity_ = locked;
            lock.state_ = ImageLockState::Held;
            return lock;
        }
        // The holder put a new image in the place of the one locked here: that one counts now.
        if (++replacements >= MaxReplacementsSeen && std::chrono::steady_clock::now() >= deadline)
            break;
    }
    lock.state_ = ImageLockState::Busy;
    return lock;
}

bool ImageLock::Covers(const FileIdentity& file) const {
    return Held() && file_.IsOpen() && identity_ == file;
}

bool ImageLock::Covers(const std::string& path) const {
    FileIdentity named;
    return Held() && IdentityOf(path, named) && Covers(named);
}

FileRead ImageLock::ReadWhole(std::vector<std::uint8_t>& bytes, std::uint64_t maxSize) const {
    if (!file_.IsOpen())
        return ReadWholeFile(path_, bytes, maxSize);
    return ReadOpenedFile(file_.Get(), bytes, maxSize);
}

} // namespace teamdata
