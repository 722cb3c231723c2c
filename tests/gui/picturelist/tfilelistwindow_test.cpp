#include "core/generator/pageplan.h"
#include "core/options/pagenameoptions.h"
#include "gui/pictures/filelistpreview.h"
#include "gui/pictures/tfilelistedit.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/picturelist/picturelistpictures.h"
#include "tests/support/qtscratchdirectory.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

using namespace pagoranto;

using Names = std::vector<std::string>;

namespace {

const char *const cancelQuestion =
    "If you don't want to save your ordered picture list then\rclick on \"NO\". If you like to "
    "save the list before abborting\rthe gallery creation then click on \"YES\"";
const char *const unreadableList =
    "*ERROR* Unable to load sorting list\rmaybe you've selected a new picture directory !";

Names Numbered(int count)
{
    Names names;
    for (int i = 1; i <= count; ++i)
        names.push_back(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')).toStdString());
    return names;
}

std::string MessageTexts()
{
    std::string texts;
    for (const MessageBox::Shown &shown : MessageBox::shownMessages())
        texts += "[" + shown.title + "] " + shown.text + "\n";
    return texts;
}

// One window, reused for every run of a test, with the main window's side recorded.
struct Setup {
    testing::QtScratchDirectory dir;
    MessageBox prompts;
    Tfilelistwindow window{prompts};
    Names list;
    Names sortingLists;
    int picCount = 1;
    int tpicCount = 0;
    int plansMade = 0;
    Names captions;
    std::vector<Names> marked;
    int sortingListsSaved = 0;
    int singlePageFlagsCleared = 0;
    std::function<void()> singlePageRun;
    std::vector<bool> thumbnails;
    std::vector<bool> htmlcompress;

    Setup()
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            testing::WritePicture(path(), name, 64, 48);
        PictureListContext context;
        context.makePlan = [this](int count) {
            ++plansMade;
            return MakePagePlan(picCount, tpicCount, count, 1, PageNameOptions{});
        };
        context.thumbnailCaptions = [this] { return captions; };
        context.markListedPictures = [this](const Names &names) { marked.push_back(names); };
        context.sortingListSaved = [this] { ++sortingListsSaved; };
        context.singlePageRun = [this] {
            if (singlePageRun)
                singlePageRun();
        };
        context.clearSinglePageRun = [this] { ++singlePageFlagsCleared; };
        context.thumbnailsToggled = [this](bool on) { thumbnails.push_back(on); };
        context.htmlcompressToggled = [this](bool on) { htmlcompress.push_back(on); };
        window.setContext(std::move(context));
    }

    std::string path() const { return dir.path().toStdString(); }

    // Shows the window for a run and lets driver work the open window; a driver that stops
    // early (a failed check) still ends with the window closed.
    PictureListResult run(std::function<void()> driver, bool thumbnailsOn = false,
                          bool htmlcompressOn = false)
    {
        QTimer::singleShot(0, &window, [this, driver] {
            driver();
            if (window.isVisible())
                window.done(QDialog::Rejected);
        });
        const PagePlan plan =
            MakePagePlan(picCount, tpicCount, int(list.size()), 1, PageNameOptions{});
        return window.ShowForRun(list, plan, sortingLists, dir.path(), thumbnailsOn,
                                 htmlcompressOn);
    }

    Names rows() const
    {
        Names names;
        for (int i = 0; i < window.Dateiliste->count(); ++i)
            names.push_back(window.Dateiliste->item(i)->text().toStdString());
        return names;
    }

    void doubleClick(QListWidget *listWidget, int row)
    {
        listWidget->setCurrentRow(row);
        const QRect rect = listWidget->visualItemRect(listWidget->item(row));
        // An item view takes a double click only on the item pressed just before.
        QTest::mouseClick(listWidget->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(listWidget->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

} // namespace

class TfilelistwindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startEndsWithTheReorderedList();
    void movesAtTheEndsChangeNothing_data();
    void movesAtTheEndsChangeNothing();
    void cancelAsksAndOnlyNoCloses();
    void startRefusesAnEmptyList();
    void removeTakesOutTheSelectedEntry();
    void editFileListAppendsChosenPictures();
    void editFileListWithNothingLeftSaysSo();
    void fitPiclistFillsTheLastPage();
    void savedOrderLoadsBackAndTicksThePictures();
    void unreadableSortingListKeepsTheList();
    void sortingListNamingForeignPicturesKeepsThem();
    void locationColumnFollowsTheScrolledList();
    void singlePageRunLeavesTheWindowUsable();
    void previewShowsThePictureOrNotFound_data();
    void previewShowsThePictureOrNotFound();
    void infoBoxesOfPagesAndFillState();
    void runBoxesReachTheMainWindow();
    void autosortKeepsTheListSorted();
};

void TfilelistwindowTest::init()
{
    MessageBox::clearScript();
    // Active from the start, so that no box ever waits for a user.
    MessageBox::setResponder({});
}

void TfilelistwindowTest::cleanup()
{
    MessageBox::clearScript();
}

void TfilelistwindowTest::startEndsWithTheReorderedList()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg", "c.jpg"};
    Tfilelistwindow &w = setup.window;
    const PictureListResult result = setup.run([&] {
        QCOMPARE(w.windowTitle(),
                 QString("Picture list and extended informations about your selected template"));
        QCOMPARE(setup.rows(), (Names{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(w.Dateiliste->currentRow(), 0);
        QCOMPARE(w.pictureCountLabel->text(), QString("3 pictures"));
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.Timer1->interval(), 100);

        w.Dateiliste->setCurrentRow(2);
        w.firstPositionButton->click();
        QCOMPARE(setup.list, (Names{"c.jpg", "a.jpg", "b.jpg"}));
        QCOMPARE(w.Dateiliste->currentRow(), 0);
        w.nextPositionButton->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "c.jpg", "b.jpg"}));
        QCOMPARE(w.Dateiliste->currentRow(), 1);
        w.Dateiliste->setCurrentRow(0);
        w.lastPositionButton->click();
        w.previousPositionButton->click();
        QCOMPARE(setup.list, (Names{"c.jpg", "a.jpg", "b.jpg"}));
        QCOMPARE(setup.rows(), setup.list);
        QCOMPARE(w.Dateiliste->currentRow(), 1);
        w.startButton->click();
    });
    QCOMPARE(result, PictureListResult::Ok);
    QCOMPARE(setup.list, (Names{"c.jpg", "a.jpg", "b.jpg"}));
    QCOMPARE(setup.singlePageFlagsCleared, 1);
    QVERIFY(!w.Timer1->isActive());
}

void TfilelistwindowTest::movesAtTheEndsChangeNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::newRow("first entry up") << "previousPositionButton" << 0;
    QTest::newRow("first entry to first") << "firstPositionButton" << 0;
    QTest::newRow("last entry down") << "nextPositionButton" << 2;
    QTest::newRow("last entry to last") << "lastPositionButton" << 2;
    QTest::newRow("nothing selected") << "nextPositionButton" << -1;
}

