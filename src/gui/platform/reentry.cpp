#include "gui/platform/reentry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <chrono>

namespace pagoranto {

bool ProcessMessagesFor(const QObject *owner, QEventLoop::ProcessEventsFlags flags)
{
    const QPointer<const QObject> alive(owner);
    QCoreApplication::processEvents(flags);
    return !alive.isNull();
}

bool DelayWithMessagesFor(const QObject *owner, std::uint64_t milliseconds)
{
    const QPointer<const QObject> alive(owner);
    // Blocks in an event loop of its own, so the wait costs no processor time.
    QEventLoop wait;
    QTimer::singleShot(std::chrono::milliseconds(milliseconds), &wait, &QEventLoop::quit);
    if (owner)
        QObject::connect(owner, &QObject::destroyed, &wait, &QEventLoop::quit);
    wait.exec();
    return !owner || !alive.isNull();
}

void RunAfterCurrentEvent(QObject *context, std::function<void()> work)
{
    QMetaObject::invokeMethod(context, std::move(work), Qt::QueuedConnection);
}

} // namespace pagoranto
