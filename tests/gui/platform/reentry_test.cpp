// The guarded nested loops: a loop whose owner goes while it processes messages must say so.
#include "gui/platform/reentry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace pagoranto;

class ReentryTest : public QObject {
    Q_OBJECT

private slots:
    void processingReportsAnOwnerDestroyedMeanwhile();
    void delayEndsAtOnceWhenItsOwnerGoes();
    void delayWithoutOwnerWaitsItsTime();
    void deferredWorkRunsAfterTheEventAndNotWithoutItsContext();
};

void ReentryTest::processingReportsAnOwnerDestroyedMeanwhile()
{
    auto *owner = new QObject;
    QVERIFY(ProcessMessagesFor(owner));
    QTimer::singleShot(0, [owner] { delete owner; });
    QVERIFY(!ProcessMessagesFor(owner));
}

void ReentryTest::delayEndsAtOnceWhenItsOwnerGoes()
{
    auto *owner = new QObject;
    QTimer::singleShot(20, [owner] { delete owner; });
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!DelayWithMessagesFor(owner, 5000));
    QVERIFY(clock.elapsed() < 2000);

    QObject alive;
    QVERIFY(DelayWithMessagesFor(&alive, 10));
}

void ReentryTest::delayWithoutOwnerWaitsItsTime()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY(DelayWithMessagesFor(nullptr, 50));
    QVERIFY(clock.elapsed() >= 45);
}

void ReentryTest::deferredWorkRunsAfterTheEventAndNotWithoutItsContext()
{
    QObject context;
    int runs = 0;
    RunAfterCurrentEvent(&context, [&runs] { ++runs; });
    QCOMPARE(runs, 0);
    QTRY_COMPARE(runs, 1);

    auto *gone = new QObject;
    RunAfterCurrentEvent(gone, [&runs] { ++runs; });
    delete gone;
    QTest::qWait(20);
    QCOMPARE(runs, 1);
}

QTEST_MAIN(ReentryTest)
#include "reentry_test.moc"
