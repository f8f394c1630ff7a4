// The art of LowVolt and LowVoltVFR: the lamp housing, a dark red lens in a grey ring lettered
// PRESS TO TEST and DIM with its arrow, for each panel; and the lit lens that covers the dark one.
#include <numbers>

#include "modules/trim_annunciators/low_volt_layout.h"
#include "modules/trim_annunciators/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = trim_annunciators::low_volt_layout;

constexpr kit::LampColour kLowVoltLamp{{255, 84, 28}, {86, 16, 10}};
constexpr kit::Rgb kMainRing{120, 120, 124};
// The VFR panel's housing is the same design in a darker grey.
constexpr kit::Rgb kVfrRing{92, 92, 96};
constexpr kit::Rgb kLettering{20, 20, 20};

constexpr kit::Point kCentre{layout::kLampCentre, layout::kLampCentre};
constexpr double kRingRadius = layout::kLampSize / 2.0 - 2;

// The DIM legend's arrow: a short arc along the ring's lower part, turning clockwise.
void dimArrow(cairo_t* cr) {
    constexpr double radius = 47;
    constexpr double from = 62, to = 118;  // degrees, clockwise from three o'clock
    kit::setColour(cr, kLettering);
    cairo_set_line_width(cr, 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, kCentre.x, kCentre.y, radius, from * std::numbers::pi / 180, to * std::numbers::pi / 180);
    cairo_stroke(cr);
    const kit::Point tip = kit::polar(kCentre, radius, to + 6);
    const kit::Point back = kit::polar(kCentre, radius, to - 4);
    const kit::Point outer = kit::polar(kCentre, radius + 5, to - 4), inner = kit::polar(kCentre, radius - 5, to - 4);
    cairo_move_to(cr, tip.x, tip.y);
    cairo_line_to(cr, outer.x, outer.y);
    cairo_line_to(cr, back.x, back.y);
    cairo_line_to(cr, inner.x, inner.y);
    cairo_close_path(cr);
    cairo_fill(cr);
}

template <const kit::Rgb& ring>
void drawHousing(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, kCentre, kRingRadius, kRingRadius - layout::kLampRadius, ring, kit::mix(ring, kit::kPanelBlack, 0.3));
    kit::disc(cr, kCentre, kRingRadius - 4, ring);
    kit::label(cr, "PRESS TO TEST", {kCentre.x, 20}, 9, kLettering, kit::Typeface::Sans);
    kit::label(cr, "DIM", {kCentre.x, layout::kLampSize - 14.0}, 11, kLettering);
    dimArrow(cr);
    kit::lamp(cr, kCentre, layout::kLampRadius, kLowVoltLamp, kit::LampState::Dark);
}

void drawLitLens(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::lamp(cr, kCentre, layout::kLampRadius, kLowVoltLamp, kit::LampState::Lit);
}

constexpr Picture lampPicture(std::uint32_t id, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = id, .width = layout::kLampSize, .height = layout::kLampSize, .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    lampPicture(layout::kMainHousing, drawHousing<kMainRing>),
    lampPicture(layout::kVfrHousing, drawHousing<kVfrRing>),
    lampPicture(layout::kLitLens, drawLitLens),
};

}  // namespace

constinit const picturegen::PictureUnit lowVoltPictures{kPictures};
