// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// The editor's start: the application object with its title and help file, the windows in their
// order, the message loop. An exception during start-up is shown in the exception display titled
// "TOLVANEK" and ends the program with status 1. `beforeWindows` runs once the application
// object exists and before the first window is made (tests make start-up fail there).
[[nodiscard]] int RunTolvanek(int& argc, char** argv,
                              const std::function<void()>& beforeWindows = {});