void TfilelistwindowTest::movesAtTheEndsChangeNothing()
{
    QFETCH(QString, button);
    QFETCH(int, row);
    Setup setup;
    setup.list = {"a.jpg", "b.jpg", "c.jpg"};
    setup.run([&] {
        setup.window.Dateiliste->setCurrentRow(row);
        setup.window.findChild<QToolButton *>(button)->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(setup.window.Dateiliste->currentRow(), row);
        setup.window.startButton->click();
    });
}

void TfilelistwindowTest::cancelAsksAndOnlyNoCloses()
{
    Setup setup;
    setup.list = {"a.jpg"};
    Tfilelistwindow &w = setup.window;
    const PictureListResult result = setup.run([&] {
        MessageBox::queueAnswer(PromptAnswer::Yes);
        w.cancelButton->click();
        QVERIFY(w.isVisible());
        QVERIFY(w.Timer1->isActive());
        MessageBox::queueAnswer(PromptAnswer::No);
        w.cancelButton->click();
    });
    QCOMPARE(result, PictureListResult::Cancel);
    QVERIFY(!w.isVisible());
    QVERIFY(!w.Timer1->isActive());
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[1].title, std::string("info"));
    QCOMPARE(shown[1].text, std::string(cancelQuestion));
    QCOMPARE(shown[1].buttons, PromptButtons::YesNo);
    // Cancelling after a preview page must not leave the run in single-page mode.
    QCOMPARE(setup.singlePageFlagsCleared, 1);

    // The window's own close asks the same question.
    const PictureListResult closed = setup.run([&] {
        MessageBox::queueAnswer(PromptAnswer::No);
        w.close();
    });
    QCOMPARE(closed, PictureListResult::Cancel);
    QCOMPARE(MessageBox::shownMessages().back().text, std::string(cancelQuestion));
}

