#include "gui/generator/tcreationwindow.h"

#include <QFont>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

// Level 0 is a dark, unlit LED; level 9 a bright green one with a highlight.
QPixmap LedImage(int level)
{
    QPixmap image(TCreationWindow::ledSize, TCreationWindow::ledSize);
    image.fill(Qt::transparent);
    const int value = 45 + level * (255 - 45) / LedRow::brightest;
    const QColor lit = QColor::fromHsv(120, 230, value);
    QRadialGradient gradient(QPointF(5.5, 5.5), TCreationWindow::ledSize * 0.6);
    gradient.setColorAt(0.0, lit.lighter(100 + level * 12));
    gradient.setColorAt(0.7, lit);
    gradient.setColorAt(1.0, lit.darker(180));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(10, 25, 10), 1));
    painter.setBrush(gradient);
    painter.drawEllipse(
        QRectF(0.5, 0.5, TCreationWindow::ledSize - 1.0, TCreationWindow::ledSize - 1.0));
    return image;
}

QLabel *TextLabel(const QString &text, int pointSize, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

const QString thumbnailHeading = QStringLiteral("THUMBNAIL");

} // namespace

TCreationWindow::TCreationWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("TCreationWindow");
    setStyleSheet("#TCreationWindow { background-color: #142014; border: 2px solid #3f7a3f; }"
                  "QLabel { color: #d6f5cf; }");
    setAttribute(Qt::WA_StyledBackground);
    for (int level = 0; level <= LedRow::brightest; ++level)
        m_ledImages[level] = LedImage(level);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSpacing(6);
    m_ledsAbove = makeLedLabel("ledsAbove");
    layout->addWidget(m_ledsAbove);
    layout->addSpacing(6);
    m_heading = TextLabel(thumbnailHeading, 14, this);
    layout->addWidget(m_heading);
    layout->addWidget(TextLabel("C R E A T I O N", 14, this));
    layout->addWidget(TextLabel("IS", 10, this));
    layout->addWidget(TextLabel("R U N N I N G", 14, this));
    layout->addSpacing(6);
    m_ledsBelow = makeLedLabel("ledsBelow");
    layout->addWidget(m_ledsBelow);
    m_progress = TextLabel(QString(), 10, this);
    m_progress->setObjectName("progress");
    m_progress->hide();
    layout->addWidget(m_progress);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_timer.setInterval(timerInterval);
    connect(&m_timer, &QTimer::timeout, this, &TCreationWindow::advanceLeds);
    drawLeds();
}

QLabel *TCreationWindow::makeLedLabel(const char *name)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(ledDistance * (LedRow::ledCount - 1) + ledSize, ledSize);
    return label;
}

void TCreationWindow::ShowBusy(bool shown)
{
    if (!shown) {
        m_timer.stop();
        hide();
        return;
    }
    m_heading->setText(thumbnailHeading);
    m_progress->hide();
    Appear();
}

void TCreationWindow::ShowProgress(const QString &line)
{
    m_progress->setText(line);
    if (isVisible() && m_progress->isVisible())
        return;
    m_heading->setText(QStringLiteral("WEB-SIZE PICTURE"));
    m_progress->show();
    Appear();
}

void TCreationWindow::Appear()
{
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    m_timer.start();
}

void TCreationWindow::advanceLeds()
{
    m_ledRow.Tick();
    drawLeds();
}

void TCreationWindow::drawLeds()
{
    QPixmap row(m_ledsAbove->size());
    row.fill(Qt::transparent);
    QPainter painter(&row);
    for (std::size_t led = 0; led < LedRow::ledCount; ++led)
        painter.drawPixmap(static_cast<int>(led) * ledDistance, 0,
                           m_ledImages[m_ledRow.levels()[led]]);
    painter.end();
    m_ledsAbove->setPixmap(row);
    m_ledsBelow->setPixmap(row);
}

} // namespace pagoranto
