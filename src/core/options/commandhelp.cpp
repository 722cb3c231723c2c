#include "core/options/commandhelp.h"

namespace pagoranto {

namespace {

bool InRange(int index, int first, int last)
{
    return index >= first && index <= last;
}

} // namespace

bool CommandHasConfiguration(int index)
{
    return InRange(index, 4, 7) || InRange(index, 10, 13) || InRange(index, 25, 30) ||
           InRange(index, 33, 44);
}

CommandHelpAction CommandConfigurationAction(int index)
{
    if (InRange(index, 10, 12) || InRange(index, 26, 29))
        return CommandHelpAction::NavigationBarWindow;
    if (InRange(index, 33, 44))
        return CommandHelpAction::HiddenCommandWindow;
    if (InRange(index, 4, 7) || index == 13 || index == 30)
        return CommandHelpAction::CommandOptionsTab;
    if (index == 25)
        return CommandHelpAction::ThumbnailOptionsWindow;
    return CommandHelpAction::NoFurtherOptions;
}

} // namespace pagoranto
