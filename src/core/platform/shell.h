#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace pagoranto {

// A program started through the shell, as long as its caller holds it.
class StartedProgram {
public:
    virtual ~StartedProgram() = default;
    virtual bool running() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document or address with the program the desktop associates with it.
    virtual bool openDocument(std::string_view document) = 0;
    // The parameter text is split into arguments by the Windows command-line rules. Empty when
    // the program could not be started.
    virtual std::unique_ptr<StartedProgram>
    startProgram(const std::filesystem::path &program, std::string_view parameters,
                 const std::filesystem::path &workingDirectory) = 0;
};

} // namespace pagoranto
