#include "core/options/additionaloptions.h"
#include "gui/platform/colourdialog.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/templates/twinrichedit.h"
#include "tests/support/qtfiles.h"
#include "tests/support/qtscratchdirectory.h"
#include "tests/support/recordingshell.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace pagoranto;
using testing::ReadFile;
using testing::WriteFile;

class TwinricheditTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openingShowsNameAndLineCount();
    void deleteEmptyLinesAsksAndTrims();
    void insertionsReplaceTheSelection();
    void nameCommentFollowsSaveAs();
    void saveErrorsKeepTheText();
    void leavingAsksOnlyAfterChanges();
    void previewWritesTempHtmlAndNeedsABrowser();
    void insertEntriesFollowTheTextsFocus();
    void limitHoldsForTypingNotForLoading();
    void windows1252TemplateIsSavedAsRead();
    void charactersWindows1252CannotHoldAreAskedAbout();

private:
    QString Template() const { return m_root->path() + QStringLiteral("/layouts/gallery.html"); }
    QString Program() const { return m_root->path() + QLatin1Char('/'); }

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    testing::RecordingShell m_shell;
    AdditionalOptions m_additional;
    MessageBox m_prompts;
    std::unique_ptr<Twinrichedit> m_editor;
};

void TwinricheditTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(QDir().mkpath(m_root->path() + QStringLiteral("/layouts")));
    WriteFile(Template(), "<html>\r\n\r\n  \t\r\n<body>$PIC$</body>\r\n \r\n</html>\r\n");
    m_additional = {};
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_editor =
        std::make_unique<Twinrichedit>(m_prompts, m_shell, m_additional, Program().toStdString(),
                                       m_root->path() + QStringLiteral("/layouts"));
    m_editor->OpenTemplate(Template());
}

void TwinricheditTest::cleanup()
{
    m_editor.reset();
    MessageBox::clearScript();
    m_root.reset();
}

void TwinricheditTest::openingShowsNameAndLineCount()
{
    QCOMPARE(m_editor->windowTitle(), QStringLiteral("Template source editor"));
    QCOMPARE(m_editor->Panel1->text(), QStringLiteral("Filename:") + Template());
    QCOMPARE(m_editor->Panel2->text(), QStringLiteral("6 lines"));
    QVERIFY(!m_editor->editorModified());
    QCOMPARE(m_editor->minimumSize(), QSize(400, 400));
    QCOMPARE(m_editor->maximumSize(), QSize(1024, 768));

    m_editor->RichEdit1->clear();
    QCOMPARE(m_editor->Panel2->text(), QStringLiteral("0 lines"));
    QVERIFY(m_editor->editorModified());
}

void TwinricheditTest::deleteEmptyLinesAsksAndTrims()
{
    MessageBox::queueAnswer(PromptAnswer::Cancel);
    m_editor->Deleteemptylines1Click();
    QCOMPARE(m_editor->RichEdit1->blockCount(), 6);
    QCOMPARE(MessageBox::shownMessages().back().text,
             std::string("Do you want to delete all empty lines in your template ?"));
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("Question"));

    m_editor->Deleteemptylines1Click();
    QCOMPARE(m_editor->RichEdit1->toPlainText(),
             QStringLiteral("<html>\n<body>$PIC$</body>\n</html>"));

    // Only blank lines: nothing left. An empty text: the question and nothing more.
    m_editor->RichEdit1->setPlainText(QStringLiteral("\n \t\n\x01\n  "));
    m_editor->Deleteemptylines1Click();
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QString());
    QCOMPARE(m_editor->Panel2->text(), QStringLiteral("0 lines"));
    const auto asked = MessageBox::shownMessages().size();
    m_editor->Deleteemptylines1Click();
    QCOMPARE(MessageBox::shownMessages().size(), asked + 1);
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QString());
}

