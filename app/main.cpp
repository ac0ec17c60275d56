// SPDX-License-Identifier: MIT
#include "Startup.h"

#include "FileDescriptor.h"

int main(int argc, char** argv) {
    teamdata::GuardStandardStreams();
    return RunTolvanek(argc, argv);
}
