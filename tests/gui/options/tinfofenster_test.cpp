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

QTEST_MAIN(TinfofensterTest)
#include "tinfofenster_test.moc"
