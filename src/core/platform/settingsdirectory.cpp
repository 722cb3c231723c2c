#include "core/platform/settingsdirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace pagoranto {

namespace fs = std::filesystem;

namespace {

constexpr const char *ownConfigFiles = "own_config_files";

bool Writable(const fs::path &directory)
{
    std::error_code error;
    return fs::is_directory(directory, error) && ::access(directory.c_str(), W_OK | X_OK) == 0;
}

// The thumbnailer's hand-over files live in a subfolder; it must take them too.
bool TakesSettings(const fs::path &programFolder)
{
    std::error_code error;
    const fs::path thumbnailer = programFolder / "thumbnailer";
    return Writable(programFolder) && (!fs::exists(thumbnailer, error) || Writable(thumbnailer));
}

std::string WithSlash(std::string directory)
{
    if (directory.empty() || directory.back() != '/')
        directory += '/';
    return directory;
}

} // namespace

UserFolders UserFoldersFromEnvironment()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    const char *home = std::getenv("HOME");
    return {config ? config : "", home ? home : ""};
}

std::string SettingsDirectory(const std::string &programFolder, const UserFolders &user)
{
    if (TakesSettings(programFolder))
        return WithSlash(programFolder);

    fs::path config;
    if (fs::path(user.xdgConfigHome).is_absolute())
        config = user.xdgConfigHome;
    else if (fs::path(user.home).is_absolute())
        config = fs::path(user.home) / ".config";
    else
        return WithSlash(programFolder);
    const fs::path settings = config / "pagoranto";
    std::error_code error;
    fs::create_directories(settings, error);
    if (!Writable(settings))
        return WithSlash(programFolder);

    // The shipped sets of options, where the save and load dialogs look for them.
    const fs::path shipped = fs::path(programFolder) / ownConfigFiles;
    if (fs::is_directory(shipped, error) && !fs::exists(settings / ownConfigFiles, error))
        fs::copy(shipped, settings / ownConfigFiles, fs::copy_options::recursive, error);
    return WithSlash(settings.string());
}

} // namespace pagoranto
