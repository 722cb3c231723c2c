#include "core/publish/capturedprocess.h"

#include "core/platform/posixshell.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace pagoranto {

namespace {

// Enough to name what went wrong; a chatty program cannot fill the memory.
constexpr std::size_t maxKeptErrors = 64 * 1024;
constexpr std::size_t maxLine = 64 * 1024;

std::vector<std::string>
MergedEnvironment(const std::vector<std::pair<std::string, std::string>> &changes)
{
    std::vector<std::string> merged;
    for (char **entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const auto equals = text.find('=');
        const std::string_view name = text.substr(0, equals);
        const bool replaced = std::any_of(changes.begin(), changes.end(),
                                          [&](const auto &change) { return change.first == name; });
        if (!replaced)
            merged.emplace_back(text);
    }
    for (const auto &[name, value] : changes)
        merged.push_back(name + "=" + value);
    return merged;
}

std::vector<char *> Pointers(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

void CloseIfOpen(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

std::unique_ptr<CapturedProcess> CapturedProcess::Start(const Options &options, std::string &error)
{
    if (options.arguments.empty()) {
        error = "no program";
        return nullptr;
    }
    const auto program = FindProgramOnPath({options.arguments.front()});
    if (!program) {
        error = options.arguments.front() + " is not installed";
        return nullptr;
    }
    std::vector<std::string> arguments = options.arguments;
    std::vector<std::string> environment = MergedEnvironment(options.environment);
    const std::string path = program->string();
    std::vector<char *> argv = Pointers(arguments);
    std::vector<char *> envp = Pointers(environment);

    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        error = std::strerror(errno);
        ::close(out[0]);
        ::close(out[1]);
        return nullptr;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only async-signal-safe calls from here on.
        if (options.ownSession)
            ::setsid();
        const int devNull = ::open("/dev/null", O_RDONLY);
        if (devNull >= 0)
            ::dup2(devNull, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::signal(SIGPIPE, SIG_DFL);
        ::execve(path.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    if (pid < 0) {
        error = std::strerror(errno);
        ::close(out[0]);
        ::close(err[0]);
        return nullptr;
    }
    return std::unique_ptr<CapturedProcess>(
        new CapturedProcess(pid, out[0], err[0], options.ownSession));
}

CapturedProcess::CapturedProcess(pid_t pid, int out, int err, bool ownSession)
    : m_pid(pid), m_out(out), m_err(err), m_ownSession(ownSession)
{
}

CapturedProcess::~CapturedProcess()
{
    if (!m_reaped) {
        Stop();
    }
    CloseIfOpen(m_out);
    CloseIfOpen(m_err);
}

bool CapturedProcess::Pump(int milliseconds, const std::function<void(std::string_view)> &onLine)
{
    if (m_out < 0 && m_err < 0) {
        if (Reap(false))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return true;
    }
    pollfd fds[2] = {{m_out, POLLIN, 0}, {m_err, POLLIN, 0}};
    if (::poll(fds, 2, milliseconds) < 0 && errno != EINTR)
        return !Reap(false);
    char buffer[16384];
    if (m_out >= 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) {
        const ssize_t got = ::read(m_out, buffer, sizeof buffer);
        if (got <= 0 && !(got < 0 && errno == EINTR)) {
            CloseIfOpen(m_out);
        } else if (got > 0) {
            for (ssize_t i = 0; i < got; ++i) {
                const char c = buffer[i];
                if (c == '\n' || c == '\r') {
                    if (!m_pending.empty())
                        onLine(m_pending);
                    m_pending.clear();
                } else if (m_pending.size() < maxLine) {
                    m_pending += c;
                }
            }
        }
    }
    if (m_err >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
        const ssize_t got = ::read(m_err, buffer, sizeof buffer);
        if (got <= 0 && !(got < 0 && errno == EINTR)) {
            CloseIfOpen(m_err);
        } else if (got > 0) {
            m_errors.append(buffer, static_cast<std::size_t>(got));
            if (m_errors.size() > maxKeptErrors)
                m_errors.erase(0, m_errors.size() - maxKeptErrors);
        }
    }
    if (m_out < 0 && m_err < 0) {
        if (!m_pending.empty())
            onLine(m_pending);
        m_pending.clear();
        if (Reap(false))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return true;
    }
    return true;
}

void CapturedProcess::Signal(int signal) const
{
    ::kill(m_ownSession ? -m_pid : m_pid, signal);
}

void CapturedProcess::Stop()
{
    if (m_reaped)
        return;
    Signal(SIGTERM);
    for (int i = 0; i < 50 && !Reap(false); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (!m_reaped) {
        Signal(SIGKILL);
        Reap(true);
    }
}

bool CapturedProcess::Reap(bool block)
{
    if (m_reaped)
        return true;
    int status = 0;
    pid_t got;
    do {
        got = ::waitpid(m_pid, &status, block ? 0 : WNOHANG);
    } while (got < 0 && errno == EINTR);
    if (got == 0)
        return false;
    m_reaped = true;
    if (got < 0)
        m_exitCode = 255;
    else if (WIFEXITED(status))
        m_exitCode = WEXITSTATUS(status);
    else
        m_exitCode = 128 + WTERMSIG(status);
    return true;
}

} // namespace pagoranto
