#include "core/templates/templatecompanions.h"
#include "core/text/linefile.h"
#include "tests/support/gtesthelpers.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class TemplateCompanionsTest : public testing::ScratchDirectoryTest {
protected:
    void SetUp() override { fs::create_directories(m_dir / "layouts"); }

    fs::path Template() const { return m_dir / "layouts" / "gallery.html"; }
    fs::path Fallback() const { return m_dir / "descriptionempty.txt"; }
};

TEST_F(TemplateCompanionsTest, CompanionsShareTheTemplatesName)
{
    EXPECT_EQ(DescriptionPath(Template()), m_dir / "layouts" / "gallery.txt");
    EXPECT_EQ(NeededFilesListPath(m_dir / "index.htm"), m_dir / "index.nef");
}

TEST_F(TemplateCompanionsTest, DescriptionFallsBackAndIsCutAndFreeOfCarriageReturns)
{
    EXPECT_EQ(LoadTemplateDescription(Template(), Fallback()).text, "") << "neither file exists";
    std::ofstream(Fallback(), std::ios::binary) << "No description yet.\r\n";
    EXPECT_EQ(LoadTemplateDescription(Template(), Fallback()).text, "No description yet.");

    std::ofstream(DescriptionPath(Template()), std::ios::binary) << "Gr\xFC\xDF"
                                                                    "e\r\n"
                                                                 << std::string(5000, 'x');
    const std::string text = LoadTemplateDescription(Template(), Fallback()).text;
    EXPECT_EQ(text.substr(0, 8), "Gr\xC3\xBC\xC3\x9F"
                                 "e\n")
        << "Windows-1252 read as such";
    EXPECT_EQ(text.size(), 4000u + 2u) << "4000 characters, two of them two bytes long";
}

TEST_F(TemplateCompanionsTest, DescriptionAndNeededFilesAreSavedAsLineFiles)
{
    ASSERT_TRUE(SaveTemplateDescription(Template(), "first\nsecond"));
    EXPECT_EQ(ReadFileBytes(DescriptionPath(Template())), "first\r\nsecond\r\n");
    EXPECT_EQ(LoadTemplateDescription(Template(), Fallback()).text, "first\nsecond");

    ASSERT_TRUE(SaveNeededFiles(Template(), {"style.css", "logo.gif"}));
    EXPECT_EQ(LoadNeededFiles(NeededFilesListPath(Template())),
              (ByteLines{"style.css", "logo.gif"}));
    ASSERT_TRUE(SaveNeededFiles(Template(), {}));
    EXPECT_EQ(ReadFileBytes(NeededFilesListPath(Template())), "") << "a cleared list is empty";
    EXPECT_FALSE(SaveNeededFiles(m_dir / "missing" / "t.html", {"a"}));
}

TEST_F(TemplateCompanionsTest, SavingWhatWasLoadedLeavesTheFileAsItWas)
{
    for (const std::string bytes :
         {"first\r\nsecond\r\n", "ends in an empty line\r\n\r\n", "\r\n\r\n", ""}) {
        std::ofstream(DescriptionPath(Template()), std::ios::binary | std::ios::trunc) << bytes;
        for (int save = 0; save < 2; ++save) {
            const DecodedText loaded = LoadWholeTemplateDescription(Template());
            ASSERT_TRUE(SaveTemplateDescription(Template(), loaded.text));
            EXPECT_EQ(ReadFileBytes(DescriptionPath(Template())), bytes) << "save " << save;
        }
    }
}

TEST_F(TemplateCompanionsTest, DescriptionKnowsTheEncodingItWasReadIn)
{
    std::ofstream(DescriptionPath(Template()), std::ios::binary) << "K\xF6ln\r\n";
    EXPECT_EQ(LoadWholeTemplateDescription(Template()).encoding, FileEncoding::windows1252);
    EXPECT_EQ(LoadTemplateDescription(Template(), Fallback()).encoding, FileEncoding::windows1252);

    // The fallback text becomes the template's own description, a new file.
    std::filesystem::remove(DescriptionPath(Template()));
    std::ofstream(Fallback(), std::ios::binary) << "Keine Beschreibung f\xFCr dieses Layout.\r\n";
    const DecodedText fallback = LoadTemplateDescription(Template(), Fallback());
    EXPECT_EQ(fallback.text, "Keine Beschreibung f\xC3\xBCr dieses Layout.");
    EXPECT_EQ(fallback.encoding, FileEncoding::utf8);
}

TEST_F(TemplateCompanionsTest, OnlyFilesBesideTheTemplateMayBeNeeded)
{
    EXPECT_TRUE(LiesInTemplateDirectory(Template(), m_dir / "layouts" / "logo.gif"));
    EXPECT_TRUE(LiesInTemplateDirectory(Template(), m_dir / "layouts" / "." / "logo.gif"));
    EXPECT_FALSE(LiesInTemplateDirectory(Template(), m_dir / "logo.gif"));
    EXPECT_FALSE(LiesInTemplateDirectory(Template(), m_dir / "layouts" / "img" / "logo.gif"));
}

} // namespace
} // namespace pagoranto
