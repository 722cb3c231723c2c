#include "core/options/hiddenoptionsfile.h"
#include "core/text/linefile.h"
#include "gui/options/tbefehlsinfofenster.h"
#include "gui/options/thiddenoptwindow.h"
#include "gui/platform/filedialog.h"
#include "gui/platform/messagebox.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace pagoranto;

namespace {

std::string Recursive(std::string_view name)
{
    return "You've typed \"" + std::string(name) +
           "\", but it's not allowed in this edit field ,\r"
           "this entry will create a recursive replacement !\r\r"
           "This entry is about to be cleared !";
}

std::vector<std::string> ShownTexts()
{
    std::vector<std::string> texts;
    for (const MessageBox::Shown &shown : MessageBox::shownMessages())
        texts.push_back(shown.text);
    return texts;
}

} // namespace

class ThiddenoptwindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pastedTextLosesEveryForbiddenCommand();
    void typedCommandIsCutWhenItIsComplete();
    void backRefusesEmptyEntriesOfUsedCommands();
    void backHintsAtTablesForExtendedInformation();
    void useBoxesStartAsDefaultsAndFollowTheButtons();
    void targetListReplacesTheTarget();
    void addressFieldsTakeOnlyAddressCharacters();
    void hiddenConfigDataRoundTrip();
    void helpButtonsShowTheHelpWindow();
    void htmlTabIsScrolledToTopWhenShown();

private:
    MessageBox m_prompts;
};

void ThiddenoptwindowTest::init()
{
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
}

void ThiddenoptwindowTest::cleanup()
{
    MessageBox::clearScript();
}

// Setting the corrected text is a change of its own, so both occurrences go, with a message
// each.
void ThiddenoptwindowTest::pastedTextLosesEveryForbiddenCommand()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.hcomment->setText(QStringLiteral("a $tpic$ b $TPIC$ c"));
    QCOMPARE(window.hcomment->text(), QStringLiteral("a  b  c"));
    QCOMPARE(options.hcomment, std::string("a  b  c"));
    QCOMPARE(window.hcomment->toolTip(), QStringLiteral("a  b  c"));
    QCOMPARE(ShownTexts(), (std::vector<std::string>{Recursive("$tpic$"), Recursive("$tpic$")}));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("ERROR"));

    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return PromptAnswer::Ok; });
    window.alternativetext->setText(QStringLiteral("<!--title-->$pic$x$PIC$"));
    QCOMPARE(window.alternativetext->text(), QStringLiteral("x"));
    QCOMPARE(options.alternativetext, std::string("x"));
    QCOMPARE(ShownTexts(), (std::vector<std::string>{Recursive("$pic$"), Recursive("<!--title-->"),
                                                     Recursive("$pic$")}));
}

void ThiddenoptwindowTest::typedCommandIsCutWhenItIsComplete()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.hpagetitle->clear();
    QTest::keyClicks(window.hpagetitle, QStringLiteral("Day $PIC"));
    QVERIFY(MessageBox::shownMessages().empty());
    QTest::keyClicks(window.hpagetitle, QStringLiteral("$"));
    QCOMPARE(ShownTexts(), std::vector<std::string>{Recursive("$pic$")});
    QCOMPARE(window.hpagetitle->text(), QStringLiteral("Day "));
    QCOMPARE(options.hpagetitle, std::string("Day "));
    // The target may hold other markers.
    window.htarget->setText(QStringLiteral("<!--title-->"));
    QCOMPARE(options.htarget, std::string("<!--title-->"));
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{1});
}

