// SPDX-License-Identifier: MIT
#include "FuzzSupport.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fuzzsupport {

void Fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

std::uint8_t ByteReader::Byte() {
    return Empty() ? 0 : data_[position_++];
}

std::string ByteReader::Text() {
    const std::size_t length = Byte();
    const std::vector<std::uint8_t> bytes = Bytes(length);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> ByteReader::Bytes(std::size_t count) {
    const std::size_t available = Empty() ? 0 : size_ - position_;
    const std::size_t taken = std::min(count, available);
    std::vector<std::uint8_t> bytes(data_ + position_, data_ + position_ + taken);
    position_ += taken;
    return bytes;
}

std::vector<std::uint8_t> ByteReader::Rest() {
    return Bytes(Empty() ? 0 : size_ - position_);
}

ScratchFile::ScratchFile() {
    const std::filesystem::path pattern =
        std::filesystem::temp_directory_path() / "tolvanek-fuzz-XXXXXX";
    std::string name = pattern.string();
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        std::perror("mkstemp");
        std::abort();
    }
    ::close(descriptor);
    path_ = name;
}

ScratchFile::~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void ScratchFile::Store(const std::vector<std::uint8_t>& bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", path_.c_str());
        std::abort();
    }
}

std::vector<std::uint8_t> ScratchFile::Load() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    std::vector<std::uint8_t> bytes(error ? 0 : size);
    std::ifstream in(path_, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (error || in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        std::fprintf(stderr, "cannot read the scratch file %s\n", path_.c_str());
        std::abort();
    }
    return bytes;
}

namespace {
// The sign and the digit run of a lenient number; `dropLast` leaves out its last digit, which
// divides the number by ten toward zero.
std::uint8_t LowByteOfDigits(std::string_view text, bool dropLast) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::size_t end = i;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (dropLast && end > i)
        --end;
    unsigned value = 0;
    for (; i < end; ++i)
        value = (value * 10 + static_cast<unsigned>(text[i] - '0')) & 0xFF;
    return static_cast<std::uint8_t>(negative ? (256 - value) & 0xFF : value);
}
} // namespace

std::uint8_t LenientLowByte(std::string_view text) {
    return LowByteOfDigits(text, false);
}

std::uint8_t LenientTenthLowByte(std::string_view text) {
    return LowByteOfDigits(text, true);
}

std::uint8_t PatternByte(std::size_t offset) {
    std::uint32_t x = static_cast<std::uint32_t>(offset) * 2654435761u;
    x ^= x >> 16;
    const auto byte = static_cast<std::uint8_t>(x);
    return byte == 0 ? 0xA5 : byte;
}

} // namespace fuzzsupport
