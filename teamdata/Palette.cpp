// SPDX-License-Identifier: MIT
#include "Palette.h"

namespace teamdata {

namespace {

// Screen colours by brightness row (high nibble) and hue column (low nibble 0..13).
constexpr Rgb PaletteTable[PaletteRows][PaletteColumns] = {
    {0x7B7D7B, 0x0000FF, 0x0000CE, 0x4228BD, 0x800080, 0xAD0021, 0xAD1000, 0x8C1400, 0x523000,
     0x006900, 0x006900, 0x005900, 0x00415A, 0x000000},
    {0xBDBEBD, 0x0079FF, 0x0055FF, 0x6B45FF, 0xDE00CE, 0xE7005A, 0xFF3800, 0xE75D10, 0xAD7D00,
     0x00AA00, 0x00AA00, 0x00AA42, 0x008A8C, 0x000000},
    {0xFFFBF7, 0x42BEFF, 0x6B8AFF, 0x9C79FF, 0xFF79FF, 0xFF599C, 0xFF795A, 0xFFA242, 0xFFBA00,
     0xBDFB18, 0x5ADB52, 0x5AFB9C, 0x00EBCE, 0x7B7D7B},
    {0xFFFBFF, 0xA5E7FF, 0xBDBAFF, 0xDEBAFF, 0xFFBAFF, 0xFF9EBD, 0xF7D3B5, 0xFFDF9C, 0xFFDB7B,
     0xDEFB7B, 0xBDFBBD, 0xBDFBDE, 0x00FFFF, 0xFFDBFF},
};

bool IsSeparator(int x, int y) {
    return x == 0 || y == 0 || x % PaletteCellSize == PaletteCellSize - 1 ||
           y % PaletteCellSize == PaletteCellSize - 1;
}

PaletteBitmap BuildBitmap() {
    PaletteBitmap pixels{};
    for (int y = 0; y < PaletteBitmapHeight; ++y)
        for (int x = 0; x < PaletteBitmapWidth; ++x)
            pixels[static_cast<std::size_t>(y * PaletteBitmapWidth + x)] =
                IsSeparator(x, y) ? PaletteSeparatorColor
                                  : PaletteTable[y / PaletteCellSize][x / PaletteCellSize];
    return pixels;
}

} // namespace

bool IsOfferedColorIndex(int index) {
    return index >= 0 && index < 0x40 && (index & 0x0F) < PaletteColumns;
}

Rgb PaletteColor(int index) {
    if (!IsOfferedColorIndex(index))
        return UnknownColorSwatch;
    return PaletteTable[index >> 4][index & 0x0F];
}

const PaletteBitmap& PaletteBitmapPixels() {
    static const PaletteBitmap bitmap = BuildBitmap();
    return bitmap;
}

Rgb PaletteBitmapPixel(int x, int y) {
    if (x < 0 || y < 0 || x >= PaletteBitmapWidth || y >= PaletteBitmapHeight)
        return UnknownColorSwatch;
    return PaletteBitmapPixels()[static_cast<std::size_t>(y * PaletteBitmapWidth + x)];
}

Rgb SwatchColor(std::uint8_t colorByte) {
    if (!IsOfferedColorIndex(colorByte))
        return UnknownColorSwatch;
    return PaletteBitmapPixel((colorByte % 16) * PaletteCellSize + 3,
                              (colorByte / 16) * PaletteCellSize + 3);
}

int ColorIndexAt(int x, int y) {
    if (x < 1 || x > PaletteBitmapWidth - 1 || y < 1 || y > PaletteBitmapHeight - 1)
        return -1;
    if (x % PaletteCellSize == PaletteCellSize - 1 || y % PaletteCellSize == PaletteCellSize - 1)
        return -1;
    return x / PaletteCellSize + (y / PaletteCellSize) * 16;
}

} // namespace teamdata
