#include "gui/options/browserpanel.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace pagoranto {

BrowserPanel::BrowserPanel(AdditionalOptions &options, QWidget *parent)
    : QWidget(parent), m_options(options)
{
    setObjectName(QStringLiteral("Panel9"));
    auto *group = new QGroupBox(QStringLiteral("Browser start after creation"), this);
    auto *column = new QVBoxLayout(group);
    defaultBrowser =
        AddChoice("default", QStringLiteral("Default browser"), BrowserStart::defaultBrowser);
    netscape = AddChoice("netscape", QStringLiteral("Netscape browser"), BrowserStart::netscape);
    iexplore = AddChoice("iexplore", QStringLiteral("Iexplore browser"), BrowserStart::iexplore);
    none = AddChoice("none", QStringLiteral("None"), BrowserStart::none);
    for (QRadioButton *button : {defaultBrowser, netscape, iexplore, none})
        column->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
    ShowBrowserChoice();
}

QRadioButton *BrowserPanel::AddChoice(const char *name, const QString &caption, BrowserStart choice)
{
    auto *button = new QRadioButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QRadioButton::toggled, this, [this, choice](bool on) {
        if (on)
            m_options.browserStart = choice;
    });
    return button;
}

void BrowserPanel::ShowBrowserChoice()
{
    switch (m_options.browserStart) {
    case BrowserStart::none:
        none->setChecked(true);
        break;
    case BrowserStart::iexplore:
        iexplore->setChecked(true);
        break;
    case BrowserStart::netscape:
        netscape->setChecked(true);
        break;
    case BrowserStart::defaultBrowser:
        defaultBrowser->setChecked(true);
        break;
    }
}

} // namespace pagoranto
