// The art of Vsi, Turn and Gyro: the vertical speed dial with its marks at the needle's table
// points, the turn coordinator with its standard-rate marks where the wing tip points at ±546, the
// ball and its tube, the OFF flag, the heading indicator's glass, compass card, mask and bug.
#include <cmath>
#include <string>
#include <vector>

#include "modules/flight_instruments/flight_layout.h"
#include "modules/flight_instruments/pictures.h"
#include "modules/vfr_instruments/instrument_art.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = flight_instruments::layout;
using instrument_art::tableAngle;
using kit::texelCentre;

constexpr double kUp = -90;
constexpr kit::Rgb kFace{16, 16, 17};
constexpr kit::Rgb kRim{92, 92, 96};
constexpr kit::Rgb kInk = kit::kLabelWhite;
constexpr kit::Rgb kOrange{255, 140, 20};

// ---------------------------------------------------------------------------------------------
// Vsi

constexpr double kVerticalSpeedTickOuter = 146;

double verticalSpeedAngle(double feetPerMinute) {
    return tableAngle(layout::kVerticalSpeedPoints, texelCentre(layout::kVerticalSpeedPivot), feetPerMinute);
}

void drawVerticalSpeedDial(cairo_t* cr, const Picture&) {
    const kit::Point centre = texelCentre(layout::kVerticalSpeedPivot);
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, centre, 150, 4, kRim, kFace);
    std::vector<kit::ScaleMark> marks;
    for (int feet = -1900; feet < 2000; feet += 100) {
        if (feet % 500 != 0) marks.push_back({.angle = verticalSpeedAngle(feet), .tick = kit::Tick::Minor});
    }
    // The majors and their numerals at the table's points: 0 at nine o'clock, 10 at twelve and six.
    std::vector<std::string> numerals;
    for (const layout::CalibrationPoint& point : layout::kVerticalSpeedPoints) {
        numerals.push_back(std::to_string(static_cast<int>(std::abs(point.value)) / 100));
    }
    for (std::size_t i = 0; i < std::size(layout::kVerticalSpeedPoints); ++i) {
        marks.push_back({.angle = kit::angleTowards(centre, kit::pointOf(layout::kVerticalSpeedPoints[i])),
                         .tick = kit::Tick::Major, .numeral = numerals[i]});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = kVerticalSpeedTickOuter, .majorLength = 18, .majorWidth = 3.5, .minorLength = 9,
                    .minorWidth = 1.8, .numeralRadius = 114, .numeralSize = 22, .ink = kInk},
                   marks);
    kit::label(cr, "UP", kit::polar(centre, 80, verticalSpeedAngle(300)), 14, kInk);
    kit::label(cr, "DOWN", kit::polar(centre, 80, verticalSpeedAngle(-300)), 14, kInk);
    kit::label(cr, "VERTICAL SPEED", {centre.x + 20, centre.y - 34}, 12, kInk);
    kit::label(cr, "100 FEET PER MINUTE", {centre.x + 20, centre.y + 34}, 9, kInk, kit::Typeface::Sans);
}

// A long light pointer with a dark counterweight behind the hub.
void drawVerticalSpeedNeedle(cairo_t* cr, const Picture& picture) {
    const kit::Point hub = texelCentre(layout::kVerticalSpeedNeedleHub);
    kit::fill(cr, kit::kTransparent);
    kit::needle(cr, hub, 0,
                {.length = picture.width - hub.x - 1, .tail = hub.x - 2, .width = 8, .colour = kInk,
                 .tailColour = {50, 50, 52}, .hubRadius = 9, .hubColour = {60, 60, 62}});
}

// ---------------------------------------------------------------------------------------------
// Turn

double wingTipAngle(double rate) {
    return tableAngle(layout::kTurnRatePoints, texelCentre(layout::kAircraftPivot), rate);
}

// The tube's middle line: lowest under the pivot, rising a sixteenth of a pixel for every 0.5625
// pixels sideways, as the ball does.
double tubeMiddle(double x) {
    const double lowest = layout::kBallAt.y + layout::kBall.height / 2.0;
    const double centreX = layout::kBallAt.x + layout::kBall.width / 2.0;
    return lowest - std::abs(x - centreX) * layout::kBallRisePerUnit / layout::kBallSidewaysScale;
}

