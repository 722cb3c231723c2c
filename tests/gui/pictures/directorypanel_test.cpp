#include "gui/pictures/directorypanel.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"
#include "tests/support/fakeshell.h"
#include "tests/support/scopedvariable.h"
#include "tests/support/secondfilesystemtrash.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace pagoranto {

using testing::FakeShell;
using testing::PictureFolder;
using testing::ScopedVariable;
using testing::ScratchDirectory;

class DirectoryPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsTheDirectoryWithTheirMasks();
    void maskFieldTakesTheJpgExtension();
    void deleteAllJpgFilesAsksAndSparesOtherExtensions();
    void deleteAllHtmlFilesCancelKeepsEverything();
    void deleteWithoutATrashAsksBeforeDeletingForGood();
    void sortingListIndicatorAndDoubleClick();
    void doubleClickOpensTheFileThroughTheShell();
    void selectDirectorySetsTreeAndLists();
    void workingPanelsAndInputLock();
    void clickedFolderStaysMarkedAndNamesItsDrive();

private:
    static QStringList Texts(const QListWidget *list);
    std::filesystem::path trashed(const std::string &folder, const std::string &name) const
    {
        return m_dataHome->path() / "Trash" / folder / name;
    }

    MessageBox m_messages;
    FakeShell m_shell;
    std::unique_ptr<ScratchDirectory> m_dataHome;
    std::unique_ptr<ScopedVariable> m_dataHomeVariable;
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<DirectoryPanel> m_panel;
};

