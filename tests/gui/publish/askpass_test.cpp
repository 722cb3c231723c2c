#include "gui/askpass/askpassprompt.h"
#include "gui/askpass/askpasswindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using pagoranto::AskpassPrompt;
using pagoranto::AskpassWindow;
using pagoranto::ClassifyAskpassPrompt;

Q_DECLARE_METATYPE(AskpassPrompt::Kind)

namespace {

// As ssh 9 asks about a server it does not know.
const char *const hostKeyPrompt =
    "The authenticity of host '[127.0.0.1]:2222 ([127.0.0.1]:2222)' can't be established.\n"
    "ED25519 key fingerprint is SHA256:u2G8rDfd+Tt0lQ/8PHc3kq1Vv0Zp9cXn1c0b2H3d4eE.\n"
    "This key is not known by any other names.\n"
    "Are you sure you want to continue connecting (yes/no/[fingerprint])? ";

} // namespace

class AskpassTest : public QObject {
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void hostKeyQuestionShowsTheFingerprint();
    void hostKeyAnswers_data();
    void hostKeyAnswers();
    void secretIsAnsweredAndNotKeptInTheField();
    void cancelGivesNoAnswer_data();
    void cancelGivesNoAnswer();
};

void AskpassTest::classification_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<AskpassPrompt::Kind>("kind");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("fingerprint");
    using Kind = AskpassPrompt::Kind;
    QTest::newRow("unknown host") << hostKeyPrompt << "" << Kind::hostKey << "[127.0.0.1]:2222"
                                  << "SHA256:u2G8rDfd+Tt0lQ/8PHc3kq1Vv0Zp9cXn1c0b2H3d4eE";
    QTest::newRow("unknown host, old md5 form")
        << "The authenticity of host 'web.example.org (192.0.2.7)' can't be established.\n"
           "RSA key fingerprint is MD5:12:f8:7e:78:61:b4:bf:e2:de:24:15:96:4e:d4:72:53.\n"
           "Are you sure you want to continue connecting (yes/no)? "
        << "" << Kind::hostKey << "web.example.org"
        << "MD5:12:f8:7e:78:61:b4:bf:e2:de:24:15:96:4e:d4:72:53";
    QTest::newRow("asked again") << "Please type 'yes', 'no' or the fingerprint: "
                                 << "" << Kind::hostKey << ""
                                 << "";
    QTest::newRow("host-key question even with a confirm hint")
        << hostKeyPrompt << "confirm" << Kind::hostKey << "[127.0.0.1]:2222"
        << "SHA256:u2G8rDfd+Tt0lQ/8PHc3kq1Vv0Zp9cXn1c0b2H3d4eE";
    QTest::newRow("password") << "anna@web.example.org's password: "
                              << "" << Kind::secret << ""
                              << "";
    QTest::newRow("passphrase") << "Enter passphrase for key '/home/anna/.ssh/id_ed25519': "
                                << "" << Kind::secret << ""
                                << "";
    QTest::newRow("a password prompt that mentions yes is still a password")
        << "yes@host's password: "
        << "" << Kind::secret << ""
        << "";
    QTest::newRow("agent confirmation") << "Allow use of key /home/anna/.ssh/id_ed25519?"
                                        << "confirm" << Kind::confirmation << ""
                                        << "";
    QTest::newRow("security key touch") << "Confirm user presence for key ED25519-SK"
                                        << "none" << Kind::notice << ""
                                        << "";
}

void AskpassTest::classification()
{
    QFETCH(QString, prompt);
    QFETCH(QString, hint);
    QFETCH(AskpassPrompt::Kind, kind);
    QFETCH(QString, host);
    QFETCH(QString, fingerprint);
    const AskpassPrompt parsed = ClassifyAskpassPrompt(prompt.toStdString(), hint.toStdString());
    QCOMPARE(parsed.kind, kind);
    QCOMPARE(QString::fromStdString(parsed.host), host);
    QCOMPARE(QString::fromStdString(parsed.fingerprint), fingerprint);
}

void AskpassTest::hostKeyQuestionShowsTheFingerprint()
{
    AskpassWindow window(hostKeyPrompt, {});
    const QString question = window.findChild<QLabel *>("question")->text();
    QVERIFY(question.contains("[127.0.0.1]:2222"));
    QVERIFY2(question.contains("\nSHA256:u2G8rDfd+Tt0lQ/8PHc3kq1Vv0Zp9cXn1c0b2H3d4eE\n"),
             qPrintable(question));
    QVERIFY(question.contains("ED25519"));
    QVERIFY2(window.noButton->isDefault(), "Enter alone must not trust a server");
    QVERIFY(!window.secret);

    // Without a fingerprint to show, ssh's own words are shown rather than a guess.
    AskpassWindow again("Please type 'yes', 'no' or the fingerprint: ", {});
    QCOMPARE(again.findChild<QLabel *>("question")->text(),
             QString("Please type 'yes', 'no' or the fingerprint:"));
}

void AskpassTest::hostKeyAnswers_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("answer");
    QTest::newRow("yes") << true << "yes";
    QTest::newRow("no") << false << "no";
}

void AskpassTest::hostKeyAnswers()
{
    QFETCH(bool, yes);
    QFETCH(QString, answer);
    AskpassWindow window(hostKeyPrompt, {});
    QTimer::singleShot(0, &window, [&] { (yes ? window.yesButton : window.noButton)->click(); });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(window.answer(), std::optional<QString>(answer));
}

void AskpassTest::secretIsAnsweredAndNotKeptInTheField()
{
    AskpassWindow window("anna@web.example.org's password: ", {});
    QVERIFY(window.secret);
    QCOMPARE(window.secret->echoMode(), QLineEdit::Password);
    QCOMPARE(window.findChild<QLabel *>("question")->text(),
             QString("anna@web.example.org's password:"));
    QTimer::singleShot(0, &window, [&] {
        QTest::keyClicks(window.secret, "s3cret word");
        window.okButton->click();
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(window.answer(), std::optional<QString>("s3cret word"));
    QVERIFY(window.secret->text().isEmpty());
}

void AskpassTest::cancelGivesNoAnswer_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("hint");
    QTest::newRow("password cancelled") << "anna@host's password: "
                                        << "";
    QTest::newRow("confirmation refused") << "Allow use of key id_ed25519?"
                                          << "confirm";
    QTest::newRow("host key window closed") << hostKeyPrompt << "";
}

void AskpassTest::cancelGivesNoAnswer()
{
    QFETCH(QString, prompt);
    QFETCH(QString, hint);
    AskpassWindow window(prompt, hint);
    QTimer::singleShot(0, &window, [&] {
        if (window.cancelButton)
            window.cancelButton->click();
        else if (window.kind() == AskpassPrompt::Kind::confirmation)
            window.noButton->click();
        else
            window.close();
    });
    QCOMPARE(window.exec(), int(QDialog::Rejected));
    QVERIFY(!window.answer());
}

QTEST_MAIN(AskpassTest)
#include "askpass_test.moc"