void TwinricheditTest::insertionsReplaceTheSelection()
{
    m_editor->RichEdit1->setPlainText(QStringLiteral("color=XX;"));
    QTextCursor cursor = m_editor->RichEdit1->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    m_editor->RichEdit1->setTextCursor(cursor);
    ColourDialog::setNextColour(QColor(1, 2, 3));
    m_editor->Getahtmlcolorforthetemplate1Click();
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("color=#010203;"));

    ColourDialog::setNextColour(QColor());
    m_editor->Getahtmlcolorforthetemplate1Click();
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("color=#010203;"));

    m_editor->RichEdit1->clear();
    for (const char *name : {"Inserauthortag1", "Insercommenttag1", "Inserkeywordtag1",
                             "Inserauthortag2", "Insertactualdateascomment1"}) {
        QAction *entry = m_editor->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(entry, name);
        entry->setEnabled(true);
        entry->trigger();
    }
    QCOMPARE(m_editor->RichEdit1->toPlainText(),
             QStringLiteral("<!--metaauthor--><!--comment--><!--metakeywords--><!--title--><!--") +
                 QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")) +
                 QStringLiteral("-->"));
    QCOMPARE(
        m_editor->findChild<QAction *>(QStringLiteral("Getahtmlcolorforthetemplate1"))->shortcut(),
        QKeySequence(QStringLiteral("Ctrl+9")));
}

void TwinricheditTest::nameCommentFollowsSaveAs()
{
    m_editor->RichEdit1->clear();
    m_editor->InsertTemplateNameComment();
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("<!--gallery.html-->"));

    const QString copy = m_root->path() + QStringLiteral("/copy.htm");
    FileDialog::setNextFileName(copy);
    m_editor->Saveas1Click();
    QCOMPARE(ReadFile(copy), QByteArray("<!--gallery.html-->\r\n"));
    QCOMPARE(m_editor->Panel1->text(), QStringLiteral("Filename:") + copy);
    QCOMPARE(m_editor->currentTemplateFile(), copy);
    QVERIFY(!m_editor->editorModified());
    m_editor->InsertTemplateNameComment();
    QCOMPARE(m_editor->RichEdit1->toPlainText(),
             QStringLiteral("<!--gallery.html--><!--copy.htm-->"));

    // Save goes to the new file; a cancelled dialog changes nothing.
    m_editor->FileSave1Execute();
    QCOMPARE(ReadFile(copy), QByteArray("<!--gallery.html--><!--copy.htm-->\r\n"));
    FileDialog::setNextFileName(QString());
    m_editor->Saveas1Click();
    QCOMPARE(m_editor->currentTemplateFile(), copy);

    // Opening again starts without the saved-as name.
    m_editor->OpenTemplate(Template());
    QVERIFY(m_editor->savedAsFile().isEmpty());
    m_editor->RichEdit1->clear();
    m_editor->InsertTemplateNameComment();
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("<!--gallery.html-->"));
}

void TwinricheditTest::saveErrorsKeepTheText()
{
    m_editor->RichEdit1->setPlainText(QStringLiteral("changed"));
    m_editor->OpenTemplate(m_root->path() + QStringLiteral("/missing/dir/t.html"));
    m_editor->RichEdit1->setPlainText(QStringLiteral("new text"));
    m_editor->FileSave1Execute();
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("Save error"));
    QCOMPARE(MessageBox::shownMessages().back().text,
             std::string("Unable to save the template !\rMaybe you've tried to save on a write "
                         "protected media or\rthe template is write protected."));
    QVERIFY(m_editor->editorModified());
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("new text"));

    FileDialog::setNextFileName(m_root->path() + QStringLiteral("/missing/other.html"));
    m_editor->Saveas1Click();
    QCOMPARE(MessageBox::shownMessages().back().text,
             std::string("Unable to save the template !\rMaybe you've tried to save on a write "
                         "protected media or\rthe template is already existing and write "
                         "protected."));
    QVERIFY(m_editor->savedAsFile().isEmpty());
}

