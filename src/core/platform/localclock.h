#pragma once

#include "core/platform/clock.h"

namespace pagoranto {

// The machine's local time.
class LocalClock : public Clock {
public:
    DateTime now() override;
};

} // namespace pagoranto
