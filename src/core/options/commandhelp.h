#pragma once

#include <string_view>

namespace pagoranto {

// Where the command help's configuration button leads for a command of commandList().
enum class CommandHelpAction {
    NavigationBarWindow,
    HiddenCommandWindow,
    CommandOptionsTab,
    ThumbnailOptionsWindow,
    NoFurtherOptions,
};

inline constexpr std::string_view noFurtherOptionsTitle = "Hint";
inline constexpr std::string_view noFurtherOptionsText =
    "No further options for the selected command available !";

// Whether the configuration button is enabled for the command at `index` (-1: none selected).
bool CommandHasConfiguration(int index);

CommandHelpAction CommandConfigurationAction(int index);

} // namespace pagoranto
