#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace pagoranto {

// A program run with its output read line by line ("\n" or "\r" ends a line) and its errors
// kept, for rsync and ssh.
class CapturedProcess {
public:
    struct Options {
        std::vector<std::string> arguments; // the program first, looked for on PATH
        std::vector<std::pair<std::string, std::string>> environment; // set or replaced
        // A session of its own has no terminal, so ssh cannot ask on one, and Stop reaches the
        // whole group (rsync and its ssh).
        bool ownSession = true;
    };

    // Empty when the program could not be started; error then says why.
    static std::unique_ptr<CapturedProcess> Start(const Options &options, std::string &error);
    ~CapturedProcess();
    CapturedProcess(const CapturedProcess &) = delete;
    CapturedProcess &operator=(const CapturedProcess &) = delete;

    // Waits up to that long for output, hands over every whole line, and returns false once the
    // program has ended and its output is read.
    bool Pump(int milliseconds, const std::function<void(std::string_view)> &onLine);
    // Asks the program to end, and kills it when it has not ended after a few seconds.
    void Stop();
    // The exit status; 128 + the signal when a signal ended it. Valid after Pump returned false.
    int ExitCode() const { return m_exitCode; }
    // The end of what it wrote to stderr.
    const std::string &Errors() const { return m_errors; }

private:
    CapturedProcess(pid_t pid, int out, int err, bool ownSession);
    void Signal(int signal) const;
    bool Reap(bool block);

    pid_t m_pid;
    int m_out;
    int m_err;
    bool m_ownSession;
    bool m_reaped = false;
    int m_exitCode = -1;
    std::string m_pending;
    std::string m_errors;
};

} // namespace pagoranto
