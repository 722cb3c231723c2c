#include "core/options/webtooloptions.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/templates/tlayoutmanager.h"
#include "tests/support/qtfiles.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/recordingevents.h"
#include "tests/support/recordingshell.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace pagoranto;
using testing::Items;
using testing::ReadFile;
using testing::WriteFile;

namespace {

bool Shown(const std::string &title, const std::string_view text)
{
    for (const MessageBox::Shown &shown : MessageBox::shownMessages())
        if (shown.title == title && shown.text == text)
            return true;
    return false;
}

} // namespace

class TLayoutmanagerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstShowingScansTheDefaultDirectoryOnce();
    void selectingLoadsAnalysisDescriptionAndNeededFiles();
    void templateWithoutCommandsIsRefused();
    void neededFilesStayInTheTemplatesDirectory();
    void nothingSelectedMeansNoEditing();
    void webToolsNeedACaptionAndASelection();
    void companionFilesKeepTheirEncoding();
    void aTypedInNewDirectoryIsCreatedAfterAsking();

private:
    QString Dir() const { return m_root->path() + QStringLiteral("/layouts/"); }
    QString Other() const { return m_root->path() + QStringLiteral("/other/"); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    testing::RecordingEvents m_events;
    testing::RecordingShell m_shell;
    WebToolOptions m_webTools;
    MessageBox m_prompts;
    std::unique_ptr<TLayoutmanager> m_manager;
};

void TLayoutmanagerTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(QDir().mkpath(Dir()));
    QVERIFY(QDir().mkpath(Other()));
    WriteFile(Dir() + QStringLiteral("thumbs.html"), "<html><body>$TPIC$ $TPIC$ $NEXT$</body>");
    WriteFile(Dir() + QStringLiteral("thumbs.txt"), "Thumbnail pages\r\nwith two rows");
    WriteFile(Dir() + QStringLiteral("thumbs.nef"), "thumbs.css\r\nlogo.gif\r\n");
    WriteFile(Dir() + QStringLiteral("plain.htm"), "<html><body>no commands</body></html>");
    WriteFile(Dir() + QStringLiteral("picture.html"), "<body>$PIC$</body>");
    WriteFile(Dir() + QStringLiteral("logo.gif"), "GIF89a");
    WriteFile(Other() + QStringLiteral("far.gif"), "GIF89a");
    m_webTools = {};
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_manager =
        std::make_unique<TLayoutmanager>(m_prompts, m_events, m_shell, m_webTools, nullptr, Dir());
}

void TLayoutmanagerTest::cleanup()
{
    m_manager.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TLayoutmanagerTest::firstShowingScansTheDefaultDirectoryOnce()
{
    QCOMPARE(m_manager->windowTitle(), QStringLiteral("Layout-Manager"));
    m_manager->show();
    QCOMPARE(m_manager->templateDir(), Dir());
    QCOMPARE(Items(m_manager->normaltemplatelist),
             (QStringList{QStringLiteral("picture.html"), QStringLiteral("plain.htm")}));
    QCOMPARE(Items(m_manager->neededfiletemplatelist), QStringList{QStringLiteral("thumbs.html")});
    QCOMPARE(m_manager->normalcount->text(), QStringLiteral("2"));
    QCOMPARE(m_manager->neededcount->text(), QStringLiteral("1"));

    // A later opening keeps the directory the user went to.
    m_manager->setTemplateDir(Other());
    m_manager->hide();
    m_manager->show();
    QCOMPARE(m_manager->templateDir(), Other());
    QCOMPARE(m_manager->normaltemplatelist->count(), 0);
    m_manager->SpeedButton2Click();
    QCOMPARE(m_manager->templateDir(), Dir());
}

void TLayoutmanagerTest::selectingLoadsAnalysisDescriptionAndNeededFiles()
{
    m_manager->show();
    m_manager->SelectTemplate(QStringLiteral("thumbs.html"));
    QCOMPARE(m_manager->managerSelection(), Dir() + QStringLiteral("thumbs.html"));
    QCOMPARE(m_manager->selectionlabel->text(), m_manager->managerSelection());
    QCOMPARE(m_manager->tpiccount->text(), QStringLiteral("2"));
    QCOMPARE(m_manager->piccount->text(), QStringLiteral("0"));
    QVERIFY(!m_manager->tpicfound->isHidden());
    QVERIFY(m_manager->picfound->isHidden());
    QCOMPARE(m_manager->descriptionmemo->toPlainText(),
             QStringLiteral("Thumbnail pages\nwith two rows"));
    QCOMPARE(Items(m_manager->neededfiles),
             (QStringList{QStringLiteral("thumbs.css"), QStringLiteral("logo.gif")}));
    QVERIFY(MessageBox::shownMessages().empty());

    // A template without a description shows an empty memo, not the previous one.
    m_manager->SelectTemplate(QStringLiteral("picture.html"));
    QVERIFY(m_manager->descriptionmemo->toPlainText().isEmpty());
    QCOMPARE(m_manager->neededfiles->count(), 0);
    QVERIFY(!m_manager->picfound->isHidden());
    QVERIFY(m_manager->tpicfound->isHidden());

    m_manager->descriptionmemo->setPlainText(QStringLiteral("One picture\nper page"));
    m_manager->SaveNewDescriptionClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("picture.txt")),
             QByteArray("One picture\r\nper page\r\n"));
}

