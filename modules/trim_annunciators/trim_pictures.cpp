// The art of the trim gauges: the two wheels' ribbed rims in five phases, upright and flat, over
// their clear backgrounds; the elevator trim's slot and the rudder trim's strip with their tabs.
#include <cmath>
#include <numbers>

#include "modules/trim_annunciators/pictures.h"
#include "modules/trim_annunciators/trim_layout.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = trim_annunciators::trim_layout;

// The rim is black rubber; the ribs are cut into it and catch the light on their lower edge.
constexpr kit::Rgb kRubber{52, 52, 54};
constexpr kit::Rgb kRubberShade{20, 20, 21};
constexpr kit::Rgb kGroove{14, 14, 14};
constexpr kit::Rgb kRibLight{118, 118, 120};

// The visible part of the rim, drawn upright: across it runs x, along it y.
constexpr double kRimInset = 9;
constexpr double kRimEnd = 3;
// The wheel whose rim shows: its radius and the angle between two ribs, so that ribs stand about
// 20 pixels apart in the middle and crowd together toward the ends as the rim curves away.
constexpr double kWheelRadius = 485;
constexpr double kRibPitchDegrees = 2.4;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

void setSource(cairo_pattern_t* pattern, double offset, kit::Rgb colour, double alpha = 1) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha);
}

void rimPath(cairo_t* cr) {
    const double width = layout::kWheelThickness - 2 * kRimInset;
    const double length = layout::kWheelLength - 2 * kRimEnd;
    const double radius = 10;
    const double left = kRimInset, top = kRimEnd, right = left + width, bottom = top + length;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, top + radius, radius, -std::numbers::pi / 2, 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, std::numbers::pi / 2);
    cairo_arc(cr, left + radius, bottom - radius, radius, std::numbers::pi / 2, std::numbers::pi);
    cairo_arc(cr, left + radius, top + radius, radius, std::numbers::pi, 3 * std::numbers::pi / 2);
    cairo_close_path(cr);
}

// The rim as it stands upright in phase `phase` of five: each phase turns the wheel a fifth of a
// rib pitch further, so its ribs lie a little further down than in the phase before.
void drawRim(cairo_t* cr, int phase) {
    const double along = layout::kWheelLength;
    const double centre = along / 2;
    cairo_save(cr);
    rimPath(cr);
    cairo_clip(cr);

    // Lit where it faces the pilot, darker toward both ends where it turns away.
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, along);
    setSource(shade, 0, kRubberShade);
    setSource(shade, 0.5, kRubber);
    setSource(shade, 1, kRubberShade);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    // The rim's rounded profile, lit from the left.
    cairo_pattern_t* profile = cairo_pattern_create_linear(kRimInset, 0, layout::kWheelThickness - kRimInset, 0);
    setSource(profile, 0, kRubberShade, 0.6);
    setSource(profile, 0.3, kRibLight, 0.18);
    setSource(profile, 1, kRubberShade, 0.8);
    cairo_set_source(cr, profile);
    cairo_paint(cr);
    cairo_pattern_destroy(profile);

    const double visible = std::asin((centre - kRimEnd) / kWheelRadius) * 180 / std::numbers::pi;
    const int ribs = static_cast<int>(visible / kRibPitchDegrees) + 1;
    for (int rib = -ribs; rib <= ribs; ++rib) {
        const double angle = (rib + phase / double(layout::kWheelPhaseCount)) * kRibPitchDegrees;
        if (std::abs(angle) > visible) continue;
        const double facing = std::cos(radians(angle));
        const double y = centre + kWheelRadius * std::sin(radians(angle));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        kit::setColour(cr, kGroove);
        cairo_set_line_width(cr, 4 * facing);
        cairo_move_to(cr, kRimInset, y);
        cairo_line_to(cr, layout::kWheelThickness - kRimInset, y);
        cairo_stroke(cr);
        kit::setColour(cr, kit::mix(kRubberShade, kRibLight, facing * facing));
        cairo_set_line_width(cr, 1.5 * facing);
        cairo_move_to(cr, kRimInset + 3, y + 2.8 * facing);
        cairo_line_to(cr, layout::kWheelThickness - kRimInset - 3, y + 2.8 * facing);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void drawClear(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kTransparent); }

