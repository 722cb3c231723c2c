// The main window choosing its template through the layout manager.
#include "gui/options/tform1.h"
#include "gui/platform/messagebox.h"
#include "gui/templates/tlayoutmanager.h"
#include "gui/templates/twinrichedit.h"
#include "gui/ui/clickablelabel.h"
#include "tests/support/qtchildren.h"
#include "tests/support/qtfiles.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/shippeddefaults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

using namespace pagoranto;
using pagoranto::testing::Child;
using testing::WriteFile;
namespace fs = std::filesystem;

namespace {

bool Shown(const std::string &title, std::string_view start)
{
    for (const MessageBox::Shown &shown : MessageBox::shownMessages())
        if (shown.title == title && shown.text.starts_with(start))
            return true;
    return false;
}

} // namespace

class TForm1LayoutWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void managersSelectionIsHandedBack();
    void templateWithoutCommandsEndsWithNone();
    void layoutMenuEntriesAndIndicators();
    void editorOpensOnTheSelectedTemplate();

private:
    // Opens the manager through the menu; `inside` acts in it while it is shown, then Back.
    void SelectThroughManager(std::function<void(TLayoutmanager *)> inside);
    QString Layouts() const { return m_root->filePath(QStringLiteral("mine/")); }
    TLayoutmanager *Manager() const
    {
        return Child<TLayoutmanager>(m_form.get(), "TLayoutmanager");
    }
    QLabel *NameLabel() const { return Child<QLabel>(m_form.get(), "Label6"); }
    std::string TemplatePath() const { return m_form->setup().templatePath.string(); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    std::unique_ptr<TForm1> m_form;
};

