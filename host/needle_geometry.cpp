#include "needle_geometry.h"

#include <cmath>
#include <numbers>

namespace gaugehost {

double directionTo(gauge::Point from, int x, int y) {
    // Screen y grows downwards, so atan2 already counts clockwise.
    return std::atan2(static_cast<double>(y - from.y), static_cast<double>(x - from.x)) * 180.0 / std::numbers::pi;
}

void computeTableAngles(std::span<gauge::NonlinearityEntry> table, gauge::Point pivot) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        double angle = directionTo(pivot, table[i].x, table[i].y);
        if (i > 0) {
            while (angle < table[i - 1].angle) angle += 360.0;
        }
        table[i].angle = angle;
    }
}

double angleForValue(std::span<const gauge::NonlinearityEntry> table, double value) {
    if (table.empty() || std::isnan(value)) return table.empty() ? 0.0 : table.front().angle;
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        const auto& a = table[i];
        const auto& b = table[i + 1];
        const bool between = (a.value <= value && value <= b.value) || (b.value <= value && value <= a.value);
        if (!between) continue;
        if (a.value == b.value) return a.angle;
        return a.angle + (value - a.value) / (b.value - a.value) * (b.angle - a.angle);
    }
    const auto& first = table.front();
    const auto& last = table.back();
    return std::abs(value - first.value) <= std::abs(value - last.value) ? first.angle : last.angle;
}

}  // namespace gaugehost
