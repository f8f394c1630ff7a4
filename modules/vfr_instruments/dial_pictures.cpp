// The art of Asi and Altimetro in both builds: the VFR panel's instruments are black with white
// ink and the altimeter's face carries its bezel and setting knob; the main panel's are a blue-grey
// with cream ink, the face only. The setting window's mask is the same in both.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "modules/vfr_instruments/dial_layout.h"
#include "modules/vfr_instruments/instrument_art.h"
#include "modules/vfr_instruments/pictures.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = dial_instruments::layout;
using instrument_art::tableAngle;
using kit::texelCentre;

constexpr double kUp = -90;

struct DialStyle {
    kit::Rgb face;
    kit::Rgb ink;
    kit::Rgb rim;
    kit::Rgb pointer;
    kit::Rgb hub;
    bool altimeterBezelAndKnob;
};

constexpr DialStyle kVfrStyle{.face = {14, 14, 15}, .ink = kit::kLabelWhite, .rim = {96, 96, 100},
                              .pointer = {245, 245, 245}, .hub = {38, 38, 40}, .altimeterBezelAndKnob = true};
constexpr DialStyle kMainStyle{.face = {30, 33, 40}, .ink = {240, 232, 205}, .rim = {60, 64, 72},
                               .pointer = {240, 232, 205}, .hub = {52, 55, 62}, .altimeterBezelAndKnob = false};

// ---------------------------------------------------------------------------------------------
// Asi

constexpr double kAirspeedTickOuter = 118;
constexpr double kAirspeedNumerals = 84;
constexpr double kKnotsPerMph = 1 / 1.15078;

double airspeedAngle(double knots) {
    return tableAngle(layout::kAirspeedPoints, texelCentre(layout::kAirspeedPivot), knots);
}

// A coloured band just inside the ticks from one speed to another.
void airspeedArc(cairo_t* cr, double from, double to, double radius, double width, kit::Rgb colour) {
    const kit::Point centre = texelCentre(layout::kAirspeedPivot);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, instrument_art::radians(airspeedAngle(from)),
              instrument_art::radians(airspeedAngle(to)));
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    kit::setColour(cr, colour);
    cairo_stroke(cr);
}

template <const DialStyle& style>
void drawAirspeedDial(cairo_t* cr, const Picture&) {
    const kit::Point centre = texelCentre(layout::kAirspeedPivot);
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, centre, 146, 6, style.rim, style.face);

    // The true-airspeed ring at the rim.
    constexpr double kTasRing = 132;
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, kTasRing, 0, instrument_art::radians(360));
    cairo_set_line_width(cr, 1);
    kit::setColour(cr, kit::mix(style.face, style.ink, 0.5));
    cairo_stroke(cr);
    for (int knots = 60; knots <= 200; knots += 20) {
        kit::label(cr, std::to_string(knots + knots / 10), kit::polar(centre, kTasRing + 6, airspeedAngle(knots)), 8,
                   kit::mix(style.face, style.ink, 0.6), kit::Typeface::Sans);
    }

    airspeedArc(cr, 40, 85, kAirspeedTickOuter - 20, 5, kit::kLabelWhite);
    airspeedArc(cr, 50, 140, kAirspeedTickOuter - 4, 8, {40, 170, 60});
    airspeedArc(cr, 140, 180, kAirspeedTickOuter - 4, 8, {230, 200, 40});

    std::vector<kit::ScaleMark> marks;
    std::vector<std::string> numerals;
    for (int knots = 45; knots < 210; knots += 5) {
        if (knots % 20 != 0 || knots < 40) marks.push_back({.angle = airspeedAngle(knots), .tick = kit::Tick::Minor});
    }
    // The majors stand at the table's points: the needle at 100 knots touches the printed 100.
    for (const layout::CalibrationPoint& point : layout::kAirspeedPoints) {
        const bool numbered = point.value >= 40 && point.value <= 200;
        numerals.push_back(numbered ? std::to_string(static_cast<int>(point.value)) : "");
    }
    for (std::size_t i = 0; i < std::size(layout::kAirspeedPoints); ++i) {
        const layout::CalibrationPoint& point = layout::kAirspeedPoints[i];
        marks.push_back({.angle = kit::angleTowards(centre, kit::pointOf(point)),
                         .tick = kit::Tick::Major, .numeral = numerals[i]});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = kAirspeedTickOuter, .majorLength = 16, .majorWidth = 3, .minorLength = 8,
                    .minorWidth = 1.6, .numeralRadius = kAirspeedNumerals, .numeralSize = 16, .ink = style.ink},
                   marks);
    // The never-exceed line.
    kit::dialScale(cr, centre,
                   {.outerRadius = kAirspeedTickOuter, .majorLength = 22, .majorWidth = 4, .minorLength = 0,
                    .minorWidth = 0, .numeralRadius = 0, .numeralSize = 1, .ink = {220, 30, 30}},
                   std::vector<kit::ScaleMark>{{.angle = airspeedAngle(180), .tick = kit::Tick::Major}});

    // The miles-per-hour ring inside the knots.
    for (int mph = 60; mph <= 240; mph += 20) {
        kit::label(cr, std::to_string(mph), kit::polar(centre, 66, airspeedAngle(mph * kKnotsPerMph)), 10,
                   kit::mix(style.face, style.ink, 0.75), kit::Typeface::Sans);
    }
    kit::label(cr, "KNOTS", kit::polar(centre, kAirspeedNumerals, kUp), 15, style.ink);
    kit::label(cr, "AIRSPEED", kit::polar(centre, 68, kUp), 12, style.ink);
}

