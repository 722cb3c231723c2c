#include "gui/options/twebassistentwindow.h"

#include "core/text/bytetext.h"
#include "core/text/linefile.h"
#include "gui/platform/qttext.h"
#include "gui/ui/namedwidgets.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>
#include <algorithm>

namespace pagoranto {

Twebassistentwindow::Twebassistentwindow(QString assistantDirectory, QWidget *parent)
    : QDialog(parent), m_directory(std::move(assistantDirectory))
{
    setObjectName(QStringLiteral("Twebassistentwindow"));
    setWindowTitle(QStringLiteral("Gallery Assistant"));
    setModal(false);
    Label1 = NamedLabel("Label1", this);
    QFont stepFont = Label1->font();
    stepFont.setBold(true);
    stepFont.setPointSizeF(stepFont.pointSizeF() * 1.4);
    Label1->setFont(stepFont);
    Label2 = NamedLabel("Label2", this);
    webmemo = new QPlainTextEdit(this);
    webmemo->setObjectName(QStringLiteral("webmemo"));
    webmemo->setReadOnly(true);
    Image1 = NamedLabel("Image1", this);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(320, 240);
    hintPanel = NamedLabel("Panel1", this);
    hintPanel->setWordWrap(true);
    hintPanel->setFrameShape(QFrame::StyledPanel);
    Button2 = NamedButton(QStringLiteral("<-----"), "Button2", this);
    Button1 = NamedButton(QStringLiteral("----->"), "Button1", this);
    englishButton = NamedButton(QStringLiteral(" English "), "englishButton", this);
    germanButton = NamedButton(QStringLiteral(" Deutsch "), "germanButton", this);
    closeButton = NamedButton(QString(), "closeButton", this);
    for (QPushButton *button : {Button1, Button2, englishButton, germanButton, closeButton})
        button->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this,
            [this] { ShowStep(std::min(m_step + 1, stepCount)); });
    connect(Button2, &QPushButton::clicked, this, [this] { ShowStep(std::max(m_step - 1, 1)); });
    connect(englishButton, &QPushButton::clicked, this, [this] { SetGerman(false); });
    connect(germanButton, &QPushButton::clicked, this, [this] { SetGerman(true); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);

    auto *heading = new QHBoxLayout;
    heading->addWidget(Label1);
    heading->addStretch();
    heading->addWidget(Label2);
    auto *content = new QHBoxLayout;
    content->addWidget(webmemo, 1);
    content->addWidget(Image1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    buttons->addSpacing(16);
    buttons->addWidget(englishButton);
    buttons->addWidget(germanButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addLayout(content, 1);
    layout->addWidget(hintPanel);
    layout->addLayout(buttons);
    resize(820, 420);
    SetGerman(false);
}

void Twebassistentwindow::SetGerman(bool german)
{
    m_german = german;
    closeButton->setText(german ? QStringLiteral("Zurück") : QStringLiteral("Back"));
    hintPanel->setText(
        german
            ? QStringLiteral(
                  "Verschieben Sie mit Hilfe des Titels dieses Fenster an eine andere Position !")
            : QStringLiteral("Drag the title bar of this window, if you like to move it to an "
                             "other position !"));
    ShowStep(m_step);
}

void Twebassistentwindow::ShowStep(int step)
{
    m_step = step;
    const QString name =
        (m_german ? QStringLiteral("Schritt ") : QStringLiteral("Step ")) + QString::number(step);
    Label1->setText(name);
    Label2->setText(name + QStringLiteral("/5"));
    const QString textFile = m_directory + name + QStringLiteral(".txt");
    if (const std::optional<std::string> text = ReadFileBytes(ToEngineText(textFile)))
        webmemo->setPlainText(ToQString(ToUtf8(*text)));
    else
        webmemo->setPlainText((m_german ? QStringLiteral("Die Datei fehlt: ")
                                        : QStringLiteral("This step's text is missing: ")) +
                              textFile);
    const QPixmap picture(m_directory + QString::number(step) + QStringLiteral(".jpg"));
    if (picture.isNull()) {
        Image1->setPixmap(QPixmap());
        Image1->setText(m_german ? QStringLiteral("(Kein Bild)") : QStringLiteral("(No picture)"));
    } else {
        Image1->setPixmap(picture.scaled(360, 270, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
}

} // namespace pagoranto
