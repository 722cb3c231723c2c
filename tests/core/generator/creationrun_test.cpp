#include "core/generator/creationrun.h"
#include "core/pictures/descriptionstore.h"
#include "core/pictures/jpegsize.h"
#include "core/platform/directorylock.h"
#include "core/text/datetimeformat.h"
#include "core/text/linefile.h"
#include "core/thumbnailer/thumbnailstamp.h"
#include "tests/support/fakeshell.h"
#include "tests/support/fixedclock.h"
#include "tests/support/gtesthelpers.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingprompts.h"
#include "tests/support/recordingview.h"
#include "tests/support/scopedvariable.h"

#include <gtest/gtest.h>

namespace pagoranto {
namespace {

using namespace pagoranto::testing;
namespace fs = std::filesystem;

class CreationRunTest : public ScratchDirectoryTest {
public:
    void SetUp() override
    {
        ScratchDirectoryTest::SetUp();
        fs::create_directories(m_dir / "program" / "thumbnailer");
        fs::create_directories(m_dir / "layouts");
        fs::create_directories(m_dir / "gallery" / "pics");
        setup.programDirectory = (m_dir / "program").string() + "/";
        setup.pictureDir = (m_dir / "gallery" / "pics").string() + "/";
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"}) {
            Write(std::string("gallery/pics/") + name, MakeJpeg(GradientPicture(16, 12)));
            view.checked.push_back(name);
        }
    }

    void UseTemplate(const ByteLines &layout)
    {
        setup.templatePath = m_dir / "layouts" / "layout.html";
        ASSERT_TRUE(WriteLineFile(setup.templatePath, layout));
        run.AnalyseTemplate(setup.templatePath);
    }

    bool PageExists(const std::string &name) const
    {
        return fs::exists(fs::path(setup.pictureDir) / name);
    }

    std::vector<std::string> Titles() const
    {
        std::vector<std::string> titles;
        for (const auto &shown : prompts.shown)
            titles.push_back(shown.title + ": " + shown.text.substr(0, 30));
        return titles;
    }

    std::vector<std::string> Questions() const
    {
        std::vector<std::string> texts;
        for (const auto &shown : prompts.shown)
            if (shown.title == "Question")
                texts.push_back(shown.text);
        return texts;
    }

    RunSetup setup;
    GallerySettings settings;
    DescriptionStore descriptions;
    RecordingPrompts prompts;
    RecordingEvents events;
    FixedClock clock;
    DateTimeFormats formats;
    FakeShell shell;
    RecordingView view;
    CreationRun run{setup, settings, descriptions,
                    RunServices{prompts, events, clock, formats, shell, view}};
};

TEST_F(CreationRunTest, MakesEveryPageAfterTheQuestionsAndShowsTheEnd)
{
    UseTemplate({"<p>$PIC$ $COUNT$</p>"});
    view.reorder = [](std::vector<std::string> &list) { std::swap(list[0], list[2]); };
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].title, "info");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompts.shown[0].text.find("The destination directory of your html pages will "
                                         "be:\r\r" +
                                         setup.pictureDir),
              0u);
    EXPECT_EQ(
        ReadLineFile(fs::path(setup.pictureDir) / "page0001.html"),
        ByteLines{"<p><img SRC=\"c.jpg\" ALT=\"This picture belongs to the gallery's author\" "
                  "NOSAVE BORDER=0 height=12 width=16> 1</p>"});
    EXPECT_TRUE(PageExists("page0003.html"));
    EXPECT_EQ(view.pageNumbers, (std::vector<int>{1, 2, 3}));
    ASSERT_TRUE(view.endStatus);
    EXPECT_EQ(view.endStatus->d_firstpage, setup.pictureDir + "page0001.html");
    EXPECT_EQ(view.endStatus->d_thumbnails, setup.pictureDir + "thumbnails");
    EXPECT_EQ(run.pageCounter().value(), 1);
    EXPECT_EQ(view.buttonCaption, "Create");
    EXPECT_FALSE(view.locked);
    EXPECT_EQ(view.history.size(), 1u);
    EXPECT_TRUE(fs::exists(fs::path(setup.programDirectory) / "thumbnailer" / "mtoptions.cfg"));
}

