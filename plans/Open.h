// SPDX-License-Identifier: MIT
#pragma once

#include "ImageCheck.h"
#include "Team.h"

#include <cstdint>
#include <vector>

// An image opened from its bytes, decided before anything of it is shown: whether it is an image
// of this game, and every team as it holds them. The window shows it, the command line reads it,
// and both refuse or ask by the same verdict.
namespace plans {

enum class OpenVerdict {
    Open,     // an image of this game: shown as it is
    AskFirst, // shaped like an image, but not like one of this game: a save could damage it, so it
              // is opened only when the user agrees, as a yes in the window or --force does
    Refused,  // unreadable, or no image of this game: nothing of it is shown or written
};

struct OpenPlan {
    teamdata::FileRead read = teamdata::FileRead::Unreadable;
    std::vector<std::uint8_t> bytes;
    teamdata::ImageCheck check; // the doubts, when there are any
    // Every team's records and texts as the image holds them; empty for a refused image, whose
    // bytes may not even reach the teams.
    std::vector<teamdata::TeamRecords> records;
    std::vector<teamdata::TeamTexts> texts;

    [[nodiscard]] OpenVerdict Verdict() const {
        if (read != teamdata::FileRead::Read || check.verdict == teamdata::ImageVerdict::Refused)
            return OpenVerdict::Refused;
        return check.verdict == teamdata::ImageVerdict::Questionable ? OpenVerdict::AskFirst
                                                                     : OpenVerdict::Open;
    }
    // Not to be shown or written at all.
    [[nodiscard]] bool Refused() const { return Verdict() == OpenVerdict::Refused; }
    // Shaped like an image, but not like one of this game: only opened if the user agrees.
    [[nodiscard]] bool Questionable() const { return Verdict() == OpenVerdict::AskFirst; }
};

// `bytes` as they were read: a file that could not be read whole (`read` other than Read) is
// refused whatever part of it arrived.
[[nodiscard]] OpenPlan PlanOpen(std::vector<std::uint8_t> bytes,
                                teamdata::FileRead read = teamdata::FileRead::Read);

} // namespace plans
