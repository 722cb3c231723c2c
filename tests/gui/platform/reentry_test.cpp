// The guarded nested loops: a loop whose owner goes while it processes messages must say so.
#include "gui/platform/qtevents.h"
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
    void innermostLoopsLookAtMessagesOnlyNowAndThen();
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

void ReentryTest::innermostLoopsLookAtMessagesOnlyNowAndThen()
{
    QtEvents events;
    int handled = 0;
    const auto post = [&handled] { QTimer::singleShot(0, [&handled] { ++handled; }); };

    QElapsedTimer sinceFirstLook;
    sinceFirstLook.start();
    post();
    events.keepResponsive(); // the first look is never put off
    QCOMPARE(handled, 1);

    post();
    events.keepResponsive();
    // Looked a moment ago, unless the machine stalled for the whole interval meanwhile.
    if (sinceFirstLook.elapsed() < QtEvents::lookEveryMilliseconds)
        QCOMPARE(handled, 1);
    // Started before the look, this clock runs at least as long as the one since the look.
    QElapsedTimer sinceLastLook;
    sinceLastLook.start();
    events.processPendingMessages();
    QCOMPARE(handled, 2); // a loop's own call always looks

    post();
    while (handled == 2 && sinceLastLook.elapsed() < 5000)
        events.keepResponsive();
    QCOMPARE(handled, 3);
    QVERIFY(sinceLastLook.elapsed() >= QtEvents::lookEveryMilliseconds);
}

QTEST_MAIN(ReentryTest)
#include "reentry_test.moc"
