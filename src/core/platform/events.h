#pragma once

#include <cstdint>

namespace pagoranto {

// The event loop of whoever runs the engine. Long loops call processPendingMessages() so a
// window stays responsive and a Stop press is seen; that call may re-enter the engine.
class Events {
public:
    virtual ~Events() = default;
    virtual void processPendingMessages() = 0;
    // For the innermost loops, which call it for every line or character of a page: an event loop
    // need only look at its messages now and then, as long as that keeps a window responsive.
    // By default it looks every time.
    virtual void keepResponsive() { processPendingMessages(); }
    // Handles messages as they come for up to that long, sleeping or blocking meanwhile, so a
    // wait leaves the processor to the work it waits for.
    virtual void waitForMessages(std::uint64_t milliseconds) = 0;
    // Milliseconds since some fixed moment, for waits and elapsed times.
    virtual std::uint64_t tickCount() = 0;
};

// Waits that long while messages are handled; every timed wait of the engine is this one.
void DelayWithMessages(Events &events, std::uint64_t milliseconds);

} // namespace pagoranto
