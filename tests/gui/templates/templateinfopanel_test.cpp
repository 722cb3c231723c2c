#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "gui/templates/templateinfopanel.h"
#include "tests/support/qtfiles.h"
#include "tests/support/qtscratchdirectory.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace pagoranto;
using testing::Items;
using testing::ReadFile;
using testing::WriteFile;

class TemplateInfoPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileFromAnotherFolderIsRefusedAsAnError();
    void removeTakesOnlyAMarkedEntry();
    void entriesAreSortedAlphabeticallyAndSavedSo();

private:
    QString Dir() const { return m_root->path() + QStringLiteral("/layout/"); }
    QString NeededFiles() const { return Dir() + QStringLiteral("page.nef"); }
    QPushButton *Button(const char *caption) const;

    std::unique_ptr<testing::QtScratchDirectory> m_root;
    MessageBox m_prompts;
    std::unique_ptr<TemplateInfoPanel> m_panel;
};

void TemplateInfoPanelTest::init()
{
    m_root = std::make_unique<testing::QtScratchDirectory>();
    QVERIFY(QDir().mkpath(Dir()));
    WriteFile(Dir() + QStringLiteral("page.html"), "<body>$PIC$</body>");
    MessageBox::setResponder({});
    m_panel = std::make_unique<TemplateInfoPanel>(m_prompts, std::string());
}

void TemplateInfoPanelTest::cleanup()
{
    m_panel.reset();
    MessageBox::clearScript();
    m_root.reset();
}

QPushButton *TemplateInfoPanelTest::Button(const char *caption) const
{
    for (QPushButton *button : m_panel->findChildren<QPushButton *>())
        if (button->text() == QLatin1String(caption))
            return button;
    return nullptr;
}

void TemplateInfoPanelTest::fileFromAnotherFolderIsRefusedAsAnError()
{
    m_panel->LoadTemplateFiles((Dir() + QStringLiteral("page.html")).toStdString());
    FileDialog::setNextFileName(m_root->path() + QStringLiteral("/elsewhere.gif"));
    Button("Add files")->click();
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("Problem"));
    QVERIFY(MessageBox::shownMessages().back().error);
    QCOMPARE(m_panel->neededfiles->count(), 0);
    QVERIFY(!QFile::exists(NeededFiles()));
}

void TemplateInfoPanelTest::removeTakesOnlyAMarkedEntry()
{
    WriteFile(NeededFiles(), "a.css\r\nb.gif\r\n");
    m_panel->LoadTemplateFiles((Dir() + QStringLiteral("page.html")).toStdString());
    // A current row without a mark, as after a click that took the mark away again.
    m_panel->neededfiles->setCurrentRow(0);
    m_panel->neededfiles->clearSelection();
    Button("Remove marked file")->click();
    QCOMPARE(Items(m_panel->neededfiles), (QStringList{"a.css", "b.gif"}));
    QCOMPARE(ReadFile(NeededFiles()), QByteArray("a.css\r\nb.gif\r\n"));

    m_panel->neededfiles->setCurrentRow(1);
    Button("Remove marked file")->click();
    QCOMPARE(Items(m_panel->neededfiles), (QStringList{"a.css"}));
    QCOMPARE(ReadFile(NeededFiles()), QByteArray("a.css\r\n"));
}

void TemplateInfoPanelTest::entriesAreSortedAlphabeticallyAndSavedSo()
{
    // Upper and lower case together, an umlaut beside its letter; a Windows-1252 name alike.
    WriteFile(NeededFiles(), "b.gif\r\nZebra.png\r\n\xc4rger.jpg\r\na.css\r\nBack.gif\r\n");
    m_panel->LoadTemplateFiles((Dir() + QStringLiteral("page.html")).toStdString());
    QCOMPARE(Items(m_panel->neededfiles), (QStringList{"a.css", QString::fromUtf8("\u00c4rger.jpg"),
                                                       "b.gif", "Back.gif", "Zebra.png"}));

    WriteFile(Dir() + QStringLiteral("logo.gif"), "GIF89a");
    FileDialog::setNextFileName(Dir() + QStringLiteral("logo.gif"));
    Button("Add files")->click();
    QCOMPARE(ReadFile(NeededFiles()),
             QByteArray("a.css\r\n\xc4rger.jpg\r\nb.gif\r\nBack.gif\r\nlogo.gif\r\nZebra.png\r\n"));
}

QTEST_MAIN(TemplateInfoPanelTest)
#include "templateinfopanel_test.moc"
