#include "core/options/navigationoptionsfile.h"
#include "gui/options/tnavigationsleistewindow.h"
#include "tests/support/fixedclock.h"
#include "tests/support/qtscratchdirectory.h"

#include <QTimer>
#include <QtTest>

using namespace pagoranto;

class TnavigationsleistewindowTest : public QObject {
    Q_OBJECT

private slots:
    void spinButtonStepsByTwoWithinItsRange();
    void exampleBarFollowsTheControls();
    void chosenFormatsHoldForThisRunOnly();
    void pageNameFlagsSurviveARestart();
    void frameCloseIsLikeBack();

private:
    testing::FixedClock m_clock;
    testing::QtScratchDirectory m_dir;
};

void TnavigationsleistewindowTest::spinButtonStepsByTwoWithinItsRange()
{
    NavigationOptions options;
    DateTimeFormats formats;
    Tnavigationsleistewindow window(options, formats, m_clock);
    QCOMPARE(window.Label21->text(), QStringLiteral("max. 16 links"));
    const int expected[] = {12, 10, 8, 6, 4, 2, 1};
    for (const int position : expected) {
        window.SpinButton1Down->click();
        QCOMPARE(options.ScrollBar1, position);
    }
    QCOMPARE(window.Label21->text(), QStringLiteral("max. 3 links"));
    window.SpinButton1Down->click();
    QCOMPARE(options.ScrollBar1, 1);
    for (int i = 0; i < 8; ++i)
        window.SpinButton1Up->click();
    QCOMPARE(options.ScrollBar1, 15);
    QCOMPARE(window.Label21->text(), QStringLiteral("max. 17 links"));
}

void TnavigationsleistewindowTest::exampleBarFollowsTheControls()
{
    NavigationOptions options;
    DateTimeFormats formats;
    Tnavigationsleistewindow window(options, formats, m_clock);
    const auto bar = [&] { return window.exampleBar->text(); };
    QVERIFY(bar().contains(QStringLiteral("&lt;&lt;")));
    QVERIFY(bar().contains(QStringLiteral("<font size=+4>10</font>")));

    window.nav_edit_first->setText(QStringLiteral("Start"));
    QCOMPARE(options.nav_edit_first, std::string("Start"));
    QVERIFY(bar().contains(QStringLiteral(">Start</a>")));
    window.nav_use_first->setChecked(false);
    QVERIFY(!options.nav_use_first);
    QVERIFY(!bar().contains(QStringLiteral(">Start</a>")));

    window.nav_edit_linkseparator->setText(QStringLiteral(" * "));
    QVERIFY(bar().contains(QStringLiteral(" * ")));
    window.RadioGroup1->button(0)->click();
    QCOMPARE(options.RadioGroup1, 0);
    QVERIFY(bar().contains(QStringLiteral("<font size=-2>10</font>")));

    // Fewer page links: page 3 drops out of a bar around page 10.
    QVERIFY(bar().contains(QStringLiteral(">3</a>")));
    for (int i = 0; i < 4; ++i)
        window.SpinButton1Down->click();
    QVERIFY(!bar().contains(QStringLiteral(">3</a>")));

    window.show1->setChecked(true);
    QVERIFY(window.pageNameExamples[0]->text().contains(QStringLiteral("page0010.html")));
    window.plain2->setChecked(true);
    QVERIFY(!window.pageNameExamples[1]->text().contains(QStringLiteral("<a")));
}

void TnavigationsleistewindowTest::chosenFormatsHoldForThisRunOnly()
{
    NavigationOptions options;
    DateTimeFormats formats;
    Tnavigationsleistewindow window(options, formats, m_clock);
    QCOMPARE(window.Label45->text(), QStringLiteral("2026-12-08"));
    QCOMPARE(window.Label47->text(), QStringLiteral("13:07:09"));

    window.ComboBox2->setCurrentIndex(1);
    window.ComboBox2Change(1);
    QCOMPARE(formats.shortDateFormat, std::string("dddd, d. mmmm yyyy"));
    QCOMPARE(window.Label45->text(), QStringLiteral("Tuesday, 8. December 2026"));
    window.ComboBox1Change(3);
    QCOMPARE(formats.longTimeFormat, std::string("hh:mm AM/PM"));
    QCOMPARE(window.Label47->text(), QStringLiteral("01:07 PM"));
    QVERIFY(window.Label46->text().startsWith(window.Label45->text()));

    // Nothing of it is stored, and a new start begins with the platform's formats.
    const QString file = m_dir.filePath(QStringLiteral("navoptions.cfg"));
    QVERIFY(WriteNavigationOptions(file.toStdString(), options));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(!written.readAll().contains("mmmm"));
    DateTimeFormats nextStart;
    NavigationOptions nextOptions;
    Tnavigationsleistewindow next(nextOptions, nextStart, m_clock);
    QCOMPARE(next.Label45->text(), QStringLiteral("2026-12-08"));
    QCOMPARE(next.ComboBox2->currentIndex(), -1);
}

void TnavigationsleistewindowTest::pageNameFlagsSurviveARestart()
{
    const std::string file = m_dir.filePath(QStringLiteral("navoptions.cfg")).toStdString();
    {
        NavigationOptions options;
        DateTimeFormats formats;
        Tnavigationsleistewindow window(options, formats, m_clock);
        window.plain3->setChecked(true);
        window.plain2->setChecked(false);
        window.nav_edit_last->setText(QStringLiteral("End"));
        QVERIFY(WriteNavigationOptions(file, options));
    }
    NavigationOptions options;
    QVERIFY(ReadNavigationOptions(file, options));
    DateTimeFormats formats;
    Tnavigationsleistewindow window(options, formats, m_clock);
    QVERIFY(window.plain3->isChecked());
    QVERIFY(!window.plain2->isChecked());
    QVERIFY(window.plain1->isChecked());
    QCOMPARE(window.nav_edit_last->text(), QStringLiteral("End"));
}

void TnavigationsleistewindowTest::frameCloseIsLikeBack()
{
    NavigationOptions options;
    DateTimeFormats formats;
    Tnavigationsleistewindow window(options, formats, m_clock);
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    QCOMPARE(window.ShowModal(), int(QDialog::Accepted));
    QVERIFY(!window.isVisible());
    QTimer::singleShot(0, &window, [&window] { window.Button1->click(); });
    QCOMPARE(window.ShowModal(), int(QDialog::Accepted));
}

QTEST_MAIN(TnavigationsleistewindowTest)
#include "tnavigationsleistewindow_test.moc"
