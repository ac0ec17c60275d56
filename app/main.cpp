// SPDX-License-Identifier: MIT
#include "Startup.h"

int main(int argc, char** argv) {
    return RunTolvanek(argc, argv);
}
