// SPDX-License-Identifier: MIT
#pragma once

#include "ImageCheck.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <fcntl.h>

// The few descriptor operations the reader, the image lock and the safe writer share. A file is
// opened once and then judged by what was opened, never by looking its name up a second time: a
// name can be given to another file between two look-ups.
namespace teamdata {

// Device and inode: two names, or a name and an open descriptor, are the same file when these
// agree.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// What the writer needs to know of an open file.
struct FileFacts {
    FileIdentity identity;
    bool regular = false;
    bool directory = false;
    bool pipe = false; // a named pipe (FIFO)
    std::uint64_t links = 0;
    std::uint64_t size = 0;
    unsigned mode = 0; // the permission bits, set-id and sticky bits included
    unsigned owner = 0;
    unsigned group = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
};

// A file as a command first saw it, so that a writer can tell later whether anyone wrote it in
// between: whether the name led to a file, which one, its size and its modification time.
struct FileStamp {
    bool exists = false;
    FileIdentity identity;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// An open descriptor, closed when this goes.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor)
        : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    [[nodiscard]] int Get() const { return descriptor_; }
    [[nodiscard]] bool IsOpen() const { return descriptor_ >= 0; }
    // False (with errno set) when the close reports an error, which for a written file may be
    // the first word of a failed write.
    [[nodiscard]] bool Close();

private:
    int descriptor_ = -1;
};

// Flags for OpenFile that only some systems know: an open that does not wait (for a pipe's other
// end), and one that refuses a symbolic link as the last part of the name.
#ifdef _WIN32
inline constexpr int OpenWithoutWaiting = 0;
inline constexpr int OpenNoLink = 0;
#else
inline constexpr int OpenWithoutWaiting = O_NONBLOCK;
inline constexpr int OpenNoLink = O_NOFOLLOW;
#endif

// Opens `path` with the platform's flags plus close-on-exec (binary mode on Windows), trying
// again when a signal interrupts the open.
[[nodiscard]] FileDescriptor OpenFile(const std::string& path, int flags, unsigned mode = 0);

// The facts of the file open at `descriptor`; false with errno set when they cannot be had.
[[nodiscard]] bool FactsOf(int descriptor, FileFacts& facts);

// The stamp of the file `path` names now, links followed; nothing there (or nothing that can be
// looked at) gives a stamp that does not exist.
[[nodiscard]] FileStamp StampOf(const std::string& path);
[[nodiscard]] FileStamp StampOf(const FileFacts& facts);

// The identity of the file open at `descriptor`, or of the one `path` names now (links
// followed); false with errno set when it cannot be had.
[[nodiscard]] bool IdentityOf(int descriptor, FileIdentity& identity);
[[nodiscard]] bool IdentityOf(const std::string& path, FileIdentity& identity);

// Reads the whole regular file open at `descriptor` from its first byte, whatever its position.
// Unreadable leaves errno set; NotAFile and TooLarge leave it 0 and EFBIG. Never throws: a file
// too large for the memory is Unreadable with ENOMEM.
[[nodiscard]] FileRead ReadOpenedFile(int descriptor, std::vector<std::uint8_t>& bytes,
                                      std::uint64_t maxSize);

// Writes every byte, going on after short writes; false with errno set on failure. `written`
// counts what went out either way.
[[nodiscard]] bool WriteAll(int descriptor, std::span<const std::uint8_t> bytes,
                            std::size_t& written);
// The same at a file position, for a regular file whose descriptor position is not to be
// trusted.
[[nodiscard]] bool WriteAllAt(int descriptor, std::span<const std::uint8_t> bytes,
                              std::uint64_t offset);

// To be called first thing in a program: a standard stream it was started without (closed by
// the caller, as in `<&-`) gets a stand-in that fails every read or write with EBADF, so that
// the first file the program opens cannot take its number and be read as standard input or
// written with its messages. A file-size limit (ulimit -f) makes a write fail with EFBIG, which
// is reported, instead of ending the program without a word.
void GuardStandardStreams();

} // namespace teamdata
