#pragma once

#include "core/generator/ledrow.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>

namespace pagoranto {

// Shown while the thumbnailer or the web-size copies work: a borderless, always-on-top notice
// between two rows of running LEDs.
class TCreationWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int ledSize = 15;
    static constexpr int ledDistance = 17;
    static constexpr int timerInterval = 10;

    explicit TCreationWindow(QWidget *parent = nullptr);

    // Shows the window for the thumbnailer and runs the LEDs, or stops them and hides it.
    void ShowBusy(bool shown);
    // Shows the window for the web-size copies with how far they are.
    void ShowProgress(const QString &line);

    QString heading() const { return m_heading->text(); }
    QString progressLine() const
    {
        return m_progress->isVisible() ? m_progress->text() : QString();
    }

    const LedRow &ledRow() const { return m_ledRow; }
    bool animating() const { return m_timer.isActive(); }

private:
    void advanceLeds();
    void drawLeds();
    QLabel *makeLedLabel(const char *name);
    void Appear();

    LedRow m_ledRow;
    std::array<QPixmap, LedRow::brightest + 1> m_ledImages;
    QLabel *m_ledsAbove = nullptr;
    QLabel *m_ledsBelow = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_progress = nullptr;
    QTimer m_timer;
};

} // namespace pagoranto
