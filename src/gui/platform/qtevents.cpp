#include "gui/platform/qtevents.h"

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
    QCoreApplication::processEvents();
}

std::uint64_t QtEvents::tickCount()
{
    return static_cast<std::uint64_t>(ticks().elapsed());
}

} // namespace pagoranto