TEST_F(CreationRunTest, EachRefusalSaysWhyAndMakesNothing)
{
    struct Row {
        const char *name;
        std::function<void(CreationRunTest &)> arrange;
        const char *messageStart;
        RunInput opened;
    };
    const Row rows[] = {
        {"NoTemplate", [](CreationRunTest &t) { t.setup.templatePath.clear(); },
         "Please select a page template !", RunInput::TemplateSelection},
        {"NoPageName", [](CreationRunTest &t) { t.settings.pageNames.ownfilename.clear(); },
         "You've forgot to enter a page name !", RunInput::SpecialOptionsTab},
        {"NoFirstPageName",
         [](CreationRunTest &t) {
             t.settings.pageNames.usedifferentfirst = true;
             t.settings.pageNames.differentfilename.clear();
         },
         "You've selected \"Filename for the first page\"", RunInput::SpecialOptionsTab},
        {"UnsafePageName", [](CreationRunTest &t) { t.settings.pageNames.ownfilename = "../x"; },
         "The page name \"../x\" is not allowed !", RunInput::SpecialOptionsTab},
        {"NoPictureCommand", [](CreationRunTest &t) { t.UseTemplate({"$NAVIGATE$"}); },
         "No \"$PIC$\" and no \"$TPIC$\" command found", RunInput::TemplateSelection},
        {"TemplateLostItsCommands",
         [](CreationRunTest &t) { ASSERT_TRUE(WriteLineFile(t.setup.templatePath, {"plain"})); },
         "You're selected template does not contain any commands !", RunInput::TemplateSelection},
        {"NoPictures", [](CreationRunTest &t) { t.view.checked.clear(); },
         "*ERROR* No sorting list for your pictures found !", RunInput::ThumbnailList},
        {"UnsafeThumbnailFolder", [](CreationRunTest &t) { t.settings.thumbnails.thumbdir = ".."; },
         "The thumbnail directory \"..\" is not allowed !", RunInput::DirectoryLevels},
        {"RootDestination",
         [](CreationRunTest &t) {
             t.setup.pictureDir = "/pagoranto-test-pics/";
             t.setup.directoryLevel = 2;
         },
         "The selected destination for your pages is a root directory !\r/\r",
         RunInput::DirectoryLevels},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        prompts.shown.clear();
        view.opened.clear();
        view.checked = {"a.jpg", "b.jpg", "c.jpg"};
        settings = GallerySettings{};
        setup.pictureDir = (m_dir / "gallery" / "pics").string() + "/";
        setup.directoryLevel = 1;
        UseTemplate({"$PIC$"});
        row.arrange(*this);
        run.Button3Click();
        EXPECT_EQ(run.outcome(), RunOutcome::Refused);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].title, "ERROR");
        EXPECT_EQ(prompts.shown[0].text.find(row.messageStart), 0u) << prompts.shown[0].text;
        EXPECT_NE(std::find(view.opened.begin(), view.opened.end(), row.opened), view.opened.end());
        EXPECT_FALSE(PageExists("page0001.html"));
        EXPECT_FALSE(view.locked);
        EXPECT_FALSE(run.singlePageRun());
    }
}

TEST_F(CreationRunTest, WithoutAThumbnailFolderNoRunShowsOrMakesThumbnails)
{
    const std::function<void()> arrangements[] = {
        [this] { UseTemplate({"$TPIC$"}); },
        // Thumbnails made without a folder would overwrite the photos beside the pages.
        [this] {
            UseTemplate({"$PIC$"});
            settings.special.createthumbnails = true;
        },
    };
    for (const auto &arrange : arrangements) {
        prompts.shown.clear();
        settings = GallerySettings{};
        settings.thumbnails.thumbdir.clear();
        arrange();
        run.Button3Click();
        EXPECT_EQ(run.outcome(), RunOutcome::Refused);
        ASSERT_EQ(prompts.shown.size(), 1u) << ::testing::PrintToString(Titles());
        EXPECT_EQ(prompts.shown[0].text.find("The $TPIC$ command was found in your template or "
                                             "you've activated \"Create thumbnails\""),
                  0u);
        EXPECT_FALSE(PageExists("page0001.html"));
        EXPECT_FALSE(view.locked);
    }
}

