#include "gui/platform/qtevents.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

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
    QCoreApplication::processEvents();
}

std::uint64_t QtEvents::tickCount()
{
    return static_cast<std::uint64_t>(ticks().elapsed());
}

void DelayWithMessages(std::uint64_t milliseconds)
{
    QtEvents events;
    const std::uint64_t start = events.tickCount();
    while (events.tickCount() - start <= milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

} // namespace pagoranto