void TwinricheditTest::leavingAsksOnlyAfterChanges()
{
    // Unchanged: no question.
    QTimer::singleShot(0, m_editor.get(), [this] { m_editor->FileExit1Execute(); });
    QCOMPARE(m_editor->EditTemplate(Template()), int(QDialog::Accepted));
    QVERIFY(MessageBox::shownMessages().empty());
    QVERIFY(m_editor->Panel2->text().isEmpty());

    // Changed, No: the file stays; Yes: saved.
    for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
        QTimer::singleShot(0, m_editor.get(), [this, answer] {
            m_editor->RichEdit1->setPlainText(QStringLiteral("<p>$PIC$</p>"));
            MessageBox::queueAnswer(answer);
            m_editor->close();
        });
        QCOMPARE(m_editor->EditTemplate(Template()), int(QDialog::Accepted));
        QCOMPARE(MessageBox::shownMessages().back().title, std::string("Info"));
        QCOMPARE(MessageBox::shownMessages().back().text,
                 std::string("Content changed !\rDo you like to save the actual content, before "
                             "you go back ?"));
        QCOMPARE(ReadFile(Template()).startsWith("<p>"), answer == PromptAnswer::Yes);
    }

    // A save that fails on the way out keeps the window and the changes.
    const QString unwritable = m_root->path() + QStringLiteral("/missing/t.html");
    bool stayed = false;
    QTimer::singleShot(0, m_editor.get(), [&] {
        m_editor->RichEdit1->setPlainText(QStringLiteral("keep me"));
        MessageBox::queueAnswer(PromptAnswer::Yes);
        m_editor->FileExit1Execute();
        stayed = m_editor->isVisible();
        QCOMPARE(MessageBox::shownMessages().back().title, std::string("Save error"));
        MessageBox::queueAnswer(PromptAnswer::No);
        m_editor->FileExit1Execute();
    });
    QCOMPARE(m_editor->EditTemplate(unwritable), int(QDialog::Accepted));
    QVERIFY(stayed);
    QCOMPARE(m_editor->RichEdit1->toPlainText(), QStringLiteral("keep me"));
}

void TwinricheditTest::previewWritesTempHtmlAndNeedsABrowser()
{
    m_additional.browserStart = BrowserStart::none;
    m_editor->Previewtemplateindefaultbrowser1Click();
    // Only the preview copy points the browser at the template's own folder.
    const QByteArray base =
        "<base href=\"file://" + QFileInfo(Template()).absolutePath().toUtf8() + "/\">";
    QCOMPARE(ReadFile(Program() + QStringLiteral("temp.html")), base + ReadFile(Template()));
    QCOMPARE(MessageBox::shownMessages().back().text, std::string("Please select a browser."));
    QVERIFY(m_shell.opened.empty());

    m_additional.browserStart = BrowserStart::defaultBrowser;
    m_editor->Previewtemplateindefaultbrowser1Click();
    QCOMPARE(m_shell.opened.size(), std::size_t(1));
    QCOMPARE(m_shell.opened.front(), (Program() + QStringLiteral("temp.html")).toStdString());
}

void TwinricheditTest::insertEntriesFollowTheTextsFocus()
{
    auto *entry = m_editor->findChild<QAction *>(QStringLiteral("Deleteemptylines1"));
    auto *button = m_editor->findChild<QToolButton *>(QStringLiteral("ToolButton17"));
    auto *author = m_editor->findChild<QAction *>(QStringLiteral("Insertauthortag"));
    auto *preview =
        m_editor->findChild<QAction *>(QStringLiteral("Previewtemplateindefaultbrowser1"));
    QVERIFY(!entry->isEnabled());
    QVERIFY(!button->isEnabled());
    QVERIFY(preview->isEnabled());
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(m_editor->RichEdit1, &in);
    QVERIFY(entry->isEnabled());
    QVERIFY(button->isEnabled());
    QVERIFY(author->isEnabled());
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(m_editor->RichEdit1, &popup);
    QVERIFY(entry->isEnabled());
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(m_editor->RichEdit1, &out);
    QVERIFY(!entry->isEnabled());
    QVERIFY(!author->isEnabled());
}

void TwinricheditTest::limitHoldsForTypingNotForLoading()
{
    const QByteArray big(200010, 'x');
    WriteFile(Template(), big);
    m_editor->OpenTemplate(Template());
    QCOMPARE(m_editor->RichEdit1->toPlainText().size(), big.size());
    QVERIFY(!m_editor->editorModified());

    m_editor->RichEdit1->setPlainText(QString(199990, QLatin1Char('a')));
    QTextCursor cursor = m_editor->RichEdit1->textCursor();
    cursor.setPosition(5);
    m_editor->RichEdit1->setTextCursor(cursor);
    m_editor->InsertText(QString(30, QLatin1Char('b')));
    const QString text = m_editor->RichEdit1->toPlainText();
    QCOMPARE(text.size(), 200000);
    QCOMPARE(text.mid(5, 11), QString(10, QLatin1Char('b')) + QLatin1Char('a'));
}

