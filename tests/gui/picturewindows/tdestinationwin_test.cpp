#include "gui/pictures/tdestinationwin.h"
#include "gui/platform/messagebox.h"
#include "tests/gui/pictures/picturefolder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>

namespace pagoranto {

using testing::PictureFolder;

class TdestinationwinTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void renamesAskFirstAndNeverReplaceFiles();
    void createdDirectoryIsOpenedAndCloseHandsItOver();

private:
    MessageBox m_messages;
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<Tdestinationwin> m_window;
};

void TdestinationwinTest::init()
{
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Yes; });
    m_folder = std::make_unique<PictureFolder>();
    for (const char *name : {"A.jpeg", "b.JPE", "b.jpg", "Holiday.JPG", "notes.txt"})
        m_folder->write(name, name);
    m_window = std::make_unique<Tdestinationwin>(m_messages, m_folder->dir());
}

void TdestinationwinTest::cleanup()
{
    m_window.reset();
    MessageBox::clearScript();
}

void TdestinationwinTest::renamesAskFirstAndNeverReplaceFiles()
{
    QCOMPARE(m_window->fileNames(),
             (std::vector<std::string>{"A.jpeg", "b.JPE", "b.jpg", "Holiday.JPG"}));
    MessageBox::queueAnswer(PromptAnswer::No);
    m_window->changeExtensions->click();
    QVERIFY(std::filesystem::exists(m_folder->path("A.jpeg")));

    m_window->changeExtensions->click();
    QVERIFY(std::filesystem::exists(m_folder->path("A.jpg")));
    QCOMPARE(*ReadFileBytes(m_folder->path("b.jpg")), std::string("b.jpg"));
    QVERIFY(std::filesystem::exists(m_folder->path("b.JPE")));
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown[1].text, std::string("Do you really like to change the fileextensions "
                                        "\".jpe\" or \".jpeg\"\rto \".jpg\" ?"));
    QVERIFY(shown.back().text.find("b.JPE") != std::string::npos);

    m_window->downcaseNames->click();
    QVERIFY(std::filesystem::exists(m_folder->path("a.jpg")));
    QVERIFY(std::filesystem::exists(m_folder->path("holiday.jpg")));
    QVERIFY(std::filesystem::exists(m_folder->path("notes.txt")));
    QVERIFY(m_window->downcaseNames->isEnabled());
}

void TdestinationwinTest::createdDirectoryIsOpenedAndCloseHandsItOver()
{
    m_window->createDirectory->click();
    QVERIFY(!m_window->newDirectoryName->isHidden());
    m_window->newDirectoryName->setText(QStringLiteral("../outside"));
    QTest::keyClick(m_window->newDirectoryName, Qt::Key_Return);
    QCOMPARE(m_window->directory(), m_folder->dir());

    m_window->createDirectory->click();
    m_window->newDirectoryName->setText(QStringLiteral("copies"));
    QTest::keyClick(m_window->newDirectoryName, Qt::Key_Return);
    QVERIFY(m_window->newDirectoryName->isHidden());
    QCOMPARE(m_window->directory(), m_folder->dir() + QStringLiteral("copies/"));

    QSignalSpy chosen(m_window.get(), &Tdestinationwin::destinationChosen);
    m_window->closeButton->click();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen[0][0].toString(), m_folder->dir() + QStringLiteral("copies/"));
}

} // namespace pagoranto

QTEST_MAIN(pagoranto::TdestinationwinTest)
#include "tdestinationwin_test.moc"