void ThiddenoptwindowTest::backRefusesEmptyEntriesOfUsedCommands()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.show();
    window.hpagetitle->clear();
    window.hkeywords->clear();
    window.usekeywordscommand->setChecked(false);
    window.usetargetcommand->setChecked(true);
    window.htarget->clear();
    window.Button1->click();
    QVERIFY(window.isVisible());
    QCOMPARE(ShownTexts(),
             (std::vector<std::string>{
                 "You want to use the hidden command: <!--title-->,\rbut your entry is "
                 "empty.\rThis option will be deactivated !",
                 "You want to use the hidden command: target for the $tpic$-thumbnails,\rbut "
                 "your entry is empty.\rThis option will be deactivated !"}));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("Hidden command error"));
    QVERIFY(!window.usepagecommand->isChecked());
    QVERIFY(!options.usepagecommand);
    QVERIFY(!options.usetargetcommand);
    QVERIFY(options.usecommentcommand);

    window.Button1->click();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t{2});
}

void ThiddenoptwindowTest::backHintsAtTablesForExtendedInformation()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.show();
    window.showfilesize->setChecked(true);
    QVERIFY(options.showfilesize);
    window.hcomment->clear();
    window.Button1->click();
    const auto &shown = MessageBox::shownMessages();
    QCOMPARE(shown.size(), std::size_t{2});
    QCOMPARE(shown[0].title, std::string("Hint"));
    QVERIFY(shown[0].text.starts_with("If you like to use one of the following options:\r\r"));
    QCOMPARE(shown[1].text, std::string("You want to use the hidden command: <!--COMMENT-->,\r"
                                        "but your entry is empty.\rThis option will be "
                                        "deactivated !"));
    QVERIFY(window.isVisible());
}

void ThiddenoptwindowTest::useBoxesStartAsDefaultsAndFollowTheButtons()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    QVERIFY(window.usecommentcommand->isChecked());
    QVERIFY(window.usepagecommand->isChecked());
    QVERIFY(!window.usetargetcommand->isChecked());
    QCOMPARE(window.radioalternative->checkedId(), 1);
    QCOMPARE(window.RadioGroup1->checkedId(), 1);
    QCOMPARE(window.RadioGroup2->checkedId(), 0);
    QCOMPARE(window.hpagetitle->text(), QStringLiteral("VudarodOzododi $count$ of $total$"));

    QSignalSpy lights(&window, &Thiddenoptwindow::useCommandsChanged);
    window.SpeedButton2->click();
    QVERIFY(!options.usecommentcommand && !options.useauthorcommand &&
            !options.usekeywordscommand && !options.usepagecommand && !options.usetargetcommand);
    window.SpeedButton1->click();
    QVERIFY(options.usecommentcommand && options.useauthorcommand && options.usekeywordscommand &&
            options.usepagecommand && options.usetargetcommand);
    QCOMPARE(lights.count(), 9); // four boxes off, then five on

    window.RadioGroup2->button(1)->click();
    QCOMPARE(options.RadioGroup2, 1);
    window.picspecial->click();
    QVERIFY(options.picspecial);
}

void ThiddenoptwindowTest::targetListReplacesTheTarget()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.ComboBox1->activated(3);
    QCOMPARE(window.htarget->text(), QStringLiteral("_top"));
    QCOMPARE(options.htarget, std::string("_top"));
    // A selection is replaced where it stands.
    window.htarget->setText(QStringLiteral("frame_top"));
    window.htarget->setSelection(5, 4);
    window.ComboBox1->activated(0);
    QCOMPARE(options.htarget, std::string("frame_self"));
}

void ThiddenoptwindowTest::addressFieldsTakeOnlyAddressCharacters()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    for (QLineEdit *edit : {window.Edit1, window.Edit2}) {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("http://a b.example/?x=~_1"));
        QCOMPARE(edit->text(), QStringLiteral("http://ab.example/x_1"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("http://ab.example/x_"));
    }
    QCOMPARE(options.Edit1, std::string("http://ab.example/x_"));
    QCOMPARE(options.Edit2, std::string("http://ab.example/x_"));
}

