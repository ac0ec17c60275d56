// SPDX-License-Identifier: MIT
#pragma once

#include "SignalCleanup.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// Playing an image in an installed NES emulator, for both faces: which program plays it, and the
// private folder its copy lives in while it plays.
namespace exchange {

// The environment variable that names the emulator: a command line in which %f stands for the
// image's path; without %f, the path is appended.
inline constexpr char EmulatorVariable[] = "TOLVANEK_EMULATOR";

// How an emulator is started on one image; no program when none was found.
struct EmulatorCommand {
    QString program;
    QStringList arguments;
    [[nodiscard]] bool Found() const { return !program.isEmpty(); }
    // The command as one line, to be named in messages.
    [[nodiscard]] QString Shown() const;
};

// Where the emulators Debian ships are looked for after PATH: /usr/games, which is on a user's
// PATH but not on root's. Tests point it elsewhere.
[[nodiscard]] QStringList& GamesFolders();

// The emulator for `image`: the command line `chosen` when it is not empty (the --emulator
// option's or TOLVANEK_EMULATOR's), else the first of fceux, nestopia and mednafen found in
// `searchPath`'s folders or the games folders.
[[nodiscard]] EmulatorCommand ChooseEmulator(const QString& chosen, const QString& image,
                                             const QStringList& searchPath);
// The same, with `chosen` falling back to TOLVANEK_EMULATOR and the folders of PATH.
[[nodiscard]] EmulatorCommand EmulatorFor(const QString& image, const QString& chosen = {});

// The clauses the faces put into their messages.
[[nodiscard]] QString NoEmulatorMessage();
[[nodiscard]] QString EmulatorNotStartedMessage(const EmulatorCommand& command,
                                                const QString& reason);
// An emulator that ended at once with a failure, with what it wrote to its error output.
[[nodiscard]] QString EmulatorFailedMessage(const EmulatorCommand& command, int exitCode,
                                            bool crashed, const QString& errorOutput);

// A new folder only its owner may enter, for the copy of one image an emulator plays, with the
// emulator's error output beside it. The folder goes with the object, and with the program when a
// signal ends it; each play has one of its own, so that an emulator still running keeps its file.
class PlayCopy {
public:
    // `imagePath` is the image the copy is made of; the copy has its file name.
    explicit PlayCopy(const QString& imagePath);
    PlayCopy(const PlayCopy&) = delete;
    PlayCopy& operator=(const PlayCopy&) = delete;

    // False when no folder could be made; ErrorString() says why.
    [[nodiscard]] bool Made() const { return folder_.isValid(); }
    [[nodiscard]] QString ErrorString() const { return folder_.errorString(); }
    [[nodiscard]] QString Folder() const { return folder_.path(); }
    [[nodiscard]] QString ImagePath() const;
    [[nodiscard]] QString ErrorOutputPath() const;
    // Leaves the copy readable and writable by its owner only; false when that failed.
    [[nodiscard]] bool MakeImagePrivate() const;
    // The end of what the emulator wrote to its error output (the part worth showing).
    [[nodiscard]] QString ErrorOutput() const;

private:
    QTemporaryDir folder_;
    QString imageName_;
    std::optional<teamdata::FolderCleanup> cleanup_;
};

} // namespace exchange
