#include "core/generator/ledrow.h"

#include <algorithm>

namespace pagoranto {

LedRow::LedRow() : LedRow({0, 2, 4, 6, 8, 9, 7, 5, 3, 1}, {1, 1, 1, 1, 1, -1, -1, -1, -1, -1}) {}

LedRow::LedRow(const Levels &levels, const Levels &steps) : m_steps(steps)
{
    for (std::size_t i = 0; i < ledCount; ++i)
        m_levels[i] = std::clamp(levels[i], darkest, brightest);
}

void LedRow::Tick()
{
    int &level = m_levels[m_next];
    int &step = m_steps[m_next];
    level += step;
    if (level > brightest || level < darkest) {
        level = std::clamp(level, darkest, brightest);
        step = -step;
    }
    m_next = (m_next + 1) % ledCount;
}

} // namespace pagoranto