QStringList DirectoryPanelTest::Texts(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void DirectoryPanelTest::init()
{
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
    m_shell.opened.clear();
    m_dataHome = std::make_unique<ScratchDirectory>();
    m_dataHomeVariable =
        std::make_unique<ScopedVariable>("XDG_DATA_HOME", m_dataHome->path().string());
    m_folder = std::make_unique<PictureFolder>();
    for (const char *name :
         {"b.jpg", "A.JPG", "holiday1.jpg", "keep.jpeg", "index.html", "page.HTML", "notes.txt"})
        m_folder->write(name, "x");
    QVERIFY(QDir(m_folder->dir()).mkdir(QStringLiteral("sub.jpg")));
    m_panel = std::make_unique<DirectoryPanel>(m_messages, m_shell);
}

void DirectoryPanelTest::cleanup()
{
    m_panel.reset();
    m_folder.reset();
    m_dataHomeVariable.reset();
    m_dataHome.reset();
    MessageBox::clearScript();
}

void DirectoryPanelTest::listsTheDirectoryWithTheirMasks()
{
    QSignalSpy changed(m_panel.get(), &DirectoryPanel::directoryChanged);
    QSignalSpy jpgChanged(m_panel.get(), &DirectoryPanel::jpgListChanged);
    m_panel->setPictureDir(m_folder->dir().chopped(1));
    QCOMPARE(m_panel->pictureDir(), m_folder->dir());
    QCOMPARE(changed.count(), 1);
    QVERIFY(jpgChanged.count() >= 1);
    QCOMPARE(m_panel->Edit1->text(), QStringLiteral("*.jpg"));
    QCOMPARE(m_panel->jpgFileNames(), (std::vector<std::string>{"A.JPG", "b.jpg", "holiday1.jpg"}));
    QCOMPARE(Texts(m_panel->FileListBox2), (QStringList{"index.html", "page.HTML"}));
    QVERIFY(m_panel->sortingListNames().empty());
    QVERIFY(m_panel->deleteJpgFiles->isEnabled());
    QVERIFY(m_panel->deleteHtmlFiles->isEnabled());
    // The same directory again is no change.
    m_panel->setPictureDir(m_folder->dir());
    QCOMPARE(changed.count(), 1);
    // The tree shows the directory.
    QCOMPARE(m_panel->DirectoryListBox1->currentIndex().data().toString(),
             QDir(m_folder->dir()).dirName());
}

void DirectoryPanelTest::maskFieldTakesTheJpgExtension()
{
    m_panel->setPictureDir(m_folder->dir());
    QSignalSpy refresh(m_panel.get(), &DirectoryPanel::refreshRequested);
    m_panel->Edit1->setText(QStringLiteral("holiday*"));
    QTest::keyClick(m_panel->Edit1, Qt::Key_Return);
    QCOMPARE(m_panel->Edit1->text(), QStringLiteral("holiday*.jpg"));
    QCOMPARE(m_panel->jpgMask(), QStringLiteral("holiday*.jpg"));
    QCOMPARE(m_panel->jpgFileNames(), (std::vector<std::string>{"holiday1.jpg"}));
    QCOMPARE(refresh.count(), 1);
}

void DirectoryPanelTest::deleteAllJpgFilesAsksAndSparesOtherExtensions()
{
    m_panel->setPictureDir(m_folder->dir());
    // Files that only look like pictures by name stay, whatever the list showed.
    m_folder->write("trap.jpg.jpeg", "x");
    QSignalSpy starting(m_panel.get(), &DirectoryPanel::deleteStarting);
    QSignalSpy finished(m_panel.get(), &DirectoryPanel::deleteFinished);
    bool panelsShownDuringLoop = false;
    connect(m_panel.get(), &DirectoryPanel::deleteStarting, this, [&] {
        QTimer::singleShot(0, this, [&] {
            panelsShownDuringLoop = !m_panel->FileListBox1->isVisibleTo(m_panel.get());
        });
    });
    m_panel->deleteJpgFiles->click();

    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown.front().title, std::string("info"));
    QCOMPARE(shown.front().text,
             std::string("Do you really want to delete all found JPG files ?\rHit \"OK\", if you "
                         "want to delete found all JPG files, else hit \"Cancel\""));
    QCOMPARE(shown.front().buttons, PromptButtons::OkCancel);
    QCOMPARE(starting.count(), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(panelsShownDuringLoop);
    QVERIFY(m_panel->jpgFileNames().empty());
    QVERIFY(!m_panel->deleteJpgFiles->isEnabled());
    QCOMPARE(m_panel->Panel4->text(), QStringLiteral("Working ! Please wait !"));
    QVERIFY(m_panel->FileListBox1->isVisibleTo(m_panel.get()));
    QDir dir(m_folder->dir());
    QVERIFY(dir.exists(QStringLiteral("keep.jpeg")));
    QVERIFY(dir.exists(QStringLiteral("trap.jpg.jpeg")));
    QVERIFY(dir.exists(QStringLiteral("sub.jpg")));
    QVERIFY(!dir.exists(QStringLiteral("A.JPG")));
    QVERIFY(dir.exists(QStringLiteral("index.html")));
    // The photos are in the trash, where the desktop can restore them from.
    for (const std::string name : {"A.JPG", "b.jpg", "holiday1.jpg"}) {
        QVERIFY2(std::filesystem::exists(trashed("files", name)), name.c_str());
        const std::string info =
            ReadFileBytes(trashed("info", name + ".trashinfo")).value_or("<missing>");
        QVERIFY2(info.starts_with("[Trash Info]\nPath=/"), info.c_str());
        QVERIFY2(info.find("/" + name + "\n") != std::string::npos, info.c_str());
    }
}

void DirectoryPanelTest::deleteAllHtmlFilesCancelKeepsEverything()
{
    m_panel->setPictureDir(m_folder->dir());
    MessageBox::queueAnswer(PromptAnswer::Cancel);
    QSignalSpy starting(m_panel.get(), &DirectoryPanel::deleteStarting);
    m_panel->deleteHtmlFiles->click();
    QCOMPARE(MessageBox::shownMessages().back().text,
             std::string("Do you really want to delete all found html files ?\rHit \"OK\", if you "
                         "want to delete found all html files, else hit \"Cancel\""));
    QCOMPARE(starting.count(), 0);
    QCOMPARE(m_panel->htmlFileNames().size(), std::size_t(2));

    m_panel->deleteHtmlFiles->click();
    QVERIFY(m_panel->htmlFileNames().empty());
    QVERIFY(!m_panel->deleteHtmlFiles->isEnabled());
    QCOMPARE(m_panel->jpgFileNames().size(), std::size_t(3));
}

void DirectoryPanelTest::deleteWithoutATrashAsksBeforeDeletingForGood()
{
    testing::SecondFileSystemTrash second;
    if (!second.usable())
        QSKIP("no second writable file system with free trash folders at /dev/shm");
    const ScratchDirectory card(second.top(), "pagoranto-trash-");
    // A trash folder that is a link is not ours to use: that file system has no trash.
    std::filesystem::create_directory_symlink(m_dataHome->path(), second.userTrash());
    for (const char *name : {"a.jpg", "b.jpg", "c.jpeg"})
        QVERIFY(WriteFileBytes(card.file(name), "x"));
    m_panel->setPictureDir(QFile::decodeName(card.slashed().c_str()));

    MessageBox::queueAnswer(PromptAnswer::Ok);
    MessageBox::queueAnswer(PromptAnswer::No);
    m_panel->deleteJpgFiles->click();
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown.back().title, std::string("No trash"));
    QCOMPARE(shown.back().buttons, PromptButtons::YesNo);
    QVERIFY(shown.back().text.find(card.slashed()) != std::string::npos);
    QVERIFY(shown.back().text.find("2 files") != std::string::npos);
    QVERIFY(std::filesystem::exists(card.file("a.jpg")));
    QCOMPARE(m_panel->jpgFileNames().size(), std::size_t(2));
    QVERIFY(m_panel->deleteJpgFiles->isEnabled());

    MessageBox::queueAnswer(PromptAnswer::Ok);
    MessageBox::queueAnswer(PromptAnswer::Yes);
    m_panel->deleteJpgFiles->click();
    QVERIFY(m_panel->jpgFileNames().empty());
    QVERIFY(!std::filesystem::exists(card.file("b.jpg")));
    QVERIFY(std::filesystem::exists(card.file("c.jpeg")));
}

