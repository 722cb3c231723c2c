#pragma once

#include <filesystem>
#include <fstream>

namespace pagoranto::testing {

// Empty files of the user's under every name the program ships in its "defaults/" folder: the
// shipped files apply only where the user has none, so a program directory prepared this way
// keeps the program's own defaults.
inline void KeepShippedDefaultsOut(const std::filesystem::path &installDirectory,
                                   const std::filesystem::path &programDirectory)
{
    namespace fs = std::filesystem;
    const fs::path shipped = installDirectory / "defaults";
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(shipped)) {
        if (!entry.is_regular_file())
            continue;
        const fs::path own = programDirectory / fs::relative(entry.path(), shipped);
        fs::create_directories(own.parent_path());
        std::ofstream{own};
    }
}

} // namespace pagoranto::testing
