#pragma once

#include <cstdint>

namespace pagoranto {

// The spin buttons of the page counter: steps of 1, 10 and 100.
enum class CounterSpin { SpinButton3, SpinButton2, SpinButton1 };

// The number of the next page. It lives only while the program runs and starts at 1.
class PageCounter {
public:
    explicit PageCounter(std::int64_t value = 1) : m_value(value) {}

    std::int64_t value() const { return m_value; }

    // Outside the spin button's limits the click does nothing; returns whether it counted.
    bool stepUp(CounterSpin spin);
    bool stepDown(CounterSpin spin);

    // Button22, "Set to '1'".
    void setToOne() { m_value = 1; }

    void pageSaved() { ++m_value; }

    // At the end of a run, stopped or cancelled: back to 1 when Counterreset is checked, so
    // that only an unchecked box lets a second run continue the numbering.
    void runEnded(bool counterreset);

private:
    std::int64_t m_value = 1;
};

} // namespace pagoranto
