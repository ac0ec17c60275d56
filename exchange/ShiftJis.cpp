// SPDX-License-Identifier: MIT
#include "ShiftJis.h"

#include <QTextCodec>

namespace ShiftJis {

namespace {
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

} // namespace ShiftJis
