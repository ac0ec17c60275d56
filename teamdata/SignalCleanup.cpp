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

void RemoveFileAndRaise(int signal) {
    const int savedErrno = errno;
    if (cleanupArmed) {
        cleanupArmed = 0;
        unlink(cleanupPath);
    }
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (CleanupSignals[i] == signal)
            sigaction(signal, &previousActions[i], nullptr);
    // Held back until this handler returns, then taken as the program would have taken it
    // without the write: its end.
    raise(signal);
    errno = savedErrno;
}

// What the owning cleanup took over, to be given back when it ends.
bool installedActions[CleanupSignals.size()];
bool fileSizeIgnored = false;

} // namespace

SignalCleanup::SignalCleanup() {
    if (cleanupInstalled)
        return;
    cleanupInstalled = owner_ = true;
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

SignalCleanup::~SignalCleanup() {
    if (!owner_)
        return;
    Disarm();
    for (std::size_t i = 0; i < CleanupSignals.size(); ++i)
        if (installedActions[i])
            sigaction(CleanupSignals[i], &previousActions[i], nullptr);
    if (fileSizeIgnored)
        sigaction(SIGXFSZ, &previousFileSizeAction, nullptr);
    cleanupInstalled = false;
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
SignalsHeldBack::SignalsHeldBack() = default;
SignalsHeldBack::~SignalsHeldBack() = default;
#endif

} // namespace teamdata
