// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"
#include "NameCodec.h"
#include "RecordText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The record access the window's grids read and save a team through, one record at a time;
// whole leagues, as the command line and the comparison read them, go through Team.h. It keeps
// no file open: every operation opens the image by its path, transfers one record or colour
// entry and closes it again, so each call sees the file as it is on disk. Operations return
// false on any failure and never show anything.
class TRomTeamData {
public:
    TRomTeamData();

    // Re-establishes the constant tables; called by every operation.
    void Init();

    [[nodiscard]] bool ReadBatter(const std::string& path, int team, int index,
                                  teamdata::BatterBytes& out);
    [[nodiscard]] bool WriteBatter(const std::string& path, int team, int index,
                                   const teamdata::BatterRowTexts& texts);
    [[nodiscard]] bool ReadPitcher(const std::string& path, int team, int index,
                                   teamdata::PitcherBytes& out);
    [[nodiscard]] bool WritePitcher(const std::string& path, int team, int index,
                                    const teamdata::PitcherRowTexts& texts);
    // Writes a record's bytes as they are (an import that changes only some cells of a record
    // keeps the bytes of the others exactly). The lead byte stays, as with the text writes.
    [[nodiscard]] bool WriteBatterBytes(const std::string& path, int team, int index,
                                        const teamdata::BatterBytes& bytes);
    [[nodiscard]] bool WritePitcherBytes(const std::string& path, int team, int index,
                                         const teamdata::PitcherBytes& bytes);
    [[nodiscard]] bool ReadColors(const std::string& path, int team, std::uint8_t& helmet,
                                  std::uint8_t& uniform);
    [[nodiscard]] bool WriteColors(const std::string& path, int team, std::uint8_t helmet,
                                   std::uint8_t uniform);

    [[nodiscard]] bool DecodeName(const teamdata::NameTiles& tiles, std::string& name) const;
    [[nodiscard]] bool EncodeName(std::string_view name, teamdata::NameTiles& tiles) const;

    // Colour bytes of the team on screen: filled when a team is shown, changed by the colour
    // chooser, written back by a save.
    std::uint8_t HelmetColorByte = 0;
    std::uint8_t UniformColorByte = 0;

    // Team labels in team order, as TeamBox lists them: one full-width letter or two ASCII ones.
    static const std::array<std::string_view, teamdata::TeamCount> TeamInitials;

private:
    // The object's own copies of the image constants, rebuilt by Init from the same layout and
    // conversion tables that the operations use.
    std::uint32_t BaseOffset = 0;
    std::array<std::uint32_t, 3> SideCodes{};
    std::array<std::uint32_t, 10> StyleCodes{};
    std::string TeamInitialsCopy;
    std::string TileCharTableCopy;
};
