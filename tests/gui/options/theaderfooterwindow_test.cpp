#include "core/text/linefile.h"
#include "gui/options/theaderfooterwindow.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace pagoranto;

class THeaderFooterWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void memoJoinsIntoTheLinesAndLists();
    void blankMemoLeavesTheLineAlone();
    void linesComeBackIntoTheMemo();
    void testInsertsBothLinesWhateverTheSwitches();
    void memoLimitHoldsForTheUserOnly();
    void listsCountAndMoveTheirEntries();
    void questionsAskBeforeEntriesGo();
    void listFilesRoundTripIntoTheirOwnList();

private:
    std::unique_ptr<THeaderFooterWindow> MakeWindow(const QString &listDirectory = QString());

    HeaderFooterOptions m_options;
    MessageBox m_prompts;
};

void THeaderFooterWindowTest::init()
{
    m_options = HeaderFooterOptions{};
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Yes; });
}

void THeaderFooterWindowTest::cleanup()
{
    MessageBox::clearScript();
}

std::unique_ptr<THeaderFooterWindow>
THeaderFooterWindowTest::MakeWindow(const QString &listDirectory)
{
    return std::make_unique<THeaderFooterWindow>(m_options, m_prompts, listDirectory,
                                                 QStringLiteral("/nonexistent.png"));
}

void THeaderFooterWindowTest::memoJoinsIntoTheLinesAndLists()
{
    auto window = MakeWindow();
    QVERIFY(!window->HeaderUse->isChecked());
    QVERIFY(!window->FooterUse->isChecked());
    window->Memo1->setPlainText(QStringLiteral("   <p align=\"center\">\n\n<b>Top</b></p>   "));
    window->Button1->click();
    QCOMPARE(window->headeredit->text(), QStringLiteral("<p align=\"center\"><b>Top</b></p>"));
    QCOMPARE(m_options.headeredit, std::string("<p align=\"center\"><b>Top</b></p>"));
    QCOMPARE(window->Memo1->toPlainText(),
             QStringLiteral("<p align=\"center\">\n\n<b>Top</b></p>"));

    window->Button2->click();
    QCOMPARE(m_options.footeredit, m_options.headeredit);
    window->Button4->click();
    QCOMPARE(window->footerlist->count(), 11);
    QCOMPARE(window->footerlist->currentItem()->text(), window->headeredit->text());
    QCOMPARE(window->Label8->text(), QStringLiteral("11"));
    QCOMPARE(window->Label7->text(), QStringLiteral("10"));
}

void THeaderFooterWindowTest::blankMemoLeavesTheLineAlone()
{
    auto window = MakeWindow();
    const QString before = window->headeredit->text();
    QVERIFY(!before.isEmpty());
    window->Button1->click();
    window->Memo1->setPlainText(QStringLiteral("   \n\t"));
    window->Button1->click();
    window->Button3->click();
    QCOMPARE(window->headeredit->text(), before);
    QCOMPARE(window->headerlist->count(), 10);
}

void THeaderFooterWindowTest::linesComeBackIntoTheMemo()
{
    auto window = MakeWindow();
    window->headeredit->setText(QStringLiteral("  <p><b>Home</b></p>back  "));
    window->SpeedButton9->click();
    QCOMPARE(window->memoLines(), (ByteLines{"<p>", "<b>", "Home</b>", "</p>", "back"}));
    window->SpeedButton12->click();
    QCOMPARE(window->memoLines(), ByteLines{"<p><b>Home</b></p>back"});
    // An empty line brings nothing and keeps the memo.
    window->footeredit->setText(QStringLiteral("   "));
    window->SpeedButton10->click();
    window->SpeedButton13->click();
    QCOMPARE(window->memoLines(), ByteLines{"<p><b>Home</b></p>back"});

    window->footerlist->setCurrentRow(2);
    window->SpeedButton8->click();
    QCOMPARE(window->Memo1->toPlainText(), window->footerlist->item(2)->text());
    // Double-click takes an entry as the line.
    emit window->headerlist->itemDoubleClicked(window->headerlist->item(3));
    QCOMPARE(window->headeredit->text(), window->headerlist->item(3)->text());
}

void THeaderFooterWindowTest::testInsertsBothLinesWhateverTheSwitches()
{
    auto window = MakeWindow();
    window->headeredit->setText(QStringLiteral("<p>H</p>"));
    window->footeredit->setText(QStringLiteral("<p>F</p>"));
    window->Memo1->setPlainText(
        QStringLiteral("<html>\n<BODY class=\"x\">\ntext\n<body>\n</BODY></html>"));
    window->Button7->click();
    QCOMPARE(window->memoLines(), (ByteLines{"<html>", "<BODY class=\"x\">", "<p>H</p>", "text",
                                             "<body>", "<p>F</p>", "</body></html>"}));
    QVERIFY(!m_options.HeaderUse);
    QVERIFY(!m_options.FooterUse);
}

