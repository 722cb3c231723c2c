#include "core/generator/webpictures.h"
#include "core/options/thumbnailoptionsfile.h"
#include "core/pictures/jpegdecoder.h"
#include "core/pictures/jpegencoder.h"
#include "core/pictures/progressivedcdecoder.h"
#include "core/text/linefile.h"
#include "core/thumbnailer/thumbnailerlink.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"
#include "thumbnailer/thumbnailrun.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>

namespace pagoranto {
namespace {

namespace fs = std::filesystem;

class ThumbnailRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        work = root / "program" / "thumbnailer";
        pictures = root / "gallery" / "pics";
        fs::create_directories(work);
        fs::create_directories(pictures);
        values.destinationDir = (root / "gallery").string() + "/";
        values.pictureRelPath = "pics";
        values.options.ScrollBar2 = 160;
        values.options.ScrollBar3 = 120;
        values.options.ScrollBar1 = 80;
        WriteLineFile(flag(), {"PagorantoThumbNailerActive"});
    }

    fs::path flag() const { return work / "PagorantoActive.txt"; }
    fs::path thumbnailOf(const std::string &name) const
    {
        return root / "gallery" / values.options.thumbdir / name;
    }

    // A colourful picture, so that a grey thumbnail cannot be grey by accident.
    fs::path makePicture(const std::string &name, int width, int height)
    {
        const RgbImage image =
            testing::GradientPicture(width, height, {.blue = 200, .fullRange = false});
        const fs::path path = pictures / name;
        EXPECT_TRUE(EncodeJpegFile(path, ViewOf(image)));
        return path;
    }
    void writeInputs(const std::vector<fs::path> &list)
    {
        ASSERT_TRUE(WriteThumbnailerOptions(work / "mtoptions.cfg", values));
        ByteLines lines;
        for (const fs::path &path : list)
            lines.push_back(path.string());
        ASSERT_TRUE(WriteLineFile(work / "filelist.dat", lines));
    }
    void replaceOptionLine(std::size_t index, const std::string &line)
    {
        ByteLines lines = ReadLineFile(work / "mtoptions.cfg").value();
        lines.at(index) = line;
        ASSERT_TRUE(WriteLineFile(work / "mtoptions.cfg", lines));
    }

    testing::ScratchDirectory scratch;
    const fs::path root = scratch.path();
    fs::path work;
    fs::path pictures;
    ThumbnailerFile values;
};

TEST_F(ThumbnailRunTest, EveryPictureGetsAThumbnailOfTheSetSizeInANewDirectory)
{
    const fs::path wide = makePicture("wide.jpg", 1200, 800);
    const fs::path tall = makePicture("TALL.JPG", 300, 900);
    const fs::path tiny = makePicture("tiny.jpg", 30, 20);
    const std::string before = ReadFileBytes(wide).value();
    writeInputs({wide, tall, tiny});
    ASSERT_FALSE(fs::exists(root / "gallery" / "thumbnails"));

    const ThumbnailRunReport report = MakeThumbnails(work, {.threadCount = 2});

    EXPECT_TRUE(report.allMade());
    EXPECT_EQ(report.made, 3u);
    for (const char *name : {"wide.jpg", "TALL.JPG", "tiny.jpg"})
        EXPECT_EQ(ReadPictureSize(thumbnailOf(name)), (PixelSize{160, 120})) << name;
    EXPECT_EQ(ReadFileBytes(wide).value(), before);
    EXPECT_FALSE(fs::exists(flag()));
}

