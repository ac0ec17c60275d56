// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// Shift_JIS as Windows writes it (code page 932; 81 7C is U+FF0D, 81 60 is U+FF5E): the encoding
// of the files the game's users read, between them and the program's UTF-8 texts.
namespace reports {

// A character code page 932 does not have, and each byte of `utf8` that is no UTF-8, is written
// as "?".
[[nodiscard]] std::string EncodeShiftJis(std::string_view utf8);

// Bytes that are no character (a lead byte without its trail byte, a pair the code page leaves
// empty, 80, A0 and FD to FF) are read as U+FFFD, so that nothing is dropped unseen. A lead byte
// followed by a byte that cannot be a trail byte (ASCII below 40, say) is one U+FFFD, and the
// byte after it is read on its own.
[[nodiscard]] std::string DecodeShiftJis(std::string_view bytes);

} // namespace reports
