// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Telling how a text file the user hands in is encoded, before anything of it is read as text.
namespace reports {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off character.
// For the caller's guess whether a file is UTF-8 or Shift_JIS.
[[nodiscard]] bool IsValidUtf8(std::string_view text);

enum class TextEncoding {
    Utf8,     // valid UTF-8 (plain ASCII included), with or without a byte-order mark
    ShiftJis, // anything else without zero bytes: read as Shift_JIS (code page 932)
    Utf16,    // a UTF-16 byte-order mark, or zero bytes where UTF-16 puts them for ASCII
    Utf32,    // a UTF-32 byte-order mark, or zero bytes where UTF-32 puts them
    NotText,  // zero bytes elsewhere, or too few for UTF-16: no text file at all
};

// What a file's bytes are, as far as the importer can tell. Neither Shift_JIS nor UTF-8 ever
// holds a zero byte in a text, so zero bytes tell UTF-16, UTF-32 and binary files apart from
// both. A CSV file is full of ASCII (digits, commas), which UTF-16 and UTF-32 give zero bytes, so
// a few stray zeros in a file make no UTF-16 of it.
[[nodiscard]] TextEncoding GuessTextEncoding(std::string_view bytes);

// The 1-based line of the first zero byte in `bytes` (lines ending in LF), 0 when there is none.
[[nodiscard]] int LineOfFirstZeroByte(std::string_view bytes);

} // namespace reports
