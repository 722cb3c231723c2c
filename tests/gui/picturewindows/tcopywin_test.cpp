#include "core/options/additionaloptions.h"
#include "core/pictures/jpegdecoder.h"
#include "gui/pictures/tcopywin.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

namespace pagoranto {

using testing::PictureFolder;

class TcopywinTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void numberedCopiesContinueAcrossRunsAndAfterReset();
    void controlsFollowTheirOptions();
    void resizedCopiesKeepExistingFilesUnlessOverwriteIsTicked();
    void backHandsOverTheRefreshDirectory();
    void endMessageNamesUnreadableAndRenamedPictures();

private:
    void Copy(std::vector<std::string> pictures);
    QString Destination() const { return m_destination->dir(); }
    bool Exists(const std::string &name) const
    {
        return std::filesystem::exists(m_destination->path(name));
    }

    MessageBox m_messages;
    AdditionalOptions m_names;
    std::unique_ptr<PictureFolder> m_pictures;
    std::unique_ptr<PictureFolder> m_destination;
    std::unique_ptr<Tcopywin> m_window;
};

void TcopywinTest::init()
{
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
    m_names = {};
    m_pictures = std::make_unique<PictureFolder>();
    m_destination = std::make_unique<PictureFolder>();
    for (const char *name : {"a.jpg", "b.JPG", "c.jpeg"})
        m_pictures->writePicture(name, 300, 200);
    m_window = std::make_unique<Tcopywin>(m_messages, m_names, QString());
    m_window->setDestination(Destination());
}

void TcopywinTest::cleanup()
{
    m_window.reset();
    MessageBox::clearScript();
}

void TcopywinTest::Copy(std::vector<std::string> pictures)
{
    m_window->Prepare(std::move(pictures), m_pictures->dir());
    m_window->startCopy->click();
    m_window->WaitForCopy();
    QVERIFY(!m_window->copying());
}

void TcopywinTest::numberedCopiesContinueAcrossRunsAndAfterReset()
{
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0001"));
    m_window->RadioButton2->click();
    m_window->RadioButton5->click();
    QCOMPARE(m_window->Edit3->text(), QStringLiteral("NEW_"));
    QCOMPARE(m_window->example->text(), QStringLiteral("NEW_0001.jpg"));

    Copy({"a.jpg", "b.JPG", "c.jpeg"});
    for (const char *name : {"NEW_0001.jpg", "NEW_0002.jpg", "NEW_0003.jpg"})
        QVERIFY2(Exists(name), name);
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0003"));
    QCOMPARE(m_window->statusField[2]->text(), QStringLiteral("Ready"));
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[0].text, "The destination directory of your images will be:\r\r" +
                                Destination().toStdString() + "\r\rDo you want to proceed ? ");
    QCOMPARE(shown[1].text, std::string("All files copied !"));

    Copy({"a.jpg"});
    QVERIFY(Exists("NEW_0004.jpg"));

    m_window->resetNumber->click();
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0001"));
    Copy({"b.JPG"});
    QVERIFY(Exists("NEW_0002.jpg"));

    // Cancel at the question copies nothing and keeps the number.
    MessageBox::queueAnswer(PromptAnswer::Cancel);
    Copy({"c.jpeg"});
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0002"));
}

void TcopywinTest::controlsFollowTheirOptions()
{
    m_window->Prepare({}, m_pictures->dir());
    QVERIFY(!m_window->startCopy->isEnabled());
    m_window->Prepare({"a.jpg"}, m_pictures->dir());
    QVERIFY(m_window->startCopy->isEnabled());

    QCOMPARE(m_window->startCopy->text(), QStringLiteral("Copy pictures"));
    QVERIFY(!m_window->RadioGroup3->isEnabled());
    m_window->resizeImages->click();
    QCOMPARE(m_window->startCopy->text(), QStringLiteral("Copy and resize pictures"));
    QVERIFY(m_window->RadioGroup3->isEnabled());
    QCOMPARE(m_window->sizeIndex(), 3);
    QCOMPARE(m_window->quality(), 70);

    QCOMPARE(m_window->example->text(), QStringLiteral("Testname.jpg"));
    QVERIFY(!m_window->nameOptionsBox->isEnabled());
    m_window->RadioButton2->click();
    QVERIFY(m_window->nameOptionsBox->isEnabled());
    m_window->RadioButton3->click();
    m_window->Edit1->clear();
    QTest::keyClicks(m_window->Edit1, "Ab/ c.-_9");
    QCOMPARE(m_window->Edit1->text(), QStringLiteral("Abc-_9"));
    QCOMPARE(m_names.Edit1, std::string("Abc-_9"));
    QCOMPARE(m_window->example->text(), QStringLiteral("Abc-_9Testname.jpg"));
    m_window->Special->setChecked(true);
    QCOMPARE(m_window->example->text(), QStringLiteral("abc-_9testname.jpg"));
    m_window->upcaseNames->click();
    QCOMPARE(m_window->example->text(), QStringLiteral("ABC-_9TESTNAME.jpg"));

    m_window->RadioButton6->click();
    m_window->StepNumber(100);
    m_window->StepNumber(10);
    m_window->StepNumber(-1);
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0109"));
    m_window->StepNumber(-1000);
    QCOMPARE(m_window->startNumber->text(), QStringLiteral("0001"));
}

void TcopywinTest::resizedCopiesKeepExistingFilesUnlessOverwriteIsTicked()
{
    m_destination->write("a.jpg", "keep me");
    m_window->resizeImages->click();
    m_window->setSizeIndex(8); // 100 x 100
    Copy({"a.jpg", "b.JPG"});
    QCOMPARE(*ReadFileBytes(m_destination->path("a.jpg")), std::string("keep me"));
    QCOMPARE(ReadPictureSize(m_destination->path("b.jpg")), (PixelSize{100, 67}));
    const std::string &done = MessageBox::shownMessages().back().text;
    QVERIFY(done.starts_with("All files copied !"));
    QVERIFY(done.find("1 files existed already") != std::string::npos);

    m_window->overwriteFiles->click();
    Copy({"a.jpg"});
    QCOMPARE(ReadPictureSize(m_destination->path("a.jpg")), (PixelSize{100, 67}));
}

void TcopywinTest::backHandsOverTheRefreshDirectory()
{
    m_window->Prepare({"a.jpg"}, m_pictures->dir());
    m_window->backButton->click();
    QVERIFY(!m_window->refreshDirectory());
    m_window->useForRefresh->click();
    m_window->backButton->click();
    QCOMPARE(m_window->refreshDirectory(), std::optional<QString>(Destination()));
}

void TcopywinTest::endMessageNamesUnreadableAndRenamedPictures()
{
    m_pictures->writePicture("a.JPG", 30, 20);
    const std::string whole = *ReadFileBytes(m_pictures->path("a.jpg"));
    m_pictures->write("cut.jpg", whole.substr(0, whole.size() / 2));
    Copy({"a.jpg", "a.JPG", "cut.jpg"});
    QCOMPARE(ReadPictureSize(m_destination->path("a (2).jpg")), (PixelSize{30, 20}));
    QVERIFY(Exists("cut.jpg"));
    QCOMPARE(MessageBox::shownMessages().back().text,
             std::string("1 picture could not be read and was copied as it is: cut.jpg\r\r"
                         "1 copy got a number, as an earlier picture's copy has its name: "
                         "a.JPG as a (2).jpg"));
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::TcopywinTest)
#include "tcopywin_test.moc"
