#include "core/options/navigationoptions.h"
#include "core/options/pagenameoptions.h"
#include "core/options/thumbnailoptions.h"
#include "gui/ui/fieldlimits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

using pagoranto::ApplyFieldLimits;
using pagoranto::TextField;

Q_DECLARE_METATYPE(const TextField *)

namespace {

// One key press per character, as a keyboard with that character would send it.
void Type(QLineEdit &edit, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

} // namespace

class FieldLimitsTest : public QObject {
    Q_OBJECT

private slots:
    void typingKeepsOnlyTheAllowedCharacters_data();
    void typingKeepsOnlyTheAllowedCharacters();
    void typingStopsAtTheMaximumLength();
    void fieldWithoutLimitsTakesEverything();
    void boxStaysInTheFieldsRange();
};

void FieldLimitsTest::typingKeepsOnlyTheAllowedCharacters_data()
{
    QTest::addColumn<const TextField *>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const TextField *thumbdir = &pagoranto::thumbnailFields::thumbdir;
    const TextField *ownfilename = &pagoranto::pageNameFields::ownfilename;
    const TextField *differentfilename = &pagoranto::pageNameFields::differentfilename;
    QTest::newRow("ThumbnailFolderDropsBlanksAndSeparators")
        << thumbdir << QStringLiteral("a b!.c\\d/e") << QStringLiteral("abcde");
    QTest::newRow("ThumbnailFolderTakesNameCharacters")
        << thumbdir << QStringLiteral("Tn-2024_x") << QStringLiteral("Tn-2024_x");
    QTest::newRow("ThumbnailFolderDropsNonAscii")
        << thumbdir << QStringLiteral("gr\u00FCn") << QStringLiteral("grn");
    QTest::newRow("PageNameTakesNumberCommands")
        << ownfilename << QStringLiteral("page$nd$/../x") << QStringLiteral("page$nd$x");
    QTest::newRow("FirstPageNameTakesNoCommands")
        << differentfilename << QStringLiteral("in$nd$dex.html") << QStringLiteral("innddexhtml");
}

void FieldLimitsTest::typingKeepsOnlyTheAllowedCharacters()
{
    QFETCH(const TextField *, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QLineEdit edit;
    ApplyFieldLimits(&edit, *field);
    Type(edit, typed);
    QCOMPARE(edit.text(), kept);
}

void FieldLimitsTest::typingStopsAtTheMaximumLength()
{
    QLineEdit edit;
    ApplyFieldLimits(&edit, pagoranto::thumbnailFields::thumbdir);
    Type(edit, QString(45, QLatin1Char('t')));
    QCOMPARE(edit.text(), QString(40, QLatin1Char('t')));
}

void FieldLimitsTest::fieldWithoutLimitsTakesEverything()
{
    QLineEdit edit;
    ApplyFieldLimits(&edit, pagoranto::navigationFields::nav_edit_linkseparator);
    const QString typed = QStringLiteral(" -|- $page$ ") + QString(40000, QLatin1Char('x'));
    Type(edit, typed.left(20));
    edit.insert(typed.mid(20));
    QCOMPARE(edit.text(), typed);
}

void FieldLimitsTest::boxStaysInTheFieldsRange()
{
    QSpinBox box;
    ApplyFieldLimits(&box, pagoranto::navigationFields::ScrollBar1);
    box.setValue(0);
    QCOMPARE(box.value(), 1);
    box.setValue(99);
    QCOMPARE(box.value(), 15);
}

QTEST_MAIN(FieldLimitsTest)
#include "fieldlimits_test.moc"