void TForm1LayoutWindowsTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    const QString program = m_root->filePath(QStringLiteral("program/"));
    fs::create_directories(program.toStdString() + "thumbnailer");
    testing::KeepShippedDefaultsOut(PAGORANTO_PROGRAM_DIR, program.toStdString());
    QVERIFY(QDir().mkpath(Layouts()));
    WriteFile(Layouts() + QStringLiteral("thumbs.html"), "<body>$TPIC$ $TPIC$</body>");
    WriteFile(Layouts() + QStringLiteral("thumbs.nef"), "thumbs.css\r\n");
    WriteFile(Layouts() + QStringLiteral("thumbs.txt"), "Two thumbnails a page");
    WriteFile(Layouts() + QStringLiteral("empty.html"), "<body>nothing</body>");
    MessageBox::clearScript();
    MessageBox::setResponder({});
    StartupPaths paths{program.toStdString(), std::string(PAGORANTO_PROGRAM_DIR) + "/",
                       m_root->path()};
    m_form = std::make_unique<TForm1>(paths, InformationTimes{0, 0});
    m_form->show();
    m_form->FormActivate();
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TForm1LayoutWindowsTest::cleanup()
{
    m_form.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TForm1LayoutWindowsTest::SelectThroughManager(std::function<void(TLayoutmanager *)> inside)
{
    bool acted = false;
    auto *timer = new QTimer(m_form.get());
    timer->setInterval(0);
    connect(timer, &QTimer::timeout, m_form.get(), [&, timer] {
        if (!Manager()->isVisible())
            return;
        timer->stop();
        inside(Manager());
        acted = true;
        Manager()->findChild<QPushButton *>(QStringLiteral("BackButton"))->click();
    });
    timer->start();
    m_form->Selectpagetemplate1Click();
    delete timer;
    QVERIFY(acted);
}

void TForm1LayoutWindowsTest::managersSelectionIsHandedBack()
{
    // First opening, nothing chosen: no template.
    SelectThroughManager([](TLayoutmanager *manager) {
        QCOMPARE(manager->templateDir(),
                 QString::fromStdString(std::string(PAGORANTO_PROGRAM_DIR) + "/layouts/"));
    });
    QVERIFY(TemplatePath().empty());
    QVERIFY(NameLabel()->text().isEmpty());

    SelectThroughManager([this](TLayoutmanager *manager) {
        manager->setTemplateDir(Layouts());
        manager->SelectTemplate(QStringLiteral("thumbs.html"));
    });
    QCOMPARE(QString::fromStdString(TemplatePath()), Layouts() + QStringLiteral("thumbs.html"));
    QCOMPARE(NameLabel()->text(), QStringLiteral("thumbs.html"));
    QVERIFY(!Child<ClickableLabel>(m_form.get(), "tpicindicator")->isHidden());
    QVERIFY(Child<ClickableLabel>(m_form.get(), "picindicator")->isHidden());
    QVERIFY(!Child<ClickableLabel>(m_form.get(), "neededfilesindicator")->isHidden());
    QCOMPARE(Child<QPlainTextEdit>(m_form.get(), "Memo1")->toPlainText(),
             QStringLiteral("Two thumbnails a page"));

    // Leaving again without a double-click keeps the manager's previous selection, and its
    // directory.
    SelectThroughManager(
        [this](TLayoutmanager *manager) { QCOMPARE(manager->templateDir(), Layouts()); });
    QCOMPARE(QString::fromStdString(TemplatePath()), Layouts() + QStringLiteral("thumbs.html"));
    QVERIFY(MessageBox::shownMessages().empty());
}

void TForm1LayoutWindowsTest::templateWithoutCommandsEndsWithNone()
{
    SelectThroughManager([this](TLayoutmanager *manager) {
        manager->setTemplateDir(Layouts());
        manager->SelectTemplate(QStringLiteral("thumbs.html"));
        manager->SelectTemplate(QStringLiteral("empty.html"));
    });
    QVERIFY(Shown("ERROR", "You're selected template does not contain any commands !"));
    QVERIFY(TemplatePath().empty());
    QVERIFY(NameLabel()->text().isEmpty());
}

void TForm1LayoutWindowsTest::layoutMenuEntriesAndIndicators()
{
    QStringList captions;
    QMenu *layoutMenu = nullptr;
    for (QAction *menu : m_form->menuBar()->actions())
        if (menu->text() == QStringLiteral("&Layout control"))
            layoutMenu = menu->menu();
    QVERIFY(layoutMenu);
    for (QAction *entry : layoutMenu->actions())
        captions.push_back(entry->text());
    QCOMPARE(captions.value(0), QStringLiteral("Select page template"));
    QCOMPARE(captions.value(1), QStringLiteral("Select page layout"));
    QVERIFY(captions.contains(QStringLiteral("Edit template in text editor")));

    // Without a template every entry that needs one says so.
    for (const char *name : {"layoutinfobutton", "layoutprotocolbutton"})
        Child<QPushButton>(m_form.get(), name)->setEnabled(true);
    Child<QPushButton>(m_form.get(), "layoutinfobutton")->click();
    QVERIFY(Shown("ERROR", "There's no template info.\rPlease select a page template !"));
    Child<QPushButton>(m_form.get(), "layoutprotocolbutton")->click();
    QVERIFY(Shown("ERROR", "There's no template protocol.\rPlease select a page template !"));
    m_form->EditTemplate1Click();
    QVERIFY(Shown("ERROR", "There's no template to show !"));

    QTest::mouseClick(Child<ClickableLabel>(m_form.get(), "tpicindicator"), Qt::LeftButton);
    QVERIFY(Shown("INFO", "If the hint \"$tpic$\" is shown,\rthen your selected template"));
}

void TForm1LayoutWindowsTest::editorOpensOnTheSelectedTemplate()
{
    SelectThroughManager([this](TLayoutmanager *manager) {
        manager->setTemplateDir(Layouts());
        manager->SelectTemplate(QStringLiteral("thumbs.html"));
    });
    auto *editor = Child<Twinrichedit>(m_form.get(), "Twinrichedit");
    QTimer::singleShot(0, editor, [editor] { editor->FileExit1Execute(); });
    m_form->EditTemplate1Click();
    QCOMPARE(editor->Panel1->text(),
             QStringLiteral("Filename:") + Layouts() + QStringLiteral("thumbs.html"));
    QCOMPARE(editor->currentTemplateFile(), Layouts() + QStringLiteral("thumbs.html"));
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TForm1LayoutWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tform1_layoutwindows_test.moc"
