#include "core/pictures/descriptionstore.h"
#include "core/text/linefile.h"
#include "gui/pictures/timagedescription.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

namespace pagoranto {

using testing::PictureFolder;

class TimagedescriptionTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handOverFillsTheListsAndLoadsTheDirectory();
    void choosingAnotherPictureSavesTheDescription();
    void closingSavesTheDescription();
    void memoRefusesBarsAndKeepsItsLength();
    void windows1252DescriptionsAreSavedAsRead();
    void charactersWindows1252CannotHoldAreAskedAbout();

private:
    ByteLines SavedLines() const
    {
        return ReadLineFile(m_folder->path("description.desc")).value_or(ByteLines{});
    }

    std::string SavedBytes() const
    {
        return ReadFileBytes(m_folder->path("description.desc")).value_or("<missing>");
    }

    DescriptionStore m_store;
    MessageBox m_prompts;
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<Timagedescription> m_window;
};

void TimagedescriptionTest::init()
{
    m_store.SetLines({"other.jpg|from another directory"});
    m_folder = std::make_unique<PictureFolder>();
    m_folder->writePicture("a.jpg", 300, 200);
    m_folder->writePicture("b.jpg", 40, 30);
    m_folder->writePicture("c.jpeg", 40, 30);
    MessageBox::clearScript();
    MessageBox::setResponder({});
    m_window = std::make_unique<Timagedescription>(m_store, m_prompts);
}

void TimagedescriptionTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
    MessageBox::clearScript();
}

void TimagedescriptionTest::handOverFillsTheListsAndLoadsTheDirectory()
{
    m_folder->write("description.desc", "A.JPG|Harbour at dawn|Taken from the pier\r\n");
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {"b.jpg"});
    QCOMPARE(m_store.lines(), ByteLines{"A.JPG|Harbour at dawn|Taken from the pier"});
    QCOMPARE(m_window->FileListBox1->count(), 2);
    QCOMPARE(m_window->ListBox1->count(), 1);
    QCOMPARE(m_window->FileListBox2->item(0)->text(), QStringLiteral("description.desc"));

    m_window->Edit1->setText(QStringLiteral("c*"));
    QTest::keyClick(m_window->Edit1, Qt::Key_Return);
    QCOMPARE(m_window->Edit1->text(), QStringLiteral("c*.jpg"));
    QCOMPARE(m_window->FileListBox1->count(), 0);

    emit m_window->ListBox1->itemClicked(m_window->ListBox1->item(0));
    QCOMPARE(m_window->picname->text(), QStringLiteral("b.jpg"));
    m_window->ChoosePicture("a.jpg");
    QCOMPARE(m_window->Memo1->toPlainText(),
             QStringLiteral("Harbour at dawn\nTaken from the pier"));
    m_window->WaitForPicture();
    QCOMPARE(m_window->Image1->pixmap().size(), QSize(300, 200));
}

void TimagedescriptionTest::choosingAnotherPictureSavesTheDescription()
{
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {});
    QVERIFY(m_store.lines().empty()); // a directory without "*.desc" files
    m_window->ChoosePicture("a.jpg");
    m_window->Memo1->setPlainText(QStringLiteral("  Harbour at dawn \n\nTaken from the pier\n"));
    m_window->ChoosePicture("b.jpg");
    QCOMPARE(SavedLines(), ByteLines{"a.jpg|Harbour at dawn|Taken from the pier|"});
    QCOMPARE(m_store.LookupDescription("a.jpg"),
             std::string("Harbour at dawn<br>Taken from the pier"));

    // An empty memo stores the name alone; the insert buttons write at the caret.
    m_window->ChoosePicture("a.jpg");
    m_window->Memo1->clear();
    m_window->ChoosePicture("b.jpg");
    QCOMPARE(SavedLines(), (ByteLines{"a.jpg|", "b.jpg|"}));
    m_window->insertButtons[1]->click();
    QCOMPARE(m_window->Memo1->toPlainText(), QStringLiteral("$time$"));

    // Going to another directory keeps what was written in the one left.
    PictureFolder other;
    m_window->setDirectory(other.dir());
    QCOMPARE(SavedLines(), (ByteLines{"a.jpg|", "b.jpg|$time$"}));
    QVERIFY(m_store.lines().empty());
    QVERIFY(m_window->Memo1->toPlainText().isEmpty());
    QVERIFY(!std::filesystem::exists(other.path("description.desc")));
}

