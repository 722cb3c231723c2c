#include "gui/options/tpagenamewindow.h"
#include "gui/ui/fieldlimits.h"

#include <QTimer>
#include <QtTest>

using namespace pagoranto;

class TpagenamewindowTest : public QObject {
    Q_OBJECT

private slots:
    void theNumber777InItsThreeForms_data();
    void theNumber777InItsThreeForms();
    void examplesAreTakenAndTried();
    void restoreGivesBackTheOpeningName();
    void everyCloseCopiesTheNameIntoThePageName();
    void onlyPageNameCharactersAreTyped();
    void aLongNameComesBackWhole();
};

void TpagenamewindowTest::theNumber777InItsThreeForms_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("result");
    QTest::newRow("decimal") << 4 << "$nd$"
                             << "0777";
    QTest::newRow("capitals") << 4 << "$ND$$NH$"
                              << "0777309";
    QTest::newRow("binary") << 4 << "$nb$"
                            << "00000000000000000000001100001001";
    QTest::newRow("words") << 1 << "p$nd$_$nh$"
                           << "p777_309";
    QTest::newRow("longer number") << 6 << "$nd$"
                                   << "000777";
}

void TpagenamewindowTest::theNumber777InItsThreeForms()
{
    QFETCH(int, length);
    QFETCH(QString, pattern);
    QFETCH(QString, result);
    QLineEdit ownfilename;
    PageNameOptions names;
    names.ScrollBar4 = length;
    Tpagenamewindow window(&ownfilename, names);
    QCOMPARE(window.Label8->text(), QStringLiteral("?"));
    window.Edit1->setText(pattern);
    window.Button1->click();
    QCOMPARE(window.Label8->text(), result);
}

void TpagenamewindowTest::examplesAreTakenAndTried()
{
    QLineEdit ownfilename;
    PageNameOptions names;
    Tpagenamewindow window(&ownfilename, names);
    QCOMPARE(window.ListBox1->count(), 15);
    const QList<QListWidgetItem *> found =
        window.ListBox1->findItems(QStringLiteral("$ND$$NB$$ND$"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    window.ListBox1DblClick(found.front());
    QCOMPARE(window.Edit1->text(), QStringLiteral("$ND$$NB$$ND$"));
    QCOMPARE(window.Label8->text(), QStringLiteral("0777") +
                                        QStringLiteral("00000000000000000000001100001001") +
                                        QStringLiteral("0777"));
    // Every example is a name the page name field takes.
    for (int i = 0; i < window.ListBox1->count(); ++i) {
        QString text = window.ListBox1->item(i)->text();
        int position = 0;
        QCOMPARE(window.Edit1->validator()->validate(text, position), QValidator::Acceptable);
    }
}

void TpagenamewindowTest::restoreGivesBackTheOpeningName()
{
    QLineEdit ownfilename(QStringLiteral("album"));
    PageNameOptions names;
    Tpagenamewindow window(&ownfilename, names);
    window.show();
    QCOMPARE(window.Edit1->text(), QStringLiteral("album"));
    window.Edit1->setText(QStringLiteral("other$nd$"));
    window.Button5->click();
    QCOMPARE(window.Edit1->text(), QStringLiteral("album"));
}

void TpagenamewindowTest::everyCloseCopiesTheNameIntoThePageName()
{
    QLineEdit ownfilename(QStringLiteral("page"));
    PageNameOptions names;
    Tpagenamewindow window(&ownfilename, names);
    QTimer::singleShot(0, &window, [&window] {
        window.Edit1->setText(QStringLiteral("framed$nh$"));
        window.close();
    });
    window.exec();
    QCOMPARE(ownfilename.text(), QStringLiteral("framed$nh$"));

    QTimer::singleShot(0, &window, [&window] {
        QCOMPARE(window.Edit1->text(), QStringLiteral("framed$nh$"));
        window.Edit1->setText(QStringLiteral("back$nd$"));
        window.Button2->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(ownfilename.text(), QStringLiteral("back$nd$"));
}

void TpagenamewindowTest::onlyPageNameCharactersAreTyped()
{
    QLineEdit ownfilename;
    PageNameOptions names;
    Tpagenamewindow window(&ownfilename, names);
    QTest::keyClicks(window.Edit1, QStringLiteral("../my page.$nd$-A_9"));
    QCOMPARE(window.Edit1->text(), QStringLiteral("mypage$nd$-A_9"));
}

void TpagenamewindowTest::aLongNameComesBackWhole()
{
    QLineEdit ownfilename;
    ApplyFieldLimits(&ownfilename, pageNameFields::ownfilename);
    PageNameOptions names;
    Tpagenamewindow window(&ownfilename, names);
    window.show();
    QTest::keyClicks(window.Edit1, QString(120, QLatin1Char('a')) + QStringLiteral("$nd$"));
    window.Button2->click();
    // What the window shows is what the page name becomes.
    QCOMPARE(ownfilename.text(), window.Edit1->text());
    QCOMPARE(ownfilename.text().size(), qsizetype(pageNameFields::ownfilename.maxLength));
}

QTEST_MAIN(TpagenamewindowTest)
#include "tpagenamewindow_test.moc"