TEST_F(ThumbnailRunTest, APhotoStoredTurnedIsThumbnailedAsDisplayed)
{
    // Orientation 6: the stored top (red) is shown on the right.
    const fs::path picture = pictures / "turned.jpg";
    const std::string jpeg = testing::EncodePicture(testing::RedOverBluePicture(400, 200)).jpeg;
    ASSERT_TRUE(WriteFileBytes(picture, testing::WithExifOrientation(jpeg, 6)));
    writeInputs({picture});
    ASSERT_TRUE(MakeThumbnails(work).allMade());

    const JpegDecodeResult thumbnail = DecodeJpegFile(thumbnailOf("turned.jpg"));
    ASSERT_TRUE(thumbnail);
    const auto red = [&](int x, int y) {
        const std::uint8_t *pixel = &thumbnail.image->rgb[(std::size_t(y) * 160 + x) * 3];
        return pixel[0] > 200 && pixel[2] < 60;
    };
    EXPECT_TRUE(red(95, 60));
    EXPECT_FALSE(red(65, 60));
}

// Progressive photos thumbnailed at one eighth or less skip most of their scans, yet give the
// same thumbnail as decoding every scan; larger thumbnails decode every scan anyway.
TEST_F(ThumbnailRunTest, ProgressivePhotosGiveTheThumbnailsOfTheirFullDecode)
{
    const struct {
        const char *name;
        int width;
        int height;
        int orientation;
    } rows[] = {
        {"eighth.jpg", 1603, 1201, 1},
        {"eighthTurned.jpg", 1201, 1603, 6},
        {"quarter.jpg", 900, 701, 8},
    };
    const RgbImage photo = testing::NoisePicture(1603, 1603);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        RgbImage picture{row.width, row.height, {}};
        for (int y = 0; y < row.height; ++y) {
            const auto from = photo.rgb.begin() + std::ptrdiff_t(y) * photo.width * 3;
            picture.rgb.insert(picture.rgb.end(), from, from + std::ptrdiff_t(row.width) * 3);
        }
        const JpegEncodeResult encoded = testing::EncodePicture(picture, {.progressive = true});
        ASSERT_TRUE(encoded);
        const fs::path path = pictures / row.name;
        ASSERT_TRUE(
            WriteFileBytes(path, testing::WithExifOrientation(encoded.jpeg, row.orientation)));
        ASSERT_TRUE(DecodeProgressiveDcFile(path));
        const fs::path dc = root / (std::string("dc-") + row.name);
        const fs::path all = root / (std::string("all-") + row.name);
        EXPECT_EQ(MakeThumbnail(path, dc, values.options), std::nullopt);
        EXPECT_EQ(MakeThumbnail(path, all, values.options, {}, false), std::nullopt);
        EXPECT_EQ(ReadPictureSize(dc), (PixelSize{160, 120}));
        EXPECT_EQ(ReadFileBytes(dc).value(), ReadFileBytes(all).value());
    }
}

TEST_F(ThumbnailRunTest, GreyThumbnailsHaveEqualChannels)
{
    values.options.CheckBox1 = true;
    values.options.Drei3d_check = true;
    values.options.RadioGroup2 = 3;
    writeInputs({makePicture("a.jpg", 640, 480)});
    ASSERT_TRUE(MakeThumbnails(work).allMade());
    const JpegDecodeResult thumbnail = DecodeJpegFile(thumbnailOf("a.jpg"));
    ASSERT_TRUE(thumbnail);
    const std::vector<std::uint8_t> &rgb = thumbnail.image->rgb;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        ASSERT_TRUE(rgb[i] == rgb[i + 1] && rgb[i] == rgb[i + 2]) << "pixel " << i / 3;
}