template <int phase>
void drawUprightRim(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    drawRim(cr, phase);
}

// The flat wheel is the upright one laid on its side: its ribs move to the right phase by phase.
template <int phase>
void drawFlatRim(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    cairo_matrix_t onItsSide;
    cairo_matrix_init(&onItsSide, 0, 1, 1, 0, 0, 0);
    cairo_transform(cr, &onItsSide);
    drawRim(cr, phase);
}

// The elevator trim's slot: dark, with a darker band where the tab stands at trim 0.
void drawElevatorSlot(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::recess(cr, {0, 0, double(picture.width), double(picture.height)}, 2, 2, kit::mix(kit::kPanelBlack, kRubber, 0.4));
    kit::roundedRectangle(cr, 2, layout::kElevatorTabY - 1, picture.width - 4, layout::kElevatorTabHeight + 2, 0,
                          kit::kNearBlack);
}

// The rudder trim's strip, with a fine mark at its middle where the tab stands at trim 0.
void drawRudderStrip(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::recess(cr, {0, 0, double(picture.width), double(picture.height)}, 2, 1.5, kit::mix(kit::kPanelBlack, kRubber, 0.4));
    const double middle = layout::kRudderTabX + layout::kRudderTabWidth / 2.0;
    kit::roundedRectangle(cr, middle - 0.5, 1.5, 1, picture.height - 3, 0, kit::kMetalGrey);
}

void drawTab(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kMetalGrey);
    kit::roundedRectangle(cr, 0, 0, picture.width - 1, picture.height - 1, 0.5, kit::kLabelWhite);
}

constexpr auto kUprightPhases = layout::wheelPhaseIds(layout::kUprightWheelRim);
constexpr auto kFlatPhases = layout::wheelPhaseIds(layout::kFlatWheelRim);
constexpr int kLength = layout::kWheelLength;
constexpr int kThickness = layout::kWheelThickness;

constexpr Picture kPictures[] = {
    {.id = layout::kUprightWheelBackground, .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawClear},
    {.id = kUprightPhases[0], .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawUprightRim<0>},
    {.id = kUprightPhases[1], .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawUprightRim<1>},
    {.id = kUprightPhases[2], .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawUprightRim<2>},
    {.id = kUprightPhases[3], .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawUprightRim<3>},
    {.id = kUprightPhases[4], .width = kThickness, .height = kLength, .bitsPerPixel = 8, .draw = drawUprightRim<4>},
    {.id = layout::kFlatWheelBackground, .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawClear},
    {.id = kFlatPhases[0], .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawFlatRim<0>},
    {.id = kFlatPhases[1], .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawFlatRim<1>},
    {.id = kFlatPhases[2], .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawFlatRim<2>},
    {.id = kFlatPhases[3], .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawFlatRim<3>},
    {.id = kFlatPhases[4], .width = kLength, .height = kThickness, .bitsPerPixel = 8, .draw = drawFlatRim<4>},
    {.id = layout::kElevatorSlot, .width = layout::kElevatorSlotWidth, .height = layout::kElevatorSlotHeight,
     .bitsPerPixel = 8, .draw = drawElevatorSlot},
    {.id = layout::kElevatorTab, .width = layout::kElevatorTabWidth, .height = layout::kElevatorTabHeight,
     .bitsPerPixel = 8, .draw = drawTab},
    {.id = layout::kRudderStrip, .width = layout::kRudderStripWidth, .height = layout::kRudderStripHeight,
     .bitsPerPixel = 8, .draw = drawRudderStrip},
    {.id = layout::kRudderTab, .width = layout::kRudderTabWidth, .height = layout::kRudderTabHeight,
     .bitsPerPixel = 8, .draw = drawTab},
};

}  // namespace

constinit const picturegen::PictureUnit trimPictures{kPictures};
