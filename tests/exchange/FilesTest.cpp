// SPDX-License-Identifier: MIT
// File names as bytes, texts from outside shown safely in messages, and the words for what the
// system and the writer report.

#include "Files.h"
#include "ImageFile.h"
#include "IssueWords.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

namespace {

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

// Any bytes make a name that leads back to the same bytes: a byte-order mark, at the start or
// anywhere, is a character of the name like any other, and bytes that are no UTF-8 survive.
TEST(FileNames, TravelAsTheirBytesWhateverTheyHold) {
    const std::string bom = "\xEF\xBB\xBF";
    const QString started = exchange::PathFromNative(bom + "bom.nes");
    EXPECT_EQ(started, QChar(0xFEFF) + QStringLiteral("bom.nes"));
    EXPECT_EQ(exchange::NativePath(started), bom + "bom.nes");
    for (const std::string& name :
         {bom + bom + "x" + bom, std::string("g\x83\xBF.nes"), std::string("\xF0\x9F\x98\x80.nes"),
          std::string("\xED\xA0\x80\xC0\xAF"), std::string("\xE3\x81")})
        EXPECT_EQ(exchange::NativePath(exchange::PathFromNative(name)), name)
            << testing::PrintToString(name);

    std::mt19937 random(1992);
    // Mostly the bytes that begin and continue UTF-8 characters, where the decoding can go wrong.
    const std::string alphabet = "a.\x80\xBF\xC3\xE3\xEF\xBB\xF0\x9F\xED\xA0\xFE\xFF";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    for (int round = 0; round < 20000; ++round) {
        std::string name;
        for (int i = length(random); i > 0; --i)
            name += alphabet[pick(random)];
        ASSERT_EQ(exchange::NativePath(exchange::PathFromNative(name)), name)
            << testing::PrintToString(name);
        // Nothing a message shows of a name can move the cursor, turn the text round or hide.
        const QString shown = exchange::Shown(exchange::PathFromNative(name));
        for (const char32_t point : shown.toUcs4()) {
            const QChar::Category category = QChar::category(point);
            ASSERT_FALSE(category == QChar::Other_Control || category == QChar::Other_Format ||
                         category == QChar::Other_Surrogate)
                << testing::PrintToString(name) << " shows U+" << std::hex
                << static_cast<unsigned>(point);
        }
    }
}

TEST(Shown, EscapesWhatWouldChangeOrHideAMessage) {
    const struct {
        QString text;
        const char* shown;
    } cases[] = {
        {QChar(0xFEFF) + QStringLiteral("300"), "U+FEFF300"},
        {FromUtf8("a\xC2\x9B"
                  "2J"),
         "aU+009B2J"}, // C1 control sequence introducer
        {FromUtf8("gnp.\xE2\x80\xAE"
                  "exe"),
         "gnp.U+202Eexe"}, // right-to-left override
        {FromUtf8("3\xE2\x80\x8B"
                  "00"),
         "3U+200B00"}, // zero-width space
        {FromUtf8("a\xE2\x80\xA8"
                  "b"),
         "aU+2028b"}, // line separator
        {QStringLiteral("a\r\n\t") + QChar(0) + QChar(0x1B) + QChar(0x7F),
         "a\\r\\n\\t\\0\\x1b\\x7f"},
        {exchange::PathFromNative("g\x83"
                                  "e"),
         "g\\x83e"},
        {FromUtf8("やまた゛ Ｇ \xF0\x9F\x98\x80"), "やまた゛ Ｇ \xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(exchange::Shown(c.text), FromUtf8(c.shown)) << c.shown;
    EXPECT_EQ(exchange::Shown(std::string_view("\xEF\xBB\xBF"
                                               "1")),
              QStringLiteral("U+FEFF1"));
}

// Every reason the system gives for a file the program meets is worded by the program, and so
// translated, rather than the C library's English.
TEST(SystemErrors, AreWordedByTheProgram) {
    for (const int error : {ENOSPC, EDQUOT, EACCES, EROFS, ENOENT, ENXIO, ENODEV, EBADF, EPIPE,
                            ENOMEM, EMFILE, ENOTSUP, EISDIR, EFBIG, EIO, EAGAIN}) {
        const QString worded = exchange::DescribeSystemError(error);
        EXPECT_FALSE(worded.isEmpty());
        EXPECT_NE(worded, QString::fromLocal8Bit(std::strerror(error))) << std::strerror(error);
    }
}

TEST(WriteMessages, SayWhatReallyHappened) {
    teamdata::FileWriteResult device;
    device.outcome = teamdata::FileWriteOutcome::TargetUncreatable;
    device.targetNotPlainFile = true;
    EXPECT_EQ(exchange::DescribeWriteFailure(device, QStringLiteral("/dev/null")),
              QStringLiteral("cannot create /dev/null: it is not a regular file"));

    teamdata::WriteAftermath aftermath;
    EXPECT_EQ(exchange::DescribeWriteAftermath(aftermath, QStringLiteral("a.nes")), QString());
    aftermath.folderSyncError = EIO;
    aftermath.unremovedCopies = {"/g/.a.nes.tolvanek-new-1.nes"};
    aftermath.removalError = EACCES;
    const QStringList lines =
        exchange::DescribeWriteAftermath(aftermath, QStringLiteral("a.nes")).split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("a.nes holds the new content")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(": input/output error")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("/g/.a.nes.tolvanek-new-1.nes")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(": permission denied")));

    exchange::LoadedImage unreadable;
    unreadable.read = teamdata::FileRead::Unreadable;
    unreadable.systemError = EACCES;
    EXPECT_EQ(exchange::DescribeImageDoubt(unreadable),
              QStringLiteral("the file cannot be read: permission denied"));
}

} // namespace

// The words of an import's problems, plain C++ for the browser page too, show outside text as
// the window shows a file name: every character and every stray byte alike.
TEST(Shown, TheImportWordsShowTextAsTheWindowDoes) {
    const auto agree = [](const std::string& text) {
        ASSERT_EQ(reports::ShownText(text), exchange::Shown(std::string_view(text)).toStdString())
            << testing::PrintToString(text);
    };
    for (char32_t point = 0; point <= 0x10FFFF; ++point) {
        if (point >= 0xD800 && point <= 0xDFFF)
            continue;
        agree(QString::fromUcs4(&point, 1).toStdString() + "a");
    }
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        agree(std::string(1, static_cast<char>(byte)) + "\xE3\x81");
    agree("\xED\xA0\x80\xC0\xAF\xF4\x90\x80\x80");
}
