// SPDX-License-Identifier: MIT
#pragma once

#include "Team.h"

// An import changes only the bytes of the cells whose text it changed: a value the image holds
// in a form the texts cannot tell apart (a pitcher popularity byte with low bits set, a side
// code above 2) stays as it is unless its cell was really edited.
namespace teamdata {

// Starts from `current` and sets the byte(s) of every cell whose text differs between `before`
// and `after` by the stored-byte rule of a save: the name's tiles, the side code, the batter
// popularity in the high nibble and the fielding position in the low nibble of their shared
// byte, the average, pitcher popularity and earned run average codes, the style code, and the
// plain byte of every other value. The colours are taken from `after`. A changed name that does
// not encode or a style that is no label keeps its bytes; callers check the texts first.
[[nodiscard]] TeamRecords MergeChangedCells(const TeamRecords& current, const TeamTexts& before,
                                            const TeamTexts& after);

} // namespace teamdata
