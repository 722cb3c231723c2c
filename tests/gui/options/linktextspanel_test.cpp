#include "core/options/additionaloptionsfile.h"
#include "core/text/linefile.h"
#include "gui/options/linktextspanel.h"
#include "gui/platform/messagebox.h"

#include <QTemporaryDir>
#include <QtTest>

using pagoranto::LinkTexts;
using pagoranto::LinkTextsPanel;
using pagoranto::MessageBox;

class LinkTextsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void longestTextsAFileBringsAreShownWhole();
    void typedTextIsCutWhereTheFileReaderCutsIt_data();
    void typedTextIsCutWhereTheFileReaderCutsIt();

private:
    MessageBox m_prompts;
};

void LinkTextsPanelTest::init()
{
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return pagoranto::PromptAnswer::Ok; });
}

void LinkTextsPanelTest::cleanup()
{
    MessageBox::clearScript();
}

// Showing a text in a shorter control would cut it and write the cut text back.
void LinkTextsPanelTest::longestTextsAFileBringsAreShownWhole()
{
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("set.ccd")).toStdString();
    const std::string tooLong(300, 'w');
    QVERIFY(pagoranto::WriteLineFile(
        file, {"[ADDITIONALOPTIONS]", "NEXT=" + tooLong, "PREV=" + tooLong, "FIRS=" + tooLong,
               "LAST=" + tooLong, "FREE=" + tooLong, "HOME=" + tooLong, "HOMT=" + tooLong}));
    LinkTexts texts;
    QVERIFY(pagoranto::LoadCommandConfigData(file, texts));
    const LinkTexts read = texts;

    LinkTextsPanel panel(texts, m_prompts, dir.path());
    QCOMPARE(panel.freetext->text().size(), 200);
    QCOMPARE(texts.freetext, read.freetext);
    QCOMPARE(panel.Next_label->text().size(), 80);
    QCOMPARE(texts.Next_label, read.Next_label);
    QCOMPARE(texts.previous_label, read.previous_label);
    QCOMPARE(texts.first_label, read.first_label);
    QCOMPARE(texts.Last_label, read.Last_label);
    QCOMPARE(texts.homepage_label, read.homepage_label);
    QCOMPARE(texts.homepage_label_text, read.homepage_label_text);
}

void LinkTextsPanelTest::typedTextIsCutWhereTheFileReaderCutsIt_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("length");
    QTest::newRow("Next_label") << QStringLiteral("Next_label") << 80;
    QTest::newRow("freetext") << QStringLiteral("freetext") << 200;
    QTest::newRow("homepage_label") << QStringLiteral("homepage_label") << 80;
}

void LinkTextsPanelTest::typedTextIsCutWhereTheFileReaderCutsIt()
{
    QFETCH(QString, control);
    QFETCH(int, length);
    LinkTexts texts;
    LinkTextsPanel panel(texts, m_prompts, QString());
    auto *edit = panel.findChild<QLineEdit *>(control);
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, QString(250, QLatin1Char('y')));
    QCOMPARE(edit->text().size(), length);

    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("set.ccd")).toStdString();
    QVERIFY(pagoranto::SaveCommandConfigData(file, texts));
    LinkTexts read;
    QVERIFY(pagoranto::LoadCommandConfigData(file, read));
    LinkTextsPanel shown(read, m_prompts, QString());
    QCOMPARE(shown.findChild<QLineEdit *>(control)->text(), edit->text());
}

QTEST_MAIN(LinkTextsPanelTest)
#include "linktextspanel_test.moc"