// The pointer runs to the right from the hub that carries the MPH legend.
template <const DialStyle& style>
void drawAirspeedNeedle(cairo_t* cr, const Picture& picture) {
    const kit::Point hub = texelCentre(layout::kAirspeedNeedleHub);
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, hub, layout::kAirspeedHubRadius - 1, style.hub);
    kit::needle(cr, hub, 0,
                {.length = picture.width - hub.x - 1, .tail = 0, .width = 7, .colour = style.pointer,
                 .tailColour = style.pointer, .hubRadius = 8, .hubColour = kit::kMetalGrey});
    kit::label(cr, "MPH", {hub.x - 22, hub.y + 24}, 11, kit::mix(style.hub, style.ink, 0.8));
}

// ---------------------------------------------------------------------------------------------
// Altimetro

constexpr double kAltimeterTickOuter = 138;
constexpr double kAltimeterDigits = 108;

double pointerAngle(double value) {
    return tableAngle(layout::kAltitudePoints, texelCentre(layout::kPointerPivot), value);
}

template <const DialStyle& style>
void drawAltimeterFace(cairo_t* cr, const Picture&) {
    const kit::Point centre = texelCentre(layout::kPointerPivot);
    kit::fill(cr, kit::kTransparent);
    if (style.altimeterBezelAndKnob) {
        kit::bezel(cr, centre, 150, 9, style.rim, style.face);
        const layout::Area knob = layout::kSettingKnob;
        kit::knob(cr, {knob.x + knob.width / 2.0, knob.y + knob.height / 2.0}, 28, 225, {48, 48, 50});
    } else {
        kit::dialFace(cr, centre, 150, style.face);
    }

    // The setting window, framed and marked at its middle.
    const layout::Spot window = layout::kSettingWindowAt;
    kit::recess(cr, {window.x - 4.0, window.y - 4.0, layout::kSettingWindow.width + 8.0, layout::kSettingWindow.height + 8.0},
                3, 3, kit::kNearBlack);
    const double middle = window.y + layout::kSettingWindow.height / 2.0;
    cairo_move_to(cr, window.x - 5, middle);
    cairo_line_to(cr, window.x - 13, middle - 5);
    cairo_line_to(cr, window.x - 13, middle + 5);
    cairo_close_path(cr);
    kit::setColour(cr, style.ink);
    cairo_fill(cr);

    std::vector<kit::ScaleMark> marks;
    for (int feet = 0; feet < layout::kAltitudeTurn; feet += 20) {
        marks.push_back({.angle = pointerAngle(feet), .tick = feet % 100 == 0 ? kit::Tick::Major : kit::Tick::Minor});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = kAltimeterTickOuter, .majorLength = 18, .majorWidth = 3.5, .minorLength = 9,
                    .minorWidth = 1.6, .numeralRadius = 0, .numeralSize = 1, .ink = style.ink},
                   marks);
    // The hundreds digits at the pointers' angles for 0, 100, … 900.
    for (int digit = 0; digit <= 9; ++digit) {
        kit::label(cr, std::to_string(digit), kit::polar(centre, kAltimeterDigits, pointerAngle(100 * digit)), 20,
                   style.ink);
    }
    kit::label(cr, "ALTITUDE", {centre.x, centre.y - 52}, 13, style.ink);
    kit::label(cr, "100 FEET", {centre.x, centre.y + 44}, 10, style.ink, kit::Typeface::Sans);
    kit::label(cr, "1000 FT", {centre.x - 40, centre.y + 62}, 9, style.ink, kit::Typeface::Sans);
    kit::label(cr, "10000 FT", {centre.x + 40, centre.y + 62}, 9, style.ink, kit::Typeface::Sans);
    kit::label(cr, "CALIBRATED TO 20,000 FEET", {centre.x, centre.y + 86}, 7, kit::mix(style.face, style.ink, 0.7),
               kit::Typeface::Sans);
}

