#pragma once

#include "tests/support/scratchdirectory.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <pwd.h>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace pagoranto::testing {

// A port on 127.0.0.1 that nothing listens on right now.
inline int FreeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

inline bool AcceptsConnections(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected =
        fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    if (fd >= 0)
        ::close(fd);
    return connected;
}

// An sshd of its own on 127.0.0.1 on a free port, which lets the current user in with a key
// made for it, and the ssh command line that reaches it without the user's ~/.ssh. Killed with
// the object. Check available() first: without openssh-server the tests skip.
class SshdServer {
public:
    SshdServer()
    {
        if (::access(sshdProgram, X_OK) != 0) {
            m_problem = std::string(sshdProgram) + " is missing";
            return;
        }
        // sshd started as root wants its privilege-separation folder.
        if (::geteuid() == 0)
            ::mkdir("/run/sshd", 0755);
        if (!MakeKey("host_key") || !MakeKey("user_key") || !MakeKey("stranger_key")) {
            m_problem = "ssh-keygen failed";
            return;
        }
        std::filesystem::copy_file(m_dir.file("user_key.pub"), m_dir.file("authorized_keys"));
        for (int attempt = 0; attempt < 3 && m_pid <= 0; ++attempt)
            Start();
    }
    ~SshdServer() { Kill(); }
    SshdServer(const SshdServer &) = delete;
    SshdServer &operator=(const SshdServer &) = delete;

    bool available() const { return m_pid > 0; }
    const std::string &problem() const { return m_problem; }
    int port() const { return m_port; }

    // "user@127.0.0.1:path"
    std::string Destination(const std::string &path) const
    {
        return UserName() + "@127.0.0.1:" + path;
    }
    // The remote shell for rsync's -e with the authorized key, or with a key the server does not
    // know; the host key is known, and nothing of the user's own ssh set-up is read.
    std::string RemoteShell() const { return RemoteShellWith("user_key"); }
    std::string StrangerRemoteShell() const { return RemoteShellWith("stranger_key"); }
    // The authorized key, with ssh asking about a host key it does not find in knownHosts and
    // remembering it there once accepted, as a user's own ssh does.
    std::string AskingRemoteShell(const std::string &knownHosts) const
    {
        return RemoteShellWith("user_key", "ask", knownHosts);
    }
    // The server's host key as ssh shows it, "SHA256:...".
    std::string HostKeyFingerprint() const
    {
        const std::string command =
            "ssh-keygen -l -E sha256 -f '" + m_dir.file("host_key.pub").string() + "' 2>/dev/null";
        std::string output;
        if (FILE *pipe = ::popen(command.c_str(), "r")) {
            char buffer[512];
            while (std::fgets(buffer, sizeof buffer, pipe))
                output += buffer;
            ::pclose(pipe);
        }
        // "256 SHA256:abc pagoranto-test (ED25519)"
        const auto start = output.find(' ');
        const auto end = output.find(' ', start + 1);
        return start == std::string::npos || end == std::string::npos
                   ? std::string()
                   : output.substr(start + 1, end - start - 1);
    }

    // Cuts every open connection, as a lost network would, and keeps listening.
    void CutConnections() const
    {
        for (pid_t child : Children(m_pid))
            ::kill(child, SIGKILL);
    }

    std::string Log() const
    {
        std::ifstream in(m_dir.file("sshd.log"));
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static constexpr const char *sshdProgram = "/usr/sbin/sshd";

    static std::string UserName()
    {
        const passwd *entry = ::getpwuid(::geteuid());
        return entry ? entry->pw_name : "root";
    }

    std::string RemoteShellWith(const std::string &key) const
    {
        return RemoteShellWith(key, "yes", m_dir.file("known_hosts").string());
    }

    std::string RemoteShellWith(const std::string &key, const std::string &hostKeyChecking,
                                const std::string &knownHosts) const
    {
        return "ssh -F /dev/null -p " + std::to_string(m_port) + " -i " + m_dir.file(key).string() +
               " -o IdentitiesOnly=yes -o IdentityAgent=none -o StrictHostKeyChecking=" +
               hostKeyChecking +
               " -o GlobalKnownHostsFile=/dev/null -o UserKnownHostsFile=" + knownHosts;
    }

    bool MakeKey(const std::string &name) const
    {
        const std::string command = "ssh-keygen -q -t ed25519 -N '' -C pagoranto-test -f '" +
                                    m_dir.file(name).string() + "' </dev/null >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }

    static std::vector<pid_t> Children(pid_t parent)
    {
        std::vector<pid_t> children;
        std::error_code error;
        for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end;
             it.increment(error)) {
            const std::string name = it->path().filename().string();
            if (name.find_first_not_of("0123456789") != std::string::npos)
                continue;
            std::ifstream stat(it->path() / "stat");
            std::string text((std::istreambuf_iterator<char>(stat)),
                             std::istreambuf_iterator<char>());
            const auto close = text.rfind(')');
            if (close == std::string::npos)
                continue;
            char state = 0;
            int ppid = 0;
            if (std::sscanf(text.c_str() + close + 1, " %c %d", &state, &ppid) == 2 &&
                ppid == parent)
                children.push_back(static_cast<pid_t>(std::atoi(name.c_str())));
        }
        return children;
    }

    void Start()
    {
        m_port = FreeLoopbackPort();
        std::ifstream hostKey(m_dir.file("host_key.pub"));
        std::string hostKeyLine;
        std::getline(hostKey, hostKeyLine);
        std::ofstream(m_dir.file("known_hosts"))
            << "[127.0.0.1]:" << m_port << " " << hostKeyLine << "\n";
        std::ofstream(m_dir.file("sshd_config"))
            << "Port " << m_port << "\nListenAddress 127.0.0.1\n"
            << "HostKey " << m_dir.file("host_key").string() << "\n"
            << "AuthorizedKeysFile " << m_dir.file("authorized_keys").string() << "\n"
            << "PidFile none\nStrictModes no\nUsePAM no\nPermitRootLogin prohibit-password\n"
            << "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
            << "PubkeyAuthentication yes\nLogLevel ERROR\n";
        const std::string config = m_dir.file("sshd_config").string();
        const std::string log = m_dir.file("sshd.log").string();
        const pid_t pid = ::fork();
        if (pid == 0) {
            // A test that crashes leaves no server behind.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            if (out >= 0) {
                ::dup2(out, STDOUT_FILENO);
                ::dup2(out, STDERR_FILENO);
            }
            ::execl(sshdProgram, sshdProgram, "-D", "-e", "-f", config.c_str(),
                    static_cast<char *>(nullptr));
            _exit(127);
        }
        if (pid < 0)
            return;
        // Bounded: ten seconds for sshd to listen.
        for (int i = 0; i < 200; ++i) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                m_problem = "sshd ended: " + Log();
                return;
            }
            if (AcceptsConnections(m_port)) {
                m_pid = pid;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        m_problem = "sshd did not listen: " + Log();
    }

    void Kill()
    {
        if (m_pid <= 0)
            return;
        CutConnections();
        ::kill(m_pid, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
                m_pid = 0;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
        m_pid = 0;
    }

    ScratchDirectory m_dir{"pagoranto-sshd-"};
    pid_t m_pid = 0;
    int m_port = 0;
    std::string m_problem;
};

} // namespace pagoranto::testing
