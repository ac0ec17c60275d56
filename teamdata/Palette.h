// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The console palette from which the team colours are picked.
namespace teamdata {

// A screen colour as 0xRRGGBB.
using Rgb = std::uint32_t;

inline constexpr int PaletteRows = 4;
inline constexpr int PaletteColumns = 14;
inline constexpr int PaletteCellSize = 16;
inline constexpr int PaletteBitmapWidth = PaletteColumns * PaletteCellSize; // 224
inline constexpr int PaletteBitmapHeight = PaletteRows * PaletteCellSize;   // 64
inline constexpr Rgb PaletteSeparatorColor = 0x800080;

// The swatch colour of a colour byte that has no palette cell (hue 14, 15 or index 0x40 and
// above). The byte itself is kept and saved unchanged.
inline constexpr Rgb UnknownColorSwatch = 0xC0C0C0;

// True for the 56 indexes the editor offers: 0x00-0x0D, 0x10-0x1D, 0x20-0x2D, 0x30-0x3D.
[[nodiscard]] bool IsOfferedColorIndex(int index);

// Screen colour of an offered index.
[[nodiscard]] Rgb PaletteColor(int index);

// The 224 x 64 palette bitmap, row-major (pixel (x, y) at y * 224 + x), separator lines
// included.
using PaletteBitmap = std::array<Rgb, PaletteBitmapWidth * PaletteBitmapHeight>;
[[nodiscard]] const PaletteBitmap& PaletteBitmapPixels();
[[nodiscard]] Rgb PaletteBitmapPixel(int x, int y);

// The colour a swatch shows for a stored colour byte: the bitmap pixel 3 pixels into the byte's
// cell, or UnknownColorSwatch when the byte has no cell.
[[nodiscard]] Rgb SwatchColor(std::uint8_t colorByte);

// The colour chooser's pick rule: the palette index of the cell whose interior holds (x, y), or
// -1 on a separator line or outside the bitmap.
[[nodiscard]] int ColorIndexAt(int x, int y);

} // namespace teamdata
