// SPDX-License-Identifier: MIT
#include "StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace cli {

// std::cin reads through C's stdin, which keeps the error that a short read hides from the
// stream (a stream only sees its end).
int StandardInputError(const std::istream& in) {
    const int error = errno;
    if (&in != &std::cin || !std::ferror(stdin))
        return 0;
    return error != 0 ? error : EIO;
}

} // namespace cli
