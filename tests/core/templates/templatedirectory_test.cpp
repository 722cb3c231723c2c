#include "core/templates/templatecompanions.h"
#include "core/templates/templatedirectory.h"
#include "tests/support/gtesthelpers.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

class TemplateDirectoryTest : public testing::ScratchDirectoryTest {
protected:
    void Write(const std::string &name, const std::string &content = "x")
    {
        std::ofstream(m_dir / name, std::ios::binary) << content;
    }
};

TEST_F(TemplateDirectoryTest, NonEmptyNeededListWithTheExactBaseNameMovesATemplate)
{
    Write("gallery.html");
    Write("gallery.nef", ""); // an empty list needs nothing
    Write("Frames.html");
    Write("frames.nef", "style.css\r\n"); // base names compare with case
    Write("index.htm");
    Write("index.html");
    Write("index.nef", "logo.gif\r\n"); // shared by both
    Write("Upper.HTM");
    Write("Upper.NEF", "a.css\r\n");
    Write("notes.txt");
    Write("page.xhtml"); // not "*.htm*"
    fs::create_directory(m_dir / "folder.html");

    const TemplateDirectoryScan scan = ScanTemplateDirectory(m_dir);
    EXPECT_EQ(scan.normaltemplatelist, (Names{"Frames.html", "gallery.html"}));
    EXPECT_EQ(scan.neededfiletemplatelist, (Names{"index.htm", "index.html", "Upper.HTM"}));
}

TEST_F(TemplateDirectoryTest, ClearedListSendsTheTemplateBackOnTheNextScan)
{
    Write("mytemplate.html");
    ASSERT_TRUE(SaveNeededFiles(m_dir / "mytemplate.html", {"logo.gif"}));
    EXPECT_EQ(ScanTemplateDirectory(m_dir).neededfiletemplatelist, Names{"mytemplate.html"});

    ASSERT_TRUE(SaveNeededFiles(m_dir / "mytemplate.html", {}));
    EXPECT_EQ(fs::file_size(m_dir / "mytemplate.nef"), 0u);
    const TemplateDirectoryScan scan = ScanTemplateDirectory(m_dir);
    EXPECT_EQ(scan.normaltemplatelist, Names{"mytemplate.html"});
    EXPECT_TRUE(scan.neededfiletemplatelist.empty());
}

TEST_F(TemplateDirectoryTest, MissingDirectoryAndTrailingSeparator)
{
    const TemplateDirectoryScan scan = ScanTemplateDirectory(m_dir / "missing");
    EXPECT_TRUE(scan.normaltemplatelist.empty());
    EXPECT_TRUE(scan.neededfiletemplatelist.empty());
    EXPECT_EQ(WithTrailingSeparator("/a/layouts"), "/a/layouts/");
    EXPECT_EQ(WithTrailingSeparator("/a/layouts/"), "/a/layouts/");
    EXPECT_EQ(WithTrailingSeparator(""), "/");
}

} // namespace
} // namespace pagoranto
