#include "core/options/additionaloptionsfile.h"
#include "core/text/linefile.h"
#include "gui/options/specialoptionspanel.h"

#include <QTemporaryDir>
#include <QtTest>

using pagoranto::PageCounter;
using pagoranto::PageNameOptions;
using pagoranto::SpecialOptions;
using pagoranto::SpecialOptionsPanel;

class SpecialOptionsPanelTest : public QObject {
    Q_OBJECT

private slots:
    void pageNamesTakeOnlyTheirCharacters();
    void longestNamesAFileBringsAreShownWhole();
    void lengthOfNumberStaysInItsRange();

private:
    SpecialOptions m_special;
    pagoranto::WebSizeOptions m_webSize;
    PageCounter m_counter;
};

void SpecialOptionsPanelTest::pageNamesTakeOnlyTheirCharacters()
{
    PageNameOptions names;
    SpecialOptionsPanel panel(names, m_special, m_webSize, m_counter);
    panel.ownfilename->clear();
    QTest::keyClicks(panel.ownfilename, QStringLiteral("../al bum$nd$.x"));
    QCOMPARE(names.ownfilename, std::string("album$nd$x"));
    panel.usedifferentfirst->setChecked(true);
    panel.differentfilename->clear();
    QTest::keyClicks(panel.differentfilename, QStringLiteral("in$dex"));
    QCOMPARE(names.differentfilename, std::string("index"));
}

void SpecialOptionsPanelTest::longestNamesAFileBringsAreShownWhole()
{
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("pgrooptions.cfg")).toStdString();
    pagoranto::LinkTexts texts;
    pagoranto::AdditionalOptions additional;
    PageNameOptions names;
    QVERIFY(pagoranto::WriteAdditionalOptions(file, texts, names, additional));
    auto lines = pagoranto::ReadLineFile(file);
    QVERIFY(lines);
    (*lines)[8] = "PAGN=" + std::string(90, 'p');
    (*lines)[13] = "FPDI=" + std::string(90, 'f');
    QVERIFY(pagoranto::WriteLineFile(file, *lines));
    QVERIFY(pagoranto::ReadAdditionalOptions(file, texts, names, additional));
    QCOMPARE(names.ownfilename.size(), std::size_t(80));

    SpecialOptionsPanel panel(names, m_special, m_webSize, m_counter);
    QCOMPARE(panel.ownfilename->text().size(), 80);
    QCOMPARE(names.ownfilename, std::string(80, 'p'));
    QCOMPARE(names.differentfilename, std::string(80, 'f'));
}

void SpecialOptionsPanelTest::lengthOfNumberStaysInItsRange()
{
    PageNameOptions names;
    SpecialOptionsPanel panel(names, m_special, m_webSize, m_counter);
    panel.ScrollBar4->setValue(9);
    QCOMPARE(names.ScrollBar4, 7);
    QCOMPARE(panel.Label38->text(), QStringLiteral("0000001"));
    panel.ScrollBar4->setValue(0);
    QCOMPARE(names.ScrollBar4, 1);
    QCOMPARE(panel.Label38->text(), QStringLiteral("1"));
}

QTEST_MAIN(SpecialOptionsPanelTest)
#include "specialoptionspanel_test.moc"
