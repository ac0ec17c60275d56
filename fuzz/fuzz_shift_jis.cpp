// SPDX-License-Identifier: MIT
// The Shift_JIS codec on arbitrary bytes, read as a file a spreadsheet wrote and, as UTF-8, as a
// text to write. Whatever the bytes, decoding gives valid UTF-8 and drops nothing: written again
// and read back, it is the same text, with each U+FFFD (a byte that was no character) become
// "?". Encoding any bytes gives bytes that read back as valid UTF-8 as well.

#include "ShiftJisCodec.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::string WithQuestionMarks(std::string text) {
    const std::string_view replacement = "\xEF\xBF\xBD";
    for (std::size_t at = text.find(replacement); at != std::string::npos;
         at = text.find(replacement, at + 1))
        text.replace(at, replacement.size(), "?");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An exact-size copy: the codec gets a view with nothing readable behind its last byte.
    const auto copy = std::make_unique<char[]>(size == 0 ? 1 : size);
    std::copy(data, data + size, copy.get());
    const std::string_view bytes(copy.get(), size);

    const std::string text = reports::DecodeShiftJis(bytes);
    Require(reports::IsValidUtf8(text));
    // One character at most for each byte read.
    Require(std::count_if(text.begin(), text.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }) <= static_cast<std::ptrdiff_t>(size));
    const std::string written = reports::EncodeShiftJis(text);
    Require(reports::DecodeShiftJis(written) == WithQuestionMarks(text));

    const std::string encoded = reports::EncodeShiftJis(bytes);
    Require(encoded.size() <= 2 * size);
    Require(reports::IsValidUtf8(reports::DecodeShiftJis(encoded)));
    return 0;
}
