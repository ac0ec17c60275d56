// SPDX-License-Identifier: MIT
// Saves into IMAGE through the safe writer in one of three ways, for the tests of saves that stop
// or meet each other:
//
//   SaveLoop IMAGE          saves team 0 over and over until it is killed, alternately with the
//                           records of the image's own team 1 and with its original team 0, and
//                           writes one byte to its standard output after every save that has
//                           returned, so that a test knows when it may kill it;
//   SaveLoop IMAGE wait N   N times: takes the image's lock (waiting up to a minute), reads it,
//                           adds one to the counter and writes the image under that lock;
//   SaveLoop IMAGE try N    N times: reads the image without a lock, adds one to the counter and
//                           asks the writer to write it only if the image is still what it read;
//                           prints how many of those writes went through.
//
// The counter is the home-run byte of team 0's last batter, which no check of an image looks at.
#include "ImageCheck.h"
#include "ImageLock.h"
#include "SafeImageWriter.h"
#include "Team.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

using namespace teamdata;

namespace {

int Fail(const char* image, const char* what) {
    std::fprintf(stderr, "%s: %s\n", image, what);
    return 1;
}

ImageWriteRequest CountedOnce(const char* image, const std::vector<std::uint8_t>& read) {
    TeamRecords records = TeamRecordsAt(read, 0);
    ++records.batters[BatterCount - 1].homeRuns;
    ImageWriteRequest request{image, image, {{0, records}}};
    request.expectedSource = read;
    return request;
}

int SaveUntilKilled(const char* image) {
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(image, bytes) != FileRead::Read ||
        CheckImage(bytes).verdict != ImageVerdict::Sound)
        return Fail(image, "no sound image");
    const TeamRecords versions[] = {TeamRecordsAt(bytes, 1), TeamRecordsAt(bytes, 0)};
    for (unsigned long save = 0;; ++save) {
        const ImageWriteRequest request{image, image, {{0, versions[save % 2]}}};
        if (!WriteImage(request).Written())
            return Fail(image, "a save failed");
        const char saved = 's';
        if (write(STDOUT_FILENO, &saved, 1) != 1)
            return 1;
    }
}

int CountUnderTheLock(const char* image, long times) {
    for (long n = 0; n < times; ++n) {
        const ImageLock lock = ImageLock::Acquire(image, {std::chrono::minutes(1)});
        std::vector<std::uint8_t> read;
        if (!lock.Held() || lock.ReadWhole(read) != FileRead::Read)
            return Fail(image, "cannot lock and read");
        ImageWriteRequest request = CountedOnce(image, read);
        request.lock = &lock;
        if (!WriteImage(request).Written())
            return Fail(image, "a save under the lock failed");
    }
    return 0;
}

int CountWhereNothingChanged(const char* image, long times) {
    long written = 0;
    for (long n = 0; n < times; ++n) {
        std::vector<std::uint8_t> read;
        if (ReadWholeFile(image, read) != FileRead::Read)
            return Fail(image, "cannot read");
        // A while to decide what to write, as an import has, for the other one to write in.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const ImageWriteOutcome outcome = WriteImage(CountedOnce(image, read)).outcome;
        if (outcome == ImageWriteOutcome::Written)
            ++written;
        else if (outcome != ImageWriteOutcome::Busy && outcome != ImageWriteOutcome::SourceChanged)
            return Fail(image, "a save failed");
    }
    std::printf("%ld\n", written);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2)
        return SaveUntilKilled(argv[1]);
    if (argc == 4 && std::string(argv[2]) == "wait")
        return CountUnderTheLock(argv[1], std::atol(argv[3]));
    if (argc == 4 && std::string(argv[2]) == "try")
        return CountWhereNothingChanged(argv[1], std::atol(argv[3]));
    std::fprintf(stderr, "usage: %s IMAGE [wait|try TIMES]\n", argv[0]);
    return 2;
}
