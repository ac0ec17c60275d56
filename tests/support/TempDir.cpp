// SPDX-License-Identifier: MIT
#include "TempDir.h"

#include <stdlib.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace testsupport {

TempDir::TempDir() {
    // mkdtemp picks the name and creates the directory in one step, so two test programs
    // running at the same time can never share a directory.
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tolvanek-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("cannot create a temporary directory", pattern,
                                                std::error_code(errno, std::generic_category()));
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    // Tests may leave read-only files behind; make them removable first.
    std::error_code walking;
    for (std::filesystem::recursive_directory_iterator it(path, walking), end;
         !walking && it != end; it.increment(walking))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path, ignored);
}

std::filesystem::path TempDir::File(std::string_view name) const {
    return path / name;
}

} // namespace testsupport