TEST_F(ThumbnailRunTest, DamagedPicturesArePassedOverAndTheOthersStillMade)
{
    const fs::path good = makePicture("good.jpg", 800, 600);
    const std::string bytes = ReadFileBytes(good).value();
    WriteFileBytes(pictures / "noise.jpg", "this is no picture at all");
    WriteFileBytes(pictures / "cut.jpg", bytes.substr(0, 20));
    writeInputs({pictures / "noise.jpg", good, pictures / "missing.jpg", pictures / "cut.jpg"});

    const ThumbnailRunReport report = MakeThumbnails(work);

    EXPECT_FALSE(report.allMade());
    EXPECT_EQ(report.listed, 4u);
    EXPECT_EQ(report.made, 1u);
    ASSERT_EQ(report.problems.size(), 3u);
    EXPECT_NE(report.problems[0].find("noise.jpg"), std::string::npos);
    EXPECT_NE(report.problems[1].find("missing.jpg"), std::string::npos);
    EXPECT_NE(report.problems[2].find("cut.jpg"), std::string::npos);
    EXPECT_TRUE(fs::exists(thumbnailOf("good.jpg")));
    EXPECT_FALSE(fs::exists(thumbnailOf("noise.jpg")));
    EXPECT_FALSE(fs::exists(flag()));
}

TEST_F(ThumbnailRunTest, FlagIsRemovedWhateverTheInputs)
{
    struct Row {
        const char *name;
        bool list;
        const char *options; // nullptr: no file
    };
    const Row rows[] = {
        {"NoFileList", false, "[PAGORANTOTHUMBNAILER]\r\n"},
        {"NoOptions", true, nullptr},
        {"GarbageOptions", true, "\x01\xFF garbage\n\n=="},
        {"EmptyOptions", true, ""},
    };
    const fs::path picture = makePicture("p.jpg", 100, 100);
    for (const Row &row : rows) {
        fs::remove(work / "filelist.dat");
        fs::remove(work / "mtoptions.cfg");
        WriteLineFile(flag(), {"PagorantoThumbNailerActive"});
        if (row.list)
            WriteLineFile(work / "filelist.dat", {picture.string()});
        if (row.options)
            WriteFileBytes(work / "mtoptions.cfg", row.options);
        const ThumbnailRunReport report = MakeThumbnails(work);
        EXPECT_FALSE(report.allMade()) << row.name;
        EXPECT_FALSE(report.problems.empty()) << row.name;
        EXPECT_FALSE(fs::exists(flag())) << row.name;
    }
}

TEST_F(ThumbnailRunTest, ThumbnailsNeverLeaveTheDestinationNorReplaceAPicture)
{
    const fs::path picture = makePicture("p.jpg", 200, 150);
    const std::string before = ReadFileBytes(picture).value();
    struct Row {
        const char *name;
        std::size_t line;
        std::string text;
    };
    const Row rows[] = {
        {"ParentDirectory", 3, "DDIR=../outside/"},
        {"AbsoluteDirectory", 3, "DDIR=" + (root / "outside").string() + "/"},
        {"WindowsParent", 3, "DDIR=..\\outside\\"},
        {"NoDirectory", 3, "DDIR="},
        {"RelativeDestination", 1, "SDIR=gallery/"},
        // The pictures' own directory as the thumbnail directory.
        {"PictureDirectory", 3, "DDIR=pics/"},
    };
    for (const Row &row : rows) {
        writeInputs({picture});
        replaceOptionLine(row.line, row.text);
        const ThumbnailRunReport report = MakeThumbnails(work);
        EXPECT_FALSE(report.allMade()) << row.name;
        EXPECT_EQ(report.made, 0u) << row.name;
        EXPECT_FALSE(fs::exists(root / "outside")) << row.name;
        EXPECT_FALSE(fs::exists(work / "gallery")) << row.name;
        EXPECT_EQ(ReadFileBytes(picture).value(), before) << row.name;
    }
}

