// SPDX-License-Identifier: MIT
#include "SignalCleanup.h"

#ifndef _WIN32
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>

#include <pthread.h>
#include <unistd.h>
#endif

namespace teamdata {

#ifndef _WIN32
namespace {

// The signals whose default is to end the program, other than by a fault of its own. SIGKILL
// cannot be caught; what it leaves says what it is by its name.
constexpr std::array CleanupSignals = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGUSR1,
                                       SIGUSR2, SIGALRM, SIGPIPE, SIGVTALRM, SIGPROF};

// The handler may use only async-signal-safe calls, so the name of the file to remove waits in a
// fixed buffer, complete whenever `cleanupArmed` is set.
char cleanupPath[4096];
volatile std::sig_atomic_t cleanupArmed = 0;
struct sigaction previousActions[CleanupSignals.size()];
struct sigaction previousFileSizeAction;
bool cleanupInstalled = false;

sigset_t CleanupSignalSet() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : CleanupSignals)
        sigaddset(&set, signal);
    return set;
}

bool IsDefaultAction(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

// The folders that outlast a write: each slot's paths are complete whenever it is in use. A
// folder's files are named one after the other in `files`, each ended by a NUL, the list by an
// empty name.
struct FolderSlot {
    char folder[1024];
    char files[1024];
    volatile std::sig_atomic_t used;
};
FolderSlot folderSlots[FolderCleanup::Capacity];
int foldersCovered = 0;

void RemoveFolders() {
    char path[2048];
    for (FolderSlot& slot : folderSlots) {
        if (!slot.used)
            continue;
        slot.used = 0;
        const std::size_t folderLength = std::strlen(slot.folder);
        for (const char* file = slot.files; *file != '\0'; file += std::strlen(file) + 1) {
            const std::size_t fileLength = std::strlen(file);
            std::memcpy(path, slot.folder, folderLength);
            path[folderLength] = '/';
            std::memcpy(path + folderLength + 1, file, fileLength + 1);
            unlink(path);
        }
        rmdir(slot.folder);
    }
}

void RemoveFileAndRaise(int signal) {
    const int savedErrno = errno;
    if (cleanupArmed) {
        cleanupArmed = 0;
        unlink(cleanupPath);
    }
    RemoveFolders();
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (CleanupSignals[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    // Held back until this handler returns, then taken as the program would have taken it
    // without the write: its end.
    raise(signal);
    errno = savedErrno;
}

// What the handlers took over, to be given back when nothing needs them any more.
bool installedActions[CleanupSignals.size()];
bool fileSizeIgnored = false;

// The handlers are the program's while a write or a kept folder needs them, and given back when
// neither does.
int signalUsers = 0;

void TakeSignals() {
    if (signalUsers++ > 0)
        return;
    struct sigaction action {};
    action.sa_handler = RemoveFileAndRaise;
    action.sa_mask = CleanupSignalSet();
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i) {
        sigaction(CleanupSignals[i], nullptr, &previousActions[i]);
        // Only a signal that would end the program is taken over: an ignored one ends
        // nothing, and one the program handles itself (a profiler's SIGPROF, a timer's
        // SIGALRM) lets the write go on, which needs its file.
        installedActions[i] = IsDefaultAction(previousActions[i]);
        if (installedActions[i])
            sigaction(CleanupSignals[i], &action, nullptr);
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, nullptr, &previousFileSizeAction);
    fileSizeIgnored = IsDefaultAction(previousFileSizeAction);
    if (fileSizeIgnored)
        sigaction(SIGXFSZ, &ignore, nullptr);
}

void GiveSignalsBack() {
    if (--signalUsers > 0)
        return;
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (installedActions[i])
            sigaction(CleanupSignals[i], &previousActions[i], nullptr);
    if (fileSizeIgnored)
        sigaction(SIGXFSZ, &previousFileSizeAction, nullptr);
}

} // namespace

SignalCleanup::SignalCleanup() {
    if (cleanupInstalled)
        return;
    cleanupInstalled = owner_ = true;
    TakeSignals();
}

SignalCleanup::~SignalCleanup() {
    if (!owner_)
        return;
    Disarm();
    GiveSignalsBack();
    cleanupInstalled = false;
}

FolderCleanup::FolderCleanup(const std::string& folder, const std::vector<std::string>& files) {
    std::size_t filesLength = 1;
    for (const std::string& file : files)
        filesLength += file.size() + 1;
    if (folder.size() >= sizeof FolderSlot::folder || filesLength > sizeof FolderSlot::files)
        return;
    const SignalsHeldBack held;
    for (int i = 0; i < Capacity; ++i) {
        FolderSlot& slot = folderSlots[i];
        if (slot.used)
            continue;
        std::memcpy(slot.folder, folder.c_str(), folder.size() + 1);
        char* next = slot.files;
        for (const std::string& file : files) {
            std::memcpy(next, file.c_str(), file.size() + 1);
            next += file.size() + 1;
        }
        *next = '\0';
        slot.used = 1;
        slot_ = i;
        if (foldersCovered++ == 0)
            TakeSignals();
        return;
    }
}

FolderCleanup::~FolderCleanup() {
    if (slot_ < 0)
        return;
    const SignalsHeldBack held;
    folderSlots[slot_].used = 0;
    if (--foldersCovered == 0)
        GiveSignalsBack();
}

// A cleanup that took over nothing leaves the one that did armed as it is: its file is still the
// one to remove.
void SignalCleanup::Arm(const std::string& path) {
    if (!owner_)
        return;
    Disarm();
    if (path.size() >= sizeof cleanupPath)
        return;
    std::memcpy(cleanupPath, path.c_str(), path.size() + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    cleanupArmed = 1;
}

void SignalCleanup::Disarm() {
    if (!owner_)
        return;
    cleanupArmed = 0;
    std::atomic_signal_fence(std::memory_order_seq_cst);
}

SignalsHeldBack::SignalsHeldBack() {
    const sigset_t set = CleanupSignalSet();
    pthread_sigmask(SIG_BLOCK, &set, &previous_);
}

SignalsHeldBack::~SignalsHeldBack() {
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}
#else
SignalCleanup::SignalCleanup() = default;
SignalCleanup::~SignalCleanup() = default;
void SignalCleanup::Arm(const std::string&) {}
void SignalCleanup::Disarm() {}
FolderCleanup::FolderCleanup(const std::string&, const std::vector<std::string>&) {}
FolderCleanup::~FolderCleanup() = default;
SignalsHeldBack::SignalsHeldBack() = default;
SignalsHeldBack::~SignalsHeldBack() = default;
#endif

} // namespace teamdata
