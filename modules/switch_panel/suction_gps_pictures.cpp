// The art of Succion, Garmin and GarminVFR: the suction dial with its marks where the needle's table
// points and a green arc round 5, the light pointer, the GPS control unit's face with its annunciator
// windows and push buttons, and the amber and green lamps lit in those windows.
#include "modules/switch_panel/panel_art.h"
#include "modules/switch_panel/pictures.h"
#include "modules/switch_panel/suction_gps_layout.h"
#include "tools/picturegen/drawing_kit.h"

#include <numbers>
#include <string>

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = switch_panel::layout;
using kit::Point;
using kit::Rgb;

// ---------------------------------------------------------------------------------------------
// Succion

constexpr Point kPivot{layout::kSuctionNeedle.x, layout::kSuctionNeedle.y};
constexpr kit::Rgb kArcGreen{40, 190, 70};

// The angle the needle takes for a value, between the table's points as the host interpolates.
double angleFor(double value) {
    for (int mark = 1; mark < layout::kSuctionMarkCount; ++mark) {
        const layout::CalibrationPoint& low = layout::kSuctionMarks[mark - 1];
        const layout::CalibrationPoint& high = layout::kSuctionMarks[mark];
        if (value <= high.value) {
            const double lowAngle = kit::angleTowards(kPivot, {double(low.x), double(low.y)});
            const double highAngle = kit::angleTowards(kPivot, {double(high.x), double(high.y)});
            return lowAngle + (highAngle - lowAngle) * (value - low.value) / (high.value - low.value);
        }
    }
    return 0;
}

void drawSuctionDial(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const Point centre{picture.width / 2.0, picture.height / 2.0};
    kit::bezel(cr, centre, picture.width / 2.0 - 1, 9, kit::kPanelGrey, kit::kPanelBlack);
    kit::dialFace(cr, centre, picture.width / 2.0 - 10, kit::kPanelBlack);

    // The green arc round 5, between 4.5 and 5.5.
    cairo_save(cr);
    kit::setColour(cr, kArcGreen);
    cairo_set_line_width(cr, 8);
    constexpr double kRadiansPerDegree = std::numbers::pi / 180;
    cairo_arc(cr, kPivot.x, kPivot.y, 88, angleFor(4.5) * kRadiansPerDegree, angleFor(5.5) * kRadiansPerDegree);
    cairo_stroke(cr);
    cairo_restore(cr);

    kit::ScaleMark marks[layout::kSuctionMarkCount + 4];
    std::string numerals[layout::kSuctionMarkCount];
    int count = 0;
    for (int mark = 0; mark < layout::kSuctionMarkCount; ++mark) {
        const layout::CalibrationPoint& point = layout::kSuctionMarks[mark];
        const bool labelled = point.value > 3 && point.value < 7;
        numerals[mark] = labelled ? std::to_string(static_cast<int>(point.value)) : std::string{};
        marks[count++] = {kit::angleTowards(kPivot, {double(point.x), double(point.y)}),
                          labelled ? kit::Tick::Major : kit::Tick::Minor, numerals[mark]};
        if (mark + 1 < layout::kSuctionMarkCount) marks[count++] = {angleFor(point.value + 0.5), kit::Tick::Minor};
    }
    const kit::ScaleStyle style{.outerRadius = 84, .majorLength = 18, .majorWidth = 4, .minorLength = 10,
                                .minorWidth = 2, .numeralRadius = 108, .numeralSize = 26, .ink = kit::kLabelWhite};
    kit::dialScale(cr, kPivot, style, {marks, static_cast<std::size_t>(count)});
    kit::label(cr, "SUCTION", {centre.x, 232}, 20, kit::kLabelWhite);
    kit::label(cr, "IN HG", {centre.x, 256}, 15, kit::kLabelWhite);
}

void drawSuctionNeedle(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const Point pivot{layout::kSuctionNeedlePivotX, layout::kSuctionNeedlePivotY};
    kit::needle(cr, pivot, 0,
                {.length = picture.width - pivot.x - 2.0, .tail = pivot.x - 6.0, .width = 7,
                 .colour = kit::kLabelWhite, .tailColour = kit::kMetalGrey, .hubRadius = 9,
                 .hubColour = kit::kMetalGrey});
}

