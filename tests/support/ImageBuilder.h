// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"
#include "RecordText.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

// Synthetic cartridge images for tests: an iNES-shaped file whose team data is chosen by the
// test and whose every other byte is a recognisable non-zero pattern, so that a stray write
// anywhere shows up when whole files are compared.
namespace testsupport {

inline constexpr std::size_t InesHeaderSize = 16;
inline constexpr std::size_t PrgBankSize = 16 * 1024;
inline constexpr std::size_t ChrBankSize = 8 * 1024;
// A plausible image: header, 8 program banks, 16 character banks (262160 bytes).
inline constexpr std::size_t DefaultImageSize = InesHeaderSize + 8 * PrgBankSize + 16 * ChrBankSize;
// The first byte behind the 16 team blocks; an image of this size holds every player record
// but none of the colour entries.
inline constexpr std::size_t TeamBlocksEnd =
    teamdata::TeamAreaBase + teamdata::TeamCount * teamdata::TeamBlockSize;
// The first byte behind the colour entries.
inline constexpr std::size_t ColorTableEnd =
    teamdata::ColorTableBase + teamdata::TeamCount * teamdata::ColorEntrySize;

class ImageBuilder {
public:
    // An image of `size` bytes: iNES header, then the filler pattern; no valid records yet.
    explicit ImageBuilder(std::size_t size = DefaultImageSize);

    // Record setters write the whole record, lead byte included. They throw std::out_of_range
    // for a team or index outside the game's ranges or a record beyond the end of the image.
    ImageBuilder& SetBatter(int team, int index, const teamdata::BatterBytes& bytes,
                            std::uint8_t leadByte = 0);
    ImageBuilder& SetPitcher(int team, int index, const teamdata::PitcherBytes& bytes,
                             std::uint8_t leadByte = 0);
    ImageBuilder& SetBatterLeadByte(int team, int index, std::uint8_t leadByte);
    ImageBuilder& SetPitcherLeadByte(int team, int index, std::uint8_t leadByte);
    ImageBuilder& SetColors(int team, std::uint8_t helmet, std::uint8_t uniform);
    ImageBuilder& SetByte(std::size_t offset, std::uint8_t value);

    // Every record and the colour entry of one team (or of all) from ValidBatter, ValidPitcher
    // and ValidColors, with lead bytes between 0 and 20.
    ImageBuilder& FillValidTeam(int team);
    ImageBuilder& FillValidTeams();

    // Cuts the image (or pads it with the filler pattern) to `size` bytes.
    ImageBuilder& Resize(std::size_t size);

    [[nodiscard]] const std::vector<std::uint8_t>& Bytes() const { return bytes; }

    // Writes the image to `path`, replacing any file there; throws std::runtime_error on failure.
    void WriteTo(const std::filesystem::path& path) const;

    // Sample data that any editor screen accepts unchanged: names of five table characters,
    // values inside the ranges the editors offer, batting-order rows (index 0..7) holding the
    // positions 2..9 once each, colours among the offered palette indexes. Different for every
    // team and index, and the same on every run.
    [[nodiscard]] static teamdata::BatterBytes ValidBatter(int team, int index);
    [[nodiscard]] static teamdata::PitcherBytes ValidPitcher(int team, int index);
    [[nodiscard]] static std::uint8_t ValidLeadByte(int team, int index);
    [[nodiscard]] static std::uint8_t ValidHelmetColor(int team);
    [[nodiscard]] static std::uint8_t ValidUniformColor(int team);

    // The byte the filler pattern puts at `offset`; never 0.
    [[nodiscard]] static std::uint8_t FillerByte(std::size_t offset);

private:
    void Put(std::size_t offset, const std::uint8_t* data, std::size_t count);

    std::vector<std::uint8_t> bytes;
};

// A whole file as bytes; throws std::runtime_error when it cannot be read.
[[nodiscard]] std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// True for the bytes that the record writes may change: record offsets 1..12 of batters, 1..15
// of pitchers, and the colour entries. Lead bytes and the unused tail of each team block are
// not among them.
[[nodiscard]] bool IsWritableTeamByte(std::size_t offset);

// An image whose records hold any bytes at all in about a quarter of their places (names with
// damaged tiles, values no dialog gives) and valid ones elsewhere; the batting order keeps its
// fielding positions, so that imports into it are written. The same for the same seed.
[[nodiscard]] std::vector<std::uint8_t> RandomLeagueImage(std::uint32_t seed);

// An image every cell of which any editor screen accepts: each team's players are valid records
// of random teams (the batting order a shuffle of one team's eight, so that its positions stay
// 2..9 once each), its colours random offered indexes. The same for the same seed.
[[nodiscard]] std::vector<std::uint8_t> RandomValidLeagueImage(std::uint32_t seed);

} // namespace testsupport
