#include "core/pictures/descriptionstore.h"
#include "core/text/linefile.h"
#include "gui/pictures/timagedescription.h"
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

private:
    ByteLines SavedLines() const
    {
        return ReadLineFile(m_folder->path("description.desc")).value_or(ByteLines{});
    }

    DescriptionStore m_store;
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
    m_window = std::make_unique<Timagedescription>(m_store);
}

void TimagedescriptionTest::cleanup()
{
    m_window.reset();
    m_folder.reset();
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

} // namespace pagoranto

QTEST_MAIN(pagoranto::TimagedescriptionTest)
#include "timagedescription_test.moc"
