// The art of Egt: the square bezel and the dial with its tick arc, star, title and legend; the white
// temperature pointer and the yellow reference bar, each drawn along its pivot's row; the cover
// over the dial's lower part with the adjustment knob.
#include <cmath>
#include <vector>

#include "modules/trim_annunciators/egt_layout.h"
#include "modules/trim_annunciators/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = trim_annunciators::egt_layout;

constexpr kit::Rgb kBezelPaint{34, 35, 38};
constexpr kit::Rgb kDialFace{16, 16, 17};
constexpr kit::Rgb kCoverPaint{40, 41, 44};
constexpr kit::Rgb kReferenceYellow{240, 196, 30};
constexpr kit::Rgb kKnobBody{44, 44, 47};

constexpr double kFaceMiddle = layout::kFaceSize / 2.0;
constexpr kit::Point kDialCentre{kFaceMiddle, kFaceMiddle};
constexpr double kDialRadius = 132;
const kit::Point kPointerCentre = kit::texelCentre(layout::kPointerCentre);

double angleOf(const layout::CalibrationPoint& point) {
    return kit::angleTowards(kPointerCentre, kit::texelCentre(point.x, point.y));
}

// Where the temperature pointer points for a value: between two table points the angle follows
// the value in a straight line, as the host places the pointer.
double temperatureAngle(double value) {
    const auto& scale = layout::kTemperatureScale;
    for (std::size_t i = 0; i + 1 < std::size(scale); ++i) {
        if (value > scale[i + 1].value) continue;
        const double from = angleOf(scale[i]);
        double to = angleOf(scale[i + 1]);
        while (to < from) to += 360;
        return from + (value - scale[i].value) / (scale[i + 1].value - scale[i].value) * (to - from);
    }
    return angleOf(scale[std::size(scale) - 1]);
}

void star(cairo_t* cr, kit::Point centre, double radius, kit::Rgb colour) {
    cairo_new_sub_path(cr);
    for (int corner = 0; corner < 10; ++corner) {
        const kit::Point at = kit::polar(centre, corner % 2 == 0 ? radius : radius * 0.42, -90 + 36.0 * corner);
        cairo_line_to(cr, at.x, at.y);
    }
    cairo_close_path(cr);
    kit::setColour(cr, colour);
    cairo_fill(cr);
}

void drawFace(cairo_t* cr, const Picture& picture) {
    const double size = picture.width;
    kit::fill(cr, kit::kTransparent);
    kit::panelPlate(cr, {0, 0, size, size}, 18, kBezelPaint);
    for (kit::Point screw : {kit::Point{22, 22}, {size - 22, 22}, {22, size - 22}, {size - 22, size - 22}}) {
        kit::screw(cr, screw, 9, 35);
    }
    kit::bezel(cr, kDialCentre, kDialRadius + 8, 8, kit::kMetalGrey, kDialFace);
    kit::dialFace(cr, kDialCentre, kDialRadius, kDialFace);

    // One tick every 25 °F from the cold stop to the hot one, every fourth a long one.
    const double coldest = layout::kTemperatureScale[0].value;
    const double hottest = layout::kTemperatureScale[std::size(layout::kTemperatureScale) - 1].value;
    std::vector<kit::ScaleMark> marks;
    for (int division = 0; coldest + division * layout::kDegreesPerDivision <= hottest; ++division) {
        marks.push_back({.angle = temperatureAngle(coldest + division * layout::kDegreesPerDivision),
                         .tick = division % 4 == 0 ? kit::Tick::Major : kit::Tick::Minor});
    }
    const kit::ScaleStyle style{.outerRadius = 140, .majorLength = 18, .majorWidth = 3, .minorLength = 9,
                                .minorWidth = 1.6, .numeralRadius = 0, .numeralSize = 0, .ink = kit::kLabelWhite};
    kit::dialScale(cr, kPointerCentre, style, marks);
    star(cr, kit::polar(kPointerCentre, 153, angleOf(layout::kReferenceScale[1])), 8, kit::kLabelWhite);

    kit::label(cr, "EGT", {kFaceMiddle, 52}, 20, kit::kLabelWhite);
    kit::label(cr, "25°F/DIV.", {kFaceMiddle, 138}, 11, kit::kLabelWhite, kit::Typeface::Sans);
}

// A pointer lies along its pivot's row, pointing right; its pivot lies left of the picture.
kit::Point pivotOf(const layout::PointerPicture& pointer) { return kit::texelCentre(pointer.pivot); }

void drawTemperaturePointer(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double axis = pivotOf(layout::kTemperaturePointer).y;
    const double halfWidth = 4.5;
    cairo_move_to(cr, 0, axis - halfWidth);
    cairo_line_to(cr, picture.width - 14, axis - 2);
    cairo_line_to(cr, picture.width - 0.5, axis);
    cairo_line_to(cr, picture.width - 14, axis + 2);
    cairo_line_to(cr, 0, axis + halfWidth);
    cairo_close_path(cr);
    kit::setColour(cr, kit::kLabelWhite);
    cairo_fill(cr);
}

void drawReferencePointer(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double axis = pivotOf(layout::kReferencePointer).y;
    kit::roundedRectangle(cr, 0, axis - 3.5, picture.width, 7, 1.5, kit::mix(kReferenceYellow, kit::kPanelBlack, 0.45));
    kit::roundedRectangle(cr, 0.5, axis - 2.5, picture.width - 1.5, 5, 1, kReferenceYellow);
}

// The cover fills the dial below its top row and carries the knob whose halves set the reference.
void drawCover(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    cairo_save(cr);
    cairo_rectangle(cr, 0, layout::kCoverTopRow, layout::kFaceSize, layout::kFaceSize - layout::kCoverTopRow);
    cairo_clip(cr);
    kit::disc(cr, kDialCentre, kDialRadius, kit::mix(kCoverPaint, kit::kLabelWhite, 0.25));
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rectangle(cr, 0, layout::kCoverTopRow + 2, layout::kFaceSize, layout::kFaceSize);
    cairo_clip(cr);
    kit::disc(cr, kDialCentre, kDialRadius - 1, kCoverPaint);
    cairo_restore(cr);

    const layout::Area& knob = layout::kKnobArea;
    const kit::Point knobCentre{knob.x + layout::kRaiseHalf.x + 0.0, knob.y + 22.0};
    kit::knob(cr, knobCentre, 22, -90, kKnobBody);
    kit::label(cr, "−", {knobCentre.x - 34, knobCentre.y}, 16, kit::kLabelWhite);
    kit::label(cr, "+", {knobCentre.x + 34, knobCentre.y}, 16, kit::kLabelWhite);
}

constexpr Picture pointerPicture(const layout::PointerPicture& pointer, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = pointer.picture.id, .width = pointer.picture.width, .height = pointer.picture.height,
            .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    {.id = layout::kFace, .width = layout::kFaceSize, .height = layout::kFaceSize, .bitsPerPixel = 8, .draw = drawFace},
    pointerPicture(layout::kTemperaturePointer, drawTemperaturePointer),
    pointerPicture(layout::kReferencePointer, drawReferencePointer),
    {.id = layout::kCover, .width = layout::kFaceSize, .height = layout::kFaceSize, .bitsPerPixel = 8, .draw = drawCover},
};

}  // namespace

constinit const picturegen::PictureUnit egtPictures{kPictures};
