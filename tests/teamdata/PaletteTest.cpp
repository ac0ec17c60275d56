// SPDX-License-Identifier: MIT
#include "Palette.h"

#include <gtest/gtest.h>

using namespace teamdata;

namespace {

bool OnSeparator(int x, int y) {
    return x == 0 || y == 0 || x % 16 == 15 || y % 16 == 15;
}

} // namespace

TEST(Palette, OffersFiftySixIndexesInFourRowsOfFourteen) {
    int offered = 0;
    for (int index = 0; index < 256; ++index)
        if (IsOfferedColorIndex(index)) {
            ++offered;
            EXPECT_LT(index >> 4, 4);
            EXPECT_LT(index & 15, 14);
        }
    EXPECT_EQ(offered, 56);
    EXPECT_FALSE(IsOfferedColorIndex(-1));
    EXPECT_FALSE(IsOfferedColorIndex(0x0E));
    EXPECT_FALSE(IsOfferedColorIndex(0x40));
}

TEST(Palette, DrawsSeparatorLinesAlongTheOuterTopLeftAndEveryCellsRightAndBottom) {
    for (int x = 0; x < PaletteBitmapWidth; ++x)
        for (int y : {0, 15, 31, 47, 63})
            EXPECT_EQ(PaletteBitmapPixel(x, y), PaletteSeparatorColor) << x << "," << y;
    for (int y = 0; y < PaletteBitmapHeight; ++y)
        for (int x = 0; x <= 223; x += (x == 0 ? 15 : 16))
            EXPECT_EQ(PaletteBitmapPixel(x, y), PaletteSeparatorColor) << x << "," << y;
}

TEST(Palette, FillsEveryCellInteriorWithItsIndexColour) {
    for (int y = 0; y < PaletteBitmapHeight; ++y)
        for (int x = 0; x < PaletteBitmapWidth; ++x)
            if (!OnSeparator(x, y)) {
                ASSERT_EQ(PaletteBitmapPixel(x, y), PaletteColor(x / 16 + 16 * (y / 16)))
                    << x << "," << y;
            }
    EXPECT_EQ(PaletteBitmapPixels()[5 * PaletteBitmapWidth + 20], PaletteBitmapPixel(20, 5));
}

TEST(Palette, GivesIndexFourTheSeparatorColourInside) {
    EXPECT_EQ(PaletteColor(0x04), PaletteSeparatorColor);
    EXPECT_EQ(PaletteBitmapPixel(4 * 16 + 7, 7), PaletteSeparatorColor);
}

TEST(Palette, ColoursSwatchesFromTheCellOfTheStoredByte) {
    EXPECT_EQ(SwatchColor(0x00), 0x7B7D7Bu);
    EXPECT_EQ(SwatchColor(0x16), 0xFF3800u);
    EXPECT_EQ(SwatchColor(0x3C), 0x00FFFFu);
    EXPECT_EQ(SwatchColor(0x04), 0x800080u);
    EXPECT_EQ(SwatchColor(0x09), 0x006900u);
    EXPECT_EQ(SwatchColor(0x0A), 0x006900u);
    EXPECT_EQ(SwatchColor(0x2D), 0x7B7D7Bu);
    EXPECT_EQ(SwatchColor(0x3D), 0xFFDBFFu);
    for (int index = 0; index < 0x40; ++index)
        if (IsOfferedColorIndex(index)) {
            EXPECT_EQ(SwatchColor(static_cast<std::uint8_t>(index)), PaletteColor(index));
        }
}

TEST(Palette, ShowsBytesWithoutACellInTheFallbackColour) {
    for (int byte : {0x0E, 0x0F, 0x1E, 0x3F, 0x40, 0x7F, 0xFF})
        EXPECT_EQ(SwatchColor(static_cast<std::uint8_t>(byte)), UnknownColorSwatch) << byte;
}

TEST(Palette, PicksTheIndexOfTheCellUnderAPoint) {
    EXPECT_EQ(ColorIndexAt(1, 1), 0x00);
    EXPECT_EQ(ColorIndexAt(222, 62), 0x3D);
    EXPECT_EQ(ColorIndexAt(10 * 16 + 5, 5), 0x0A);
    EXPECT_EQ(ColorIndexAt(9 * 16 + 5, 5), 0x09);
    EXPECT_EQ(ColorIndexAt(16, 16), 0x11);
}

TEST(Palette, PicksNothingOnSeparatorsOrOutsideTheBitmap) {
    EXPECT_EQ(ColorIndexAt(223, 30), -1);
    EXPECT_EQ(ColorIndexAt(30, 63), -1);
    EXPECT_EQ(ColorIndexAt(16, 0), -1);
    EXPECT_EQ(ColorIndexAt(0, 20), -1);
    EXPECT_EQ(ColorIndexAt(-1, 5), -1);
    EXPECT_EQ(ColorIndexAt(224, 5), -1);
    EXPECT_EQ(ColorIndexAt(5, 64), -1);
}

TEST(Palette, PicksExactlyTheCellWhosePixelIsUnderThePoint) {
    for (int y = 0; y < PaletteBitmapHeight; ++y)
        for (int x = 0; x < PaletteBitmapWidth; ++x) {
            const int index = ColorIndexAt(x, y);
            if (OnSeparator(x, y)) {
                ASSERT_EQ(index, -1) << x << "," << y;
            } else {
                ASSERT_TRUE(IsOfferedColorIndex(index)) << x << "," << y;
                ASSERT_EQ(PaletteColor(index), PaletteBitmapPixel(x, y));
            }
        }
}
