// SPDX-License-Identifier: MIT
#include "SafeImageWriter.h"

#include "ImageCheck.h"
#include "TRomTeamData.h"

#include <algorithm>
#include <cerrno>

namespace teamdata {

namespace {

// True when the team can be written: a valid team whose rows, where given as texts, all make
// records. Every team is checked before the first byte goes out.
bool WritableTeam(const TeamWrite& write) {
    if (!IsValidTeam(write.team))
        return false;
    const auto* texts = std::get_if<TeamTexts>(&write.content);
    return !texts ||
           (std::all_of(texts->batters.begin(), texts->batters.end(),
                        [](const BatterRowTexts& row) { return BatterBytesFromRow(row); }) &&
            std::all_of(texts->pitchers.begin(), texts->pitchers.end(),
                        [](const PitcherRowTexts& row) { return PitcherBytesFromRow(row); }));
}

// `error` gets the errno of a failed record write.
bool WriteTeam(TRomTeamData& rom, const std::string& path, const TeamWrite& write, int& error) {
    const auto put = [&error](const auto& writeRecord) {
        if (!WriteStepAllowed(WriteStep::WriteRecord)) {
            error = InjectedWriteError;
            return false;
        }
        errno = 0;
        if (writeRecord())
            return true;
        error = errno;
        return false;
    };
    const int team = write.team;
    const auto at = [](int i) {
        return static_cast<std::size_t>(i);
    };
    if (const auto* texts = std::get_if<TeamTexts>(&write.content)) {
        for (int i = 0; i < BatterCount; ++i)
            if (!put([&] { return rom.WriteBatter(path, team, i, texts->batters[at(i)]); }))
                return false;
        for (int i = 0; i < PitcherCount; ++i)
            if (!put([&] { return rom.WritePitcher(path, team, i, texts->pitchers[at(i)]); }))
                return false;
        return put([&] {
            return rom.WriteColors(path, team, texts->colors.helmet, texts->colors.uniform);
        });
    }
    const auto& records = std::get<TeamRecords>(write.content);
    for (int i = 0; i < BatterCount; ++i)
        if (!put([&] { return rom.WriteBatterBytes(path, team, i, records.batters[at(i)]); }))
            return false;
    for (int i = 0; i < PitcherCount; ++i)
        if (!put([&] { return rom.WritePitcherBytes(path, team, i, records.pitchers[at(i)]); }))
            return false;
    return put(
        [&] { return rom.WriteColors(path, team, records.colors.helmet, records.colors.uniform); });
}

ImageWriteResult WriteImageUnguarded(const ImageWriteRequest& request) {
    using Outcome = ImageWriteOutcome;
    // The image stays locked from the read the new one starts from until the new one is in its
    // place. A lock the caller holds already is never taken a second time.
    ImageLock ownLock;
    const ImageLock* sourceLock = request.lock;
    if (!sourceLock || !sourceLock->Covers(request.source)) {
        ownLock = ImageLock::Acquire(request.source, request.wait);
        if (ownLock.State() == ImageLockState::Busy)
            return LockedBy(Outcome::Busy, request.source, ownLock.Holder());
        if (!ownLock.Held())
            return FailedWrite(Outcome::SourceUnreadable, ownLock.SystemError());
        sourceLock = &ownLock;
    }
    // The new image starts from the source as it is on disk now, checked again: nothing is ever
    // written into a file that has not passed the check that opening makes.
    std::vector<std::uint8_t> image;
    if (sourceLock->ReadWhole(image) != FileRead::Read)
        return FailedWrite(Outcome::SourceUnreadable, errno);
    if (request.expectedSource && !std::ranges::equal(*request.expectedSource, image))
        return FailedWrite(Outcome::SourceChanged, 0);
    const ImageCheck check = CheckImage(image);
    if (check.verdict == ImageVerdict::Refused ||
        (check.verdict == ImageVerdict::Questionable && !request.acceptQuestionable))
        return FailedWrite(Outcome::SourceRefused, 0);
    if (!std::all_of(request.teams.begin(), request.teams.end(), WritableTeam))
        return FailedWrite(Outcome::TextRefused, 0);

    FileReplacement replacement(request.target, true);
    if (auto refused = replacement.Prepare<Outcome>(
            {{sourceLock, request.lock}, request.wait, request.expectedTarget}))
        return *std::move(refused);
    if (!replacement.Store(image))
        return replacement.Result(Outcome::WriteFailed);
    TRomTeamData rom;
    int recordError = 0;
    for (const TeamWrite& write : request.teams)
        if (!WriteTeam(rom, replacement.WorkPath(), write, recordError))
            return FailedWrite(Outcome::WriteFailed, recordError);
    if (!replacement.Commit())
        return replacement.Result(Outcome::WriteFailed);
    return replacement.Result(Outcome::Written);
}

} // namespace

ImageWriteResult WriteImage(const ImageWriteRequest& request) {
    return GuardedWrite(ImageWriteOutcome::WriteFailed,
                        [&] { return WriteImageUnguarded(request); });
}

} // namespace teamdata
