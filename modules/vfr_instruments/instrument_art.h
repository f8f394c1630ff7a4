// Art that the flight instruments of both panels share: dial marks placed where the host points a
// needle for a value, labels turned with a card, and the compass cards of the VOR and heading
// indicators.
#pragma once

#include <cstddef>
#include <numbers>
#include <string_view>
#include <vector>

#include "tools/picturegen/drawing_kit.h"

namespace instrument_art {

namespace kit = picturegen::kit;

// The host's angle for a value of a needle table, seen from the pivot: the angle of each point,
// growing clockwise along the table, linearly between neighbouring points.
template <std::size_t count>
double tableAngle(const gauge::layout::CalibrationPoint (&points)[count], kit::Point pivot, double value) {
    std::vector<double> angles;
    for (const gauge::layout::CalibrationPoint& point : points) {
        double angle = kit::angleTowards(pivot, kit::pointOf(point));
        while (!angles.empty() && angle < angles.back()) angle += 360;
        angles.push_back(angle);
    }
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const double from = points[i].value, to = points[i + 1].value;
        if ((from <= value && value <= to) || (to <= value && value <= from)) {
            return angles[i] + (value - from) / (to - from) * (angles[i + 1] - angles[i]);
        }
    }
    return value < points[0].value ? angles.front() : angles.back();
}

constexpr double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// Text centred on a point and turned clockwise by the angle, as printed on a turning card.
void turnedLabel(cairo_t* cr, std::string_view text, kit::Point centre, double angle, double size, kit::Rgb colour);

// A compass card filling its picture on pure black: N at the top and E at the right, labels every
// 30 degrees upright towards the centre, ticks every 5 degrees, longer every 10. `labelRadius` and
// the tick radii are in picture pixels.
struct CompassCard {
    kit::Rgb face;
    kit::Rgb ink;
    double radius;
    double tickOuter, majorTick, minorTick;
    double labelRadius, labelSize, letterSize;
};
void compassCard(cairo_t* cr, kit::Point centre, const CompassCard& card);

// Where a compass card's label for a heading is printed: the labels' headings and their texts.
std::string_view compassLabel(int heading);

}  // namespace instrument_art
