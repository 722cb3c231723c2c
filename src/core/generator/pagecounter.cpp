#include "core/generator/pagecounter.h"

namespace pagoranto {

namespace {

struct SpinLimits {
    std::int64_t step;
    std::int64_t upWhileBelow;
    std::int64_t downWhileAtLeast;
};

// The larger steps stop short of the bounds rather than reach them.
SpinLimits LimitsOf(CounterSpin spin)
{
    switch (spin) {
    case CounterSpin::SpinButton2:
        return {10, 499990, 12};
    case CounterSpin::SpinButton1:
        return {100, 499900, 102};
    case CounterSpin::SpinButton3:
        break;
    }
    return {1, 500000, 2};
}

} // namespace

bool PageCounter::stepUp(CounterSpin spin)
{
    const SpinLimits limits = LimitsOf(spin);
    if (m_value >= limits.upWhileBelow)
        return false;
    m_value += limits.step;
    return true;
}

bool PageCounter::stepDown(CounterSpin spin)
{
    const SpinLimits limits = LimitsOf(spin);
    if (m_value < limits.downWhileAtLeast)
        return false;
    m_value -= limits.step;
    return true;
}

void PageCounter::runEnded(bool counterreset)
{
    if (counterreset)
        m_value = 1;
}

} // namespace pagoranto
