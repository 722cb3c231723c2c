#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace pagoranto::testing {

// A directory of its own under the system's temporary directory (TMPDIR when set), removed with
// everything in it when the object goes. mkdtemp gives every object a new name, so tests and
// test programs running side by side never share or clear each other's files.
class ScratchDirectory {
public:
    explicit ScratchDirectory(std::string_view prefix = "pagoranto-")
        : ScratchDirectory(std::filesystem::temp_directory_path(), prefix)
    {
    }
    // For tests that need the directory at a particular place, such as just below the root.
    ScratchDirectory(const std::filesystem::path &parent, std::string_view prefix)
    {
        std::string pattern =
            (std::filesystem::absolute(parent).lexically_normal() / prefix).string() + "XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(),
                                    "cannot make a scratch directory " + pattern);
        m_path = pattern;
    }
    ~ScratchDirectory() { Remove(); }

    ScratchDirectory(const ScratchDirectory &) = delete;
    ScratchDirectory &operator=(const ScratchDirectory &) = delete;
    ScratchDirectory(ScratchDirectory &&other) noexcept : m_path(std::exchange(other.m_path, {})) {}
    ScratchDirectory &operator=(ScratchDirectory &&other) noexcept
    {
        if (this != &other) {
            Remove();
            m_path = std::exchange(other.m_path, {});
        }
        return *this;
    }

    const std::filesystem::path &path() const { return m_path; }
    // name may hold subdirectories ("site/pics/a.jpg"); nothing is created.
    std::filesystem::path file(std::string_view name) const { return m_path / name; }
    // The program takes its directories with a closing slash.
    std::string slashed() const { return m_path.string() + '/'; }

private:
    void Remove() noexcept
    {
        if (m_path.empty())
            return;
        try {
            std::error_code error;
            if (std::filesystem::remove_all(m_path, error) == static_cast<std::uintmax_t>(-1)) {
                // A test may have taken the owner's rights from a directory it made read-only.
                AllowOwner(m_path);
                error.clear();
                std::filesystem::remove_all(m_path, error);
            }
            if (error)
                std::cerr << "scratch directory " << m_path << " left behind: " << error.message()
                          << "\n";
        } catch (...) {
        }
        m_path.clear();
    }

    static void AllowOwner(const std::filesystem::path &dir)
    {
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        std::error_code error;
        for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
            // Links are not followed: rights outside the scratch directory stay as they are.
            if (it->symlink_status(ignored).type() == fs::file_type::directory)
                AllowOwner(it->path());
    }

    std::filesystem::path m_path;
};

} // namespace pagoranto::testing
