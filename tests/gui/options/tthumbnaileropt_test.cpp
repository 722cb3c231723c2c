#include "core/options/thumbnailoptionsfile.h"
#include "core/pictures/gradient.h"
#include "core/text/linefile.h"
#include "gui/options/tthumbnaileropt.h"
#include "gui/platform/colourdialog.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"
#include "tests/support/qtscratchdirectory.h"

#include <QTest>
#include <QtTest>
#include <algorithm>
#include <string>

using namespace pagoranto;

namespace {

bool HasLine(const QString &file, const std::string &line)
{
    const auto lines = ReadLineFile(file.toStdString());
    return lines && std::find(lines->begin(), lines->end(), line) != lines->end();
}

} // namespace

class TThumbnailerOptTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void sizePresetsSetBothBarsAndLabels();
    void numbersAreWrittenZeroPaddedToThreeDigits();
    void configDataRoundTripThroughTheWindow();
    void thumbnailDirectoryTakesOnlyNameCharacters();
    void coloursFromTheDialogSwapAndBackground();
    void previewIsTheThumbnailersOwnGradient();
    void compressionPreviewFollowsTheLatestQuality();

private:
    testing::QtScratchDirectory m_dir;
};

void TThumbnailerOptTest::init()
{
    MessageBox::clearScript();
    MessageBox::setResponder({});
}

void TThumbnailerOptTest::sizePresetsSetBothBarsAndLabels()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    QCOMPARE(window.Label7->text(), QStringLiteral("40"));
    QCOMPARE(window.RadioGroup1->checkedId(), 10);

    window.RadioGroup1->button(6)->click();
    QCOMPARE(options.ScrollBar2, 80);
    QCOMPARE(options.ScrollBar3, 60);
    QCOMPARE(window.Label7->text(), QStringLiteral("80"));
    QCOMPARE(window.Label8->text(), QStringLiteral("60"));

    window.RadioGroup1->button(11)->click();
    QCOMPARE(window.ScrollBar2->value(), window.ScrollBar2->minimum());
    QCOMPARE(window.ScrollBar3->value(), window.ScrollBar3->minimum());
    QCOMPARE(options.ScrollBar2, 20);
    QCOMPARE(options.ScrollBar3, 15);

    // The bars stay in their ranges, whatever is asked of them.
    window.ScrollBar1->setValue(0);
    QCOMPARE(options.ScrollBar1, 1);
    window.ScrollBar4->setValue(11);
    QCOMPARE(options.ScrollBar4, 10);
    QCOMPARE(window.Label10->text(), QStringLiteral("10"));
}

void TThumbnailerOptTest::numbersAreWrittenZeroPaddedToThreeDigits()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    window.setDestinationSource([] {
        ThumbnailerFile file;
        file.destinationDir = "/gallery/";
        return file;
    });
    window.ScrollBar1->setValue(5);
    const QString file = m_dir.filePath(QStringLiteral("padded.cct"));
    QVERIFY(window.SaveThumbnailConfigData(file));
    QVERIFY(HasLine(file, "WIDT=040"));
    QVERIFY(HasLine(file, "HEIG=030"));
    QVERIFY(HasLine(file, "COMP=005"));
    QVERIFY(HasLine(file, "SDIR=/gallery/"));
    QVERIFY(HasLine(file, "PDIR="));
    window.ScrollBar1->setValue(100);
    window.RadioGroup1->button(0)->click();
    QVERIFY(window.SaveThumbnailConfigData(file));
    QVERIFY(HasLine(file, "COMP=100"));
    QVERIFY(HasLine(file, "WIDT=320"));
}

