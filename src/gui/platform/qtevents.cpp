#include "gui/platform/qtevents.h"

#include "gui/platform/reentry.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace pagoranto {

namespace {

QElapsedTimer &ticks()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer;
}

} // namespace

void QtEvents::processPendingMessages()
{
    m_sinceLastLook.start();
    QCoreApplication::processEvents();
}

void QtEvents::keepResponsive()
{
    if (!m_sinceLastLook.isValid() || m_sinceLastLook.elapsed() >= lookEveryMilliseconds)
        processPendingMessages();
}

void QtEvents::waitForMessages(std::uint64_t milliseconds)
{
    DelayWithMessagesFor(nullptr, milliseconds);
}

std::uint64_t QtEvents::tickCount()
{
    return static_cast<std::uint64_t>(ticks().elapsed());
}

} // namespace pagoranto
