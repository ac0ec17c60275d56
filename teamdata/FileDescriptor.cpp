// SPDX-License-Identifier: MIT
#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <new>
#include <utility>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace teamdata {

namespace {

#ifdef _WIN32
using FileStatus = struct _stat64;
int StatusOf(int descriptor, FileStatus& status) {
    return _fstat64(descriptor, &status);
}
int StatusOf(const char* path, FileStatus& status) {
    return _stat64(path, &status);
}
bool IsRegular(const FileStatus& status) {
    return (status.st_mode & _S_IFMT) == _S_IFREG;
}
// Windows has no positioned read or write; the descriptors here are never shared between
// threads, so a seek before the transfer does the same.
long long ReadAt(int descriptor, void* buffer, std::size_t count, std::uint64_t offset) {
    if (_lseeki64(descriptor, static_cast<long long>(offset), SEEK_SET) < 0)
        return -1;
    return _read(descriptor, buffer, static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
long long WriteAt(int descriptor, const void* buffer, std::size_t count, std::uint64_t offset) {
    if (_lseeki64(descriptor, static_cast<long long>(offset), SEEK_SET) < 0)
        return -1;
    return _write(descriptor, buffer,
                  static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
long long WriteNext(int descriptor, const void* buffer, std::size_t count) {
    return _write(descriptor, buffer,
                  static_cast<unsigned>(std::min<std::size_t>(count, 1u << 30)));
}
#else
using FileStatus = struct stat;
int StatusOf(int descriptor, FileStatus& status) {
    return fstat(descriptor, &status);
}
int StatusOf(const char* path, FileStatus& status) {
    return stat(path, &status);
}
bool IsRegular(const FileStatus& status) {
    return S_ISREG(status.st_mode);
}
ssize_t ReadAt(int descriptor, void* buffer, std::size_t count, std::uint64_t offset) {
    return pread(descriptor, buffer, count, static_cast<off_t>(offset));
}
ssize_t WriteAt(int descriptor, const void* buffer, std::size_t count, std::uint64_t offset) {
    return pwrite(descriptor, buffer, count, static_cast<off_t>(offset));
}
ssize_t WriteNext(int descriptor, const void* buffer, std::size_t count) {
    return write(descriptor, buffer, count);
}
#endif

FileIdentity IdentityFrom(const FileStatus& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::int64_t ModifiedOf(const FileStatus& status) {
#ifdef _WIN32
    return static_cast<std::int64_t>(status.st_mtime) * 1'000'000'000;
#else
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
           status.st_mtim.tv_nsec;
#endif
}

bool IsDirectory(const FileStatus& status) {
#ifdef _WIN32
    return (status.st_mode & _S_IFMT) == _S_IFDIR;
#else
    return S_ISDIR(status.st_mode);
#endif
}

} // namespace

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        (void)Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    (void)Close();
}

bool FileDescriptor::Close() {
    if (descriptor_ < 0)
        return true;
#ifdef _WIN32
    const int closed = _close(std::exchange(descriptor_, -1));
#else
    // Not retried on EINTR: on Linux the descriptor is gone either way, and a second close
    // could hit one another part of the program has just opened.
    const int closed = close(std::exchange(descriptor_, -1));
#endif
    return closed == 0;
}

FileDescriptor OpenFile(const std::string& path, int flags, unsigned mode) {
#ifdef _WIN32
    return FileDescriptor(
        _open(path.c_str(), flags | _O_BINARY | _O_NOINHERIT, static_cast<int>(mode)));
#else
    for (;;) {
        const int descriptor = open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode));
        if (descriptor >= 0 || errno != EINTR)
            return FileDescriptor(descriptor);
    }
#endif
}

bool FactsOf(int descriptor, FileFacts& facts) {
    FileStatus status{};
    if (StatusOf(descriptor, status) != 0)
        return false;
    facts.identity = IdentityFrom(status);
    facts.regular = IsRegular(status);
    facts.directory = IsDirectory(status);
#ifndef _WIN32
    facts.pipe = S_ISFIFO(status.st_mode);
#endif
    facts.links = static_cast<std::uint64_t>(status.st_nlink);
    facts.size = static_cast<std::uint64_t>(status.st_size);
    facts.mode = static_cast<unsigned>(status.st_mode) & 07777u;
    facts.owner = static_cast<unsigned>(status.st_uid);
    facts.group = static_cast<unsigned>(status.st_gid);
    facts.modified = ModifiedOf(status);
    return true;
}

FileStamp StampOf(const std::string& path) {
    FileStatus status{};
    if (StatusOf(path.c_str(), status) != 0)
        return {};
    return {true, IdentityFrom(status), static_cast<std::uint64_t>(status.st_size),
            ModifiedOf(status)};
}

FileStamp StampOf(const FileFacts& facts) {
    return {true, facts.identity, facts.size, facts.modified};
}

bool IdentityOf(int descriptor, FileIdentity& identity) {
    FileStatus status{};
    if (StatusOf(descriptor, status) != 0)
        return false;
    identity = IdentityFrom(status);
    return true;
}

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    FileStatus status{};
    if (StatusOf(path.c_str(), status) != 0)
        return false;
    identity = IdentityFrom(status);
    return true;
}

FileRead ReadOpenedFile(int descriptor, std::vector<std::uint8_t>& bytes, std::uint64_t maxSize) {
    FileStatus status{};
    if (StatusOf(descriptor, status) != 0)
        return FileRead::Unreadable;
    if (!IsRegular(status)) {
        errno = 0;
        return FileRead::NotAFile;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > maxSize || size > std::numeric_limits<std::size_t>::max()) {
        errno = EFBIG;
        return FileRead::TooLarge;
    }
    std::vector<std::uint8_t> content;
    try {
        content.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        errno = ENOMEM;
        return FileRead::Unreadable;
    }
    std::size_t done = 0;
    while (done < content.size()) {
        const auto count = ReadAt(descriptor, content.data() + done, content.size() - done, done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return FileRead::Unreadable;
        if (count == 0) {
            // The file was cut short while it was read: what it held is not known whole.
            errno = 0;
            return FileRead::Unreadable;
        }
        done += static_cast<std::size_t>(count);
    }
    // A file that grew while it was read is read again by whoever asks next; what counts is
    // what stood in it at its size.
    bytes = std::move(content);
    return FileRead::Read;
}

bool WriteAll(int descriptor, std::span<const std::uint8_t> bytes, std::size_t& written) {
    written = 0;
    while (written < bytes.size()) {
        const auto count = WriteNext(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

bool WriteAllAt(int descriptor, std::span<const std::uint8_t> bytes, std::uint64_t offset) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto count =
            WriteAt(descriptor, bytes.data() + done, bytes.size() - done, offset + done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

void GuardStandardStreams() {
#ifndef _WIN32
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // Opened the wrong way round: for writing where the program reads, and for reading
        // where it writes. The lowest free number is the one that was closed.
        const int standIn = open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (standIn >= 0 && standIn != stream)
            close(standIn);
    }
    signal(SIGXFSZ, SIG_IGN);
#endif
}

FileRead ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                       std::uint64_t maxSize) {
    // Opened first and judged by what was opened: a name looked at and then opened may meanwhile
    // have been given to a pipe, whose open would wait for a writer that never comes. The open
    // does not wait; a regular file ignores that.
    const FileDescriptor file = OpenFile(path, O_RDONLY | OpenWithoutWaiting);
    if (!file.IsOpen())
        return FileRead::Unreadable;
    return ReadOpenedFile(file.Get(), bytes, maxSize);
}

} // namespace teamdata