TEST_F(ThumbnailRunTest, AThumbnailFolderThatLinksOutsideGetsNothing)
{
    fs::create_directories(root / "outside");
    fs::create_directory_symlink(root / "outside", root / "gallery" / "thumbnails");
    writeInputs({makePicture("p.jpg", 200, 150)});
    const ThumbnailRunReport report = MakeThumbnails(work);
    EXPECT_EQ(report.made, 0u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("link that leads outside"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(root / "outside"));
}

TEST_F(ThumbnailRunTest, WindowsSeparatorsInTheListAreUnderstood)
{
    const fs::path picture = makePicture("win.jpg", 400, 300);
    std::string line = picture.string();
    std::replace(line.begin(), line.end(), '/', '\\');
    writeInputs({});
    WriteFileBytes(work / "filelist.dat", line + "\r\n\r\n");
    const ThumbnailRunReport report = MakeThumbnails(work);
    EXPECT_TRUE(report.allMade());
    EXPECT_EQ(report.listed, 1u);
    EXPECT_TRUE(fs::exists(thumbnailOf("win.jpg")));
}

TEST_F(ThumbnailRunTest, SameFileNameTwiceKeepsTheLaterPictureAndSaysSo)
{
    const fs::path first = makePicture("same.jpg", 400, 300);
    fs::create_directories(pictures / "more");
    const fs::path second = pictures / "more" / "same.jpg";
    fs::copy_file(makePicture("other.jpg", 300, 400), second);
    writeInputs({first, second, second});

    const ThumbnailRunReport report = MakeThumbnails(work);

    EXPECT_EQ(report.made, 2u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find(first.string()), std::string::npos);
    // The portrait picture leaves background at the thumbnail's left and right.
    EXPECT_EQ(ReadPictureSize(thumbnailOf("same.jpg")), (PixelSize{160, 120}));
}

TEST_F(ThumbnailRunTest, ManyPicturesOverManyThreads)
{
    std::vector<fs::path> list;
    for (int i = 0; i < 24; ++i)
        list.push_back(makePicture("p" + std::to_string(i) + ".jpg", 64 + 8 * i, 48 + 4 * i));
    writeInputs(list);
    const ThumbnailRunReport report = MakeThumbnails(work, {.threadCount = 6});
    EXPECT_TRUE(report.allMade());
    for (int i = 0; i < 24; ++i)
        EXPECT_TRUE(fs::exists(thumbnailOf("p" + std::to_string(i) + ".jpg")));
}

TEST_F(ThumbnailRunTest, ASecondRunRemakesOnlyWhatChanged)
{
    const fs::path a = makePicture("a.jpg", 640, 480);
    const fs::path b = makePicture("b.jpg", 480, 640);
    const fs::path c = makePicture("c.jpg", 300, 200);
    writeInputs({a, b, c});
    ASSERT_EQ(MakeThumbnails(work).made, 3u);
    const auto written = [&](const char *name) { return fs::last_write_time(thumbnailOf(name)); };
    const auto firstA = written("a.jpg");

    // Nothing changed: nothing is decoded, nothing written.
    ThumbnailRunReport report = MakeThumbnails(work);
    EXPECT_TRUE(report.allMade());
    EXPECT_EQ(report.made, 0u);
    EXPECT_EQ(report.upToDate, 3u);
    EXPECT_EQ(written("a.jpg"), firstA);

    // A picture touched, another's thumbnail replaced by one the user made: that one is kept.
    fs::last_write_time(b, fs::last_write_time(b) + std::chrono::seconds(2));
    const std::string usersOwn =
        testing::EncodePicture(testing::GradientPicture(64, 48, {.blue = 10})).jpeg;
    ASSERT_TRUE(WriteFileBytes(thumbnailOf("c.jpg"), usersOwn));
    report = MakeThumbnails(work);
    EXPECT_TRUE(report.allMade());
    EXPECT_EQ(report.made, 1u);
    EXPECT_EQ(report.upToDate, 1u);
    EXPECT_EQ(report.keptForeign, 1u);
    EXPECT_EQ(written("a.jpg"), firstA);
    EXPECT_EQ(ReadFileBytes(thumbnailOf("c.jpg")), usersOwn);

    // Another size: our thumbnails again, of that size; the user's still kept.
    values.options.ScrollBar2 = 100;
    writeInputs({a, b, c});
    report = MakeThumbnails(work);
    EXPECT_EQ(report.made, 2u);
    EXPECT_EQ(report.keptForeign, 1u);
    EXPECT_EQ(ReadPictureSize(thumbnailOf("a.jpg")), (PixelSize{100, 120}));
    EXPECT_EQ(ReadFileBytes(thumbnailOf("c.jpg")), usersOwn);

    // Replacing the user's thumbnails is asked for on its own, or with every thumbnail.
    report = MakeThumbnails(work, {.replaceForeign = true});
    EXPECT_EQ(report.made, 1u);
    EXPECT_EQ(report.upToDate, 2u);
    EXPECT_EQ(ReadPictureSize(thumbnailOf("c.jpg")), (PixelSize{100, 120}));
    ASSERT_TRUE(WriteFileBytes(thumbnailOf("c.jpg"), usersOwn));
    report = MakeThumbnails(work, {.remakeAll = true});
    EXPECT_EQ(report.made, 3u);
    EXPECT_EQ(report.upToDate, 0u);
    EXPECT_NE(ReadFileBytes(thumbnailOf("c.jpg")), usersOwn);
}

TEST_F(ThumbnailRunTest, AnUpToDateWebSizeCopyStandsInForThePhoto)
{
    const fs::path blue = pictures / "a.jpg";
    ASSERT_TRUE(EncodeJpegFile(blue, ViewOf(testing::FlatPicture(640, 480, {0, 0, 255}))));
    // A copy that says it was made from the photo, red so that it shows which was decoded.
    fs::create_directories(root / "gallery" / "web");
    const auto copyOfThePhotoAsItIs = [&] {
        JpegEncodeOptions stamped;
        stamped.comment = WebCopyStamp(fs::absolute(blue), fs::file_size(blue),
                                       fs::last_write_time(blue), WebSizeOptions{});
        ASSERT_TRUE(EncodeJpegFile(root / "gallery" / "web" / "a.jpg",
                                   ViewOf(testing::FlatPicture(320, 240, {255, 0, 0})), stamped));
    };
    copyOfThePhotoAsItIs();
    writeInputs({blue});
    const auto centre = [this] {
        const JpegDecodeResult thumbnail = DecodeJpegFile(thumbnailOf("a.jpg"));
        EXPECT_TRUE(thumbnail);
        const RgbImage &image = *thumbnail.image;
        return std::vector<int>(
            image.rgb.begin() + (image.height / 2 * image.width + image.width / 2) * 3,
            image.rgb.begin() + (image.height / 2 * image.width + image.width / 2) * 3 + 3);
    };
    EXPECT_TRUE(MakeThumbnails(work, {.webCopies = "web"}).allMade());
    EXPECT_GT(centre()[0], 200) << "made from the copy";

    // The photo changed since: its copy no longer stands for it.
    fs::last_write_time(blue, fs::last_write_time(blue) + std::chrono::seconds(2));
    EXPECT_EQ(MakeThumbnails(work, {.webCopies = "web"}).made, 1u);
    EXPECT_GT(centre()[2], 200) << "made from the photo";

    // Without the word, or with a name that would leave the destination, the photo is used.
    copyOfThePhotoAsItIs();
    for (const char *folder : {"", "../gallery/web"}) {
        EXPECT_TRUE(MakeThumbnails(work, {.remakeAll = true, .webCopies = folder}).allMade());
        EXPECT_GT(centre()[2], 200) << folder;
    }
}

TEST_F(ThumbnailRunTest, WorksOnlyFromTheHandOverOfTheRunThatStartedIt)
{
    const fs::path a = makePicture("a.jpg", 64, 48);
    writeInputs({a});
    const std::string digest = HandOverDigest(work / "mtoptions.cfg", work / "filelist.dat");
    ASSERT_EQ(digest.size(), 16u);

    // Another run wrote its list meanwhile: nothing is made, and the flag, not ours, stays.
    const fs::path b = makePicture("b.jpg", 64, 48);
    writeInputs({b});
    ThumbnailRunReport report = MakeThumbnails(work, {.handOverDigest = digest});
    EXPECT_EQ(report.made, 0u);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_NE(report.problems[0].find("not those of the run"), std::string::npos);
    EXPECT_FALSE(fs::exists(thumbnailOf("b.jpg")));
    EXPECT_TRUE(fs::exists(flag()));

    report = MakeThumbnails(
        work, {.handOverDigest = HandOverDigest(work / "mtoptions.cfg", work / "filelist.dat")});
    EXPECT_TRUE(report.allMade());
    EXPECT_EQ(report.made, 1u);
    EXPECT_FALSE(fs::exists(flag()));
}

TEST_F(ThumbnailRunTest, ProgressCountsEveryPictureOnce)
{
    std::vector<fs::path> list;
    for (int i = 0; i < 9; ++i)
        list.push_back(makePicture("p" + std::to_string(i) + ".jpg", 80, 60));
    writeInputs(list);
    MakeThumbnails(work);
    fs::last_write_time(list[4], fs::last_write_time(list[4]) + std::chrono::seconds(2));
    std::vector<std::size_t> seen;
    const ThumbnailRunReport report = MakeThumbnails(
        work, {.threadCount = 3, .progress = [&](std::size_t done, std::size_t total) {
                   EXPECT_EQ(total, 9u);
                   seen.push_back(done);
               }});
    EXPECT_EQ(report.made, 1u);
    ASSERT_EQ(seen.size(), 9u);
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], i + 1);
}