void TLayoutmanagerTest::templateWithoutCommandsIsRefused()
{
    m_manager->show();
    m_manager->SelectTemplate(QStringLiteral("thumbs.html"));
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_manager->SelectTemplate(QStringLiteral("plain.htm"));
    QVERIFY(Shown("ERROR", "You're selected template does not contain any commands !\rPlease "
                           "select an other template and proceed !\rClick on the \"Show template "
                           "protocol menue\" to control the analysis,\rand select a new template "
                           "! Thanks !"));
    QVERIFY(m_manager->managerSelection().isEmpty());
    QCOMPARE(m_manager->tpiccount->text(), QStringLiteral("0"));
    QVERIFY(m_manager->tpicfound->isHidden());
    // The lists are those of the template before: they are not loaded for a refused one.
    QCOMPARE(m_manager->neededfiles->count(), 2);
    // With nothing selected, list editing does nothing and writes nothing.
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_manager->ClearListClick();
    QVERIFY(MessageBox::shownMessages().empty());
    QVERIFY(!QFile::exists(Dir() + QStringLiteral("plain.nef")));
}

void TLayoutmanagerTest::neededFilesStayInTheTemplatesDirectory()
{
    m_manager->show();
    m_manager->SelectTemplate(QStringLiteral("picture.html"));
    FileDialog::setNextFileName(Other() + QStringLiteral("far.gif"));
    m_manager->AddFilesClick();
    QVERIFY(Shown("Problem", "It's not allowed to select an other directory as\rthe source "
                             "directory of your selected layout !"));
    QVERIFY(MessageBox::shownMessages().back().error);
    QVERIFY(!QFile::exists(Dir() + QStringLiteral("picture.nef")));

    FileDialog::setNextFileName(Dir() + QStringLiteral("logo.gif"));
    m_manager->AddFilesClick();
    FileDialog::setNextFileName(Dir() + QStringLiteral("logo.gif"));
    m_manager->AddFilesClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("picture.nef")),
             QByteArray("logo.gif\r\nlogo.gif\r\n"));
    // The lists move only with the next scan.
    QCOMPARE(m_manager->neededfiletemplatelist->count(), 1);
    m_manager->DirectoryScan();
    QCOMPARE(Items(m_manager->neededfiletemplatelist),
             (QStringList{QStringLiteral("picture.html"), QStringLiteral("thumbs.html")}));

    m_manager->neededfiles->setCurrentRow(0);
    m_manager->RemoveMarkedItemClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("picture.nef")), QByteArray("logo.gif\r\n"));

    MessageBox::queueAnswer(PromptAnswer::Cancel);
    m_manager->ClearListClick();
    QCOMPARE(m_manager->neededfiles->count(), 1);
    MessageBox::queueAnswer(PromptAnswer::Ok);
    m_manager->ClearListClick();
    QCOMPARE(m_manager->neededfiles->count(), 0);
    QCOMPARE(ReadFile(Dir() + QStringLiteral("picture.nef")), QByteArray());
    m_manager->DirectoryScan();
    QCOMPARE(Items(m_manager->normaltemplatelist),
             (QStringList{QStringLiteral("picture.html"), QStringLiteral("plain.htm")}));

    emit m_manager->neededfiles->itemDoubleClicked(
        new QListWidgetItem(QStringLiteral("logo.gif"), m_manager->neededfiles));
    QCOMPARE(m_shell.opened.back(), (Dir() + QStringLiteral("logo.gif")).toStdString());
}

void TLayoutmanagerTest::nothingSelectedMeansNoEditing()
{
    m_manager->show();
    m_manager->InternalEditor1Click();
    QVERIFY(Shown("ERROR", "There's no template to show !"));
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_manager->reloadlayoutClick();
    m_manager->SaveNewDescriptionClick();
    m_manager->AddFilesClick();
    QVERIFY(MessageBox::shownMessages().empty());
}

