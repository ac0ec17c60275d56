// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A cartridge image to try the editor on without a real game: an iNES file of a plausible
// size whose 16 teams hold invented players with values the editor accepts. Everything outside
// the team data is an invented filler pattern; no part of any real game is in it.
namespace demoimage {

// Header, 8 program banks of 16 KiB and 16 character banks of 8 KiB.
inline constexpr std::size_t DemoImageBanks[] = {8, 16};
inline constexpr std::size_t DemoImageSize = teamdata::InesHeaderBytes +
                                             DemoImageBanks[0] * teamdata::ProgramBankBytes +
                                             DemoImageBanks[1] * teamdata::CharacterBankBytes;

// The demo image, the same on every run.
[[nodiscard]] std::vector<std::uint8_t> MakeDemoImage();

// Writes MakeDemoImage() to `path`, replacing any file there. On failure returns false and
// puts a one-line reason into `error`.
[[nodiscard]] bool WriteDemoImage(const std::filesystem::path& path, std::string& error);

} // namespace demoimage