void TThumbnailerOptTest::configDataRoundTripThroughTheWindow()
{
    const QString directory = m_dir.filePath(QStringLiteral("own_config_files/thumbnail_cfg/"));
    const QString file = directory + QStringLiteral("mine.cct");
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, directory);
    window.RadioGroup1->button(2)->click();
    window.ScrollBar1->setValue(85);
    window.CheckBox1->setChecked(true);
    window.RadioGroup2->button(5)->click();
    window.ScrollBar6->setValue(3);
    window.ScrollBar5->setValue(0);
    window.ScrollBar4->setValue(2);
    window.Drei3d_check->setChecked(true);
    window.thumbdir->setText(QStringLiteral("small"));
    ColourDialog::setNextColour(QColor(255, 255, 255));
    window.Panel11Click();
    ColourDialog::setNextColour(QColor(1, 2, 3));
    window.Panel12Click();
    const ThumbnailOptions saved = options;

    FileDialog::setNextFileName(file);
    window.BitBtn4->click();
    QVERIFY(QFile::exists(file));
    QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("mine.cct"));

    ThumbnailOptions other;
    MessageBox otherPrompts;
    TThumbnailerOpt fresh(other, otherPrompts, directory);
    FileDialog::setNextFileName(file);
    fresh.BitBtn3->click();
    QCOMPARE(fresh.StatusBar1->currentMessage(), QStringLiteral("mine.cct"));
    QCOMPARE(other.ScrollBar2, 160);
    QCOMPARE(other.ScrollBar3, 120);
    QCOMPARE(other.ScrollBar1, saved.ScrollBar1);
    QCOMPARE(other.CheckBox1, true);
    QCOMPARE(other.Panel11, ColourValue(0xFFFFFF));
    QCOMPARE(other.Panel12, ColourValue(0x030201));
    QCOMPARE(other.RadioGroup2, 5);
    QCOMPARE(other.ScrollBar6, 3);
    QCOMPARE(other.ScrollBar5, 0);
    QCOMPARE(other.ScrollBar4, 2);
    QCOMPARE(other.Drei3d_check, true);
    QCOMPARE(other.thumbdir, std::string("small"));
    // The controls show what was loaded, the colours twice swapped back included.
    QCOMPARE(fresh.Label7->text(), QStringLiteral("160"));
    QCOMPARE(fresh.thumbdir->text(), QStringLiteral("small"));
    QVERIFY(fresh.Drei3d_check->isChecked());
    QCOMPARE(fresh.HarmGradient1->startColour(), ColourValue(0xFFFFFF));
    QCOMPARE(fresh.HarmGradient1->endColour(), ColourValue(0x030201));
    QCOMPARE(fresh.previewBackground(), QColor(255, 255, 255));

    // A file that cannot be read changes nothing and says so.
    FileDialog::setNextFileName(directory + QStringLiteral("missing.cct"));
    fresh.BitBtn3->click();
    QCOMPARE(other.ScrollBar2, 160);
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("ERROR"));
    // Cancel changes nothing either.
    FileDialog::setNextFileName(QString());
    fresh.BitBtn3->click();
    QCOMPARE(fresh.StatusBar1->currentMessage(), QStringLiteral("mine.cct"));
}

void TThumbnailerOptTest::thumbnailDirectoryTakesOnlyNameCharacters()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    window.thumbdir->clear();
    QTest::keyClicks(window.thumbdir, QStringLiteral("my thumbs!.\\-_09"));
    QCOMPARE(window.thumbdir->text(), QStringLiteral("mythumbs-_09"));
    QCOMPARE(options.thumbdir, std::string("mythumbs-_09"));
    QTest::keyClick(window.thumbdir, Qt::Key_Backspace);
    QCOMPARE(options.thumbdir, std::string("mythumbs-_0"));
}