void TfilelistwindowTest::startRefusesAnEmptyList()
{
    Setup setup;
    const PictureListResult result = setup.run([&] {
        QCOMPARE(setup.window.pictureCountLabel->text(), QString("0 pictures"));
        QVERIFY(!setup.window.removeButton->isEnabled());
        setup.window.startButton->click();
        QVERIFY(setup.window.isVisible());
        MessageBox::queueAnswer(PromptAnswer::No);
        setup.window.cancelButton->click();
    });
    QCOMPARE(result, PictureListResult::Cancel);
    const MessageBox::Shown &refusal = MessageBox::shownMessages().front();
    QCOMPARE(refusal.title, std::string("ERROR"));
    QCOMPARE(refusal.text,
             std::string("No files found in list !\r\rSelect a sorting list or click on "
                         "\"Cancel gallery creation\"\rand mark your \".jpg\"-pictures"));
}

void TfilelistwindowTest::removeTakesOutTheSelectedEntry()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg", "c.jpg"};
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        QCOMPARE(w.pagelist->count(), 3);
        w.Dateiliste->setCurrentRow(1);
        QVERIFY(w.removeButton->isEnabled());
        QVERIFY(w.deleteSelectedAction->isEnabled());
        w.removeButton->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "c.jpg"}));
        QCOMPARE(setup.rows(), setup.list);
        QVERIFY(!w.removeButton->isEnabled());
        QVERIFY(!w.deleteSelectedAction->isEnabled());
        QCOMPARE(w.pictureCountLabel->text(), QString("2 pictures"));
        QCOMPARE(w.pagelist->count(), 2);
        QCOMPARE(w.Label5->text(), QString("Now creating 2 pages"));

        w.Dateiliste->setCurrentRow(0);
        w.deleteSelectedAction->trigger();
        QCOMPARE(setup.list, (Names{"c.jpg"}));
        w.startButton->click();
    });
}

void TfilelistwindowTest::editFileListAppendsChosenPictures()
{
    Setup setup;
    setup.list = {"b.jpg"};
    setup.captions = {"d.jpg", "b.jpg", "a.jpg", "c.jpg"};
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        QTimer::singleShot(0, &w, [&] {
            auto *edit = w.findChild<Tfilelistedit *>();
            QVERIFY(edit && edit->isVisible());
            QCOMPARE(edit->restList->count(), 3);
            QCOMPARE(edit->restList->item(0)->text(), QString("a.jpg"));
            QCOMPARE(edit->restList->item(2)->text(), QString("d.jpg"));
            edit->restList->item(0)->setSelected(true);
            edit->restList->item(2)->setSelected(true);
            edit->addSelectedButton->click();
            QCOMPARE(edit->addCount->text(), QString("2 pictures"));
            edit->okButton->click();
        });
        w.editFileListButton->click();
        QCOMPARE(setup.list, (Names{"b.jpg", "d.jpg", "a.jpg"}));
        QCOMPARE(setup.rows(), setup.list);
        QCOMPARE(w.pictureCountLabel->text(), QString("3 pictures"));
        QCOMPARE(w.pagelist->count(), 3);

        // Cancel in the add window adds nothing.
        QTimer::singleShot(0, &w, [&] {
            auto *edit = w.findChild<Tfilelistedit *>();
            QCOMPARE(edit->restList->count(), 1);
            edit->addAllButton->click();
            edit->cancelButton->click();
        });
        w.editFileListButton->click();
        QCOMPARE(setup.list.size(), std::size_t(3));
        w.startButton->click();
    });
    QVERIFY2(MessageBox::shownMessages().empty(), MessageTexts().c_str());
}

