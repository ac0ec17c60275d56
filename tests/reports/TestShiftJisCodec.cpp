// SPDX-License-Identifier: MIT
// The Shift_JIS codec as every build has it (the browser's too): the characters of code page 932
// written and read back, the one sequence each is written as, and bytes that are no character.
// Its agreement with the codec the program used before is tested with Qt, in tests/exchange.

#include "ShiftJisCodec.h"
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Utf8(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

} // namespace

TEST(ShiftJisCodec, EveryCharacterItWritesReadsBackAsItself) {
    int written = 0;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const std::string text = Utf8(code);
        const std::string bytes = reports::EncodeShiftJis(text);
        if (bytes == "?" && code != U'?')
            continue;
        ++written;
        ASSERT_LE(bytes.size(), 2u) << std::hex << static_cast<unsigned>(code);
        ASSERT_EQ(reports::DecodeShiftJis(bytes), text) << std::hex << static_cast<unsigned>(code);
    }
    // ASCII, 63 half-width katakana and the 9206 characters of two bytes (the 1880 of the
    // user-defined area, U+E000 on, among them), each once.
    EXPECT_EQ(written, 128 + 63 + 9206);
}

TEST(ShiftJisCodec, ACharacterHeldTwiceIsWrittenAsWindowsWritesIt) {
    EXPECT_EQ(reports::EncodeShiftJis("－～"), "\x81\x7C\x81\x60");
    EXPECT_EQ(reports::EncodeShiftJis("ⅰ"), "\xFA\x40");          // not the NEC-selected EE EF
    EXPECT_EQ(reports::EncodeShiftJis("￢"), "\x81\xCA");         // not 87 or FA rows
    EXPECT_EQ(reports::EncodeShiftJis("Ⅰ"), "\x87\x54");          // NEC row 13 before IBM's FA 4A
    EXPECT_EQ(reports::DecodeShiftJis("\xEE\xEF\xFA\x40"), "ⅰⅰ"); // both read
}

TEST(ShiftJisCodec, BytesThatAreNoCharacterAreNeverDroppedUnseen) {
    const std::string replacement = "\xEF\xBF\xBD";
    // A lead byte the file ends with, one before a byte that cannot follow it, a pair the code
    // page leaves empty, and the single bytes that are no character.
    EXPECT_EQ(reports::DecodeShiftJis("a\x82"), "a" + replacement);
    EXPECT_EQ(reports::DecodeShiftJis("\x82,x"), replacement + ",x");
    EXPECT_EQ(reports::DecodeShiftJis("\x85\x40"), replacement);
    EXPECT_EQ(reports::DecodeShiftJis("\x80\xA0\xFD\xFE\xFF"),
              replacement + replacement + replacement + replacement + replacement);
    // The control codes are themselves, as code page 932 has them.
    EXPECT_EQ(reports::DecodeShiftJis("\x1A\x1C\x7F"), "\x1A\x1C\x7F");
    EXPECT_EQ(reports::EncodeShiftJis("\x1A\x1C\x7F"), "\x1A\x1C\x7F");
    // What cannot be written is "?", one for each character or byte that is no UTF-8.
    EXPECT_EQ(reports::EncodeShiftJis("é€😀"), "???");
    EXPECT_EQ(reports::EncodeShiftJis("\xC3"), "?");
    EXPECT_TRUE(reports::IsValidUtf8(reports::DecodeShiftJis("\x81\xFF\xFC\xFC\x9F")));
}
