#pragma once

#include "core/platform/shell.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pagoranto {

// The shell of the command-line program: programs start directly, without a command
// interpreter, with this program's standard output and error.
class PosixShell : public Shell {
public:
    // Hands the document to xdg-open and does not wait for it; false only when xdg-open could
    // not be started. Its own output is discarded, so a desktop without a handler stays quiet.
    bool openDocument(std::string_view document) override;

    // A program named without "/" is looked for on PATH; a relative path is taken from the
    // current directory, not from the working directory. An empty working directory keeps
    // the current one. Empty when the program or the working directory cannot be used.
    std::unique_ptr<StartedProgram>
    startProgram(const std::filesystem::path &program, std::string_view parameters,
                 const std::filesystem::path &workingDirectory) override;
};

// The full path of the first of `names` (in their order, not the order of PATH) that is an
// executable file in a directory of PATH. Empty entries of PATH are skipped rather than read as
// the current directory.
std::optional<std::filesystem::path> FindProgramOnPath(const std::vector<std::string> &names);
std::optional<std::filesystem::path> FindProgramOnPath(const std::vector<std::string> &names,
                                                       std::string_view pathVariable);

} // namespace pagoranto
