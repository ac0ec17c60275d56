// SPDX-License-Identifier: MIT
#pragma once

#include "FileDescriptor.h"
#include "ImageCheck.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Keeps two Tolvaneks from writing one image at the same time. Each writer decides what to write
// from the image as it read it; without the lock, two imports at once would each replace the
// image with their own reading plus their own teams, and one of them would be lost.
//
// The lock is advisory (other programs are not stopped by it) and belongs to the open file, not
// to the name: the safe writer puts a new file in the image's place, so a waiter that gets the
// lock checks that the name still leads to the file it locked and otherwise locks the new one.
// A lock is exclusive even within one process: whoever holds one passes it to the writer rather
// than letting the writer lock the same file again, which would wait for itself.
namespace teamdata {

enum class ImageLockState {
    None,   // nothing asked for yet
    Held,   // held, on the file the name leads to
    Busy,   // another Tolvanek holds it and the caller did not want to wait
    Failed, // the image could not be opened or locked; SystemError says why
};

class ImageLock {
public:
    ImageLock() = default;
    ImageLock(ImageLock&&) noexcept = default;
    ImageLock& operator=(ImageLock&&) noexcept = default;
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;
    ~ImageLock() = default; // closing the descriptor lets go of the lock

    // Locks the file `imagePath` leads to. When another holds it, an empty `waiting` gives Busy
    // at once; otherwise `waiting` is called once (to tell the user) and the call blocks until
    // the other lets go.
    [[nodiscard]] static ImageLock Acquire(const std::string& imagePath,
                                           const std::function<void()>& waiting = {});

    [[nodiscard]] ImageLockState State() const { return state_; }
    [[nodiscard]] bool Held() const { return state_ == ImageLockState::Held; }
    // The errno of a failure, 0 otherwise.
    [[nodiscard]] int SystemError() const { return systemError_; }

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
};

} // namespace teamdata
