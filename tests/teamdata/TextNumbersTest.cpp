// SPDX-License-Identifier: MIT
#include "TextNumbers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace teamdata;

TEST(LenientToInt, ReadsLeadingDigitsAfterSpacesAndOneSign) {
    EXPECT_EQ(LenientToInt("42"), 42);
    EXPECT_EQ(LenientToInt("  42"), 42);
    EXPECT_EQ(LenientToInt("\t\n 5"), 5);
    EXPECT_EQ(LenientToInt("+7"), 7);
    EXPECT_EQ(LenientToInt("-7"), -7);
    EXPECT_EQ(LenientToInt(" 12abc"), 12);
    EXPECT_EQ(LenientToInt("007"), 7);
}

TEST(LenientToInt, GivesZeroForTextsWithoutLeadingDigits) {
    EXPECT_EQ(LenientToInt(""), 0);
    EXPECT_EQ(LenientToInt("abc"), 0);
    EXPECT_EQ(LenientToInt("-"), 0);
    EXPECT_EQ(LenientToInt("- 5"), 0);
    EXPECT_EQ(LenientToInt("+-5"), 0);
    EXPECT_EQ(LenientToInt("５"), 0); // full-width digits are not digits here
}

TEST(LenientToInt, SaturatesBeyondTheIntRange) {
    EXPECT_EQ(LenientToInt("2147483647"), INT_MAX);
    EXPECT_EQ(LenientToInt("2147483648"), INT_MAX);
    EXPECT_EQ(LenientToInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(LenientToInt("-2147483648"), INT_MIN);
    EXPECT_EQ(LenientToInt("-99999999999999999999999"), INT_MIN);
}

TEST(StrictToInt, AcceptsASignedNumberWithinTheIntRange) {
    EXPECT_EQ(StrictToInt("42"), 42);
    EXPECT_EQ(StrictToInt("-42"), -42);
    EXPECT_EQ(StrictToInt("+0"), 0);
    EXPECT_EQ(StrictToInt("2147483647"), INT_MAX);
    EXPECT_EQ(StrictToInt("-2147483648"), INT_MIN);
}

TEST(StrictToInt, RefusesAnythingElse) {
    for (const char* text : {"", "+", "-", "4a", " 4", "4 ", "a4", "1.5", "2147483648",
                             "-2147483649", "99999999999999999999999", "５"})
        EXPECT_THROW((void)StrictToInt(text), NotANumberError) << text;
}

TEST(StrictToInt, NamesTheTextInItsMessage) {
    try {
        (void)StrictToInt("abc");
        FAIL() << "no exception";
    } catch (const NotANumberError& error) {
        EXPECT_STREQ(error.what(), "'abc' は数値ではありません");
    }
}
