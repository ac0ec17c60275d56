// SPDX-License-Identifier: MIT
#include "ImageLock.h"

#include <cerrno>

#ifndef _WIN32
#include <sys/file.h>
#endif

namespace teamdata {

namespace {

#ifdef _WIN32
// Windows's byte-range locks would also stop this program's own writes through other
// descriptors; there the lock only opens the file, and writers are not kept apart.
bool TryLock(int, bool& busy) {
    busy = false;
    return true;
}
bool WaitForLock(int) {
    return true;
}
#else
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

bool WaitForLock(int descriptor) {
    for (;;) {
        if (flock(descriptor, LOCK_EX) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}
#endif

} // namespace

ImageLock ImageLock::Acquire(const std::string& imagePath, const std::function<void()>& waiting) {
    ImageLock lock;
    lock.path_ = imagePath;
    const auto fail = [&lock](int error) {
        lock.state_ = ImageLockState::Failed;
        lock.systemError_ = error;
        return std::move(lock);
    };
    bool told = false;
    // Without waiting, a name that keeps leading to new files means writers keep replacing it:
    // after a few tries that is as busy as a lock held.
    for (int attempt = 0; waiting || attempt < 8; ++attempt) {
        // Read-only (a lock needs no more) and without waiting, should the name lead to a pipe.
        FileDescriptor file = OpenFile(imagePath, O_RDONLY | OpenWithoutWaiting);
        if (!file.IsOpen())
            return fail(errno);
        bool busy = false;
        if (!TryLock(file.Get(), busy)) {
            if (!busy)
                return fail(errno);
            if (!waiting) {
                lock.state_ = ImageLockState::Busy;
                return lock;
            }
            if (!told) {
                waiting();
                told = true;
            }
            if (!WaitForLock(file.Get()))
                return fail(errno);
        }
        FileIdentity locked;
        FileIdentity named;
        if (!IdentityOf(file.Get(), locked) || !IdentityOf(imagePath, named))
            return fail(errno);
        if (locked == named) {
            lock.file_ = std::move(file);
            lock.identity_ = locked;
            lock.state_ = ImageLockState::Held;
            return lock;
        }
        // The holder put a new image in the place of the one locked here: that one counts now.
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
