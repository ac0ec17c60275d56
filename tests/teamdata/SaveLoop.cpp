// SPDX-License-Identifier: MIT
// Saves team 0 of IMAGE over and over until it is killed, alternately with the records of the
// image's own team 1 and with its original team 0, each through the safe writer. After every save
// that has returned it writes one byte to its standard output, so that a test knows when a first
// save has gone through and may kill it at any moment from then on.
#include "ImageCheck.h"
#include "SafeImageWriter.h"
#include "Team.h"

#include <unistd.h>

#include <cstdio>
#include <vector>

using namespace teamdata;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s IMAGE\n", argv[0]);
        return 2;
    }
    std::vector<std::uint8_t> image;
    if (ReadWholeFile(argv[1], image) != FileRead::Read ||
        CheckImage(image).verdict != ImageVerdict::Sound) {
        std::fprintf(stderr, "%s: no sound image\n", argv[1]);
        return 1;
    }
    const TeamRecords versions[] = {TeamRecordsAt(image, 1), TeamRecordsAt(image, 0)};
    for (unsigned long save = 0;; ++save) {
        const ImageWriteRequest request{argv[1], argv[1], {{0, versions[save % 2]}}};
        if (WriteImage(request) != ImageWriteOutcome::Written) {
            std::fprintf(stderr, "%s: save %lu failed\n", argv[1], save);
            return 1;
        }
        const char saved = 's';
        if (write(STDOUT_FILENO, &saved, 1) != 1)
            return 1;
    }
}
