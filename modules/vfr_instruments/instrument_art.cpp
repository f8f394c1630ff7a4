#include "modules/vfr_instruments/instrument_art.h"

#include <vector>

namespace instrument_art {

void turnedLabel(cairo_t* cr, std::string_view text, kit::Point centre, double angle, double size, kit::Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, radians(angle));
    kit::label(cr, text, {0, 0}, size, colour);
    cairo_restore(cr);
}

std::string_view compassLabel(int heading) {
    static constexpr std::string_view kLabels[] = {"N", "3", "6", "E", "12", "15", "S", "21", "24", "W", "30", "33"};
    return kLabels[(heading / 30) % 12];
}

void compassCard(cairo_t* cr, kit::Point centre, const CompassCard& card) {
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, centre, card.radius, card.face);
    constexpr double kUp = -90;
    std::vector<kit::ScaleMark> ticks;
    for (int heading = 0; heading < 360; heading += 5) {
        ticks.push_back({.angle = kUp + heading, .tick = heading % 10 == 0 ? kit::Tick::Major : kit::Tick::Minor});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = card.tickOuter, .majorLength = card.majorTick, .majorWidth = 2.2,
                    .minorLength = card.minorTick, .minorWidth = 1.4, .numeralRadius = 0, .numeralSize = 1,
                    .ink = card.ink},
                   ticks);
    for (int heading = 0; heading < 360; heading += 30) {
        const std::string_view text = compassLabel(heading);
        const bool letter = heading % 90 == 0;
        turnedLabel(cr, text, kit::polar(centre, card.labelRadius, kUp + heading), heading,
                    letter ? card.letterSize : card.labelSize, card.ink);
    }
}

}  // namespace instrument_art
