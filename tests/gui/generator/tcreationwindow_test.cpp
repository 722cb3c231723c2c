#include "gui/generator/tcreationwindow.h"

#include <QLabel>
#include <QtTest>
#include <algorithm>

using pagoranto::LedRow;
using pagoranto::TCreationWindow;

class TCreationWindowTest : public QObject {
    Q_OBJECT

private slots:
    void isABorderlessNoticeOnTop();
    void ledsRunOnlyWhileShown();
    void ledRowShowsEachLevelAtItsPlace();
};

void TCreationWindowTest::isABorderlessNoticeOnTop()
{
    TCreationWindow window;
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"THUMBNAIL", "C R E A T I O N", "IS", "R U N N I N G"})
        QVERIFY2(texts.contains(text), text);
}

void TCreationWindowTest::ledsRunOnlyWhileShown()
{
    TCreationWindow window;
    const LedRow::Levels start = window.ledRow().levels();
    QVERIFY(!window.animating());

    window.ShowBusy(true);
    QVERIFY(window.isVisible());
    QVERIFY(window.animating());
    QTRY_VERIFY(window.ledRow().levels() != start);

    window.ShowBusy(false);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.animating());
    const LedRow::Levels stopped = window.ledRow().levels();
    QTest::qWait(60);
    QCOMPARE(window.ledRow().levels(), stopped);
}

void TCreationWindowTest::ledRowShowsEachLevelAtItsPlace()
{
    TCreationWindow window;
    for (const char *name : {"ledsAbove", "ledsBelow"}) {
        const auto *row = window.findChild<QLabel *>(name);
        QVERIFY2(row, name);
        const QImage image = row->pixmap().toImage();
        QCOMPARE(image.width(), 9 * TCreationWindow::ledDistance + TCreationWindow::ledSize);

        // The middle of each LED: brighter LEDs show more green.
        const LedRow::Levels &levels = window.ledRow().levels();
        const auto greenOf = [&](std::size_t led) {
            return qGreen(image.pixel(static_cast<int>(led) * TCreationWindow::ledDistance +
                                          TCreationWindow::ledSize / 2,
                                      TCreationWindow::ledSize / 2));
        };
        const auto darkest = std::min_element(levels.begin(), levels.end()) - levels.begin();
        const auto brightest = std::max_element(levels.begin(), levels.end()) - levels.begin();
        QVERIFY(greenOf(brightest) > greenOf(darkest) + 60);
    }
}

QTEST_MAIN(TCreationWindowTest)
#include "tcreationwindow_test.moc"
