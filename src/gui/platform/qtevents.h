#pragma once

#include "core/platform/events.h"

#include <cstdint>

namespace pagoranto {

// The window's event loop, for the engine's long loops.
class QtEvents : public Events {
public:
    void processPendingMessages() override;
    void waitForMessages(std::uint64_t milliseconds) override;
    std::uint64_t tickCount() override;
};

} // namespace pagoranto
