// SPDX-License-Identifier: MIT
#pragma once

// The name keyboard, for those who have no Japanese input: the keys of the window's name dialog
// and of the browser page, in the same places.
namespace teamdata {

struct KeyPlace {
    int number; // 0: no key at this place
    const char* caption;
};

// The keyboard as the user sees it: five kana rows read like the syllabary chart from the
// right-hand column leftwards, then five rows of letters, "゛" "゜", digits and the editing keys.
// A character key's caption is the character it types, which is data; the two editing keys
// (91 deletes, 81 types a space) have none here, as theirs are words of the interface.
inline constexpr int KeyColumns = 10;
inline constexpr int KeyRows = 10;

// clang-format off
inline constexpr KeyPlace KeyGrid[KeyRows][KeyColumns] = {
    {{1, "わ"},  {6, "ら"},  {11, "や"}, {16, "ま"}, {20, "は"}, {29, "な"}, {30, "た"}, {39, "さ"}, {40, "か"}, {49, "あ"}},
    {{2, "を"},  {7, "り"},  {12, "ゆ"}, {90, "み"}, {21, "ひ"}, {28, "に"}, {31, "ち"}, {38, "し"}, {41, "き"}, {48, "い"}},
    {{3, "ん"},  {8, "る"},  {13, "よ"}, {17, "む"}, {22, "ふ"}, {27, "ぬ"}, {32, "つ"}, {37, "す"}, {42, "く"}, {47, "う"}},
    {{0, ""},    {9, "れ"},  {0, ""},    {18, "め"}, {23, "へ"}, {26, "ね"}, {33, "て"}, {36, "せ"}, {43, "け"}, {46, "え"}},
    {{0, ""},    {10, "ろ"}, {0, ""},    {19, "も"}, {24, "ほ"}, {25, "の"}, {34, "と"}, {35, "そ"}, {44, "こ"}, {45, "お"}},
    {{0, ""},    {80, "Ｚ"}, {89, "Ｕ"}, {70, "Ｐ"}, {79, "Ｋ"}, {60, "Ｆ"}, {69, "Ａ"}, {0, ""},    {50, "５"}, {59, "０"}},
    {{0, ""},    {83, "゛"}, {88, "Ｖ"}, {71, "Ｑ"}, {78, "Ｌ"}, {61, "Ｇ"}, {68, "Ｂ"}, {0, ""},    {51, "６"}, {58, "１"}},
    {{0, ""},    {84, "゜"}, {87, "Ｗ"}, {72, "Ｒ"}, {77, "Ｍ"}, {62, "Ｈ"}, {67, "Ｃ"}, {0, ""},    {52, "７"}, {57, "２"}},
    {{91, ""},   {81, ""},   {86, "Ｘ"}, {73, "Ｓ"}, {76, "Ｎ"}, {63, "Ｉ"}, {66, "Ｄ"}, {0, ""},    {53, "８"}, {56, "３"}},
    {{0, ""},    {82, "．"}, {85, "Ｙ"}, {74, "Ｔ"}, {75, "Ｏ"}, {64, "Ｊ"}, {65, "Ｅ"}, {0, ""},    {54, "９"}, {55, "４"}},
};
// clang-format on

inline constexpr int DeleteKeyNumber = 91;
inline constexpr int SpaceKeyNumber = 81;

} // namespace teamdata
