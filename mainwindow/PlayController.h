// SPDX-License-Identifier: MIT
#pragma once

#include "Emulator.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QProcess;
class QWidget;
class TFileController;

// ゲームで試す: the image as a save would make it now, shown team's edits included, written into
// a private copy and played there by an installed emulator, which runs beside the window. The
// open image and its edits stay as they were. The copies are the window's and go with it.
class TPlayController : public QObject {
public:
    explicit TPlayController(QWidget* window);
    ~TPlayController() override;

    // Plays the open image `image` as `files` would save it. False (the message shown) when no
    // emulator was started.
    bool Play(const QString& image, TFileController files);
    // Removes every copy; an emulator still running plays on from what it has read.
    void RemoveCopies();
    // The folders of the copies there are now, oldest first.
    [[nodiscard]] QStringList CopyFolders() const;
    // The process ids of the emulators started that have not ended yet, oldest first.
    [[nodiscard]] QList<qint64> RunningEmulators() const;

private:
    struct Session {
        std::unique_ptr<exchange::PlayCopy> copy;
        exchange::EmulatorCommand command;
        QProcess* process = nullptr;
        QElapsedTimer started;
    };
    void Start(Session& session);
    // The emulator of `process` has ended or could not start: its copy goes, and a failure
    // that came at once is told.
    void Ended(QProcess* process, bool failed, const QString& message);

    QWidget* window_;
    std::vector<std::unique_ptr<Session>> sessions_;
};
