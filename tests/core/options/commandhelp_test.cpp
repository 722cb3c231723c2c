#include "core/generator/commandlist.h"
#include "core/options/commandhelp.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using Action = CommandHelpAction;

TEST(CommandHelp, ConfigurationButtonAndActionPerCommand)
{
    struct Row {
        const char *command;
        bool enabled;
        Action action;
    };
    const Row rows[] = {
        {"$PIC$", false, Action::NoFurtherOptions},
        {"$DIMENSION$", false, Action::NoFurtherOptions},
        {"$NEXT$", true, Action::CommandOptionsTab},
        {"$LAST$", true, Action::CommandOptionsTab},
        {"$COUNT$", false, Action::NoFurtherOptions},
        {"$TOTAL$", false, Action::NoFurtherOptions},
        {"$DATEENG$", true, Action::NavigationBarWindow},
        {"$TIME$", true, Action::NavigationBarWindow},
        {"$FREETEXT$", true, Action::CommandOptionsTab},
        {"$SN$", false, Action::NoFurtherOptions},
        {"$FILENAMEWE$", false, Action::NoFurtherOptions},
        {"$TPIC$", true, Action::ThumbnailOptionsWindow},
        {"$NAVIGATE$", true, Action::NavigationBarWindow},
        {"$PPAGE$", true, Action::NavigationBarWindow},
        {"$HOME$", true, Action::CommandOptionsTab},
        {"$SH$", false, Action::NoFurtherOptions},
        {"$EH$", false, Action::NoFurtherOptions},
        {"$HTML1$", true, Action::HiddenCommandWindow},
        {"$PCOMMENTFL$", true, Action::HiddenCommandWindow},
        {"$HTML9$", true, Action::HiddenCommandWindow},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.command);
        const std::size_t index = CommandIndex(r.command);
        ASSERT_LT(index, commandListSize);
        EXPECT_EQ(CommandHasConfiguration(static_cast<int>(index)), r.enabled);
        EXPECT_EQ(CommandConfigurationAction(static_cast<int>(index)), r.action);
    }
}

TEST(CommandHelp, EnabledExactlyWhereThereIsSomethingToShow)
{
    for (int index = 0; index < static_cast<int>(commandListSize); ++index) {
        SCOPED_TRACE(commandList()[index].text);
        EXPECT_EQ(CommandHasConfiguration(index),
                  CommandConfigurationAction(index) != Action::NoFurtherOptions);
    }
}

TEST(CommandHelp, NoSelectionHasNoOptions)
{
    for (const int index : {-1, static_cast<int>(commandListSize)}) {
        EXPECT_FALSE(CommandHasConfiguration(index));
        EXPECT_EQ(CommandConfigurationAction(index), Action::NoFurtherOptions);
    }
}

} // namespace
} // namespace pagoranto
