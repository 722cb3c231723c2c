#include "gui/askpass/askpasswindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

QLabel *TextLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

AskpassWindow::AskpassWindow(const QString &prompt, const QString &hint, QWidget *parent)
    : QDialog(parent), m_prompt(ClassifyAskpassPrompt(prompt.toStdString(), hint.toStdString()))
{
    setObjectName(QStringLiteral("AskpassWindow"));
    setWindowTitle(QStringLiteral("Pagoranto - publishing"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *sign = new QLabel(this);
    const bool question = m_prompt.kind != AskpassPrompt::Kind::secret;
    const int signSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    sign->setPixmap(
        style()
            ->standardIcon(question ? QStyle::SP_MessageBoxQuestion : QStyle::SP_MessageBoxWarning)
            .pixmap(signSize));
    row->addWidget(sign, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    row->addLayout(texts, 1);
    layout->addLayout(row);
    auto *buttons = new QDialogButtonBox(this);

    switch (m_prompt.kind) {
    case AskpassPrompt::Kind::hostKey: {
        const bool understood = !m_prompt.fingerprint.empty();
        auto *title = TextLabel(QStringLiteral("Unknown server"), "title", this);
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.2);
        title->setFont(bold);
        texts->addWidget(title);
        texts->addWidget(TextLabel(understood ? QString::fromStdString(HostKeyQuestion(m_prompt))
                                              : prompt.trimmed(),
                                   "question", this));
        yesButton = buttons->addButton(QDialogButtonBox::Yes);
        noButton = buttons->addButton(QDialogButtonBox::No);
        // A hasty Enter must not trust a server.
        noButton->setDefault(true);
        connect(yesButton, &QPushButton::clicked, this, [this] { answerWith("yes"); });
        connect(noButton, &QPushButton::clicked, this, [this] { answerWith("no"); });
        setMinimumWidth(520);
        break;
    }
    case AskpassPrompt::Kind::confirmation:
        texts->addWidget(TextLabel(prompt.trimmed(), "question", this));
        yesButton = buttons->addButton(QDialogButtonBox::Yes);
        noButton = buttons->addButton(QDialogButtonBox::No);
        noButton->setDefault(true);
        connect(yesButton, &QPushButton::clicked, this, [this] { answerWith("yes"); });
        // ssh reads a refusal from the exit status.
        connect(noButton, &QPushButton::clicked, this, &QDialog::reject);
        break;
    case AskpassPrompt::Kind::notice:
        texts->addWidget(TextLabel(prompt.trimmed(), "question", this));
        okButton = buttons->addButton(QDialogButtonBox::Ok);
        connect(okButton, &QPushButton::clicked, this, [this] { answerWith({}); });
        break;
    case AskpassPrompt::Kind::secret:
        texts->addWidget(TextLabel(prompt.trimmed(), "question", this));
        secret = new QLineEdit(this);
        secret->setObjectName(QStringLiteral("secret"));
        secret->setEchoMode(QLineEdit::Password);
        texts->addWidget(secret);
        texts->addWidget(TextLabel(
            QStringLiteral("Pagoranto passes this on to ssh and does not keep it."), "hint", this));
        okButton = buttons->addButton(QDialogButtonBox::Ok);
        cancelButton = buttons->addButton(QDialogButtonBox::Cancel);
        okButton->setDefault(true);
        connect(okButton, &QPushButton::clicked, this, [this] { answerWith(secret->text()); });
        connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
        setMinimumWidth(420);
        break;
    }
    layout->addWidget(buttons);
}

void AskpassWindow::answerWith(const QString &text)
{
    m_answer = text;
    if (secret)
        secret->clear();
    accept();
}

} // namespace pagoranto
