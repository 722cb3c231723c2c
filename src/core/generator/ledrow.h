#pragma once

#include <array>
#include <cstddef>

namespace pagoranto {

// The animated row of LEDs of the busy window. Each tick moves one LED, in turn, by its step;
// a LED that would pass the brightest or the darkest level stays there and turns back.
class LedRow {
public:
    static constexpr std::size_t ledCount = 10;
    static constexpr int darkest = 0;
    static constexpr int brightest = 9;

    using Levels = std::array<int, ledCount>;

    // A wave: neighbours are two moves apart, half the row rising and half falling, so the
    // bright crest runs along the row.
    LedRow();
    // Levels outside darkest..brightest are clamped, since they choose an image.
    LedRow(const Levels &levels, const Levels &steps);

    void Tick();

    const Levels &levels() const { return m_levels; }
    const Levels &steps() const { return m_steps; }
    // The LED that the next tick moves, from 0.
    std::size_t nextLed() const { return m_next; }

private:
    Levels m_levels;
    Levels m_steps;
    std::size_t m_next = 0;
};

} // namespace pagoranto
