#pragma once

#include <cstdint>

namespace pagoranto {

// The event loop of whoever runs the engine. Long loops call processPendingMessages() so a
// window stays responsive and a Stop press is seen; that call may re-enter the engine.
class Events {
public:
    virtual ~Events() = default;
    virtual void processPendingMessages() = 0;
    // Milliseconds since some fixed moment, for waits and elapsed times.
    virtual std::uint64_t tickCount() = 0;
};

} // namespace pagoranto
