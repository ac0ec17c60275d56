// SPDX-License-Identifier: MIT
#pragma once

#include <cerrno>
#include <functional>

// The steps a write goes through, named so that a test can make any one of them fail and see
// that the target is left whole whichever it was.
namespace teamdata {

// The steps of a write, in their order; a record step comes once per record and colour entry.
// For a file written in place, Replace gives the flushed new file its name as a complete copy,
// Overwrite copies it over the target, and Restore, which comes only when that fails, puts the
// old content back.
// After the new content is in place, SyncFolder writes the folder out, and RemoveCopy removes
// each complete copy beside the target.
enum class WriteStep {
    CreateTemporary,
    CopyImage,
    WriteRecord,
    Flush,
    Replace,
    Overwrite,
    Restore,
    SyncFolder,
    RemoveCopy
};

// For tests: called before every step; a false makes that step fail as a full disk would (an
// Overwrite so failed has written half the new content; a RemoveCopy so failed is refused as a
// folder that may not be changed refuses it). The program never sets it.
void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook);

// False when a test has asked this step to fail; the step then fails with InjectedWriteError.
[[nodiscard]] bool WriteStepAllowed(WriteStep step);

// What a step failed by a test reports: the error of a full disk.
inline constexpr int InjectedWriteError = ENOSPC;

} // namespace teamdata
