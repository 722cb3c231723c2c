#include "core/generator/commandlist.h"
#include "gui/options/commandhelppanel.h"
#include "gui/platform/messagebox.h"

#include <QtTest>
#include <vector>

using pagoranto::CommandHelpAction;
using pagoranto::CommandHelpPanel;
using pagoranto::commandList;
using pagoranto::MessageBox;

Q_DECLARE_METATYPE(CommandHelpAction)

class CommandHelpPanelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsTheCommandsWithTheFirstSelected();
    void selectingShowsTheTextsAndEnablesTheButton_data();
    void selectingShowsTheTextsAndEnablesTheButton();
    void buttonAsksForTheCommandsOptions_data();
    void buttonAsksForTheCommandsOptions();
    void commandWithoutOptionsShowsTheHint();

private:
    void select(CommandHelpPanel &panel, const QString &command);

    MessageBox m_prompts;
};

void CommandHelpPanelTest::init()
{
    MessageBox::clearScript();
    MessageBox::setResponder([](const MessageBox::Shown &) { return pagoranto::PromptAnswer::Ok; });
}

void CommandHelpPanelTest::cleanup()
{
    MessageBox::clearScript();
}

void CommandHelpPanelTest::select(CommandHelpPanel &panel, const QString &command)
{
    const auto items = panel.ListBox2->findItems(command, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    panel.ListBox2->setCurrentItem(items.front());
}

void CommandHelpPanelTest::listsTheCommandsWithTheFirstSelected()
{
    CommandHelpPanel panel(m_prompts);
    QCOMPARE(panel.objectName(), QString("Panel7"));
    QCOMPARE(panel.ListBox2->count(), int(pagoranto::commandListSize));
    QCOMPARE(panel.ListBox2->item(44)->text(), QString("$HTML9$"));
    QCOMPARE(panel.ListBox2->currentRow(), 0);
    QCOMPARE(panel.Label13->text(), QString("Inserts the actual picture"));
    QVERIFY(!panel.Label14->text().isEmpty());
    QVERIFY(!panel.Button32->isEnabled());
    QCOMPARE(panel.Button32->text(),
             QString("Show the configuration possiblities for the selected command !"));
}

void CommandHelpPanelTest::selectingShowsTheTextsAndEnablesTheButton_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("$SH$") << "$SH$" << false;
    QTest::newRow("$TPIC$") << "$TPIC$" << true;
    QTest::newRow("$FREETEXT$") << "$FREETEXT$" << true;
}

void CommandHelpPanelTest::selectingShowsTheTextsAndEnablesTheButton()
{
    QFETCH(QString, command);
    QFETCH(bool, enabled);
    CommandHelpPanel panel(m_prompts);
    select(panel, command);
    const auto &entry = commandList()[panel.ListBox2->currentRow()];
    QCOMPARE(panel.Label13->text(),
             QString::fromUtf8(entry.englishHelp.data(), entry.englishHelp.size()));
    QCOMPARE(panel.Label14->text(),
             QString::fromUtf8(entry.germanHelp.data(), entry.germanHelp.size()));
    QVERIFY(panel.Label13->wordWrap());
    QCOMPARE(panel.Button32->isEnabled(), enabled);
}

void CommandHelpPanelTest::buttonAsksForTheCommandsOptions_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<CommandHelpAction>("action");
    QTest::newRow("$TPIC$") << "$TPIC$" << CommandHelpAction::ThumbnailOptionsWindow;
    QTest::newRow("$HTML5$") << "$HTML5$" << CommandHelpAction::HiddenCommandWindow;
}

void CommandHelpPanelTest::buttonAsksForTheCommandsOptions()
{
    QFETCH(QString, command);
    QFETCH(CommandHelpAction, action);
    CommandHelpPanel panel(m_prompts);
    std::vector<CommandHelpAction> requested;
    connect(&panel, &CommandHelpPanel::configurationRequested, this,
            [&](CommandHelpAction a) { requested.push_back(a); });
    select(panel, command);
    QTest::mouseClick(panel.Button32, Qt::LeftButton);
    QCOMPARE(requested, std::vector<CommandHelpAction>{action});
    QVERIFY(MessageBox::shownMessages().empty());
}

void CommandHelpPanelTest::commandWithoutOptionsShowsTheHint()
{
    CommandHelpPanel panel(m_prompts);
    int requested = 0;
    connect(&panel, &CommandHelpPanel::configurationRequested, this, [&] { ++requested; });
    select(panel, "$SH$");
    // The disabled button ignores clicks; its handler, reached otherwise, answers itself.
    QTest::mouseClick(panel.Button32, Qt::LeftButton);
    QVERIFY(MessageBox::shownMessages().empty());
    panel.Button32Click();
    QCOMPARE(requested, 0);
    QCOMPARE(MessageBox::shownMessages().size(), std::size_t(1));
    QCOMPARE(MessageBox::shownMessages().front().title, std::string("Hint"));
    QCOMPARE(MessageBox::shownMessages().front().text,
             std::string("No further options for the selected command available !"));
}

QTEST_MAIN(CommandHelpPanelTest)
#include "commandhelppanel_test.moc"
