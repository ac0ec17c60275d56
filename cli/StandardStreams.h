// SPDX-License-Identifier: MIT
#pragma once

#include <istream>

namespace cli {

// The errno of a failed read of the process's standard input through `in` (a closed one, a
// folder); 0 when `in` is not the process's standard input or nothing failed. To be asked
// right after the read that ended.
[[nodiscard]] int StandardInputError(const std::istream& in);

} // namespace cli
