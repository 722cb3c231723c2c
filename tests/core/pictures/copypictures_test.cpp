#include "core/pictures/bulkrename.h"
#include "core/pictures/copyname.h"
#include "core/pictures/copypictures.h"
#include "core/pictures/copysummary.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/exiforientation.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/resizejpeg.h"
#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using testing::ScratchDirectory;

CopyNameOptions Naming(CopyNaming naming, std::string text,
                       CopyLetterCase letterCase = CopyLetterCase::unchanged, int length = 4)
{
    return CopyNameOptions{naming, std::move(text), letterCase, length};
}

TEST(BuildCopyName, EveryNamingAndCase)
{
    struct Row {
        const char *name;
        CopyNameOptions options;
        int number;
        const char *expected;
    };
    const Row rows[] = {
        {"original", Naming(CopyNaming::original, "x"), 7, "Testname.jpg"},
        {"textBase", Naming(CopyNaming::textBase, "Prename_"), 7, "Prename_Testname.jpg"},
        {"baseText", Naming(CopyNaming::baseText, "_Postname"), 7, "Testname_Postname.jpg"},
        {"textNumber", Naming(CopyNaming::textNumber, "NEW_"), 1, "NEW_0001.jpg"},
        {"numberText", Naming(CopyNaming::numberText, "_NEW"), 12, "0012_NEW.jpg"},
        {"longNumber", Naming(CopyNaming::textNumber, "N", CopyLetterCase::unchanged, 2), 12345,
         "N12345.jpg"},
        {"lower", Naming(CopyNaming::textBase, "AB", CopyLetterCase::lower), 0, "abtestname.jpg"},
        {"upper", Naming(CopyNaming::baseText, "x", CopyLetterCase::upper), 0, "TESTNAMEX.jpg"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(BuildCopyName("Testname", row.options, row.number), row.expected) << row.name;

    EXPECT_EQ(BuildCopyName(CopyBaseName("holiday.JPEG"),
                            Naming(CopyNaming::original, "", CopyLetterCase::upper), 0),
              "HOLIDAY.jpg");
    EXPECT_EQ(CopyBaseName("a.b.jpg"), "a.b");
    EXPECT_EQ(CopyBaseName("noextension"), "noextension");
}

TEST(BuildCopyName, CaseChangesUmlautsInBothEncodingsAndNothingElse)
{
    EXPECT_EQ(DowncaseFileName("\xC3\x84pfel \xC3\x96L \xC3\x9C\xC3\x89.JPG"),
              "\xC3\xA4pfel \xC3\xB6l \xC3\xBC\xC3\x89.jpg");
    EXPECT_EQ(DowncaseFileName("\xC4\xD6\xDC"), "\xE4\xF6\xFC");
    EXPECT_EQ(UpcaseFileName("gr\xC3\xB6\xC3\x9F"
                             "e"),
              "GR\xC3\x96\xC3\x9F"
              "E");
    EXPECT_EQ(UpcaseFileName("\xE4x"), "\xC4X");
}

TEST(CopyNumber, FormatsStepsAndKeepsItsRange)
{
    EXPECT_EQ(FormatCopyNumber(0, 4), "0000");
    EXPECT_EQ(FormatCopyNumber(3, 1), "3");
    EXPECT_EQ(FormatCopyNumber(99999999, 8), "99999999");
    EXPECT_EQ(StepCopyNumber(0, 1), 1);
    EXPECT_EQ(StepCopyNumber(5, -100), 1);
    EXPECT_EQ(StepCopyNumber(99999990, 100), 99999999);
    EXPECT_TRUE(IsCopyNameText("NEW_-09az"));
    EXPECT_FALSE(IsCopyNameText("../x"));
    EXPECT_FALSE(IsCopyNameText("a b"));
    EXPECT_FALSE(IsCopyNameText(std::string(21, 'a')));
}

TEST(ResizedSize, LandscapeTakesTheWidthOthersTheHeight)
{
    EXPECT_EQ(ResizedSize({3000, 2000}, 640, 480), (PixelSize{640, 427}));
    EXPECT_EQ(ResizedSize({2000, 3000}, 640, 480), (PixelSize{320, 480}));
    EXPECT_EQ(ResizedSize({1000, 1000}, 640, 480), (PixelSize{480, 480}));
    EXPECT_EQ(ResizedSize({1250, 1000}, 640, 480), (PixelSize{640, 512}));
    EXPECT_EQ(ResizedSize({100, 50}, 1024, 768), (PixelSize{1024, 512}));
    // 2 / (4/3) = 1.5 and 6 / (4/3) = 4.5 go to the even neighbours 2 and 4.
    EXPECT_EQ(ResizedSize({4, 3}, 2, 2), (PixelSize{2, 2}));
    EXPECT_EQ(ResizedSize({4, 3}, 6, 6), (PixelSize{6, 4}));
    EXPECT_EQ(ResizedSize({10000, 1}, 640, 480), (PixelSize{640, 1}));
}

class CopyFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(pictures());
        std::filesystem::create_directory(destination());
    }
    std::filesystem::path pictures() const { return m_dir.path() / "pictures"; }
    std::filesystem::path destination() const { return m_dir.path() / "copies"; }
    void AddPicture(const std::string &name, int width, int height, int orientation = 1)
    {
        const std::string jpeg =
            testing::EncodePicture(testing::RedOverBluePicture(width, height), {.quality = 90})
                .jpeg;
        ASSERT_TRUE(
            WriteFileBytes(pictures() / name, testing::WithExifOrientation(jpeg, orientation)));
    }
    ScratchDirectory m_dir;
};