template <const DialStyle& style, const layout::Spot& hub, double length, double width, double tail, double hubRadius>
void drawAltitudePointer(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::needle(cr, texelCentre(hub), 0,
                {.length = length, .tail = tail, .width = width, .colour = style.pointer,
                 .tailColour = kit::mix(style.pointer, style.face, 0.6), .hubRadius = hubRadius,
                 .hubColour = kit::mix(style.pointer, style.face, 0.4)});
}

// On the gauge, where the labels' centres lie from the card's centre and how tall they are.
constexpr double kSettingLabelRadius = 92;
constexpr double kSettingLabelSize = 12;

// Labels every 0.1 inch from 28.1 at three o'clock clockwise, upright in the window when there;
// fine ticks every 0.02 inch beyond them, towards the card's rim.
template <const DialStyle& style>
void drawSettingCard(cairo_t* cr, const Picture& picture) {
    const kit::Point centre{picture.width / 2.0, picture.height / 2.0};
    const double scale = layout::kSettingCardScale;
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, centre, 125, kit::mix(style.face, kit::kPanelBlack, 0.3));
    std::vector<kit::ScaleMark> ticks;
    const int steps = static_cast<int>(std::lround((layout::kHighestSetting - layout::kLowestSetting) * 50));
    for (int step = 0; step <= steps; ++step) {
        ticks.push_back({.angle = step * 2.0, .tick = step % 5 == 0 ? kit::Tick::Major : kit::Tick::Minor});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = 124, .majorLength = 11, .majorWidth = 1.8, .minorLength = 6, .minorWidth = 1,
                    .numeralRadius = 0, .numeralSize = 1, .ink = style.ink},
                   ticks);
    for (int tenth = 0; tenth <= steps / 5; ++tenth) {
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", layout::kLowestSetting + tenth / 10.0);
        const double angle = tenth * 10.0;
        instrument_art::turnedLabel(cr, text, kit::polar(centre, kSettingLabelRadius * scale, angle), angle,
                                    kSettingLabelSize * scale, style.ink);
    }
}

// The window onto the card: it shows the card everywhere inside a pure black frame.
void drawSettingWindow(cairo_t* cr, const Picture& picture) {
    kit::setCrispRendering(cr);
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, 1, 1, picture.width - 2, picture.height - 2, 0, kit::kNearBlack);
}

template <const DialStyle& style>
constexpr Picture kDialPictures[] = {
    {.id = layout::kAirspeedDial.id, .width = layout::kAirspeedDial.width, .height = layout::kAirspeedDial.height,
     .bitsPerPixel = 8, .draw = drawAirspeedDial<style>},
    {.id = layout::kAirspeedNeedle.id, .width = layout::kAirspeedNeedle.width, .height = layout::kAirspeedNeedle.height,
     .bitsPerPixel = 8, .draw = drawAirspeedNeedle<style>},
    {.id = layout::kAltimeterFace.id, .width = layout::kAltimeterFace.width, .height = layout::kAltimeterFace.height,
     .bitsPerPixel = 8, .draw = drawAltimeterFace<style>},
    {.id = layout::kTenThousandsPointer.id, .width = layout::kTenThousandsPointer.width,
     .height = layout::kTenThousandsPointer.height, .bitsPerPixel = 8,
     .draw = drawAltitudePointer<style, layout::kTenThousandsHub, 62.0, 4.0, 0.0, 14.0>},
    {.id = layout::kThousandsPointer.id, .width = layout::kThousandsPointer.width,
     .height = layout::kThousandsPointer.height, .bitsPerPixel = 8,
     .draw = drawAltitudePointer<style, layout::kThousandsHub, 68.0, 13.0, 30.0, 10.0>},
    {.id = layout::kHundredsPointer.id, .width = layout::kHundredsPointer.width,
     .height = layout::kHundredsPointer.height, .bitsPerPixel = 8,
     .draw = drawAltitudePointer<style, layout::kHundredsHub, 122.0, 5.0, 46.0, 7.0>},
    {.id = layout::kSettingCard.id, .width = layout::kSettingCard.width, .height = layout::kSettingCard.height,
     .bitsPerPixel = 8, .draw = drawSettingCard<style>},
    {.id = layout::kSettingWindow.id, .width = layout::kSettingWindow.width, .height = layout::kSettingWindow.height,
     .bitsPerPixel = 8, .draw = drawSettingWindow},
};

}  // namespace

constinit const picturegen::PictureUnit vfrDialPictures{kDialPictures<kVfrStyle>};
constinit const picturegen::PictureUnit mainDialPictures{kDialPictures<kMainStyle>};
