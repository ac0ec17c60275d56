// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#ifndef _WIN32
#include <signal.h>
#endif

// A file a write makes beside its target is the writer's to remove, also when a signal ends the
// program halfway: left behind, it would be a stranger in the user's folder.
namespace teamdata {

// While it lives, the signals that would end the program first remove the file it is armed
// with, and a file-size limit makes a write fail with EFBIG, which is reported, instead of
// ending the program with SIGXFSZ. One write at a time, as the program makes them; a second one
// inside would go without.
class SignalCleanup {
public:
    SignalCleanup();
    SignalCleanup(const SignalCleanup&) = delete;
    SignalCleanup& operator=(const SignalCleanup&) = delete;
    ~SignalCleanup();

    void Arm(const std::string& path);
    void Disarm();

private:
    bool owner_ = false;
};

// A folder of the program's own that lasts beyond one write (the private copy an emulator plays),
// with the files the program put into it: while the object lives, the same signals remove them
// before the program ends. The folders of up to FolderCleanup::Capacity objects are covered at
// a time; beyond that, a folder goes without, and is removed only by its owner.
class FolderCleanup {
public:
    static constexpr int Capacity = 32;
    // The files are named without their folder.
    FolderCleanup(const std::string& folder, const std::vector<std::string>& files);
    FolderCleanup(const FolderCleanup&) = delete;
    FolderCleanup& operator=(const FolderCleanup&) = delete;
    ~FolderCleanup();

    [[nodiscard]] bool Covered() const { return slot_ >= 0; }

private:
    int slot_ = -1;
};

// Holds the cleanup's signals back in this thread while it lives, so that no signal comes
// between the making of a file and the arming of its cleanup, or ends a copy over a target
// halfway.
class SignalsHeldBack {
public:
    SignalsHeldBack();
    SignalsHeldBack(const SignalsHeldBack&) = delete;
    SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;
    ~SignalsHeldBack();

#ifndef _WIN32
private:
    sigset_t previous_;
#endif
};

} // namespace teamdata