void TfilelistwindowTest::editFileListWithNothingLeftSaysSo()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg"};
    setup.captions = {"b.jpg", "a.jpg"};
    setup.run([&] {
        setup.window.editFileListButton->click();
        setup.window.startButton->click();
    });
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("info"));
    QCOMPARE(MessageBox::shownMessages().front().text,
             std::string("There's nothing to edit !\rAll files that are found in the actual "
                         "directory, are already in your list !"));
    QCOMPARE(setup.list, (Names{"a.jpg", "b.jpg"}));
}

void TfilelistwindowTest::fitPiclistFillsTheLastPage()
{
    Setup setup;
    setup.picCount = 0;
    setup.tpicCount = 12;
    setup.list = Numbered(14);
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        QCOMPARE(w.label15->text(), QString("Not enough"));
        QVERIFY(w.fitPiclistButton->isEnabled());
        QCOMPARE(w.Label4->text(), QString("Found 12 $TPIC$ in your template"));
        w.fitPiclistButton->click();
        QCOMPARE(setup.list.size(), std::size_t(24));
        for (std::size_t i = 13; i < 24; ++i)
            QCOMPARE(setup.list[i], std::string("p14.jpg"));
        QCOMPARE(w.label15->text(), QString("Perfect"));
        QVERIFY(!w.fitPiclistButton->isEnabled());
        QCOMPARE(w.pictureCountLabel->text(), QString("24 pictures"));
        QCOMPARE(w.Label5->text(), QString("Now creating 2 pages"));
        w.startButton->click();
    });
}

void TfilelistwindowTest::savedOrderLoadsBackAndTicksThePictures()
{
    Setup setup;
    setup.list = {"a.jpg", "c.jpg", "b.jpg"};
    Tfilelistwindow &w = setup.window;
    const QString file = setup.dir.filePath("order.qvlist");
    setup.run([&] {
        FileDialog::setNextFileName(file);
        w.saveSortingButton->click();
        QCOMPARE(w.lastSortingListName(), QString("order.qvlist"));
        QCOMPARE(w.lastsortinglist->text(), QString("order.qvlist"));
        QCOMPARE(w.ListBox2->count(), 1);
        QCOMPARE(w.ListBox2->item(0)->text(), QString("order.qvlist"));
        QCOMPARE(setup.sortingListsSaved, 1);

        w.Dateiliste->setCurrentRow(2);
        w.firstPositionButton->click();
        QCOMPARE(setup.list, (Names{"b.jpg", "a.jpg", "c.jpg"}));
        setup.doubleClick(w.ListBox2, 0);
        QCOMPARE(setup.list, (Names{"a.jpg", "c.jpg", "b.jpg"}));
        QCOMPARE(setup.rows(), setup.list);
        QCOMPARE(w.Dateiliste->currentRow(), 0);
        w.startButton->click();
    });
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("a.jpg\r\nc.jpg\r\nb.jpg\r\n"));
    QCOMPARE(setup.marked, (std::vector<Names>{{"a.jpg", "c.jpg", "b.jpg"}}));

    // The next run starts from other pictures; "Last:" brings the saved order back.
    setup.list = {"b.jpg"};
    setup.sortingLists = {};
    setup.run([&] {
        QCOMPARE(w.lastsortinglist->text(), QString("order.qvlist"));
        w.lastsortinglist->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "c.jpg", "b.jpg"}));
        QCOMPARE(w.pictureCountLabel->text(), QString("3 pictures"));
        w.startButton->click();
    });
    QCOMPARE(setup.marked.size(), std::size_t(2));
    QVERIFY2(MessageBox::shownMessages().empty(), MessageTexts().c_str());
}

