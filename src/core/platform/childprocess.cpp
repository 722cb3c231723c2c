#include "core/platform/childprocess.h"

#include <cerrno>
#include <sys/wait.h>
#include <system_error>
#include <thread>

namespace pagoranto {

ChildProcess::ChildProcess(pid_t pid) : m_pid(pid) {}

ChildProcess::~ChildProcess()
{
    if (running())
        ReapInBackground(m_pid);
}

bool ChildProcess::running()
{
    if (m_reaped)
        return false;
    pid_t result;
    do {
        result = ::waitpid(m_pid, nullptr, WNOHANG);
    } while (result == -1 && errno == EINTR);
    if (result == 0)
        return true;
    // Ended, or no longer ours to wait for (ECHILD): either way it runs no more for us.
    m_reaped = true;
    return false;
}

void ReapInBackground(pid_t pid)
{
    try {
        std::thread([pid] {
            while (::waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error &) {
        // Without a thread the ended child stays a zombie until this program ends; harmless.
    }
}

} // namespace pagoranto
