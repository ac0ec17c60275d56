// SPDX-License-Identifier: MIT
#pragma once

#include "FileDescriptor.h"
#include "ImageCheck.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Keeps two Tolvaneks from writing one image at the same time. Each writer decides what to write
// from the image as it read it; without the lock, two imports at once would each replace the
// image with their own reading plus their own teams, and one of them would be lost. Every other
// file a writer replaces is locked the same way, so that no two writers ever cross on one name.
//
// The lock is advisory (other programs are not stopped by it) and belongs to the open file, not
// to the name: the safe writer puts a new file in the image's place, so a waiter that gets the
// lock checks that the name still leads to the file it locked and otherwise locks the new one.
// A waiter asks again now and then rather than blocking, so that it can give up.
// A lock is exclusive even within one process: whoever holds one passes it to the writer rather
// than letting the writer lock the same file again, which would wait for itself.
namespace teamdata {

enum class ImageLockState {
    None,   // nothing asked for yet
    Held,   // held, on the file the name leads to
    Busy,   // another holds it, and did not let go within the time the caller would wait
    Failed, // the image could not be opened or locked; SystemError says why
};

// Who holds a lock, as far as the system tells (on Linux, /proc/locks and /proc/PID/comm). It
// need not be a Tolvanek: any program may lock the file, flock(1) among them.
struct LockHolder {
    long pid = 0;     // 0 when the system does not tell
    std::string name; // the holder's command name; empty when unknown
};

// How long a writer waits for a lock another holds. A holder that never lets go (a stopped
// process, a shell's flock) must not keep the caller waiting for ever.
struct LockWait {
    std::chrono::milliseconds limit{0}; // zero: Busy at once
    // Called once as the wait begins, to tell the user who is waited for.
    std::function<void(const LockHolder&)> waiting = {};
};

class ImageLock {
public:
    ImageLock() = default;
    ImageLock(ImageLock&&) noexcept = default;
    ImageLock& operator=(ImageLock&&) noexcept = default;
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;
    ~ImageLock() = default; // closing the descriptor lets go of the lock

    // Locks the file `imagePath` leads to. When another holds it, waits as `wait` says and
    // gives Busy when the other has not let go by then.
    [[nodiscard]] static ImageLock Acquire(const std::string& imagePath, const LockWait& wait = {});

    [[nodiscard]] ImageLockState State() const { return state_; }
    [[nodiscard]] bool Held() const { return state_ == ImageLockState::Held; }
    // The errno of a failure, 0 otherwise.
    [[nodiscard]] int SystemError() const { return systemError_; }
    // Who held the lock when the caller gave up (Busy), as far as the system tells.
    [[nodiscard]] const LockHolder& Holder() const { return holder_; }

    // Whether this lock is held on that very file, or on the file `path` leads to now.
    [[nodiscard]] bool Covers(const FileIdentity& file) const;
    [[nodiscard]] bool Covers(const std::string& path) const;

    // Reads the locked file whole, as ReadWholeFile reads a named one: under the lock, nobody
    // else's new image can come between this read and the write that follows it.
    [[nodiscard]] FileRead ReadWhole(std::vector<std::uint8_t>& bytes,
                                     std::uint64_t maxSize = MaxImageFileSize) const;

private:
    FileDescriptor file_;
    FileIdentity identity_;
    std::string path_;
    ImageLockState state_ = ImageLockState::None;
    int systemError_ = 0;
    LockHolder holder_;
};

// Who holds a lock on `file` now (a whole-file lock such as this class takes); pid 0 when nobody
// does or the system does not tell.
[[nodiscard]] LockHolder HolderOfLock(const FileIdentity& file);

} // namespace teamdata