void TfilelistwindowTest::unreadableSortingListKeepsTheList()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg"};
    setup.sortingLists = {"gone.qvlist"};
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        setup.doubleClick(w.ListBox2, 0);
        QCOMPARE(setup.list, (Names{"a.jpg", "b.jpg"}));
        QCOMPARE(w.lastSortingListName(), QString());
        w.startButton->click();
    });
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("ERROR"));
    QCOMPARE(MessageBox::shownMessages().front().text, std::string(unreadableList));
    QVERIFY(setup.marked.empty());

    // An empty order is refused before the save dialog, with its own text.
    setup.list.clear();
    MessageBox::clearScript();
    MessageBox::setResponder({});
    setup.run([&] {
        FileDialog::setNextFileName(setup.dir.filePath("never.qvlist"));
        w.saveSortingButton->click();
        FileDialog::setNextFileName({});
    });
    QVERIFY(!QFile::exists(setup.dir.filePath("never.qvlist")));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("Info"));
    QCOMPARE(MessageBox::shownMessages().front().text,
             std::string("There's no actual order to save,\r\nbecause the image list is empty.\r\n"
                         "Click on \"Edit file list\" for adding images to the\r\nlist or "
                         "doubleclick on a found sorting list."));
}

void TfilelistwindowTest::sortingListNamingForeignPicturesKeepsThem()
{
    Setup setup;
    QFile list(setup.dir.filePath("old.qvlist"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("gone.jpg\r\nB.JPG\r\n");
    list.close();
    setup.list = {"a.jpg"};
    setup.sortingLists = {"old.qvlist"};
    setup.run([&] {
        setup.doubleClick(setup.window.ListBox2, 0);
        QCOMPARE(setup.list, (Names{"gone.jpg", "B.JPG"}));
        QCOMPARE(setup.window.preview->text(), QString("Image not found !"));
        setup.window.startButton->click();
    });
    QCOMPARE(setup.marked, (std::vector<Names>{{"gone.jpg", "B.JPG"}}));
    QCOMPARE(setup.window.lastSortingListName(), QString("old.qvlist"));
}

void TfilelistwindowTest::locationColumnFollowsTheScrolledList()
{
    Setup setup;
    setup.picCount = 0;
    setup.tpicCount = 12;
    setup.list = Numbered(80);
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        for (int k = 0; k < 12; ++k)
            QCOMPARE(w.locationLabels[k]->text(), QString("P001"));
        for (int k = 12; k < 16; ++k)
            QCOMPARE(w.locationLabels[k]->text(), QString("#P002"));
        QVERIFY(w.Dateiliste->verticalScrollBar()->maximum() >= 4);

        // Scrolling alone tells the column nothing; the timer catches up.
        w.Dateiliste->verticalScrollBar()->setValue(4);
        QTRY_COMPARE(w.locationLabels[8]->text(), QString("#P002"));
        QCOMPARE(w.locationLabels[7]->text(), QString("P001"));
        w.startButton->click();
    });
}

void TfilelistwindowTest::singlePageRunLeavesTheWindowUsable()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg"};
    Tfilelistwindow &w = setup.window;
    bool openDuringRun = false;
    bool contentEnabledDuringRun = true;
    PictureListResult nested = PictureListResult::Ok;
    setup.singlePageRun = [&] {
        openDuringRun = w.isVisible();
        contentEnabledDuringRun = w.content->isEnabled();
        // The run lets the window process messages and asks its own questions meanwhile.
        w.close();
        QCoreApplication::processEvents();
        nested = w.ShowForRun(setup.list, PagePlan{}, {}, setup.dir.path(), false, false);
        setup.prompts.show("info", "run question", PromptButtons::OkCancel);
        setup.prompts.setParentWindow(nullptr);
    };
    const PictureListResult result = setup.run([&] {
        const int plans = setup.plansMade;
        w.Dateiliste->setCurrentRow(1);
        w.SpeedButton1->click();
        QVERIFY(openDuringRun);
        QVERIFY(!contentEnabledDuringRun);
        QCOMPARE(nested, PictureListResult::Cancel);
        QVERIFY(w.isVisible());
        QVERIFY(w.content->isEnabled());
        QVERIFY(w.isEnabled());
        QVERIFY(setup.plansMade > plans);
        QCOMPARE(setup.prompts.parentWindow(), static_cast<QWidget *>(&w));
        QCOMPARE(setup.rows(), setup.list);
        QCOMPARE(w.Dateiliste->currentRow(), 1);
        QCOMPARE(w.SpeedButton1->toolTip(), QString("Create 1 page"));
        w.startButton->click();
    });
    QCOMPARE(result, PictureListResult::Ok);
    // The close during the run was not taken as a cancel: only the run's own box was shown.
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    QCOMPARE(MessageBox::shownMessages().front().text, std::string("run question"));
    QCOMPARE(setup.prompts.parentWindow(), static_cast<QWidget *>(nullptr));
}

