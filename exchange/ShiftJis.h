// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Shift_JIS (code page 932): the encoding of everything that leaves the program as bytes (the
// reports) and the unit in which the name edit box counts its length.
namespace ShiftJis {

[[nodiscard]] QByteArray Encode(const QString& text);
[[nodiscard]] QString Decode(const QByteArray& bytes);
[[nodiscard]] int ByteLength(const QString& text);

} // namespace ShiftJis
