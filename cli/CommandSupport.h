// SPDX-License-Identifier: MIT
#pragma once

#include "Invocation.h"

#include "ImageFile.h"
#include "SafeImageWriter.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

namespace reports {
struct CsvImport;
}

// What the commands share: opening an image as the window opens it, reading the files named on
// the command line, the safe writes of results, and the wording of their outcomes.
namespace cli {

// "-" for standard input or output.
inline const QString StandardStream = QStringLiteral("-");
// How an error in a file read from standard input names its place.
inline const QString StandardInputName = QStringLiteral("<stdin>");

[[nodiscard]] std::span<const std::uint8_t> BytesOf(const QByteArray& bytes);

// A path or a text from a file, as a message shows it.
[[nodiscard]] QString Shown(const QString& text);

// An image read and checked; `status` is Done when the command may go on with it, and otherwise
// has been reported.
struct OpenedImage {
    exchange::LoadedImage image;
    int status = 0;
};

// The image at `path`, checked as the window checks it: `force` answers its question. `loaded`
// is the image as read from `path` by a command that looked at the bytes first.
[[nodiscard]] OpenedImage OpenImage(const QString& path, bool force, std::ostream& err,
                                    exchange::LoadedImage loaded);
[[nodiscard]] OpenedImage OpenImage(const QString& path, bool force, std::ostream& err);

// The team named by --team, when one is; `status` is Done or the reported usage error.
struct NamedTeam {
    std::optional<int> team;
    int status = 0;
};
[[nodiscard]] NamedTeam TeamOption(const Invocation& call);

// All of standard input, unless it is larger than any league file.
[[nodiscard]] int ReadStandardInput(std::istream& in, QByteArray& bytes, std::ostream& err);

// A file named on the command line, whole, unless it is larger than `maxSize`: then it is
// refused before it is read, as no file of its kind comes near that size.
[[nodiscard]] int ReadInputFile(const QString& name, std::uint64_t maxSize, QByteArray& bytes,
                                std::ostream& err);

// The wait for another's lock on `file`, told once on standard error as it begins.
[[nodiscard]] teamdata::LockWait WaitFor(const Invocation& call, const QString& file);

// A lock that was not let go in time is a file that could not be written: status 3.
int ReportLocked(const Invocation& call, const QString& file, const teamdata::LockHolder& holder);

// A result to standard output for "-" or no name, otherwise written safely to the file: under
// its lock, and only while it is the file the command saw when it began.
[[nodiscard]] int WriteOutput(const Invocation& call, const QString& name,
                              std::span<const std::uint8_t> bytes);

// Errors and notes of a CSV read in the order of the file, so that a reader goes through it once.
void ReportCsvIssues(std::ostream& err, const QString& file, const reports::CsvImport& import);

// "CB G" for the teams written.
[[nodiscard]] QString InitialsOf(const std::vector<teamdata::TeamWrite>& writes);

// The outcome of writing teams into an image, reported; Done when it was written cleanly.
[[nodiscard]] int ReportImageWrite(const Invocation& call, const teamdata::ImageWriteResult& result,
                                   const QString& image, const QString& target);

} // namespace cli
