#include "core/text/linefile.h"
#include "gui/options/twebassistentwindow.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace pagoranto;

class TwebassistentwindowTest : public QObject {
    Q_OBJECT

private slots:
    void stepsStayBetweenOneAndFive();
    void languageChoosesLabelsAndFiles();
    void missingFilesGiveANote();
    void shippedStepsAreComplete();
};

void TwebassistentwindowTest::stepsStayBetweenOneAndFive()
{
    QTemporaryDir dir;
    Twebassistentwindow window(dir.path() + QLatin1Char('/'));
    QCOMPARE(window.windowTitle(), QStringLiteral("Gallery Assistant"));
    QCOMPARE(window.Label1->text(), QStringLiteral("Step 1"));
    window.Button2->click();
    QCOMPARE(window.step(), 1);
    for (int i = 0; i < 6; ++i)
        window.Button1->click();
    QCOMPARE(window.step(), 5);
    QCOMPARE(window.Label2->text(), QStringLiteral("Step 5/5"));
    window.Button2->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("Step 4"));

    window.show();
    window.closeButton->click();
    QVERIFY(!window.isVisible());
}

void TwebassistentwindowTest::languageChoosesLabelsAndFiles()
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    QVERIFY(WriteFileBytes(base + "Step 3.txt", "Options"));
    QVERIFY(WriteFileBytes(base + "Schritt 3.txt", "Optionen f\xc3\xbcr alle"));
    Twebassistentwindow window(dir.path() + QLatin1Char('/'));
    window.ShowStep(3);
    QCOMPARE(window.webmemo->toPlainText(), QStringLiteral("Options"));
    QCOMPARE(window.closeButton->text(), QStringLiteral("Back"));
    window.germanButton->click();
    QCOMPARE(window.step(), 3);
    QCOMPARE(window.Label1->text(), QStringLiteral("Schritt 3"));
    QCOMPARE(window.Label2->text(), QStringLiteral("Schritt 3/5"));
    QCOMPARE(window.webmemo->toPlainText(), QString::fromUtf8("Optionen f\xc3\xbcr alle"));
    QCOMPARE(window.closeButton->text(), QString::fromUtf8("Zur\xc3\xbc"
                                                           "ck"));
    QVERIFY(window.hintPanel->text().startsWith(QStringLiteral("Verschieben Sie")));
    window.englishButton->click();
    QCOMPARE(window.Label1->text(), QStringLiteral("Step 3"));
}

void TwebassistentwindowTest::missingFilesGiveANote()
{
    QTemporaryDir dir;
    Twebassistentwindow window(dir.path() + QLatin1Char('/'));
    QVERIFY(
        window.webmemo->toPlainText().startsWith(QStringLiteral("This step's text is missing")));
    QVERIFY(window.webmemo->toPlainText().endsWith(QStringLiteral("Step 1.txt")));
    QVERIFY(window.Image1->pixmap().isNull());
}

// Every step has its text in both languages and its picture beside the program.
void TwebassistentwindowTest::shippedStepsAreComplete()
{
    Twebassistentwindow window(QStringLiteral(PAGORANTO_PROGRAM_DIR "/webassistent/"));
    for (bool german : {false, true}) {
        window.SetGerman(german);
        for (int step = 1; step <= Twebassistentwindow::stepCount; ++step) {
            window.ShowStep(step);
            QVERIFY2(!window.webmemo->toPlainText().contains(QStringLiteral("missing")) &&
                         !window.webmemo->toPlainText().startsWith(QStringLiteral("Die Datei")),
                     qPrintable(window.Label1->text()));
            QVERIFY2(!window.Image1->pixmap().isNull(), qPrintable(window.Label1->text()));
        }
    }
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TwebassistentwindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "twebassistentwindow_test.moc"
