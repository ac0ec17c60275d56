// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>

namespace testsupport {

// A fresh, private directory under the system's temporary directory, removed with everything
// in it when the object goes away. Every test that touches files works inside one, so tests
// never depend on the working directory or on each other.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return path; }

    // A path inside the directory; nothing is created.
    [[nodiscard]] std::filesystem::path File(std::string_view name) const;

private:
    std::filesystem::path path;
};

} // namespace testsupport