void ThiddenoptwindowTest::hiddenConfigDataRoundTrip()
{
    QTemporaryDir dir;
    const QString configDir = dir.filePath(QStringLiteral("own_config_files/hidden_cfg/"));
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, configDir);
    window.hpagetitle->setText(QStringLiteral("Trip $count$"));
    window.editfield_html[0]->setText(QStringLiteral("<b>zero</b>"));
    window.editfield_html[9]->setText(QStringLiteral("<i>nine</i>"));
    window.showfilesize->setChecked(true);
    const QString file = configDir + QStringLiteral("trip.chd");
    FileDialog::setNextFileName(file);
    window.BitBtn4->click();
    QVERIFY(QDir(configDir).exists());
    QCOMPARE(window.Label5->text(), QStringLiteral("trip.chd"));
    const auto lines = ReadLineFile(file.toStdString());
    QVERIFY(lines.has_value());
    QCOMPARE(lines->size(), std::size_t{24});
    QCOMPARE(lines->at(0), std::string("[HIDDENCOMMANDS]"));
    QCOMPARE(lines->at(4), std::string("PAGT=Trip $count$"));
    QCOMPARE(lines->at(15), std::string("HTM0=<b>zero</b>"));
    QCOMPARE(lines->at(20), std::string("HTM9=<i>nine</i>"));

    window.hpagetitle->setText(QStringLiteral("other"));
    window.editfield_html[0]->clear();
    window.showfilesize->setChecked(false);
    window.usepagecommand->setChecked(false);
    window.Label5->clear();
    FileDialog::setNextFileName(file);
    window.BitBtn3->click();
    QCOMPARE(window.hpagetitle->text(), QStringLiteral("Trip $count$"));
    QCOMPARE(window.hpagetitle->toolTip(), QStringLiteral("Trip $count$"));
    QCOMPARE(options.editfield_html[0], std::string("<b>zero</b>"));
    QVERIFY(window.showfilesize->isChecked());
    QVERIFY(!window.usepagecommand->isChecked()); // not part of the file
    QCOMPARE(window.Label5->text(), QStringLiteral("trip.chd"));

    // A file of another kind changes nothing and says so.
    const QString foreign = configDir + QStringLiteral("foreign.chd");
    QVERIFY(WriteLineFile(foreign.toStdString(), {"[NAVIGATIONBAR]", "COMM=x"}));
    FileDialog::setNextFileName(foreign);
    window.BitBtn3->click();
    QCOMPARE(options.hpagetitle, std::string("Trip $count$"));
    QCOMPARE(window.Label5->text(), QStringLiteral("trip.chd"));
    QCOMPARE(MessageBox::shownMessages().back().title, std::string("Load error"));
}

void ThiddenoptwindowTest::helpButtonsShowTheHelpWindow()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    Tbefehlsinfo_fenster help;
    window.setHelpWindow(&help);
    QCOMPARE(help.windowTitle(), QStringLiteral("Dynamic use of the hidden commands"));
    int shown = 0;
    for (QToolButton *button : window.helpButtons) {
        QVERIFY(button);
        QTimer::singleShot(0, &help, [&help, &shown] {
            if (help.isVisible()) {
                ++shown;
                help.Button1->click();
            }
        });
        button->click();
        QVERIFY(!help.isVisible());
    }
    QCOMPARE(shown, 8);
    QCOMPARE(window.helpButtons.front()->objectName(), QStringLiteral("SpeedButton3"));
    QCOMPARE(window.helpButtons.back()->objectName(), QStringLiteral("SpeedButton10"));
}

void ThiddenoptwindowTest::htmlTabIsScrolledToTopWhenShown()
{
    HiddenOptions options;
    Thiddenoptwindow window(options, m_prompts, QString());
    window.resize(600, 300);
    window.tabs->setCurrentWidget(window.ScrollBox1);
    window.show();
    QScrollBar *bar = window.ScrollBox1->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    window.hide();
    window.show();
    QCOMPARE(bar->value(), 0);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ThiddenoptwindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "thiddenoptwindow_test.moc"
