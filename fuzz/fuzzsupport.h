#pragma once

#include "core/platform/clock.h"
#include "core/platform/events.h"
#include "core/platform/prompts.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace pagoranto::fuzz {

inline std::string_view BytesOf(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

// A folder of this process's own below TMPDIR, made once and removed at exit (kept when
// PAGORANTO_FUZZ_KEEP is set, to look at what an input made); readers that take a path get
// the input written to a file in it.
inline const std::filesystem::path &ScratchFolder()
{
    static const std::filesystem::path folder = [] {
        const char *tmp = std::getenv("TMPDIR");
        std::filesystem::path dir = std::filesystem::path(tmp && *tmp ? tmp : "/tmp") /
                                    ("pagoranto-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }();
    // Registered once the folder's path is made, so the removal runs before the path is gone.
    static const bool removedAtExit = [] {
        if (!std::getenv("PAGORANTO_FUZZ_KEEP"))
            std::atexit([] {
                std::error_code ignored;
                std::filesystem::remove_all(ScratchFolder(), ignored);
            });
        return true;
    }();
    (void)removedAtExit;
    return folder;
}

inline std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes)
{
    const std::filesystem::path file = ScratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

// Inputs made of several texts hold them in sections split by a line "@@", so that seeds can
// be written by hand.
inline std::vector<std::string_view> Sections(std::string_view bytes, std::size_t maxCount)
{
    constexpr std::string_view separator = "\n@@\n";
    std::vector<std::string_view> sections;
    while (sections.size() + 1 < maxCount) {
        const std::size_t at = bytes.find(separator);
        if (at == std::string_view::npos)
            break;
        sections.push_back(bytes.substr(0, at));
        bytes.remove_prefix(at + separator.size());
    }
    sections.push_back(bytes);
    sections.resize(maxCount);
    return sections;
}

inline std::vector<std::string> Lines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            if (start < bytes.size())
                lines.emplace_back(bytes.substr(start));
            break;
        }
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

class QuietEvents : public Events {
public:
    void processPendingMessages() override {}
    void waitForMessages(std::uint64_t milliseconds) override { m_now += milliseconds; }
    std::uint64_t tickCount() override { return ++m_now; }

private:
    std::uint64_t m_now = 0;
};

// Answers every box with its first button, as a user who always agrees.
class AgreeingPrompts : public Prompts {
public:
    PromptAnswer show(std::string_view, std::string_view, PromptButtons buttons) override
    {
        ++shown;
        return buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    int shown = 0;
};

class StillClock : public Clock {
public:
    DateTime now() override { return time; }
    DateTime time{2026, 12, 8, 13, 7, 9, 45};
};

} // namespace pagoranto::fuzz
