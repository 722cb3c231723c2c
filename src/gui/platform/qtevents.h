#pragma once

#include "core/platform/events.h"

#include <QElapsedTimer>
#include <cstdint>

namespace pagoranto {

// The window's event loop, for the engine's long loops.
class QtEvents : public Events {
public:
    void processPendingMessages() override;
    // Looks at the messages when it has not for a few milliseconds: a look costs more than a
    // line of a page, and a page is made in less time than a screen takes to refresh.
    void keepResponsive() override;
    void waitForMessages(std::uint64_t milliseconds) override;
    std::uint64_t tickCount() override;

    static constexpr qint64 lookEveryMilliseconds = 10;

private:
    QElapsedTimer m_sinceLastLook;
};

} // namespace pagoranto