// ---------------------------------------------------------------------------------------------
// Garmin and GarminVFR

constexpr Rgb kUnitGrey{58, 60, 64};
constexpr Rgb kVfrUnitGrey{38, 39, 42};
constexpr Rgb kButtonCap{72, 72, 76};
constexpr kit::LampColour kGreenLamp{{70, 235, 95}, {18, 62, 26}};
// Two more windows beside the lit ones, dark on this aircraft.
constexpr layout::PictureBox kSpareWindows[] = {{0, 245, 35, 60, 46}, {0, 319, 35, 60, 46}};

void window(cairo_t* cr, const layout::PictureBox& box) {
    kit::recess(cr, {box.x - 3.0, box.y - 3.0, box.width + 6.0, box.height + 6.0}, 3, 3, kit::kNearBlack);
}

void button(cairo_t* cr, const layout::Area& box, const char* caption) {
    kit::pushButton(cr, {box.x + 6.0, box.y + 8.0, box.width - 12.0, box.height - 16.0}, kit::ButtonState::Up,
                    kButtonCap, caption, 9, kit::kLabelWhite);
}

template <const Rgb& paint>
void drawUnitFace(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::panelPlate(cr, {0, 0, double(picture.width), double(picture.height)}, 10, paint);
    window(cr, layout::kNavGpsLamp);
    window(cr, layout::kApproachLamp);
    for (const layout::PictureBox& spare : kSpareWindows) window(cr, spare);
    kit::label(cr, "NAV/GPS", {layout::kNavGpsLamp.x + layout::kNavGpsLamp.width / 2.0, 20}, 9, kit::kLabelWhite);
    kit::label(cr, "APPR", {layout::kApproachLamp.x + layout::kApproachLamp.width / 2.0, 20}, 9, kit::kLabelWhite);
    kit::label(cr, "WPT", {275, 20}, 9, kit::kLabelWhite);
    kit::label(cr, "MSG", {349, 20}, 9, kit::kLabelWhite);
    button(cr, layout::kNavGpsButton, "NAV GPS");
    button(cr, layout::kApproachButton, "GPS APR");
    button(cr, layout::kSequenceButton, "GPS SEQ");
    button(cr, layout::kLampTestButton, "LAMP TST");
    kit::label(cr, "GARMIN", {404, 90}, 20, kit::kLabelWhite);
    for (Point screw : {Point{14, 14}, {picture.width - 14.0, 14}, {14, picture.height - 14.0},
                        {picture.width - 14.0, picture.height - 14.0}}) {
        kit::screw(cr, screw, 6, 30);
    }
}

// A lit window: the lens in its colour, the word dark on it.
template <const kit::LampColour& colour, const char* word>
void drawLitWindow(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, colour.lit);
    kit::label(cr, word, {picture.width / 2.0, picture.height / 2.0}, 13, kit::kPanelBlack);
}
constexpr char kNav[] = "NAV";
constexpr char kGps[] = "GPS";
constexpr char kArm[] = "ARM";
constexpr char kActive[] = "ACTV";

using switch_panel::art::picture;

constexpr Picture kPictures[] = {
    picture(layout::kSuctionDial, layout::kSuctionDial.id, drawSuctionDial),
    picture(layout::kSuctionNeedle, layout::kSuctionNeedle.id, drawSuctionNeedle),
    picture(layout::kGarminFace, layout::kGarminFace.id, drawUnitFace<kUnitGrey>),
    picture(layout::kNavGpsLamp, layout::kNavGpsLamp.id, drawLitWindow<kit::kAmberLamp, kNav>),
    picture(layout::kNavGpsLamp, layout::kNavGpsLamp.id + 1, drawLitWindow<kGreenLamp, kGps>),
    picture(layout::kApproachLamp, layout::kApproachLamp.id, drawLitWindow<kit::kAmberLamp, kArm>),
    picture(layout::kApproachLamp, layout::kApproachLamp.id + 1, drawLitWindow<kGreenLamp, kActive>),
    picture(layout::kGarminVfrFace, layout::kGarminVfrFace.id, drawUnitFace<kVfrUnitGrey>),
};

}  // namespace

constinit const picturegen::PictureUnit gpsPictures{kPictures};