void DirectoryPanelTest::sortingListIndicatorAndDoubleClick()
{
    m_panel->show();
    m_panel->setPictureDir(m_folder->dir());
    QVERIFY(!m_panel->sortinglistFound->isVisible());
    m_folder->write("order.qvlist", "b.jpg\r\n");
    m_panel->RefreshFileLists();
    QVERIFY(m_panel->sortinglistFound->isVisible());
    QCOMPARE(m_panel->sortinglistFound->text(), QStringLiteral(" Sortinglist found "));
    m_panel->sortinglistFound->click();
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("INFO"));
    QVERIFY(MessageBox::shownMessages().back().text.starts_with(
        "If the hint \"Sortinglist found\" is shown, then a sorting list\rwas found"));

    QSignalSpy activated(m_panel.get(), &DirectoryPanel::sortingListActivated);
    emit m_panel->FileListBox3->itemDoubleClicked(m_panel->FileListBox3->item(0));
    QCOMPARE(activated.count(), 1);
    QCOMPARE(activated.first().at(0).toString(), QStringLiteral("order.qvlist"));
}

void DirectoryPanelTest::doubleClickOpensTheFileThroughTheShell()
{
    m_panel->setPictureDir(m_folder->dir());
    emit m_panel->FileListBox1->itemDoubleClicked(m_panel->FileListBox1->item(1));
    emit m_panel->FileListBox2->itemDoubleClicked(m_panel->FileListBox2->item(0));
    QCOMPARE(m_shell.opened,
             (std::vector<std::string>{m_folder->path("b.jpg"), m_folder->path("index.html")}));
}

void DirectoryPanelTest::selectDirectorySetsTreeAndLists()
{
    QSignalSpy changed(m_panel.get(), &DirectoryPanel::directoryChanged);
    FileDialog::setNextFileName(m_folder->dir());
    m_panel->selectDirectory->click();
    QCOMPARE(m_panel->pictureDir(), m_folder->dir());
    QCOMPARE(changed.count(), 1);
    const bool underHome = m_folder->dir().startsWith(QDir::homePath() + QLatin1Char('/'));
    QCOMPARE(m_panel->DriveComboBox1->currentText(),
             underHome ? QDir::homePath() + QLatin1Char('/') : QStringLiteral("/"));

    // Cancel in the chooser changes nothing.
    FileDialog::setNextFileName(QString());
    m_panel->selectDirectory->click();
    QCOMPARE(changed.count(), 1);

    QSignalSpy drive(m_panel.get(), &DirectoryPanel::driveChanged);
    const int root = m_panel->DriveComboBox1->findText(QStringLiteral("/"));
    m_panel->DriveComboBox1->setCurrentIndex(root);
    emit m_panel->DriveComboBox1->activated(root);
    QCOMPARE(drive.count(), 1);
    QCOMPARE(m_panel->pictureDir(), QStringLiteral("/"));
    QCOMPARE(changed.count(), 2);
}