TEST_F(CopyFolder, ResizeGivesTheBoxSizeUpright)
{
    AddPicture("wide.jpg", 300, 200);
    AddPicture("turned.jpg", 300, 200, 6); // displayed 200 x 300
    const ResizeOptions options{64, 48, 70, true};
    ResizeResult wide = ResizeJpegFile(pictures() / "wide.jpg", destination() / "w.jpg", options);
    ASSERT_TRUE(wide.ok) << wide.error;
    EXPECT_EQ(ReadPictureSize(destination() / "w.jpg"), (PixelSize{64, 43}));
    EXPECT_EQ(ReadPictureSize(destination() / "w.jpg"), wide.size);

    ASSERT_TRUE(ResizeJpegFile(pictures() / "turned.jpg", destination() / "t.jpg", options).ok);
    EXPECT_EQ(ReadPictureSize(destination() / "t.jpg"), (PixelSize{32, 48}));
    EXPECT_EQ(ReadExifOrientation(destination() / "t.jpg"), 1);
    // Turned 90 degrees clockwise, the red top half is now on the right.
    const RgbImage copy = *DecodeJpegFile(destination() / "t.jpg").image;
    EXPECT_GT(copy.rgb[(10 * 32 + 30) * 3], 200);
    EXPECT_LT(copy.rgb[(10 * 32 + 1) * 3], 60);

    // Enlarging is allowed.
    ASSERT_TRUE(
        ResizeJpegFile(pictures() / "wide.jpg", destination() / "big.jpg", {600, 600, 50, false})
            .ok);
    EXPECT_EQ(ReadPictureSize(destination() / "big.jpg"), (PixelSize{600, 400}));
}

TEST_F(CopyFolder, ResizeRefusesBadBoxesAndNonPictures)
{
    AddPicture("a.jpg", 30, 20);
    EXPECT_EQ(ResizeJpeg(pictures() / "a.jpg", {0, 480, 70, false}).error, "Invalid Width");
    EXPECT_EQ(ResizeJpeg(pictures() / "a.jpg", {640, -1, 70, false}).error, "Invalid Height");
    EXPECT_EQ(ResizeJpeg(pictures() / "a.jpg", {0, 0, 70, false}).error, "Invalid Width");
    ASSERT_TRUE(WriteFileBytes(pictures() / "bad.jpg", testing::DamagedJpeg()));
    EXPECT_FALSE(ResizeJpeg(pictures() / "bad.jpg", {640, 480, 70, false}).ok);
    EXPECT_FALSE(ResizeJpeg(pictures() / "missing.jpg", {640, 480, 70, false}).ok);
}