void TimagedescriptionTest::closingSavesTheDescription()
{
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // Showing the window starts without a picture.
    QVERIFY(m_window->currentPicture().empty());
    m_window->ChoosePicture("b.jpg");
    m_window->Memo1->setPlainText(QStringLiteral("Gr\u00f6\u00dfe"));
    m_window->Button1->click();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(SavedLines(), ByteLines{"b.jpg|Gr\xC3\xB6\xC3\x9F"
                                     "e"});
    QCOMPARE(m_store.LookupDescriptionFirstLine("B.JPG"), std::string("Gr&ouml;&szlig;e"));
}

void TimagedescriptionTest::memoRefusesBarsAndKeepsItsLength()
{
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {});
    m_window->ChoosePicture("a.jpg");
    QTest::keyClicks(m_window->Memo1, "one|two");
    QCOMPARE(m_window->Memo1->toPlainText(), QStringLiteral("onetwo"));
    m_window->Memo1->insertPlainText(QStringLiteral("|x|"));
    QCOMPARE(m_window->Memo1->toPlainText(), QStringLiteral("onetwox"));
    m_window->Memo1->setPlainText(QString(1500, QLatin1Char('m')));
    QCOMPARE(m_window->Memo1->toPlainText().size(), 1024);
}

void TimagedescriptionTest::windows1252DescriptionsAreSavedAsRead()
{
    const std::string windows1252 = "a.jpg|Gr\xFC\xDF"
                                    "e aus K\xF6ln|\x84zitiert\x93 \x80 \x96\r\n"
                                    "b.jpg|Stra\xDF"
                                    "e\r\n";
    m_folder->write("description.desc", windows1252);
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {});
    m_window->ChoosePicture("a.jpg");
    QCOMPARE(m_window->Memo1->toPlainText(),
             QStringLiteral("Gr\u00fc\u00dfe aus K\u00f6ln\n\u201ezitiert\u201c \u20ac \u2013"));
    m_window->ChoosePicture("b.jpg");
    QCOMPARE(SavedBytes(), windows1252);

    m_window->Memo1->setPlainText(QStringLiteral("Stra\u00dfe\nBr\u00fccke"));
    m_window->Button1->click();
    QCOMPARE(SavedBytes(), "a.jpg|Gr\xFC\xDF"
                           "e aus K\xF6ln|\x84zitiert\x93 \x80 \x96\r\n"
                           "b.jpg|Stra\xDF"
                           "e|Br\xFC"
                           "cke\r\n");
    QVERIFY(MessageBox::shownMessages().empty());
}

void TimagedescriptionTest::charactersWindows1252CannotHoldAreAskedAbout()
{
    const std::string windows1252 = "a.jpg|K\xF6ln\r\n";
    m_folder->write("description.desc", windows1252);
    m_window->Prepare(QStringLiteral("*.jpg"), m_folder->dir(), {});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->ChoosePicture("b.jpg");
    m_window->Memo1->setPlainText(QStringLiteral("\u03a9mega"));

    // No: the picture, the directory and the window stay, with the text; nothing is saved.
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::No; });
    m_window->ChoosePicture("a.jpg");
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    const MessageBox::Shown question = MessageBox::shownMessages().back();
    QCOMPARE(question.title, std::string("Save as UTF-8"));
    QCOMPARE(question.buttons, PromptButtons::YesNo);
    QVERIFY(question.text.find(m_folder->path("description.desc")) != std::string::npos);
    QVERIFY(question.text.find("\xCE\xA9\r") != std::string::npos);
    QCOMPARE(m_window->currentPicture(), std::string("b.jpg"));
    QCOMPARE(m_window->Memo1->toPlainText(), QStringLiteral("\u03a9mega"));
    m_window->Button1->click();
    QVERIFY(m_window->isVisible());
    PictureFolder other;
    m_window->setDirectory(other.dir());
    QCOMPARE(m_window->directory(), m_folder->dir());
    QCOMPARE(m_window->currentPicture(), std::string("b.jpg"));
    QCOMPARE(SavedBytes(), windows1252);

    // Yes: the whole file becomes UTF-8.
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Yes; });
    m_window->Button1->click();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(SavedBytes(), std::string("a.jpg|K\xC3\xB6ln\r\nb.jpg|\xCE\xA9mega\r\n"));
    QCOMPARE(m_store.encoding(), FileEncoding::utf8);
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::TimagedescriptionTest)
#include "timagedescription_test.moc"