void TThumbnailerOptTest::coloursFromTheDialogSwapAndBackground()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    window.show();
    QCOMPARE(window.previewBackground(), ToQColor(thumbnailFields::Panel11.initial));
    QCOMPARE(ToQColor(8388608), QColor(0, 0, 128));

    ColourDialog::setNextColour(QColor(10, 20, 30));
    window.Panel11Click();
    QCOMPARE(options.Panel11, ColourValue(30 << 16 | 20 << 8 | 10));
    QCOMPARE(window.HarmGradient1->startColour(), options.Panel11);
    QCOMPARE(window.previewBackground(), QColor(10, 20, 30));

    ColourDialog::setNextColour(QColor(200, 100, 50));
    window.Panel12Click();
    QCOMPARE(options.Panel12, ColourValue(50 << 16 | 100 << 8 | 200));
    QCOMPARE(window.previewBackground(), QColor(10, 20, 30));

    // Cancel keeps the colour.
    ColourDialog::setNextColour(QColor());
    window.Panel12Click();
    QCOMPARE(options.Panel12, ColourValue(50 << 16 | 100 << 8 | 200));

    window.Button3->click();
    QCOMPARE(options.Panel11, ColourValue(50 << 16 | 100 << 8 | 200));
    QCOMPARE(options.Panel12, ColourValue(30 << 16 | 20 << 8 | 10));
    QCOMPARE(window.HarmGradient1->endColour(), options.Panel12);
    QCOMPARE(window.previewBackground(), QColor(200, 100, 50));

    ColourDialog::setNextColour(QColor(0, 255, 0));
    window.Button1->click();
    QCOMPARE(window.previewBackground(), QColor(0, 255, 0));
    QCOMPARE(options.Panel11, ColourValue(50 << 16 | 100 << 8 | 200));
}

void TThumbnailerOptTest::previewIsTheThumbnailersOwnGradient()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    for (int type = 0; type < 8; ++type) {
        window.RadioGroup2->button(type)->click();
        const QImage shown = window.HarmGradient1->render();
        const RgbImage made =
            RenderGradient(shown.width(), shown.height(), options.Panel11, options.Panel12, type);
        // Away from the "1" and "2" marks.
        for (const QPoint at : {QPoint(30, 70), QPoint(70, 30), QPoint(20, 50)}) {
            const std::size_t index = (static_cast<std::size_t>(at.y()) * made.width + at.x()) * 3;
            QCOMPARE(shown.pixelColor(at),
                     QColor(made.rgb[index], made.rgb[index + 1], made.rgb[index + 2]));
        }
    }
    window.Drei3d_check->setChecked(true);
    QVERIFY(options.Drei3d_check);
    QImage framed = window.HarmGradient1->render();
    QCOMPARE(framed.pixelColor(0, 50), QColor(255, 255, 255));
    QCOMPARE(framed.pixelColor(99, 50), QColor(64, 64, 64));
    window.CheckBox2->setChecked(true);
    QVERIFY(window.HarmGradient1->thumbnailShown());
    framed = window.HarmGradient1->render();
    QCOMPARE(framed.pixelColor(15, 20), QColor(255, 255, 255));
}

void TThumbnailerOptTest::compressionPreviewFollowsTheLatestQuality()
{
    ThumbnailOptions options;
    MessageBox prompts;
    TThumbnailerOpt window(options, prompts, m_dir.path());
    window.show();
    QTRY_VERIFY(!window.compressionPreviewRunning());
    QVERIFY(!window.Image2->pixmap().isNull());

    window.ScrollBar1->setValue(100);
    QVERIFY(window.compressionPreviewRunning());
    // Changes while one is made do not start a second, but the last of them is shown.
    window.ScrollBar1->setValue(50);
    window.ScrollBar1->setValue(1);
    QTRY_VERIFY(!window.compressionPreviewRunning());
    const qsizetype lowest = window.compressedSize->text().section(' ', 0, 0).toLongLong();
    window.ScrollBar1->setValue(100);
    QTRY_VERIFY(!window.compressionPreviewRunning());
    const qsizetype best = window.compressedSize->text().section(' ', 0, 0).toLongLong();
    QVERIFY(lowest > 0);
    QVERIFY2(best > 2 * lowest, qPrintable(window.compressedSize->text()));
}

QTEST_MAIN(TThumbnailerOptTest)
#include "tthumbnaileropt_test.moc"
