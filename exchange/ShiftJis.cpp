// SPDX-License-Identifier: MIT
#include "ShiftJis.h"

#include "ShiftJisCodec.h"

#include <cstddef>
#include <string_view>

namespace ShiftJis {

QByteArray Encode(const QString& text) {
    return QByteArray::fromStdString(reports::EncodeShiftJis(text.toStdString()));
}

QString Decode(const QByteArray& bytes) {
    return QString::fromStdString(reports::DecodeShiftJis(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
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
