// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whether a file is an image of this game before anything of it is shown or written. A file that
// is no iNES image at all, or too short to hold the teams, is refused; one that is shaped like an
// iNES file but does not look like this game (a length its header does not declare, records the
// game could not have written) is only opened when the user agrees, since a save could damage it.
namespace teamdata {

enum class ImageVerdict { Sound, Questionable, Refused };

enum class ImageDoubt {
    None,
    NoInesMagic,       // refused: the file does not start with "NES" and 0x1A
    TooShort,          // refused: the file ends before the colour table does
    LengthMismatch,    // questionable: header, trainer and banks add up to another length
    UnreadableRecord,  // questionable: a lead byte above 20, or a batter name with no characters
    UnreadableName,    // questionable: a pitcher name with a tile that has no character
    FieldingPositions, // questionable: a batting order without the positions 2..9 once each
};

struct ImageCheck {
    ImageVerdict verdict = ImageVerdict::Sound;
    ImageDoubt doubt = ImageDoubt::None; // the first reason found
    int team = -1;                       // the team a structure doubt was found in
    std::uint64_t declaredSize = 0;      // the length the iNES header declares
    std::uint64_t actualSize = 0;
};

// The file length an iNES header declares: the header, a trainer when flagged, and the program and
// character banks (NES 2.0 size fields included). 0 for a header too short to tell.
[[nodiscard]] std::uint64_t DeclaredImageSize(std::span<const std::uint8_t> image);

[[nodiscard]] ImageCheck CheckImage(std::span<const std::uint8_t> image);

// Whole images are read into memory; nothing of this game comes near this size, so a larger file
// is refused before it is read rather than filling the memory.
inline constexpr std::uint64_t MaxImageFileSize = 64u * 1024u * 1024u;

enum class FileRead { Read, Unreadable, NotAFile, TooLarge };

// Reads a whole regular file (a device or a pipe, which may never end, is refused). Part of the
// storage, beside the descriptor helpers it reads with: the browser build has no files to read.
[[nodiscard]] FileRead ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                                     std::uint64_t maxSize = MaxImageFileSize);

} // namespace teamdata