TEST_F(CopyFolder, NumberingContinuesAcrossRunsAndAfterReset)
{
    for (const char *name : {"c.jpg", "a.jpg", "b.jpg"})
        AddPicture(name, 16, 16);
    CopyJob job{pictures(),
                destination(),
                {"c.jpg", "a.jpg", "b.jpg"},
                Naming(CopyNaming::textNumber, "NEW_"),
                false,
                std::nullopt};
    int copyNumber = 0;
    std::vector<std::string> names;
    std::vector<int> numbers;
    CopyEvents events;
    events.started = [&](int, int number, const std::string &name) {
        names.push_back(name);
        numbers.push_back(number);
    };
    CopyPictures(job, copyNumber, events);
    EXPECT_EQ(names, (std::vector<std::string>{"NEW_0001.jpg", "NEW_0002.jpg", "NEW_0003.jpg"}));
    EXPECT_EQ(copyNumber, 3);
    for (const std::string &name : names)
        EXPECT_TRUE(std::filesystem::exists(destination() / name)) << name;

    job.pictures = {"a.jpg"};
    CopyPictures(job, copyNumber, events);
    EXPECT_EQ(names.back(), "NEW_0004.jpg");

    copyNumber = 1; // "Reset"
    CopyPictures(job, copyNumber, events);
    EXPECT_EQ(names.back(), "NEW_0002.jpg");

    // Names that need no number leave it alone.
    job.naming = Naming(CopyNaming::original, "");
    CopyPictures(job, copyNumber, events);
    EXPECT_EQ(copyNumber, 2);
    EXPECT_EQ(names.back(), "a.jpg");
}

TEST_F(CopyFolder, ExistingCopiesAreKeptUnlessOverwriteIsOn)
{
    AddPicture("a.jpg", 40, 30);
    ASSERT_TRUE(WriteFileBytes(destination() / "a.jpg", "keep me"));
    CopyJob job{pictures(), destination(),
                {"a.jpg"},  Naming(CopyNaming::original, ""),
                false,      ResizeOptions{20, 20, 70, false}};
    std::vector<CopyOutcome> outcomes;
    std::vector<int> resized;
    CopyEvents events;
    events.resizing = [&](int index) { resized.push_back(index); };
    std::vector<int> encoded;
    events.encoding = [&](int, int percent) { encoded.push_back(percent); };
    events.finished = [&](int, const std::filesystem::path &, CopyOutcome outcome,
                          const std::string &) { outcomes.push_back(outcome); };
    int number = 0;
    CopyPictures(job, number, events);
    EXPECT_EQ(outcomes.back(), CopyOutcome::existing);
    EXPECT_TRUE(resized.empty());
    EXPECT_EQ(*ReadFileBytes(destination() / "a.jpg"), "keep me");

    job.overwrite = true;
    CopyPictures(job, number, events);
    EXPECT_EQ(outcomes.back(), CopyOutcome::resized);
    EXPECT_EQ(resized, std::vector<int>{0});
    ASSERT_FALSE(encoded.empty());
    EXPECT_TRUE(std::is_sorted(encoded.begin(), encoded.end()));
    EXPECT_EQ(encoded.back(), 100);
    EXPECT_EQ(ReadPictureSize(destination() / "a.jpg"), (PixelSize{20, 15}));
    // A copy never takes the place of its own original, whatever overwrite says.
    const std::string original = *ReadFileBytes(pictures() / "a.jpg");
    CopyJob same{pictures(), pictures(),
                 {"a.jpg"},  Naming(CopyNaming::original, ""),
                 true,       ResizeOptions{20, 20, 70, false}};
    CopyPictures(same, number, events);
    EXPECT_EQ(outcomes.back(), CopyOutcome::failed);
    EXPECT_EQ(*ReadFileBytes(pictures() / "a.jpg"), original);

    // No temporary files are left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(destination()), {}), 1);
}

