// SPDX-License-Identifier: MIT
// The program's Shift_JIS codec against Qt's "Shift_JIS" (ICU's code page 943 table), which the
// program used before: over every one- and two-byte sequence and every character of the Basic
// Multilingual Plane, they differ only where this codec follows code page 932 as Windows has it
// and the program never writes the character.

#include "ShiftJisCodec.h"

#include <QString>
#include <QTextCodec>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

QTextCodec* QtCodec() {
    return QTextCodec::codecForName("Shift_JIS");
}

std::string QtDecode(const std::string& bytes) {
    return QtCodec()
        ->toUnicode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())))
        .toStdString();
}

std::string QtEncode(char16_t character) {
    return QtCodec()->fromUnicode(QString(QChar(character))).toStdString();
}

std::string Utf8(char16_t character) {
    return QString(QChar(character)).toStdString();
}

// ICU's table keeps IBM's order of three control codes (1A is U+001C, 1C is U+007F, 7F is
// U+001A); code page 932 reads each of them as itself. No file the program writes holds one.
bool IsSwappedControl(unsigned byte) {
    return byte == 0x1A || byte == 0x1C || byte == 0x7F;
}

bool IsLeadByte(unsigned byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

const std::string ReplacementUtf8 = "\xEF\xBF\xBD";

} // namespace

TEST(ShiftJisAgreement, DecodesEveryOneAndTwoByteSequenceAsQtDoes) {
    ASSERT_NE(QtCodec(), nullptr);
    for (unsigned first = 0; first < 256; ++first) {
        const std::string single(1, static_cast<char>(first));
        if (IsSwappedControl(first))
            EXPECT_EQ(reports::DecodeShiftJis(single), single);
        else if (IsLeadByte(first))
            // Qt drops a lead byte the text ends with; it is kept here as U+FFFD, so that a file
            // cut short in a character does not read as if it were whole.
            EXPECT_EQ(reports::DecodeShiftJis(single), ReplacementUtf8);
        else
            EXPECT_EQ(reports::DecodeShiftJis(single), QtDecode(single)) << std::hex << first;
        for (unsigned second = 0; second < 256; ++second) {
            if (IsSwappedControl(first) || IsSwappedControl(second))
                continue;
            std::string pair = single;
            pair += static_cast<char>(second);
            std::string expected = QtDecode(pair);
            // A lead byte the text ends with, again.
            if (!IsLeadByte(first) && IsLeadByte(second))
                expected += ReplacementUtf8;
            ASSERT_EQ(reports::DecodeShiftJis(pair), expected)
                << std::hex << first << ' ' << second;
        }
    }
}

TEST(ShiftJisAgreement, EncodesEveryCharacterAsQtDoesButWhatItHasNot) {
    std::set<char16_t> writtenAsNothingByQt;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const auto character = static_cast<char16_t>(code);
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const std::string ours = reports::EncodeShiftJis(Utf8(character));
        const std::string qts = QtEncode(character);
        if (code < 0x80 && IsSwappedControl(code)) {
            EXPECT_EQ(ours, std::string(1, static_cast<char>(code)));
            continue;
        }
        if (qts.empty()) {
            // ICU leaves out characters that are meant to be invisible (U+00AD, the variation
            // selectors); this codec writes "?" for them as for every other character code page
            // 932 lacks. None of them is a character the program writes.
            writtenAsNothingByQt.insert(character);
            EXPECT_EQ(ours, "?") << std::hex << static_cast<unsigned>(code);
            continue;
        }
        if (code == 0xF86F) {
            // A private-use character ICU maps by a fallback of its own; code page 932 has none.
            EXPECT_EQ(ours, "?");
            continue;
        }
        ASSERT_EQ(ours, qts) << std::hex << static_cast<unsigned>(code);
    }
    EXPECT_TRUE(writtenAsNothingByQt.contains(0x00AD));
    EXPECT_FALSE(writtenAsNothingByQt.contains(u'ー'));
}

TEST(ShiftJisAgreement, TheCharactersUsersKnowTheCodePageByRoundTrip) {
    // 81 7C and 81 60 are where code page 932 and the older JIS tables part ways.
    EXPECT_EQ(reports::DecodeShiftJis("\x81\x7C\x81\x60"), "－～");
    EXPECT_EQ(reports::EncodeShiftJis("－～"), "\x81\x7C\x81\x60");
    const std::string text = "名　　前　,打席　,ﾃｽﾄ,ほ゜－る　,①Ⅱ㈱";
    EXPECT_EQ(reports::DecodeShiftJis(reports::EncodeShiftJis(text)), text);
    EXPECT_EQ(reports::EncodeShiftJis(text),
              QtCodec()->fromUnicode(QString::fromStdString(text)).toStdString());
    // What is no character at all is never dropped.
    EXPECT_EQ(reports::EncodeShiftJis("a\xFF"
                                      "b\xE3\x81"),
              "a?b??");
    EXPECT_EQ(reports::EncodeShiftJis("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(reports::DecodeShiftJis("\x82\xA0,\x82"), "あ,\xEF\xBF\xBD");
    EXPECT_EQ(reports::DecodeShiftJis("\x82,"), "\xEF\xBF\xBD,");
}