void drawTurnFace(cairo_t* cr, const Picture&) {
    const kit::Point centre = texelCentre(layout::kAircraftPivot);
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, {151, 151}, 150, 4, kRim, kFace);

    // Wings level and the standard rate either way, for the right wing tip and the left; they begin
    // where the tips end.
    std::vector<kit::ScaleMark> marks;
    for (double rate : {-layout::kStandardRate, 0.0, layout::kStandardRate}) {
        marks.push_back({.angle = wingTipAngle(rate), .tick = kit::Tick::Major});
        marks.push_back({.angle = wingTipAngle(rate) + 180, .tick = kit::Tick::Major});
    }
    kit::dialScale(cr, centre,
                   {.outerRadius = 122, .majorLength = 28, .majorWidth = 5, .minorLength = 0, .minorWidth = 0,
                    .numeralRadius = 0, .numeralSize = 1, .ink = kInk},
                   marks);
    kit::label(cr, "L", kit::polar(centre, 134, wingTipAngle(-layout::kStandardRate) + 180 - 10), 18, kInk);
    kit::label(cr, "R", kit::polar(centre, 134, wingTipAngle(layout::kStandardRate) + 10), 18, kInk);
    kit::label(cr, "TURN COORDINATOR", {151, 56}, 13, kInk);
    kit::label(cr, "2 MIN.", {151, 250}, 12, kInk);
    kit::label(cr, "NO PITCH", {151, 266}, 9, kInk, kit::Typeface::Sans);
    kit::label(cr, "INFORMATION", {151, 278}, 9, kInk, kit::Typeface::Sans);
    kit::label(cr, "D.C.", {80, 234}, 9, kInk, kit::Typeface::Sans);
    kit::label(cr, "ELEC.", {80, 245}, 9, kInk, kit::Typeface::Sans);

    // The inclinometer tube, and the two wires the centred ball sits between.
    constexpr double kTubeReach = 60;
    const double centreX = layout::kBallAt.x + layout::kBall.width / 2.0;
    cairo_new_path(cr);
    for (double x = centreX - kTubeReach; x <= centreX + kTubeReach; x += 1) cairo_line_to(cr, x, tubeMiddle(x));
    cairo_set_line_width(cr, layout::kBall.width + 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    kit::setColour(cr, {200, 196, 170});
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {
        const double x = centreX + side * (layout::kBall.width / 2.0 + 1);
        kit::dialScale(cr, {x, tubeMiddle(x)},
                       {.outerRadius = layout::kBall.width / 2.0 + 1, .majorLength = layout::kBall.width + 2.0,
                        .majorWidth = 2, .minorLength = 0, .minorWidth = 0, .numeralRadius = 0, .numeralSize = 1,
                        .ink = kit::kPanelBlack},
                       std::vector<kit::ScaleMark>{{.angle = kUp, .tick = kit::Tick::Major}});
    }
}

void drawBall(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, {picture.width / 2.0, picture.height / 2.0}, layout::kBall.width / 2.0 - 1, {24, 24, 26});
}

void drawFlagWindow(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, {34, 34, 36});
    kit::roundedRectangle(cr, 2, 2, picture.width - 4, picture.height - 4, 2, {22, 22, 24});
}

void drawOffFlag(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, {34, 34, 36});
    kit::roundedRectangle(cr, 2, 2, picture.width - 4, picture.height - 4, 2, {200, 30, 25});
    instrument_art::turnedLabel(cr, "OFF", {picture.width / 2.0, picture.height / 2.0}, -90, 11, kInk);
}

// The aircraft seen from behind, wings level: the wings along the pivot's row, a fin above it.
void drawAircraftSymbol(cairo_t* cr, const Picture& picture) {
    const kit::Point hub = texelCentre(layout::kAircraftSymbolHub);
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, 1, hub.y - 3, picture.width - 2, 6, 3, kInk);
    kit::roundedRectangle(cr, hub.x - 2.5, hub.y - 30, 5, 30, 2, kInk);
    kit::disc(cr, hub, 11, kInk);
    kit::disc(cr, hub, 5, kit::kPanelGrey);
}

// ---------------------------------------------------------------------------------------------
// Gyro

constexpr double kCardRadiusOnGauge = layout::kHeadingCard.width / 2.0 / layout::kHeadingCardScale;