TEST_F(CopyFolder, PlainCopiesKeepThePhotoAndStandUpright)
{
    AddPicture("plain.jpg", 40, 30);
    AddPicture("turned.jpg", 40, 30, 8);
    ASSERT_TRUE(WriteFileBytes(pictures() / "damaged.jpg", testing::DamagedJpeg()));
    ASSERT_TRUE(WriteFileBytes(pictures() / "x$.jpg", "not a jpeg at all"));
    CopyJob job{pictures(),
                destination(),
                {"plain.jpg", "turned.jpg", "damaged.jpg", "x$.jpg", "missing.jpg", "../plain.jpg"},
                Naming(CopyNaming::original, ""),
                false,
                std::nullopt};
    std::vector<CopyOutcome> outcomes;
    CopyEvents events;
    events.finished = [&](int, const std::filesystem::path &, CopyOutcome outcome,
                          const std::string &) { outcomes.push_back(outcome); };
    int number = 0;
    CopyPictures(job, number, events);
    EXPECT_EQ(outcomes, (std::vector<CopyOutcome>{CopyOutcome::copied, CopyOutcome::copied,
                                                  CopyOutcome::unreadable, CopyOutcome::unreadable,
                                                  CopyOutcome::failed, CopyOutcome::failed}));
    EXPECT_EQ(*ReadFileBytes(destination() / "plain.jpg"),
              *ReadFileBytes(pictures() / "plain.jpg"));
    EXPECT_EQ(ReadPictureSize(destination() / "turned.jpg"), (PixelSize{30, 40}));
    EXPECT_EQ(ReadExifOrientation(destination() / "turned.jpg"), 1);
    EXPECT_EQ(*ReadFileBytes(destination() / "x$.jpg"), "not a jpeg at all");
    EXPECT_EQ(*ReadFileBytes(destination() / "damaged.jpg"), testing::DamagedJpeg());
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "plain.jpg"));
}

TEST_F(CopyFolder, CopiesWhoseNamesClashGetANumber)
{
    for (const char *name : {"a.jpg", "a.JPG", "a (2).jpg", "a.jpeg", "b.jpg"})
        AddPicture(name, 16, 16);
    ASSERT_TRUE(WriteFileBytes(destination() / "b.jpg", "there before"));
    CopyJob job{pictures(),
                destination(),
                {"a.jpg", "a.JPG", "a (2).jpg", "a.jpeg", "b.jpg"},
                Naming(CopyNaming::original, ""),
                false,
                std::nullopt};
    std::vector<std::string> renamed;
    std::vector<CopyOutcome> outcomes;
    CopyEvents events;
    events.renamed = [&](int index, const std::string &clashing, const std::string &name) {
        renamed.push_back(std::to_string(index) + ":" + clashing + ">" + name);
    };
    events.finished = [&](int, const std::filesystem::path &, CopyOutcome outcome,
                          const std::string &) { outcomes.push_back(outcome); };
    int number = 0;
    CopyPictures(job, number, events);
    // "a (2).jpg" is another picture's own name, so the clashes skip it.
    EXPECT_EQ(renamed, (std::vector<std::string>{"1:a.jpg>a (3).jpg", "3:a.jpg>a (4).jpg"}));
    EXPECT_EQ(*ReadFileBytes(destination() / "a (3).jpg"), *ReadFileBytes(pictures() / "a.JPG"));
    EXPECT_EQ(*ReadFileBytes(destination() / "a (2).jpg"),
              *ReadFileBytes(pictures() / "a (2).jpg"));
    EXPECT_EQ(*ReadFileBytes(destination() / "a (4).jpg"), *ReadFileBytes(pictures() / "a.jpeg"));
    // A file that was there before the run is no clash: it is left alone.
    EXPECT_EQ(outcomes.back(), CopyOutcome::existing);
    EXPECT_EQ(*ReadFileBytes(destination() / "b.jpg"), "there before");

    // Letter case made equal clashes as well; a second run finds the same names.
    job.pictures = {"a.jpg", "a.JPG"};
    job.naming = Naming(CopyNaming::original, "", CopyLetterCase::upper);
    const std::vector<PlannedCopy> plan = PlanCopies(job, number);
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[1].newName, "A (2).jpg");
    EXPECT_EQ(plan[1].clashingName, "A.jpg");
    EXPECT_TRUE(plan[0].clashingName.empty());
}

