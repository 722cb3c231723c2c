#include "gui/options/tinfofenster.h"

#include "gui/platform/reentry.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

namespace pagoranto {

Tinfofenster::Tinfofenster(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Tinfofenster");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#Tinfofenster { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                  " stop:0 #24496e, stop:1 #0f2338); border: 1px solid #8fb8e0; }"
                  "QLabel { color: white; }");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    layout->setSpacing(8);

    auto *name = new QLabel("Pagoranto", this);
    name->setObjectName("productName");
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 14);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto *version = new QLabel(QStringLiteral("Version " PAGORANTO_VERSION), this);
    version->setObjectName("productVersion");
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);

    auto *purpose = new QLabel("Turns a folder of JPEG photos into a static HTML gallery,\n"
                               "page by page from a template of your choice.",
                               this);
    purpose->setObjectName("productPurpose");
    purpose->setAlignment(Qt::AlignCenter);
    layout->addSpacing(6);
    layout->addWidget(purpose);

    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tinfofenster::Present()
{
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void Tinfofenster::ShowFor(std::uint64_t milliseconds)
{
    Present();
    if (DelayWithMessagesFor(this, milliseconds))
        hide();
}

void Tinfofenster::ShowForThen(std::uint64_t milliseconds, std::function<void()> then)
{
    Present();
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), this,
                       [this, then = std::move(then)] {
                           hide();
                           then();
                       });
}

} // namespace pagoranto