TEST_F(CreationRunTest, MissingThumbnailsOfATpicTemplateAreOfferedBeforeThePages)
{
    const auto questions = [this] {
        std::vector<std::string> texts;
        for (const auto &shown : prompts.shown)
            if (shown.title == "Question")
                texts.push_back(shown.text);
        return texts;
    };
    UseTemplate({"$TPIC$"});
    fs::create_directories(m_dir / "gallery" / "pics" / "thumbnails");
    Write("gallery/pics/thumbnails/b.jpg", MakeJpeg(GradientPicture(4, 3)));

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::No};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_EQ(questions()[0].find("Of the 3 pictures of your list, 2 have no thumbnail, in\r" +
                                  setup.pictureDir +
                                  "thumbnails\r\r1 thumbnail was made elsewhere and is used as "
                                  "it is.\r\r"),
              0u)
        << questions()[0];
    EXPECT_TRUE(shell.started.empty());

    prompts.shown.clear();
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
    run.Button3Click();
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_NE(shell.started[0].find("? 2 3 4 5 1 hand-over="), std::string::npos)
        << shell.started[0];
    EXPECT_EQ(
        ReadLineFile(fs::path(setup.programDirectory) / "thumbnailer" / "filelist.dat")->size(),
        3u);

    // Asked for anyway, or all there, or not wanted by the template: no question.
    const std::function<void()> arrangements[] = {
        [this] {
            settings.special.createthumbnails = true;
            setup.foreignThumbnails = ForeignThumbnails::keep;
        },
        [this] {
            for (const char *name : {"a.jpg", "c.jpg"})
                Write(std::string("gallery/pics/thumbnails/") + name,
                      MakeJpeg(GradientPicture(4, 3)));
        },
        [this] { UseTemplate({"$PIC$"}); },
    };
    for (const auto &arrange : arrangements) {
        prompts.shown.clear();
        arrange();
        run.Button3Click();
        EXPECT_EQ(run.outcome(), RunOutcome::Completed);
        EXPECT_TRUE(questions().empty()) << questions()[0];
    }
}

TEST_F(CreationRunTest, OnlyOurOwnThumbnailsAreOutOfDateAndTheUsersAreReplacedOnlyWhenAsked)
{
    UseTemplate({"$TPIC$"});
    const fs::path thumbnails = m_dir / "gallery" / "pics" / "thumbnails";
    fs::create_directories(thumbnails);
    // a: the user's own; b: ours and up to date; c: ours, made with other options.
    ASSERT_TRUE(WritePicture(thumbnails / "a.jpg", GradientPicture(8, 6)));
    JpegEncodeOptions ours;
    ours.comment = ThumbnailStamp(setup.pictureDir + "b.jpg", settings.thumbnails).value();
    ASSERT_TRUE(WritePicture(thumbnails / "b.jpg", GradientPicture(8, 6), ours));
    ThumbnailOptions other = settings.thumbnails;
    other.ScrollBar2 += 10;
    ours.comment = ThumbnailStamp(setup.pictureDir + "c.jpg", other).value();
    ASSERT_TRUE(WritePicture(thumbnails / "c.jpg", GradientPicture(8, 6), ours));

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
    run.Button3Click();
    ASSERT_EQ(Questions().size(), 1u) << ::testing::PrintToString(Titles());
    EXPECT_EQ(Questions()[0].find("Of the 3 pictures of your list, 1 has a thumbnail that "
                                  "is out of date (made with other thumbnail options, or "
                                  "from the photo before it changed), in\r"),
              0u)
        << Questions()[0];
    EXPECT_NE(Questions()[0].find("1 thumbnail was made elsewhere and is used as it is."),
              std::string::npos);
    EXPECT_EQ(run.keptForeignThumbnails(), std::vector<std::string>{"a.jpg"});
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.started[0].find("replace-foreign"), std::string::npos);

    // "Create thumbnails" ticked: the user's are named, and replaced only on Yes.
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        prompts.shown.clear();
        shell.started.clear();
        settings.special.createthumbnails = true;
        prompts.answers = {PromptAnswer::Ok, answer};
        run.Button3Click();
        ASSERT_EQ(Questions().size(), 1u);
        EXPECT_EQ(Questions()[0].find("1 thumbnail in\r" + thumbnails.string() +
                                      "\rwas not made by this program (made elsewhere "
                                      "or by hand):\r    a.jpg\r\r"),
                  0u)
            << Questions()[0];
        ASSERT_EQ(shell.started.size(), 1u);
        const bool replaced = answer == PromptAnswer::Yes;
        EXPECT_EQ(shell.started[0].find("replace-foreign") != std::string::npos, replaced);
        EXPECT_EQ(run.keptForeignThumbnails().empty(), replaced);
    }
}

