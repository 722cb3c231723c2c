#pragma once

#include "core/platform/events.h"

#include <functional>

namespace pagoranto::testing {

// Counts message processing; onProcess lets a test act as a handler that runs meanwhile
// (a Stop press, a re-entering call). Each tick query advances the clock by tickStep.
class RecordingEvents : public Events {
public:
    void processPendingMessages() override
    {
        ++processed;
        if (onProcess)
            onProcess();
    }

    // Time passes at once: the wait counts as one pass of message processing.
    void waitForMessages(std::uint64_t milliseconds) override
    {
        now += milliseconds;
        processPendingMessages();
    }

    std::uint64_t tickCount() override
    {
        now += tickStep;
        return now;
    }

    int processed = 0;
    std::function<void()> onProcess;
    std::uint64_t now = 0;
    std::uint64_t tickStep = 1;
};

} // namespace pagoranto::testing
