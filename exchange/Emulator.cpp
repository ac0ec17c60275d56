// SPDX-License-Identifier: MIT
#include "Emulator.h"

#include "Files.h"
#include "ImageFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace exchange {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Emulator)
};

// Debian's NES emulators that take an image's path as their argument, in the order they are
// preferred.
const QStringList KnownEmulators = {QStringLiteral("fceux"), QStringLiteral("nestopia"),
                                    QStringLiteral("mednafen")};

const QString ImagePlaceholder = QStringLiteral("%f");
const QString ErrorOutputName = QStringLiteral("emulator-errors.txt");
// Enough of an error output to say what went wrong; an emulator that floods it says the same
// in its last lines.
constexpr qint64 ShownErrorOutput = 4000;

QString ShellWord(const QString& word) {
    const bool plain = !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return c.isLetterOrNumber() || QStringLiteral("-_./=:+,%@").contains(c);
    });
    if (plain)
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString EmulatorCommand::Shown() const {
    QStringList words{ShellWord(program)};
    for (const QString& argument : arguments)
        words << ShellWord(argument);
    return words.join(QLatin1Char(' '));
}

QStringList& GamesFolders() {
    static QStringList folders{QStringLiteral("/usr/games")};
    return folders;
}

EmulatorCommand ChooseEmulator(const QString& chosen, const QString& image,
                               const QStringList& searchPath) {
    EmulatorCommand command;
    if (!chosen.trimmed().isEmpty()) {
        QStringList words = QProcess::splitCommand(chosen);
        if (words.isEmpty())
            return command;
        command.program = words.takeFirst();
        bool placed = false;
        for (QString& word : words) {
            if (word.contains(ImagePlaceholder)) {
                word.replace(ImagePlaceholder, image);
                placed = true;
            }
        }
        if (!placed)
            words << image;
        command.arguments = words;
        return command;
    }
    const QStringList folders = searchPath + GamesFolders();
    for (const QString& name : KnownEmulators) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return {found, {image}};
    }
    return command;
}

EmulatorCommand EmulatorFor(const QString& image, const QString& chosen) {
    const QString command = chosen.isEmpty() ? qEnvironmentVariable(EmulatorVariable) : chosen;
    QStringList path;
    for (const QString& folder :
         qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts))
        path << folder;
    return ChooseEmulator(command, image, path);
}

QString NoEmulatorMessage() {
    return Texts::tr("no emulator was found: install one of the Debian packages fceux, nestopia "
                     "or mednafen, or name one in %1")
        .arg(QLatin1String(EmulatorVariable));
}

QString EmulatorNotStartedMessage(const EmulatorCommand& command, const QString& reason) {
    return Texts::tr("the emulator (%1) cannot be started: %2").arg(command.Shown(), reason);
}

QString EmulatorFailedMessage(const EmulatorCommand& command, int exitCode, bool crashed,
                              const QString& errorOutput) {
    QString message =
        crashed ? Texts::tr("the emulator (%1) ended at once, abnormally").arg(command.Shown())
                : Texts::tr("the emulator (%1) ended at once with status %2")
                      .arg(command.Shown())
                      .arg(exitCode);
    const QString output = errorOutput.trimmed();
    if (!output.isEmpty())
        message += QLatin1Char('\n') + output;
    return message;
}

PlayCopy::PlayCopy(const QString& imagePath)
    : folder_(QDir::tempPath() + QStringLiteral("/tolvanek-play-XXXXXX"))
    , imageName_(QFileInfo(imagePath).fileName()) {
    if (imageName_.isEmpty() || imageName_ == ErrorOutputName)
        imageName_ = QStringLiteral("image.nes");
    if (!folder_.isValid())
        return;
    // QTemporaryDir makes the folder for its owner alone; said here as well, since that is what
    // keeps another user from reading or swapping the copy before the emulator opens it.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    cleanup_.emplace(NativePath(folder_.path()),
                     std::vector<std::string>{NativePath(imageName_), NativePath(ErrorOutputName)});
}

QString PlayCopy::ImagePath() const {
    return folder_.filePath(imageName_);
}

QString PlayCopy::ErrorOutputPath() const {
    return folder_.filePath(ErrorOutputName);
}

bool PlayCopy::MakeImagePrivate() const {
    return QFile::setPermissions(ImagePath(), QFile::ReadOwner | QFile::WriteOwner);
}

QString PlayCopy::ErrorOutput() const {
    QFile file(ErrorOutputPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    if (file.size() > ShownErrorOutput)
        file.seek(file.size() - ShownErrorOutput);
    return QString::fromLocal8Bit(file.readAll());
}

} // namespace exchange
