#include "gui/options/wizardpanel.h"

#include "core/options/websizebox.h"
#include "gui/platform/qttext.h"

#include <QLabel>
#include <QVBoxLayout>

namespace pagoranto {

WizardPanel::WizardPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel21"));
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("WIZARD"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 130);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    Button34 = AddStep(QStringLiteral("Step 1"), QStringLiteral("Your images"), "Button34");
    Button35 = AddStep(QStringLiteral("Step 2"), QStringLiteral("Select layout"), "Button35");
    Button36 = AddStep(QStringLiteral("Step 3"), QStringLiteral("Thumbnail opt."), "Button36");
    Button37 = AddStep(QStringLiteral("Step 4"), QStringLiteral("Navigation 1"), "Button37");
    Button40 = AddStep(QStringLiteral("Step 4.1"), QStringLiteral("Navigation 2"), "Button40");
    Button38 = AddStep(QStringLiteral("Step 5"), QStringLiteral("Pagename opt."), "Button38");
    Button39 = AddStep(QStringLiteral("Step 6"), QStringLiteral("Hidden opt."), "Button39");
    Button33 = AddStep(QStringLiteral("Step 7"), QStringLiteral("Create"), "Button33");
    webSizeStep = new QPushButton(this);
    webSizeStep->setObjectName(QStringLiteral("webSizeStep"));
    webSizeStep->setFlat(true);
    webSizeStep->setToolTip(
        QStringLiteral("Before the pages, Create makes a copy of each photo larger than this box "
                       "into the folder beside the thumbnails, and the pages show the copy; the "
                       "photos stay as they are. Click to change it."));
    layout->addWidget(webSizeStep);
    ShowWebSize(WebSizeOptions());
    auto *hint = new QLabel(
        QStringLiteral("Please click on the buttons above for selecting options !"), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    layout->addStretch();
}

void WizardPanel::ShowWebSize(const WebSizeOptions &options)
{
    const QString box =
        options.WebSizePictures
            ? ToQString(WebSizeBoxText({options.WebSizeWidth, options.WebSizeHeight}))
            : QStringLiteral("off");
    webSizeStep->setText(QStringLiteral("Web-size pictures:\n") + box);
}

QPushButton *WizardPanel::AddStep(const QString &step, const QString &caption, const char *name)
{
    auto *label = new QLabel(step, this);
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    layout()->addWidget(label);
    layout()->addWidget(button);
    return button;
}

} // namespace pagoranto