void TLayoutmanagerTest::webToolsNeedACaptionAndASelection()
{
    const std::string_view noLayout =
        "You did not select a layout for editing !\rFirst select a layout and then click here "
        "again.";
    QSignalSpy requested(m_manager.get(), &TLayoutmanager::webToolRequested);
    m_manager->show();
    QCOMPARE(m_manager->webeditor[0]->objectName(), QStringLiteral("webeditor11"));
    QCOMPARE(m_manager->webeditor[2]->objectName(), QStringLiteral("webeditor31"));
    m_manager->SelectTemplate(QStringLiteral("thumbs.html"));
    m_manager->WebToolClick(2);
    QVERIFY(Shown("ERROR", noLayout));

    m_webTools.webtool2_label = "/usr/bin/bluefish";
    m_manager->UpdateWebToolCaptions();
    QCOMPARE(m_manager->webeditor[1]->text(), QStringLiteral("bluefish"));
    QCOMPARE(m_manager->webeditor[0]->text(), QStringLiteral("?"));
    m_manager->webeditor[1]->trigger();
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), 2);
    QCOMPARE(requested.at(0).at(1).toString(), Dir() + QStringLiteral("thumbs.html"));

    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_manager->SelectTemplate(QStringLiteral("plain.htm"));
    m_manager->WebToolClick(2);
    QVERIFY(Shown("ERROR", noLayout));
    QCOMPARE(requested.count(), 1);
}

void TLayoutmanagerTest::companionFilesKeepTheirEncoding()
{
    const QByteArray description = "Bilder aus K\xF6ln\r\n\x84zwei\x93 Reihen\r\n";
    WriteFile(Dir() + QStringLiteral("thumbs.txt"), description);
    WriteFile(Dir() + QStringLiteral("thumbs.nef"), "B\xE4ume.gif\r\nlogo.gif\r\n");
    m_manager->show();
    m_manager->SelectTemplate(QStringLiteral("thumbs.html"));
    QCOMPARE(m_manager->descriptionmemo->toPlainText(),
             QStringLiteral("Bilder aus K\u00f6ln\n\u201ezwei\u201c Reihen"));

    // Saved again and again, the description stays as it was: the same encoding, and no empty
    // line gained at each save.
    m_manager->SaveNewDescriptionClick();
    m_manager->SaveNewDescriptionClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("thumbs.txt")), description);

    // Needed files are names: written back with the bytes they were read as.
    m_manager->neededfiles->setCurrentRow(1);
    m_manager->RemoveMarkedItemClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("thumbs.nef")), QByteArray("B\xE4ume.gif\r\n"));

    m_manager->descriptionmemo->setPlainText(QStringLiteral("\u03a9"));
    MessageBox::queueAnswer(PromptAnswer::No);
    m_manager->SaveNewDescriptionClick();
    QVERIFY(Shown(
        "Save as UTF-8",
        SaveAsUtf8Question((Dir() + QStringLiteral("thumbs.txt")).toStdString(), "\xCE\xA9")));
    QCOMPARE(ReadFile(Dir() + QStringLiteral("thumbs.txt")), description);
    QCOMPARE(m_manager->descriptionmemo->toPlainText(), QStringLiteral("\u03a9"));
    MessageBox::queueAnswer(PromptAnswer::Yes);
    m_manager->SaveNewDescriptionClick();
    QCOMPARE(ReadFile(Dir() + QStringLiteral("thumbs.txt")), QByteArray("\xCE\xA9\r\n"));
}

void TLayoutmanagerTest::aTypedInNewDirectoryIsCreatedAfterAsking()
{
    m_manager->show();
    const QString fresh = m_root->path() + QStringLiteral("/fresh/layouts");

    FileDialog::setNextFileName(fresh);
    MessageBox::queueAnswer(PromptAnswer::No);
    m_manager->SpeedButton1Click();
    QVERIFY(!QFileInfo::exists(fresh));
    QCOMPARE(m_manager->templateDir(), Dir());

    FileDialog::setNextFileName(fresh);
    MessageBox::queueAnswer(PromptAnswer::Yes);
    m_manager->SpeedButton1Click();
    QVERIFY(QFileInfo(fresh).isDir());
    QCOMPARE(m_manager->templateDir(), fresh + QStringLiteral("/"));
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("Question"));

    // An existing directory is taken without a question.
    const auto asked = MessageBox::shownMessages().size();
    FileDialog::setNextFileName(Other());
    m_manager->SpeedButton1Click();
    QCOMPARE(m_manager->templateDir(), Other());
    QCOMPARE(MessageBox::shownMessages().size(), asked);
}

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TLayoutmanagerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tlayoutmanager_test.moc"