void TwinricheditTest::windows1252TemplateIsSavedAsRead()
{
    const QByteArray windows1252 = "<meta charset=\"windows-1252\">\r\n<p>Gr\xFC\xDF"
                                   "e aus K\xF6ln \x84zitiert\x93 \x80 \x96 \x81</p>\r\n";
    WriteFile(Template(), windows1252);
    m_editor->OpenTemplate(Template());
    QCOMPARE(m_editor->encoding(), FileEncoding::windows1252);
    QVERIFY(m_editor->RichEdit1->toPlainText().contains(QStringLiteral("Gr\u00fc\u00dfe")));
    QVERIFY(m_editor->RichEdit1->toPlainText().contains(QStringLiteral("\u201ezitiert\u201c")));

    m_editor->FileSave1Execute();
    QCOMPARE(ReadFile(Template()), windows1252);
    m_editor->RichEdit1->moveCursor(QTextCursor::End);
    m_editor->InsertText(QStringLiteral("<p>\u00c4rger \u20ac</p>"));
    m_editor->FileSave1Execute();
    QCOMPARE(ReadFile(Template()), windows1252.chopped(2) + "<p>\xC4rger \x80</p>\r\n");
    QVERIFY(MessageBox::shownMessages().empty());

    // A UTF-8 template stays UTF-8.
    WriteFile(Template(), "<p>Gr\xC3\xBC\xC3\x9F"
                          "e</p>\r\n");
    m_editor->OpenTemplate(Template());
    m_editor->InsertText(QStringLiteral("\u00e4"));
    m_editor->FileSave1Execute();
    QCOMPARE(ReadFile(Template()), QByteArray("\xC3\xA4<p>Gr\xC3\xBC\xC3\x9F"
                                              "e</p>\r\n"));
}

void TwinricheditTest::charactersWindows1252CannotHoldAreAskedAbout()
{
    const QByteArray windows1252 = "<p>K\xF6ln</p>\r\n";
    WriteFile(Template(), windows1252);
    m_editor->OpenTemplate(Template());
    m_editor->RichEdit1->moveCursor(QTextCursor::End);
    m_editor->InsertText(QStringLiteral("\u03a9 \u2192 \u03a9"));

    // No: nothing is saved, the text stays, and leaving keeps the window open.
    MessageBox::queueAnswer(PromptAnswer::No);
    m_editor->FileSave1Execute();
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    const MessageBox::Shown question = MessageBox::shownMessages().back();
    QCOMPARE(question.title, std::string("Save as UTF-8"));
    QCOMPARE(question.buttons, PromptButtons::YesNo);
    QVERIFY(question.text.find(Template().toStdString()) != std::string::npos);
    QVERIFY(question.text.find("\xCE\xA9 \xE2\x86\x92\r") != std::string::npos);
    QCOMPARE(ReadFile(Template()), windows1252);
    QVERIFY(m_editor->editorModified());
    QCOMPARE(m_editor->encoding(), FileEncoding::windows1252);

    MessageBox::queueAnswer(PromptAnswer::Yes); // content changed: save
    MessageBox::queueAnswer(PromptAnswer::No);  // not as UTF-8
    m_editor->show();
    m_editor->FileExit1Execute();
    QVERIFY(m_editor->isVisible());
    QCOMPARE(ReadFile(Template()), windows1252);

    // Yes: the whole file becomes UTF-8, and later saves need no question.
    MessageBox::queueAnswer(PromptAnswer::Yes);
    m_editor->FileSave1Execute();
    QCOMPARE(ReadFile(Template()),
             QByteArray("<p>K\xC3\xB6ln</p>\xCE\xA9 \xE2\x86\x92 \xCE\xA9\r\n"));
    QVERIFY(!m_editor->editorModified());
    QCOMPARE(m_editor->encoding(), FileEncoding::utf8);
    const std::size_t asked = MessageBox::shownMessages().size();
    m_editor->FileSave1Execute();
    QCOMPARE(MessageBox::shownMessages().size(), asked);
    m_editor->hide();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TwinricheditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "twinrichedit_test.moc"
