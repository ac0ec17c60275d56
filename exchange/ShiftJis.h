// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Shift_JIS (code page 932): the encoding of everything that leaves the program as bytes (the
// reports) and the unit in which the name edit box counts its length. The codec is the core's
// (ShiftJisCodec.h), which the browser build shares; these are its Qt conveniences.
namespace ShiftJis {

[[nodiscard]] QByteArray Encode(const QString& text);
[[nodiscard]] QString Decode(const QByteArray& bytes);
[[nodiscard]] int ByteLength(const QString& text);

// ByteLength of a text all of whose characters Shift_JIS has, worked out from the characters
// alone: one byte for ASCII and half-width katakana, two for every other one. The program's fixed
// texts (the grid headers, measured as the main window is made) need no table look-up.
[[nodiscard]] int ByteLengthOfEncodable(const QString& text);

} // namespace ShiftJis
