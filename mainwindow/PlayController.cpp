// SPDX-License-Identifier: MIT
#include "PlayController.h"

#include "FileController.h"
#include "Mainunit.h"
#include "MainunitShared.h"

#include <QProcess>

using namespace mainunit;

namespace {

// An emulator that ends with a failure within this time has failed to play the image (a
// wrong option, no display, an image it refuses) and says why on its error output; one that
// ends later was played and closed by the user.
constexpr qint64 FailureWatchTime = 2000;

// A QProcess ends its program when it goes, but an emulator still running when the window
// closes is the user's game: its QProcess is kept here, untouched, until the program ends.
std::vector<QProcess*>& ProcessesLeftRunning() {
    static auto* processes = new std::vector<QProcess*>;
    return *processes;
}

} // namespace

TPlayController::TPlayController(QWidget* window)
    : QObject(window)
    , window_(window) {}

TPlayController::~TPlayController() {
    RemoveCopies();
}

bool TPlayController::Play(const QString& image, TFileController files) {
    auto session = std::make_unique<Session>();
    session->copy = std::make_unique<exchange::PlayCopy>(image);
    if (!session->copy->Made()) {
        ShowError(window_, WithDetail(CannotSaveMessage(), session->copy->ErrorString()));
        return false;
    }
    session->command = exchange::EmulatorFor(session->copy->ImagePath());
    if (!session->command.Found()) {
        ShowError(window_, Sentence(exchange::NoEmulatorMessage()));
        return false;
    }
    // The copy is written as a save writes the image, refusals and their messages included, so
    // that what is played is what a save would keep.
    if (!files.WriteCopy(session->copy->ImagePath()))
        return false;
    if (!session->copy->MakeImagePrivate()) {
        ShowError(window_, CannotSaveMessage());
        return false;
    }
    Start(*session);
    sessions_.push_back(std::move(session));
    return true;
}

void TPlayController::Start(Session& session) {
    auto* process = new QProcess(this);
    session.process = process;
    // Its output goes into a file, not a pipe: an emulator that outlives the window would be
    // ended by the first line it writes into a pipe nobody reads any more.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(session.copy->ErrorOutputPath());
    process->setProgram(session.command.program);
    process->setArguments(session.command.arguments);
    const exchange::EmulatorCommand command = session.command;
    connect(process, &QProcess::errorOccurred, this,
            [this, process, command](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    Ended(process, true,
                          exchange::EmulatorNotStartedMessage(command, process->errorString()));
            });
    connect(process, &QProcess::finished, this,
            [this, process, command](int exitCode, QProcess::ExitStatus status) {
                const auto found = std::ranges::find_if(
                    sessions_, [process](const auto& s) { return s->process == process; });
                if (found == sessions_.end())
                    return;
                const bool crashed = status == QProcess::CrashExit;
                const bool atOnce = (*found)->started.elapsed() < FailureWatchTime;
                const bool failed = atOnce && (crashed || exitCode != 0);
                Ended(process, failed,
                      failed ? exchange::EmulatorFailedMessage(command, exitCode, crashed,
                                                               (*found)->copy->ErrorOutput())
                             : QString());
            });
    session.started.start();
    process->start();
}

void TPlayController::Ended(QProcess* process, bool failed, const QString& message) {
    const auto found = std::ranges::find_if(
        sessions_, [process](const auto& session) { return session->process == process; });
    if (found == sessions_.end())
        return;
    // The copy goes before the message is shown: nothing is left behind while the user reads it.
    sessions_.erase(found);
    process->deleteLater();
    if (failed)
        ShowError(window_, Sentence(message));
}

void TPlayController::RemoveCopies() {
    for (const auto& session : sessions_) {
        QProcess* process = session->process;
        process->disconnect(this);
        if (process->state() == QProcess::NotRunning) {
            delete process;
            continue;
        }
        process->setParent(nullptr);
        ProcessesLeftRunning().push_back(process);
    }
    sessions_.clear();
}

QList<qint64> TPlayController::RunningEmulators() const {
    QList<qint64> emulators;
    for (const auto& session : sessions_)
        if (session->process->state() == QProcess::Running)
            emulators << session->process->processId();
    return emulators;
}

QStringList TPlayController::CopyFolders() const {
    QStringList folders;
    for (const auto& session : sessions_)
        folders << session->copy->Folder();
    return folders;
}
