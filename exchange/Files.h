// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include "Patch.h"
#include "SafeImageWriter.h"

#include <cstdint>
#include <string>
#include <string_view>

// Files named by the user, for both faces: reading an input whole with a limit that suits its
// kind, telling whether two names are one file, and saying why the system refused a file.
namespace exchange {

// A league file is some 40 KiB; this leaves room for any spreadsheet's padding and still keeps a
// wrong file (a film, a disk image) from being read into memory.
inline constexpr std::uint64_t MaxCsvFileSize = 1024u * 1024u;
// Every patch the program makes between images it reads, and no larger file.
inline constexpr std::uint64_t MaxPatchFileSize = teamdata::MaxPatchFileSize;

struct InputFile {
    enum class Outcome { Read, Unreadable, NotAFile, TooLarge };
    Outcome outcome = Outcome::Unreadable;
    QByteArray bytes;
    int systemError = 0; // why it could not be read, when the system said
};

[[nodiscard]] InputFile ReadInputFile(const QString& path, std::uint64_t maxSize);

// True when both names lead to one file (after every link, hard links included). Names of files
// that do not exist are never the same file.
[[nodiscard]] bool IsSameFile(const QString& first, const QString& second);

// Why a write failed and what it left, as one message in the user's language: "cannot write X:
// no space left on the device; it is left as it was", or where the complete new content is when
// the file could not be put back.
[[nodiscard]] QString DescribeWriteFailure(const teamdata::ImageWriteResult& result,
                                           const QString& image, const QString& target);
[[nodiscard]] QString DescribeWriteFailure(const teamdata::FileWriteResult& result,
                                           const QString& target);

// What a write that succeeded could not clean away or make sure of (see WriteAftermath), one
// line for each; empty when nothing is left to say.
[[nodiscard]] QString DescribeWriteAftermath(const teamdata::WriteAftermath& aftermath,
                                             const QString& target);
// Who holds a lock, as messages name it: "process 1234 (flock)", or "another program" when the
// system does not tell.
[[nodiscard]] QString DescribeLockHolder(const teamdata::LockHolder& holder);

// What the next open of an image says about a complete new image left beside it by a save that
// was stopped while it copied that image over the file.
[[nodiscard]] QString DescribeInterruptedSave(const QString& image, const QString& copy);

// The system's reason for a failed file operation, in the user's language: "no space left on
// the device". Empty for 0.
[[nodiscard]] QString DescribeSystemError(int error);

// "cannot write X: no space left on the device", with the separator of the user's language; the
// message alone for 0.
[[nodiscard]] QString WithReason(const QString& message, int systemError);

// A text taken from a file or a file name, made safe to print inside a message: control
// characters (C0 and C1), format characters (a byte-order mark, bidirectional overrides,
// zero-width spaces) and bytes that are no UTF-8 are shown as escapes (\0, \r, \x83, U+009B,
// U+202E, U+200B) instead of being sent to the terminal or the dialog. Every message that quotes
// a text from outside the program shows it through this.
[[nodiscard]] QString Shown(const QString& text);
[[nodiscard]] QString Shown(std::string_view utf8);

} // namespace exchange
