#pragma once

#include "core/platform/events.h"

#include <cstdint>

// Benchmarks have no window: nothing to handle and no time to wait.
class NoEvents : public pagoranto::Events {
public:
    void processPendingMessages() override {}
    void waitForMessages(std::uint64_t) override {}
    std::uint64_t tickCount() override { return 0; }
};
