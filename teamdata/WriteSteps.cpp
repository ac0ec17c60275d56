// SPDX-License-Identifier: MIT
#include "WriteSteps.h"

#include <utility>

namespace teamdata {

namespace {

std::function<bool(WriteStep)>& StepHook() {
    static std::function<bool(WriteStep)> hook;
    return hook;
}

} // namespace

void SetWriteStepHookForTests(std::function<bool(WriteStep)> hook) {
    StepHook() = std::move(hook);
}

bool WriteStepAllowed(WriteStep step) {
    return !StepHook() || StepHook()(step);
}

} // namespace teamdata
