#pragma once

#include <QEventLoop>
#include <QObject>
#include <cstdint>
#include <functional>

namespace pagoranto {

// The window thread re-enters itself by design: the thumbnail build, the run's waits, the
// timed information window and the delete loops process pending messages, and any handler may
// run inside them. These rules keep that safe; every nested loop of the program goes through
// this header.
//
// 1. Nothing is half-built when the first message is processed. A widget whose parts are made
//    lazily (the embedded browser's render widget) is completed when it is created: in its
//    owner's constructor, or from an event of its own, in a window that has had the OpenGL
//    surface it needs from the start (DeferredWebView); otherwise it re-creates native windows in
//    the middle of whatever delivery triggered it.
// 2. Handlers that Qt calls from inside its own delivery of a window-system event (activation)
//    do not run nested loops, show boxes or change the window tree there: Qt holds raw pointers
//    to windows across that delivery. They hand their work to RunAfterCurrentEvent.
// 3. A loop that processes messages is owned by one object and returns at once, touching
//    nothing of it, when ProcessMessagesFor or DelayWithMessagesFor reports it gone.
// 4. The objects a nested loop may reach beyond its owner are the main window and the windows
//    it owns; they live until the outermost event loop has returned. The main window refuses to
//    close while a run is going, and ignores close requests while it is closing.

// Lets pending messages run; false when the owner was destroyed meanwhile.
bool ProcessMessagesFor(const QObject *owner,
                        QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

// Waits, blocking between messages; false when the owner was destroyed meanwhile. Without an
// owner nothing is guarded.
bool DelayWithMessagesFor(const QObject *owner, std::uint64_t milliseconds);

// Runs work once the event being delivered now has been handled, unless context is gone by then.
void RunAfterCurrentEvent(QObject *context, std::function<void()> work);

} // namespace pagoranto