void THeaderFooterWindowTest::memoLimitHoldsForTheUserOnly()
{
    auto window = MakeWindow();
    window->Memo1->insertPlainText(QString(1200, QLatin1Char('x')));
    QCOMPARE(window->Memo1->toPlainText().size(), 1000);

    // A page near the limit shows whole with the lines put in.
    window->setMemoLines({"<body>", std::string(980, 'y'), "</body>"});
    window->Button7->click();
    QCOMPARE(window->memoLines().size(), std::size_t{5});
    QCOMPARE(window->memoLines().back(), std::string("</body>"));
}

void THeaderFooterWindowTest::listsCountAndMoveTheirEntries()
{
    auto window = MakeWindow();
    QCOMPARE(window->Label7->text(), QStringLiteral("10"));
    QCOMPARE(window->Label8->text(), QStringLiteral("10"));
    window->headerlist->setCurrentRow(0);
    const QString moved = window->headerlist->item(0)->text();
    window->SpeedButton3->click();
    QCOMPARE(window->footerlist->item(10)->text(), moved);
    QCOMPARE(window->Label7->text(), QStringLiteral("9"));
    QCOMPARE(window->Label8->text(), QStringLiteral("11"));
    // The first footer sample equals the first header sample: now a double.
    window->SpeedButton15->click();
    QCOMPARE(window->footerlist->count(), 10);
    QCOMPARE(window->Label8->text(), QStringLiteral("10"));

    window->SpeedButton6->click();
    QCOMPARE(window->footerlist->count(), 0);
    QCOMPARE(window->headerlist->count(), 19);
    QCOMPARE(window->Label7->text(), QStringLiteral("19"));
    window->headerlist->setCurrentRow(18);
    window->SpeedButton1->click();
    QCOMPARE(window->headerlist->count(), 18);
    // Nothing selected: nothing deleted, nothing asked.
    const std::size_t asked = MessageBox::shownMessages().size();
    window->footerlist->clearSelection();
    window->SpeedButton2->click();
    window->SpeedButton5->click();
    QCOMPARE(MessageBox::shownMessages().size(), asked);
}

void THeaderFooterWindowTest::questionsAskBeforeEntriesGo()
{
    auto window = MakeWindow();
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::No; });
    window->Memo1->setPlainText(QStringLiteral("keep"));
    window->SpeedButton11->click();
    window->headerlist->setCurrentRow(1);
    window->SpeedButton1->click();
    window->SpeedButton4->click();
    window->SpeedButton6->click();
    window->SpeedButton14->click();
    window->SpeedButton15->click();
    QCOMPARE(window->Memo1->toPlainText(), QStringLiteral("keep"));
    QCOMPARE(window->headerlist->count(), 10);
    QCOMPARE(window->footerlist->count(), 10);
    std::vector<std::string> texts;
    for (const MessageBox::Shown &shown : MessageBox::shownMessages()) {
        QCOMPARE(shown.title, std::string());
        QCOMPARE(shown.buttons, PromptButtons::YesNo);
        texts.push_back(shown.text);
    }
    QCOMPARE(texts, (std::vector<std::string>{
                        "You're about to clear the memofield !\r\nDo you really want to clear "
                        "the memofield ?",
                        "You're about to delete the marked entry in the headerlist !\r\nDo you "
                        "really want to delete the marked entry ?",
                        "You're about to move all entries of the headerlist to the footerlist "
                        "!\r\nDo you really want to move all entries ?",
                        "You're about to move all entries of the footerlist to the headerlist "
                        "!\r\nDo you really want to move all entries ?",
                        "You're about to delete double entries in the header list !\r\nDo you "
                        "really want to delete all double entries ?",
                        "You're about to delete double entries in the footer list !\r\nDo you "
                        "really want to delete all double entries ?"}));
    MessageBox::queueAnswer(PromptAnswer::Yes);
    window->SpeedButton11->click();
    QCOMPARE(window->Memo1->toPlainText(), QString());
}

void THeaderFooterWindowTest::listFilesRoundTripIntoTheirOwnList()
{
    QTemporaryDir dir;
    const QString lists = dir.filePath(QStringLiteral("lists/"));
    auto window = MakeWindow(lists);
    window->footerlist->addItem(QStringLiteral("<p>mine</p>"));
    const QString footerFile = lists + QStringLiteral("set.footer");
    FileDialog::setNextFileName(footerFile);
    window->Button6->click();
    const auto saved = ReadLineFile(footerFile.toStdString());
    QVERIFY(saved.has_value());
    QCOMPARE(saved->size(), std::size_t{11});
    QCOMPARE(saved->back(), std::string("<p>mine</p>"));

    window->footerlist->clear();
    window->headerlist->clear();
    FileDialog::setNextFileName(footerFile);
    window->Button5->click();
    QCOMPARE(window->footerlist->count(), 11);
    QCOMPARE(window->headerlist->count(), 0);
    QCOMPARE(window->Label8->text(), QStringLiteral("11"));

    // Any other name is the header list.
    const QString headerFile = lists + QStringLiteral("top.header");
    QVERIFY(WriteLineFile(headerFile.toStdString(), {"<h1>A</h1>", "", "<h1>B</h1>"}));
    FileDialog::setNextFileName(headerFile);
    window->Button5->click();
    QCOMPARE(window->headerlist->count(), 2);
    QCOMPARE(window->Label7->text(), QStringLiteral("2"));
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    THeaderFooterWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "theaderfooterwindow_test.moc"
