// The art of EngineL and EngineR: the two faces with their straight scales, the frame overlay that
// hides the pivots, and the pointer. Each scale mark runs from its table point on the scale row
// toward the pivot and ends where the pointer's tip sweeps, so the pointer touches the mark of
// every table value.
#include <algorithm>
#include <cmath>

#include "modules/engine_cabin/pictures.h"
#include "modules/engine_cabin/strips_layout.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = engine_cabin::strips_layout;

constexpr kit::Rgb kDialFace{24, 25, 27};
constexpr kit::Rgb kArcGreen{40, 170, 70};
constexpr kit::Rgb kLimitRed{210, 40, 30};
// The pointer reaches this far from its pivot; a mark ends a little inside that reach.
constexpr double kPointerReach = layout::kPointerWidth - layout::kPointerPivotX - 1;
constexpr double kMarkInsideReach = 6;
constexpr double kShortestMark = 10;
constexpr double kMarkWidth = 2.5;
// Numerals stand above the scale row.
constexpr double kNumeralRow = 7;

// Green between two values, red marks at the limits: the dial's own markings beside its scale.
struct Markings {
    double greenFrom, greenTo;
    double redAt[2];
    int redCount;
};

kit::Point pivotOf(const layout::Dial& dial) {
    return {static_cast<double>(dial.pivotX), static_cast<double>(layout::kPivotRow)};
}

kit::Point onRow(double x) { return {x, static_cast<double>(layout::kScaleRow)}; }

// Where on the scale row a value lies, between the table points around it.
double rowX(const layout::Dial& dial, double value) {
    const auto& scale = dial.scale;
    for (std::size_t point = 1; point < scale.size(); ++point) {
        const auto& low = scale[point - 1];
        const auto& high = scale[point];
        if ((value - low.value) * (value - high.value) <= 0) {
            return low.x + (high.x - low.x) * (value - low.value) / (high.value - low.value);
        }
    }
    return value < scale.front().value ? scale.front().x : scale.back().x;
}

// From the point on the row toward the pivot, ending inside the pointer's reach.
void scaleMark(cairo_t* cr, const layout::Dial& dial, double x, kit::Rgb ink, double width) {
    const kit::Point pivot = pivotOf(dial);
    const kit::Point outer = onRow(x);
    const double distance = std::hypot(outer.x - pivot.x, outer.y - pivot.y);
    const double inner = std::min(kPointerReach - kMarkInsideReach, distance - kShortestMark);
    const kit::Point start = kit::polar(pivot, inner, kit::angleTowards(pivot, outer));
    kit::setColour(cr, ink);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, start.x, start.y);
    cairo_line_to(cr, outer.x, outer.y);
    cairo_stroke(cr);
}

void drawDial(cairo_t* cr, const layout::Dial& dial, const Markings& markings) {
    const double left = dial.scale.front().x - 24;
    const double right = dial.scale.back().x + 24;
    kit::recess(cr, {left, 2, right - left, layout::kFrameTop + 4.0}, 8, 3, kDialFace);
    // The band under the scale row: green over the normal range.
    const double bandTop = layout::kScaleRow + 3;
    kit::roundedRectangle(cr, rowX(dial, markings.greenFrom), bandTop, rowX(dial, markings.greenTo) -
                          rowX(dial, markings.greenFrom), 4, 1, kArcGreen);
    for (int red = 0; red < markings.redCount; ++red) {
        const double x = rowX(dial, markings.redAt[red]);
        kit::roundedRectangle(cr, x - 2, bandTop - 2, 4, 9, 1, kLimitRed);
    }
    for (const layout::ScalePoint& point : dial.scale) {
        const bool printed = !point.numeral.empty();
        scaleMark(cr, dial, point.x, kit::kLabelWhite, printed ? kMarkWidth * 1.5 : kMarkWidth);
        if (printed) kit::label(cr, point.numeral, {static_cast<double>(point.x), kNumeralRow}, 10, kit::kLabelWhite);
    }
    kit::label(cr, dial.caption, {(left + right) / 2, 70}, 13, kit::kLabelWhite);
}

void drawFace(cairo_t* cr, std::span<const layout::Dial> dials, std::span<const Markings> markings) {
    kit::fill(cr, kit::kPanelBlack);
    for (std::size_t dial = 0; dial < dials.size(); ++dial) drawDial(cr, dials[dial], markings[dial]);
}

constexpr Markings kEngineLMarkings[] = {
    {.greenFrom = 200, .greenTo = 460, .redAt = {500, 0}, .redCount = 1},
    {.greenFrom = 100, .greenTo = 245, .redAt = {245, 0}, .redCount = 1},
    {.greenFrom = 60, .greenTo = 90, .redAt = {25, 100}, .redCount = 2},
};
constexpr Markings kEngineRMarkings[] = {
    {.greenFrom = 3, .greenTo = 46, .redAt = {0, 0}, .redCount = 1},
    {.greenFrom = 0, .greenTo = 0.5, .redAt = {0, 0}, .redCount = 0},
    {.greenFrom = 3, .greenTo = 46, .redAt = {0, 0}, .redCount = 1},
};

void drawEngineLFace(cairo_t* cr, const Picture&) { drawFace(cr, layout::kEngineLDials, kEngineLMarkings); }
void drawEngineRFace(cairo_t* cr, const Picture&) { drawFace(cr, layout::kEngineRDials, kEngineRMarkings); }

void drawFrameOverlay(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double height = picture.height - layout::kFrameTop;
    kit::panelPlate(cr, {0, static_cast<double>(layout::kFrameTop), static_cast<double>(picture.width), height}, 3,
                    kit::kPanelGrey);
    for (double x : {12.0, 400.0, 788.0}) kit::screw(cr, {x, layout::kFrameTop + height / 2}, 5, 45);
}

void drawPointer(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::needle(cr, {layout::kPointerPivotX, layout::kPointerPivotY}, 0,
                {.length = kPointerReach, .tail = 0, .width = 4, .colour = kit::kLabelWhite,
                 .tailColour = kit::kLabelWhite, .hubRadius = 4.5, .hubColour = kit::kMetalGrey});
}

constexpr Picture kPictures[] = {
    {.id = layout::kEngineLFace, .width = layout::kStripWidth, .height = layout::kStripHeight, .bitsPerPixel = 8,
     .draw = drawEngineLFace},
    {.id = layout::kFrameOverlay, .width = layout::kStripWidth, .height = layout::kStripHeight, .bitsPerPixel = 8,
     .draw = drawFrameOverlay},
    {.id = layout::kPointer, .width = layout::kPointerWidth, .height = layout::kPointerHeight, .bitsPerPixel = 8,
     .draw = drawPointer},
    {.id = layout::kEngineRFace, .width = layout::kStripWidth, .height = layout::kStripHeight, .bitsPerPixel = 8,
     .draw = drawEngineRFace},
};

}  // namespace

constinit const picturegen::PictureUnit enginePictures{kPictures};
