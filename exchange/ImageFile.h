// SPDX-License-Identifier: MIT
#pragma once

#include "ImageCheck.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// An image read whole and checked, the way the window opens one and every command of the command
// line reads one.
struct LoadedImage {
    teamdata::FileRead read = teamdata::FileRead::Unreadable;
    teamdata::ImageCheck check;
    std::vector<std::uint8_t> bytes;
    int systemError = 0; // why an Unreadable image could not be read, when the system said

    // Not to be shown or written at all: unreadable, or no image of this game.
    [[nodiscard]] bool Refused() const {
        return read != teamdata::FileRead::Read || check.verdict == teamdata::ImageVerdict::Refused;
    }
    // Shaped like an image, but not like one of this game: only opened if the user agrees.
    [[nodiscard]] bool Questionable() const {
        return !Refused() && check.verdict == teamdata::ImageVerdict::Questionable;
    }
};

[[nodiscard]] LoadedImage LoadImage(const QString& path);

// Why a loaded image is refused or questioned, as one clause in the user's language.
[[nodiscard]] QString DescribeImageDoubt(const LoadedImage& image);

// A path as the operating system takes it (the bytes the data layer opens), and back. A name
// given as bytes that are no UTF-8 (a file named in another encoding) survives the round trip:
// each such byte travels in the text as a lone surrogate U+DC80..U+DCFF, as Python does it, and
// is written back as the byte it was.
[[nodiscard]] std::string NativePath(const QString& path);
[[nodiscard]] QString PathFromNative(std::string_view bytes);
// Whether a UTF-16 unit stands for such a byte (when it is not the second half of a pair).
[[nodiscard]] constexpr bool IsEscapedByte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The team's initials as the team box lists them.
[[nodiscard]] QString TeamInitialsText(int team);

} // namespace exchange
