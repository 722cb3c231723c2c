#pragma once

#include "core/platform/clock.h"

namespace pagoranto::testing {

class FixedClock : public Clock {
public:
    DateTime now() override { return time; }

    DateTime time{2026, 12, 8, 13, 7, 9, 45};
};

} // namespace pagoranto::testing