void drawGyroGlass(cairo_t* cr, const Picture&) {
    const kit::Point centre = texelCentre(layout::kHeadingCardCentre);
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, centre, 149, 12, kRim, kFace);
    // Index marks every 45 degrees around the card, the lubber mark at the top.
    std::vector<kit::ScaleMark> marks;
    for (int angle = 45; angle < 360; angle += 45) marks.push_back({.angle = kUp + angle, .tick = kit::Tick::Major});
    kit::dialScale(cr, centre,
                   {.outerRadius = 145, .majorLength = 8, .majorWidth = 3, .minorLength = 0, .minorWidth = 0,
                    .numeralRadius = 0, .numeralSize = 1, .ink = kInk},
                   marks);
    cairo_move_to(cr, centre.x, centre.y - kCardRadiusOnGauge + 2);
    cairo_line_to(cr, centre.x - 7, centre.y - 147);
    cairo_line_to(cr, centre.x + 7, centre.y - 147);
    cairo_close_path(cr);
    kit::setColour(cr, kOrange);
    cairo_fill(cr);
}

void drawHeadingCard(cairo_t* cr, const Picture& picture) {
    instrument_art::compassCard(cr, {picture.width / 2.0, picture.height / 2.0},
                                {.face = kit::kPanelBlack, .ink = kInk, .radius = picture.width / 2.0 - 1,
                                 .tickOuter = picture.width / 2.0 - 3, .majorTick = 16, .minorTick = 9,
                                 .labelRadius = 92, .labelSize = 19, .letterSize = 25});
}

// The card shows through the circle; the fixed aircraft is drawn over it in white.
void drawHeadingCardMask(cairo_t* cr, const Picture&) {
    const kit::Point centre{layout::kHeadingCardCentre.x - layout::kHeadingCardMaskAt.x + 0.5,
                            layout::kHeadingCardCentre.y - layout::kHeadingCardMaskAt.y + 0.5};
    kit::setCrispRendering(cr);
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, centre, kCardRadiusOnGauge, kit::kNearBlack);
    kit::setSmoothRendering(cr);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    kit::setColour(cr, kInk);
    cairo_move_to(cr, centre.x, centre.y - 30);
    cairo_line_to(cr, centre.x, centre.y + 26);
    cairo_move_to(cr, centre.x - 30, centre.y - 4);
    cairo_line_to(cr, centre.x + 30, centre.y - 4);
    cairo_move_to(cr, centre.x - 11, centre.y + 24);
    cairo_line_to(cr, centre.x + 11, centre.y + 24);
    cairo_stroke(cr);
}

// The notched bug, pointing up: the pivot lies far below the picture, at the card's centre.
void drawHeadingBug(cairo_t* cr, const Picture& picture) {
    const double width = picture.width, height = picture.height;
    kit::fill(cr, kit::kTransparent);
    cairo_move_to(cr, 2, height - 1);
    cairo_line_to(cr, 2, 3);
    cairo_line_to(cr, width / 2 - 5, 3);
    cairo_line_to(cr, width / 2, 12);
    cairo_line_to(cr, width / 2 + 5, 3);
    cairo_line_to(cr, width - 2, 3);
    cairo_line_to(cr, width - 2, height - 1);
    cairo_close_path(cr);
    kit::setColour(cr, kOrange);
    cairo_fill(cr);
}

constexpr Picture picture(const layout::Picture& of, int bitsPerPixel, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = of.id, .width = of.width, .height = of.height, .bitsPerPixel = bitsPerPixel, .draw = draw};
}

constexpr Picture kPictures[] = {
    picture(layout::kVerticalSpeedDial, 8, drawVerticalSpeedDial),
    picture(layout::kVerticalSpeedNeedle, 8, drawVerticalSpeedNeedle),
    picture(layout::kTurnFace, 8, drawTurnFace),
    picture(layout::kBall, 8, drawBall),
    picture(layout::kOffFlag, 8, drawFlagWindow),
    {.id = layout::kOffFlag.id + 1, .width = layout::kOffFlag.width, .height = layout::kOffFlag.height,
     .bitsPerPixel = 8, .draw = drawOffFlag},
    picture(layout::kAircraftSymbol, 8, drawAircraftSymbol),
    picture(layout::kGyroGlass, 8, drawGyroGlass),
    picture(layout::kHeadingCard, 8, drawHeadingCard),
    picture(layout::kHeadingCardMask, 8, drawHeadingCardMask),
    picture(layout::kHeadingBug, 24, drawHeadingBug),
};

}  // namespace

constinit const picturegen::PictureUnit flightPictures{kPictures};
