#pragma once

#include "core/platform/shell.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace pagoranto::testing {

// A started program that runs for as long as the test says; onRunning lets a test act as the
// program does meanwhile (removing a file) each time it is asked.
class ControlledProgram : public StartedProgram {
public:
    bool running() override
    {
        ++asked;
        if (onRunning)
            onRunning();
        return isRunning;
    }

    bool isRunning = true;
    int asked = 0;
    std::function<void()> onRunning;
};

struct RecordedStart {
    std::filesystem::path program;
    std::string parameters;
    std::filesystem::path workingDirectory;
};

// Records every start; starts succeed only while startSucceeds, and then hand out a program
// whose state stays reachable through `program` after the caller has let it go.
class RecordingShell : public Shell {
public:
    bool openDocument(std::string_view document) override
    {
        opened.emplace_back(document);
        return openSucceeds;
    }

    std::unique_ptr<StartedProgram>
    startProgram(const std::filesystem::path &file, std::string_view parameters,
                 const std::filesystem::path &workingDirectory) override
    {
        starts.push_back({file, std::string(parameters), workingDirectory});
        if (!startSucceeds)
            return nullptr;
        return std::make_unique<Handle>(program);
    }

    bool startSucceeds = true;
    bool openSucceeds = true;
    std::vector<RecordedStart> starts;
    std::vector<std::string> opened;
    std::shared_ptr<ControlledProgram> program = std::make_shared<ControlledProgram>();

private:
    class Handle : public StartedProgram {
    public:
        explicit Handle(std::shared_ptr<ControlledProgram> started) : m_program(std::move(started))
        {
        }
        bool running() override { return m_program->running(); }

    private:
        std::shared_ptr<ControlledProgram> m_program;
    };
};

} // namespace pagoranto::testing