TEST(CopyEndMessage, NamesWhatWentWrong)
{
    EXPECT_EQ(CopyEndMessage({}), "All files copied !");
    CopySummary summary;
    summary.Add({"a.jpg", "a.jpg", 0, {}}, CopyOutcome::copied);
    summary.Add({"b.JPG", "b (2).jpg", 0, "b.jpg"}, CopyOutcome::resized);
    summary.Add({"c.jpg", "c.jpg", 0, {}}, CopyOutcome::existing);
    EXPECT_EQ(CopyEndMessage(summary),
              "All files copied !\r\r1 copy got a number, as an earlier picture's copy has its "
              "name: b.JPG as b (2).jpg\r\r1 files existed already and were left as they were.");

    summary = {};
    for (const char *name : {"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg", "6.jpg", "7.jpg"})
        summary.Add({name, name, 0, {}}, CopyOutcome::failed);
    summary.Add({"cut.jpg", "cut.jpg", 0, {}}, CopyOutcome::unreadable);
    EXPECT_EQ(CopyEndMessage(summary),
              "7 pictures could not be copied: 1.jpg, 2.jpg, 3.jpg, 4.jpg, 5.jpg and 2 more\r\r"
              "1 picture could not be read and was copied as it is: cut.jpg");
}

TEST_F(CopyFolder, RenamesNeverReplaceAnotherFile)
{
    for (const char *name : {"A.jpeg", "b.JPE", "b.jpg", "C.JPG", "c.jpg", "\xC3\x84.jpg"})
        ASSERT_TRUE(WriteFileBytes(pictures() / name, name));
    RenameOutcome extensions =
        RenameListedFiles(pictures(), {"A.jpeg", "b.JPE", "b.jpg"}, JpgExtensionName);
    EXPECT_EQ(extensions.renamed, 1);
    EXPECT_EQ(extensions.refused, std::vector<std::string>{"b.JPE"});
    EXPECT_EQ(*ReadFileBytes(pictures() / "b.jpg"), "b.jpg");
    EXPECT_EQ(*ReadFileBytes(pictures() / "A.jpg"), "A.jpeg");

    RenameOutcome lower =
        RenameListedFiles(pictures(), {"A.jpg", "C.JPG", "c.jpg", "\xC3\x84.jpg"},
                          [](const std::string &name) { return DowncaseFileName(name); });
    EXPECT_EQ(lower.renamed, 2);
    EXPECT_EQ(lower.refused, std::vector<std::string>{"C.JPG"});
    EXPECT_TRUE(std::filesystem::exists(pictures() / "a.jpg"));
    EXPECT_TRUE(std::filesystem::exists(pictures() / "\xC3\xA4.jpg"));
    EXPECT_EQ(*ReadFileBytes(pictures() / "c.jpg"), "c.jpg");
}

TEST_F(CopyFolder, DescriptionWindowLoadsTheFirstDescFileOrEmpties)
{
    DescriptionStore store;
    store.SetLines({"old.jpg|from another directory"});
    store.LoadFromDirectory(pictures());
    EXPECT_TRUE(store.lines().empty());

    ASSERT_TRUE(WriteFileBytes(pictures() / "b.desc", "b.jpg|b\r\n"));
    ASSERT_TRUE(WriteFileBytes(pictures() / "A.DESC", "a.jpg|a\r\n"));
    store.LoadFromDirectory(pictures());
    EXPECT_EQ(store.lines(), ByteLines{"a.jpg|a"});
}

} // namespace
} // namespace pagoranto
