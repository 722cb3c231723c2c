#pragma once

#include <string>

namespace pagoranto {

// Where a user's settings go when the program folder cannot take them.
struct UserFolders {
    std::string xdgConfigHome; // $XDG_CONFIG_HOME; used only when it is an absolute path
    std::string home;          // $HOME
};

UserFolders UserFoldersFromEnvironment();

// The directory (ending in "/") where the programs write what they keep between runs: option
// files, history lists, "resizer.ini", "temp", the thumbnailer's hand-over files and
// "own_config_files". A program folder the user can write keeps them, as a portable copy or a
// build does; an installed one does not, and they go to "<config>/pagoranto/" instead, made on
// first use with a copy of the program's own "own_config_files". When no such folder can be
// made either, the program folder is returned, and writing fails there with the usual messages.
std::string SettingsDirectory(const std::string &programFolder, const UserFolders &user);

} // namespace pagoranto