TEST_F(CreationRunTest, PagesOfALongerEarlierGalleryAreKeptTrashedOrStopTheRun)
{
    UseTemplate({"$PIC$"});
    for (int n = 1; n <= 6; ++n)
        Write("gallery/pics/page000" + std::to_string(n) + ".html", "old");
    Write("gallery/pics/notes.html", "mine");
    const ScopedVariable trashHome("XDG_DATA_HOME", (m_dir / "data").string());
    const std::vector<std::string> old{"page0004.html", "page0005.html", "page0006.html"};

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::No};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.shown[1].text.find("3 pages of an earlier gallery"), 0u);
    EXPECT_EQ(run.keptOldPages(), old);
    EXPECT_NE(readBytes("gallery/pics/page0001.html"), "old");
    EXPECT_EQ(readBytes("gallery/pics/page0006.html"), "old");

    Write("gallery/pics/page0001.html", "old");
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Cancel};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
    EXPECT_EQ(readBytes("gallery/pics/page0001.html"), "old") << "no page was written";
    EXPECT_FALSE(view.locked);

    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Yes};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    EXPECT_TRUE(run.keptOldPages().empty());
    for (const std::string &page : old) {
        EXPECT_FALSE(PageExists(page)) << page;
        EXPECT_EQ(ReadFileBytes(m_dir / "data" / "Trash" / "files" / page), "old") << page;
    }
    EXPECT_EQ(readBytes("gallery/pics/notes.html"), "mine");

    // Nothing left to ask about; a batch-like run keeps without asking.
    prompts.shown.clear();
    Write("gallery/pics/page0009.html", "old");
    setup.oldPages = OldPages::keep;
    run.Button3Click();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(run.keptOldPages(), std::vector<std::string>{"page0009.html"});
}

TEST_F(CreationRunTest, WebSizeCopiesStandInForLargePhotosAndTheSpecialLinkKeepsThePhoto)
{
    Write("gallery/pics/b.jpg", MakeJpeg(GradientPicture(64, 48)));
    UseTemplate({"$PIC$ $DIMENSION$"});
    settings.webSize.WebSizePictures = true;
    settings.webSize.WebSizeWidth = 32;
    settings.webSize.WebSizeHeight = 24;
    settings.hidden.picspecial = true;
    settings.hidden.RadioGroup1 = 0;
    run.Button3Click();
    ASSERT_EQ(run.outcome(), RunOutcome::Completed);
    EXPECT_EQ(run.webPictures().made, 1u);
    EXPECT_EQ(run.webPictures().smallEnough, 2u);
    const std::string page = readBytes("gallery/pics/page0002.html");
    EXPECT_NE(page.find("<a href=\"b.jpg\"><img SRC=\"web/b.jpg\""), std::string::npos) << page;
    EXPECT_NE(page.find("height=24 width=32></a> 32x24"), std::string::npos) << page;
    EXPECT_NE(readBytes("gallery/pics/page0001.html").find("SRC=\"a.jpg\""), std::string::npos);
    EXPECT_EQ(ReadJpegSize(m_dir / "gallery" / "pics" / "web" / "b.jpg"), (PixelSize{32, 24}));

    settings.webSize.WebSizePictures = false;
    run.Button3Click();
    EXPECT_NE(readBytes("gallery/pics/page0002.html").find("<a href=\"b.jpg\"><img SRC=\"b.jpg\""),
              std::string::npos);
    EXPECT_EQ(run.webPictures().made + run.webPictures().upToDate, 0u);
}

