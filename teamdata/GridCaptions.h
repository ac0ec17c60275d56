// SPDX-License-Identifier: MIT
#pragma once

#include "ImageLayout.h"

#include <array>
#include <string_view>

// The fixed texts of the two grids, character for character as the window shows them: the
// header row (its column 0 names the grid) and the row labels. The reports and the CSV reader
// compare against the same texts, so that a file written by one version reads in the next.
namespace teamdata {

// Both grids have this many columns; the batter grid's columns 10 and 11 stay empty.
inline constexpr int GridColumnCount = 12;

inline constexpr std::array<std::string_view, 10> BatterHeaders = {
    "打者",   "名　　前　", "打席　",     "人気",       "守備位置",
    "打　率", "本　塁　打", "　走　力　", "守　備　力", "　肩　",
};

// "防御率 " ends in an ASCII space.
inline constexpr std::array<std::string_view, GridColumnCount> PitcherHeaders = {
    "投手",       "名　　前　", "投法　",     "人気",   "防御率 ", "スタミナ",
    "球速（速）", "球速（中）", "球速（遅）", "右変化", "左変化",  "フォーク",
};

// The eight of the batting order, then the five on the bench.
inline constexpr std::array<std::string_view, BatterCount> BatterLabels = {
    "　１", "　２", "　３", "　４", "　５", "　６", "　７",
    "　８", "Ｐ１", "Ｐ２", "Ｐ３", "Ｐ４", "Ｐ５",
};

inline constexpr std::array<std::string_view, PitcherCount> PitcherLabels = {
    "　１", "　２", "　３", "　４", "　５",
};

} // namespace teamdata
