#include "core/options/windowcontrols.h"
#include "core/text/linefile.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

class WindowControlsTest : public ::testing::Test {
protected:
    bool Set(std::string_view name, std::string_view text)
    {
        return SetWindowControl({settings, formats}, name, text);
    }

    GallerySettings settings;
    DateTimeFormats formats;
};

TEST_F(WindowControlsTest, ControlsAreDecodedAsTheirOptionFilesDecodeThem)
{
    EXPECT_TRUE(Set("HeaderUse", "1"));
    EXPECT_TRUE(settings.headerFooter.HeaderUse);
    EXPECT_TRUE(Set("HeaderUse", "yes"));
    EXPECT_FALSE(settings.headerFooter.HeaderUse) << "only \"1\" checks a box";

    EXPECT_TRUE(Set("ScrollBar4", "9"));
    EXPECT_EQ(settings.pageNames.ScrollBar4, 7) << "clamped to the control's range";
    EXPECT_TRUE(Set("ScrollBar4", "x"));
    EXPECT_EQ(settings.pageNames.ScrollBar4, 7) << "no digits: unchanged";
    EXPECT_TRUE(Set("RadioGroup2", "1"));
    EXPECT_EQ(settings.hidden.RadioGroup2, 1);
    EXPECT_TRUE(Set("AspectRatioBox", "5"));
    EXPECT_EQ(settings.special.aspectRatioBox, AspectRatioBox::x640480);

    EXPECT_TRUE(Set("Edit2", "https://example.org/a b"));
    EXPECT_EQ(settings.hidden.Edit2, "https://example.org/a b");
    EXPECT_TRUE(Set("DateSeparator", "."));
    EXPECT_EQ(formats.dateSeparator, '.');
    EXPECT_TRUE(Set("TimeSeparator", ""));
    EXPECT_EQ(formats.timeSeparator, '\0');
    EXPECT_TRUE(Set("ShortDateFormat", "dd.mm.yyyy"));
    EXPECT_EQ(formats.shortDateFormat, "dd.mm.yyyy");
}

TEST_F(WindowControlsTest, UnknownNamesAreRefusedAndChangeNothing)
{
    EXPECT_FALSE(Set("headeruse", "1")) << "names are the controls' own, with their case";
    EXPECT_FALSE(Set("PAGN", "x")) << "stored options come from their files";
    EXPECT_FALSE(settings.headerFooter.HeaderUse);
    EXPECT_FALSE(IsWindowOnlyControl(""));
}

TEST_F(WindowControlsTest, EveryControlIsSettableAndListedWithItsDefaultInTheReadme)
{
    const std::string readme =
        ReadFileBytes(std::string(PAGORANTO_SOURCE_DIR) + "/README.md").value_or("");
    ASSERT_FALSE(readme.empty());
    for (const WindowControl &control : WindowOnlyControls()) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_TRUE(IsWindowOnlyControl(control.name));
        EXPECT_NE(readme.find("| `" + std::string(control.name) + "` |"), std::string::npos);
        GallerySettings fresh;
        DateTimeFormats freshFormats;
        EXPECT_TRUE(SetWindowControl({fresh, freshFormats}, control.name, control.initial));
    }
}

} // namespace
} // namespace pagoranto
