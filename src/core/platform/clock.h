#pragma once

namespace pagoranto {

// A local date and time of day. The day of the week follows from the date.
struct DateTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The time of day of whoever runs the engine, so that tests can fix it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
};

} // namespace pagoranto
