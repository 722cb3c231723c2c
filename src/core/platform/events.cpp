#include "core/platform/events.h"

namespace pagoranto {

void DelayWithMessages(Events &events, std::uint64_t milliseconds)
{
    const std::uint64_t start = events.tickCount();
    for (std::uint64_t elapsed = 0; elapsed < milliseconds; elapsed = events.tickCount() - start)
        events.waitForMessages(milliseconds - elapsed);
}

} // namespace pagoranto
