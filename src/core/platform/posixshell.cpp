#include "core/platform/posixshell.h"

#include "core/platform/childprocess.h"
#include "core/platform/commandlinearguments.h"

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <system_error>
#include <unistd.h>

extern char **environ;

namespace pagoranto {
namespace {

// posix_spawn_file_actions_t and posix_spawnattr_t need their destroy call on every path.
class SpawnActions {
public:
    SpawnActions() { m_ok = ::posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions()
    {
        if (m_ok)
            ::posix_spawn_file_actions_destroy(&m_actions);
    }
    SpawnActions(const SpawnActions &) = delete;
    SpawnActions &operator=(const SpawnActions &) = delete;

    bool ok() const { return m_ok; }
    posix_spawn_file_actions_t *get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions;
    bool m_ok = false;
};

std::optional<pid_t> Spawn(const std::string &program, const std::vector<std::string> &arguments,
                           posix_spawn_file_actions_t *actions)
{
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const bool searchPath = program.find('/') == std::string::npos;
    const int error =
        searchPath ? ::posix_spawnp(&pid, program.c_str(), actions, nullptr, argv.data(), environ)
                   : ::posix_spawn(&pid, program.c_str(), actions, nullptr, argv.data(), environ);
    if (error != 0)
        return std::nullopt;
    return pid;
}

bool IsExecutableFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

bool PosixShell::openDocument(std::string_view document)
{
    SpawnActions actions;
    if (!actions.ok() ||
        ::posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, "/dev/null", O_WRONLY,
                                           0) != 0 ||
        ::posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, "/dev/null", O_WRONLY,
                                           0) != 0)
        return false;
    // A document whose name starts with "-" would be read as an option of xdg-open.
    std::string target(document);
    if (!target.empty() && target.front() == '-')
        target.insert(0, "./");
    const auto pid = Spawn("xdg-open", {"xdg-open", target}, actions.get());
    if (!pid)
        return false;
    ReapInBackground(*pid);
    return true;
}

std::unique_ptr<StartedProgram>
PosixShell::startProgram(const std::filesystem::path &program, std::string_view parameters,
                         const std::filesystem::path &workingDirectory)
{
    std::string file = program.string();
    if (file.empty())
        return nullptr;
    // The child changes directory before it looks for the program.
    if (file.find('/') != std::string::npos && program.is_relative()) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(program, error);
        if (error)
            return nullptr;
        file = absolute.string();
    }

    SpawnActions actions;
    if (!actions.ok())
        return nullptr;
    if (!workingDirectory.empty() &&
        ::posix_spawn_file_actions_addchdir_np(actions.get(), workingDirectory.c_str()) != 0)
        return nullptr;

    std::vector<std::string> arguments{program.string()};
    for (std::string &argument : SplitCommandLineArguments(parameters))
        arguments.push_back(std::move(argument));
    const auto pid = Spawn(file, arguments, actions.get());
    if (!pid)
        return nullptr;
    return std::make_unique<ChildProcess>(*pid);
}

std::optional<std::filesystem::path> FindProgramOnPath(const std::vector<std::string> &names)
{
    const char *path = std::getenv("PATH");
    return FindProgramOnPath(names, path ? std::string_view(path) : std::string_view());
}

std::optional<std::filesystem::path> FindProgramOnPath(const std::vector<std::string> &names,
                                                       std::string_view pathVariable)
{
    for (const std::string &name : names) {
        if (name.empty() || name.find('/') != std::string::npos)
            continue;
        std::size_t start = 0;
        while (start <= pathVariable.size()) {
            std::size_t colon = pathVariable.find(':', start);
            if (colon == std::string_view::npos)
                colon = pathVariable.size();
            const std::string_view directory = pathVariable.substr(start, colon - start);
            if (!directory.empty()) {
                const std::filesystem::path candidate = std::filesystem::path(directory) / name;
                if (IsExecutableFile(candidate))
                    return candidate;
            }
            start = colon + 1;
        }
    }
    return std::nullopt;
}

} // namespace pagoranto
