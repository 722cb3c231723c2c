#pragma once

#include "core/platform/shell.h"

#include <string>
#include <vector>

namespace pagoranto::testing {

// Records what would have been started; nothing starts.
class FakeShell : public Shell {
public:
    bool openDocument(std::string_view document) override
    {
        opened.emplace_back(document);
        return true;
    }
    std::unique_ptr<StartedProgram> startProgram(const std::filesystem::path &program,
                                                 std::string_view parameters,
                                                 const std::filesystem::path &) override
    {
        started.push_back(program.string() + " " + std::string(parameters));
        return nullptr;
    }

    std::vector<std::string> opened;
    std::vector<std::string> started;
};

} // namespace pagoranto::testing