void TfilelistwindowTest::previewShowsThePictureOrNotFound_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("landscape 640x480") << 640 << 480 << QSize(317, 238);
    QTest::newRow("portrait 300x400") << 300 << 400 << QSize(165, 220);
    QTest::newRow("missing picture") << 0 << 0 << QSize();
}

void TfilelistwindowTest::previewShowsThePictureOrNotFound()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSize, shown);
    Setup setup;
    if (width > 0)
        QVERIFY(testing::WritePicture(setup.path(), "shown.jpg", width, height));
    setup.list = {"shown.jpg", "a.jpg"};
    setup.run([&] {
        QCOMPARE(setup.window.preview->shownSize(), shown);
        if (shown.isValid())
            QCOMPARE(setup.window.preview->pixmap().size(), shown);
        else
            QCOMPARE(setup.window.preview->text(), QString("Image not found !"));
        setup.window.Dateiliste->setCurrentRow(1);
        QCOMPARE(setup.window.preview->shownSize(), QSize(317, 238));
        setup.window.startButton->click();
    });
}

void TfilelistwindowTest::infoBoxesOfPagesAndFillState()
{
    Setup setup;
    setup.list = {"a.jpg", "b.jpg"};
    setup.run([&] {
        setup.doubleClick(setup.window.pagelist, 1);
        QTest::mouseClick(setup.window.label15, Qt::LeftButton);
        setup.window.startButton->click();
    });
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[0].title, std::string("Info"));
    QCOMPARE(shown[0].text,
             std::string("This is a page that is going to be created:\rpage0002.html"));
    QCOMPARE(shown[1].title, std::string("INFO"));
    QCOMPARE(shown[1].text,
             std::string("If the hint \"Not enough\" is shown, then there are\rnot enough "
                         "pictures to fill you selected template.\rIf you click on \"Fit piclist "
                         "to template, the last picture\rin the picture list will be repeated "
                         "until the count of\rpictures fit your selected template."));
}

void TfilelistwindowTest::runBoxesReachTheMainWindow()
{
    Setup setup;
    setup.list = {"a.jpg"};
    Tfilelistwindow &w = setup.window;
    setup.run(
        [&] {
            QVERIFY(w.thumbnailsBox->isChecked());
            QVERIFY(!w.htmlcompressBox->isChecked());
            w.thumbnailsBox->click();
            w.htmlcompressBox->click();
            w.startButton->click();
        },
        true, false);
    QCOMPARE(setup.thumbnails, std::vector<bool>{false});
    QCOMPARE(setup.htmlcompress, std::vector<bool>{true});

    QSignalSpy config(&w, &Tfilelistwindow::thumbnailConfigRequested);
    QSignalSpy layouts(&w, &Tfilelistwindow::templateSelectionRequested);
    w.thumbnailConfigButton->click();
    w.templateButton->click();
    QCOMPARE(config.count(), 1);
    QCOMPARE(layouts.count(), 1);
}

void TfilelistwindowTest::autosortKeepsTheListSorted()
{
    Setup setup;
    setup.list = {"c.jpg", "a.jpg"};
    setup.captions = {"b.jpg"};
    Tfilelistwindow &w = setup.window;
    setup.run([&] {
        w.autosortBox->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "c.jpg"}));
        QVERIFY(!w.firstPositionButton->isEnabled());
        QTimer::singleShot(0, &w, [&] {
            auto *edit = w.findChild<Tfilelistedit *>();
            edit->addAllButton->click();
            edit->okButton->click();
        });
        w.editFileListButton->click();
        QCOMPARE(setup.list, (Names{"a.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(setup.rows(), setup.list);
        w.autosortBox->click();
        QVERIFY(w.firstPositionButton->isEnabled());
        QCOMPARE(setup.list, (Names{"a.jpg", "b.jpg", "c.jpg"}));
        w.startButton->click();
    });
}

QTEST_MAIN(TfilelistwindowTest)
#include "tfilelistwindow_test.moc"