TEST_F(CreationRunTest, AGalleryOrHandOverFolderInUseRefusesASecondRun)
{
    UseTemplate({"$PIC$"});
    for (const fs::path &busy : {fs::path(setup.pictureDir), m_dir / "program" / "thumbnailer"}) {
        prompts.shown.clear();
        std::optional<DirectoryLock> other = DirectoryLock::TryLock(busy);
        ASSERT_TRUE(other);
        run.Button3Click();
        EXPECT_EQ(run.outcome(), RunOutcome::Refused);
        ASSERT_FALSE(prompts.shown.empty());
        EXPECT_EQ(prompts.shown.back().text.find("Another run is making this gallery"), 0u);
        EXPECT_NE(prompts.shown.back().text.find(busy.string()), std::string::npos);
        EXPECT_FALSE(PageExists("page0001.html"));
        EXPECT_TRUE(fs::is_empty(m_dir / "program" / "thumbnailer"))
            << "a refused run hands nothing over";
        EXPECT_TRUE(fs::is_empty(m_dir / "program" / "thumbnailer"))
            << "a refused run hands nothing over";
        EXPECT_FALSE(view.locked);
    }
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed) << "the locks go with the run";
    EXPECT_TRUE(DirectoryLock::TryLock(setup.pictureDir));
}

TEST_F(CreationRunTest, RemakingEveryThumbnailIsHandedToTheThumbnailer)
{
    UseTemplate({"$PIC$"});
    settings.special.createthumbnails = true;
    setup.remakeAllThumbnails = true;
    run.Button3Click();
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_NE(shell.started[0].find("? 2 3 4 5 1 remake-all hand-over="), std::string::npos)
        << shell.started[0];
}

TEST_F(CreationRunTest, CancelsOnTheDestinationQuestionOrInThePictureList)
{
    UseTemplate({"$PIC$"});
    prompts.answers = {PromptAnswer::Cancel};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Refused);
    EXPECT_EQ(view.pictureListShown, 0);

    view.pictureListAnswer = PictureListResult::Cancel;
    run.pageCounter().stepUp(CounterSpin::SpinButton2);
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
    EXPECT_EQ(prompts.shown.back().text, "Creation aborted by USER !");
    EXPECT_EQ(run.pageCounter().value(), 1);
    EXPECT_FALSE(PageExists("page0001.html"));

    view.pictureListAnswer = PictureListResult::Ok;
    view.reorder = [](std::vector<std::string> &list) { list.clear(); };
    prompts.shown.clear();
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::NoPictures);
    EXPECT_EQ(prompts.shown.size(), 1u); // only the destination question
}

TEST_F(CreationRunTest, StopEndsTheLoopAtTheNextPage)
{
    UseTemplate({"$PIC$"});
    bool pressed = false;
    view.reorder = [&](std::vector<std::string> &) {
        events.onProcess = [&] {
            if (!pressed && fs::exists(fs::path(setup.pictureDir) / "page0001.html")) {
                pressed = true;
                run.Button3Click();
                // A press while the stopped loop has not yet ended does nothing.
                const std::size_t shown = prompts.shown.size();
                run.Button3Click();
                EXPECT_EQ(prompts.shown.size(), shown);
            }
        };
    };
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Stopped);
    EXPECT_EQ(prompts.shown.back().text, "Creation aborted by user !");
    EXPECT_TRUE(PageExists("page0001.html"));
    EXPECT_LE(view.pageNumbers.size(), 2u);
    EXPECT_FALSE(PageExists("page0003.html"));
    EXPECT_FALSE(view.endStatus);
    EXPECT_EQ(run.pageCounter().value(), 1);
    EXPECT_EQ(view.buttonCaption, "Create");
    EXPECT_FALSE(run.runActive());
}

TEST_F(CreationRunTest, SinglePageRunMakesOnlyTheFirstPage)
{
    UseTemplate({"$PIC$"});
    run.creationList() = {"b.jpg", "a.jpg"};
    run.setSinglePageRun(true);
    settings.pageNames.usedifferentfirst = true;
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    EXPECT_TRUE(PageExists("index.html"));
    EXPECT_FALSE(PageExists("page0002.html"));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(view.pictureListShown, 0);
    ASSERT_TRUE(view.endStatus);
    EXPECT_EQ(view.endStatus->d_firstpage, setup.pictureDir + "index.html");
    EXPECT_TRUE(run.singlePageRun());
}

