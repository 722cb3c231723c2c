#pragma once

#include "core/platform/shell.h"

#include <sys/types.h>

namespace pagoranto {

// A child process that this program started. Letting go of it neither kills the child nor
// leaves it behind as a zombie: one that is still running is reaped by a background thread
// when it ends.
class ChildProcess final : public StartedProgram {
public:
    explicit ChildProcess(pid_t pid);
    ~ChildProcess() override;
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Reaps the child without blocking once it has ended.
    bool running() override;

private:
    pid_t m_pid;
    bool m_reaped = false;
};

// For children nobody waits for (documents opened detached).
void ReapInBackground(pid_t pid);

} // namespace pagoranto
