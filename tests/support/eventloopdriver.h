#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace pagoranto::testing {

// Runs a step on every pass of the event loop until it says it is done: the test's hand while
// a run or a modal window holds the loop.
class Driver : public QObject {
public:
    explicit Driver(std::function<bool()> step) : m_step(std::move(step))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_step())
                m_timer.stop();
        });
        m_timer.start();
    }

private:
    std::function<bool()> m_step;
    QTimer m_timer;
};

} // namespace pagoranto::testing
