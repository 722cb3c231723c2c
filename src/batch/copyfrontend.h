#pragma once

#include "batch/copyarguments.h"

namespace pagoranto {

// Runs the copy mode; the program's exit status.
int RunBatchCopy(const CopyArguments &args);

} // namespace pagoranto
