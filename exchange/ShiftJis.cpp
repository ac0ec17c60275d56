// SPDX-License-Identifier: MIT
#include "ShiftJis.h"

#include <QTextCodec>

namespace ShiftJis {

namespace {
// Made on first use: the codec pulls in ICU's conversion tables, which a session that writes no
// file and measures no name never needs.
QTextCodec* Codec() {
    // Qt's Shift_JIS codec is the Windows code page 932 mapping (81 7C is U+FF0D, 81 60 is
    // U+FF5E), which is what the game's users read these files with.
    static QTextCodec* codec = QTextCodec::codecForName("Shift_JIS");
    return codec;
}
} // namespace

QByteArray Encode(const QString& text) {
    return Codec()->fromUnicode(text);
}

QString Decode(const QByteArray& bytes) {
    return Codec()->toUnicode(bytes);
}

int ByteLength(const QString& text) {
    return static_cast<int>(Encode(text).size());
}

int ByteLengthOfEncodable(const QString& text) {
    int length = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        length += unit < 0x80 || (unit >= 0xFF61 && unit <= 0xFF9F) ? 1 : 2;
    }
    return length;
}

} // namespace ShiftJis
