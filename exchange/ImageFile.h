// SPDX-License-Identifier: MIT
#pragma once

#include "ImageCheck.h"
#include "Open.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// An image read whole and planned as opening plans it (plans/Open.h), the way the window opens one
// and every command of the command line reads one.
struct LoadedImage : plans::OpenPlan {
    int systemError = 0; // why an Unreadable image could not be read, when the system said
};

[[nodiscard]] LoadedImage LoadImage(const QString& path);

// Why a loaded image is refused or questioned, as one clause in the user's language.
[[nodiscard]] QString DescribeImageDoubt(const LoadedImage& image);
// The same for bytes that were read whole and checked (a patch's result, an image compared with).
[[nodiscard]] QString DescribeImageDoubt(const teamdata::ImageCheck& check);

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