TEST_F(CreationRunTest, CancelAfterASinglePageFromThePictureListMakesNoMorePages)
{
    UseTemplate({"$PIC$"});
    view.checked = {"a.jpg", "b.jpg", "c.jpg"};
    view.reorder = [this](std::vector<std::string> &) {
        run.setSinglePageRun(true);
        run.Button3Click();
    };
    view.pictureListAnswer = PictureListResult::Cancel;
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Cancelled);
    EXPECT_TRUE(PageExists("page0001.html"));
    EXPECT_FALSE(PageExists("page0002.html"));
    EXPECT_EQ(prompts.shown.back().text, "Creation aborted by USER !");
    EXPECT_FALSE(run.singlePageRun());
}

TEST_F(CreationRunTest, CounterRunsOnWithoutResetAndPagesGoToTheChosenLevel)
{
    UseTemplate({"<img src=\"$PIC$\">"});
    settings.pageNames.Counterreset = false;
    setup.directoryLevel = 2;
    run.Button3Click();
    const fs::path gallery = m_dir / "gallery";
    EXPECT_TRUE(fs::exists(gallery / "page0003.html"));
    EXPECT_NE(ReadLineFile(gallery / "page0001.html")->front().find("SRC=\"pics/"),
              std::string::npos);
    EXPECT_EQ(run.pageCounter().value(), 4);
    run.Button3Click();
    EXPECT_TRUE(fs::exists(gallery / "page0006.html"));
}

TEST_F(CreationRunTest, NeededFilesAreOfferedCopiedAndOverwrittenOnlyWhenAsked)
{
    UseTemplate({"$PIC$"});
    Write("layouts/style.css", "body{}");
    fs::create_directories(m_dir / "layouts" / "buttons");
    Write("layouts/buttons/next.png", "png");
    ASSERT_TRUE(WriteLineFile(m_dir / "layouts" / "layout.nef",
                              {"style.css", "buttons\\next.png", "../secret.txt", "missing.gif"}));
    Write("gallery/pics/style.css", "old");
    prompts.answers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::No};
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::Completed);
    std::vector<std::string> seen;
    for (const auto &shown : prompts.shown)
        seen.push_back(shown.title + " " + shown.text.substr(0, 20));
    ASSERT_EQ(prompts.shown.size(), 5u) << ::testing::PrintToString(seen);
    EXPECT_EQ(prompts.shown[1].text.find("The destination directory of your needed files"), 0u);
    EXPECT_EQ(prompts.shown[2].text, "The file\r" + setup.pictureDir +
                                         "style.css\ris already existing !\r\rDo you want to "
                                         "overwrite it ? If not, click on \"NO\".");
    EXPECT_EQ(prompts.shown[3].title, "ERROR"); // ../secret.txt
    EXPECT_EQ(prompts.shown[4].text, "Unable to copy the needed file\r" +
                                         (m_dir / "layouts" / "missing.gif").string() + "\rto\r" +
                                         setup.pictureDir + "missing.gif !");
    EXPECT_EQ(ReadFileBytes(fs::path(setup.pictureDir) / "style.css"), "old");
    EXPECT_EQ(ReadFileBytes(fs::path(setup.pictureDir) / "buttons" / "next.png"), "png");
    EXPECT_FALSE(fs::exists(m_dir / "gallery" / "secret.txt"));
}

TEST_F(CreationRunTest, UnwritablePageEndsTheRunWithoutTheEnd)
{
    UseTemplate({"$PIC$"});
    setup.pictureDir = (m_dir / "no-such-dir").string() + "/";
    run.Button3Click();
    EXPECT_EQ(run.outcome(), RunOutcome::SaveFailed);
    EXPECT_EQ(prompts.shown.back().text.find("Unable to create html page !"), 0u);
    EXPECT_FALSE(view.endStatus);
    EXPECT_EQ(view.buttonCaption, "Create");
}

} // namespace
} // namespace pagoranto