int RunProgram(const fs::path &workingDirectory, const std::string &extra = "")
{
    const std::string command = "cd '" + workingDirectory.string() + "' && '" +
                                PAGORANTO_THUMBNAILER + "' '?' 2 3 4 5 1 " + extra + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ThumbnailRunTest, TheProgramMakesThumbnailsAndRemovesTheFlag)
{
    values.options.thumbdir = "tn";
    values.options.ScrollBar2 = 90;
    values.options.ScrollBar3 = 70;
    const fs::path a = makePicture("a.jpg", 1600, 1200);
    const fs::path b = makePicture("b.jpg", 900, 1200);
    writeInputs({a, b});

    EXPECT_EQ(RunProgram(work), 0);
    EXPECT_EQ(ReadPictureSize(thumbnailOf("a.jpg")), (PixelSize{90, 70}));
    EXPECT_EQ(ReadPictureSize(thumbnailOf("b.jpg")), (PixelSize{90, 70}));
    EXPECT_FALSE(fs::exists(flag()));

    // Up to date, so left alone unless every thumbnail is asked for again.
    const auto longAgo = fs::last_write_time(a) - std::chrono::hours(1);
    fs::last_write_time(thumbnailOf("a.jpg"), longAgo);
    EXPECT_EQ(RunProgram(work), 0);
    EXPECT_EQ(fs::last_write_time(thumbnailOf("a.jpg")), longAgo);
    EXPECT_EQ(RunProgram(work, "remake-all"), 0);
    EXPECT_GT(fs::last_write_time(thumbnailOf("a.jpg")), longAgo);
    const std::string made = ReadFileBytes(thumbnailOf("b.jpg")).value();
    EXPECT_EQ(RunProgram(work, "remake-all all-scans"), 0);
    EXPECT_EQ(ReadFileBytes(thumbnailOf("b.jpg")).value(), made);

    WriteFileBytes(pictures / "bad.jpg", std::string(100, '\xFF'));
    writeInputs({a, pictures / "bad.jpg"});
    WriteLineFile(flag(), {"PagorantoThumbNailerActive"});
    EXPECT_EQ(RunProgram(work), 1);
    EXPECT_FALSE(fs::exists(flag()));

    fs::remove(work / "filelist.dat");
    WriteLineFile(flag(), {"PagorantoThumbNailerActive"});
    EXPECT_EQ(RunProgram(work), 1);
    EXPECT_FALSE(fs::exists(flag()));
}

} // namespace
} // namespace pagoranto