void DirectoryPanelTest::workingPanelsAndInputLock()
{
    m_panel->setPictureDir(m_folder->dir());
    m_panel->ShowWorkingPanels();
    for (QLabel *panel : {m_panel->Panel4, m_panel->Panel5, m_panel->Panel6}) {
        QVERIFY(panel->isVisibleTo(m_panel.get()));
        QCOMPARE(panel->text(), QStringLiteral("Working ! Please wait !"));
    }
    QVERIFY(!m_panel->FileListBox1->isVisibleTo(m_panel.get()));
    QVERIFY(!m_panel->DirectoryListBox1->isVisibleTo(m_panel.get()));
    m_panel->HideWorkingPanels();
    QVERIFY(m_panel->FileListBox2->isVisibleTo(m_panel.get()));

    m_panel->setInputsEnabled(false);
    QVERIFY(!m_panel->Edit1->isEnabled());
    QVERIFY(!m_panel->deleteJpgFiles->isEnabled());
    m_panel->setInputsEnabled(true);
    QVERIFY(m_panel->deleteJpgFiles->isEnabled());
}

void DirectoryPanelTest::clickedFolderStaysMarkedAndNamesItsDrive()
{
    // Many folders (and "sub.jpg"), so that the tree scrolls; "home" among them is the user's home.
    for (int i = 0; i < 40; ++i)
        QVERIFY(QDir(m_folder->dir()).mkdir(QStringLiteral("folder%1").arg(i, 2, 10, QChar('0'))));
    QVERIFY(QDir(m_folder->dir()).mkdir(QStringLiteral("home")));
    const QString home = m_folder->dir() + QStringLiteral("home/");
    const ScopedVariable homeVariable("HOME", home.toStdString());
    m_panel = std::make_unique<DirectoryPanel>(m_messages, m_shell);
    m_panel->resize(900, 400);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    m_panel->setPictureDir(m_folder->dir());
    QCOMPARE(m_panel->DriveComboBox1->currentText(), QStringLiteral("/"));

    QTreeView *tree = m_panel->DirectoryListBox1;
    const QModelIndex parent = tree->currentIndex();
    tree->expand(parent);
    QTRY_COMPARE(tree->model()->rowCount(parent), 42);
    QTest::qWait(300);
    QModelIndex clicked;
    for (int row = 0; row < tree->model()->rowCount(parent); ++row) {
        const QModelIndex index = tree->model()->index(row, 0, parent);
        if (index.data().toString() == QStringLiteral("home"))
            clicked = index;
    }
    QVERIFY(clicked.isValid());
    tree->scrollTo(clicked, QAbstractItemView::PositionAtBottom);
    QTest::qWait(50);
    const QPoint where = tree->visualRect(clicked).center();
    QVERIFY(tree->viewport()->rect().contains(where));

    // What the main window does on a change: it lets messages run and the tree moves.
    connect(m_panel.get(), &DirectoryPanel::directoryChanged, this, [tree] {
        tree->scrollToTop();
        QCoreApplication::processEvents();
    });
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, where);
    QTRY_COMPARE(m_panel->pictureDir(), home);
    QCOMPARE(tree->currentIndex(), QModelIndex(clicked));
    QCOMPARE(tree->selectionModel()->selectedRows(), QModelIndexList{clicked});
    QCOMPARE(m_panel->DriveComboBox1->currentText(), home);
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::DirectoryPanelTest)
#include "directorypanel_test.moc"
