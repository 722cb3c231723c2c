#include "gui/options/tinfofenster.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

using pagoranto::Tinfofenster;

class TinfofensterTest : public QObject {
    Q_OBJECT

private slots:
    void namesTheProductAndVersion();
    void showsForTheTimeThenHides();
    void showsWithoutWaitingThenCallsOn();
};

void TinfofensterTest::namesTheProductAndVersion()
{
    Tinfofenster window;
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.findChild<QLabel *>("productName")->text(), QString("Pagoranto"));
    QCOMPARE(window.findChild<QLabel *>("productVersion")->text(),
             QString("Version " PAGORANTO_VERSION));
    QVERIFY(!window.findChild<QLabel *>("productPurpose")->text().isEmpty());
}

void TinfofensterTest::showsForTheTimeThenHides()
{
    Tinfofenster window;
    // The timer fires only if events go on being handled while the window is up.
    bool visibleMeanwhile = false;
    QTimer::singleShot(50, &window, [&] { visibleMeanwhile = window.isVisible(); });
    window.ShowFor(300);
    QVERIFY(visibleMeanwhile);
    QVERIFY(!window.isVisible());
}

// The start shows the window this way, so that the tiles fill behind it.
void TinfofensterTest::showsWithoutWaitingThenCallsOn()
{
    Tinfofenster window;
    int calls = 0;
    window.ShowForThen(200, [&] {
        QVERIFY(!window.isVisible());
        ++calls;
    });
    QVERIFY(window.isVisible());
    QCOMPARE(calls, 0);
    QTRY_COMPARE(calls, 1);
    QTest::qWait(300);
    QCOMPARE(calls, 1);
}

QTEST_MAIN(TinfofensterTest)
#include "tinfofenster_test.moc"
