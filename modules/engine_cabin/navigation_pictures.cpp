// The art of the window buttons: the invisible spot, the two icon strips (E, C and power buttons,
// bright and dark) and the radio window's close cross.
#include <numbers>

#include "modules/engine_cabin/navigation_layout.h"
#include "modules/engine_cabin/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = engine_cabin::navigation_layout;

constexpr kit::Rgb kEngineOrange{230, 120, 20};
constexpr kit::Rgb kCabinBlue{40, 90, 200};
constexpr kit::Rgb kPowerRed{200, 30, 30};
constexpr kit::Rgb kCrossSquare{40, 40, 44};
// The VFR strip's buttons are the same in darker tones.
constexpr double kDarkening = 0.45;

void drawNothing(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kTransparent); }

// The power symbol: a ring open at the top with a bar through the opening.
void powerSymbol(cairo_t* cr, kit::Point centre, double radius, kit::Rgb ink) {
    kit::setColour(cr, ink);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, -std::numbers::pi / 2 + 0.6, 3 * std::numbers::pi / 2 - 0.6);
    cairo_stroke(cr);
    cairo_move_to(cr, centre.x, centre.y - radius - 1);
    cairo_line_to(cr, centre.x, centre.y);
    cairo_stroke(cr);
}

template <bool dark>
void drawIconStrip(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    const auto tone = [](kit::Rgb colour) { return dark ? kit::mix(colour, kit::kPanelBlack, kDarkening) : colour; };
    const kit::Rgb ink = tone(kit::kLabelWhite);
    kit::pushButton(cr, kit::boxOf(layout::kStripButtons[0]), kit::ButtonState::Up, tone(kEngineOrange), "E", 10, ink);
    kit::pushButton(cr, kit::boxOf(layout::kStripButtons[1]), kit::ButtonState::Up, tone(kCabinBlue), "C", 10, ink);
    const kit::Box power = kit::boxOf(layout::kStripButtons[2]);
    kit::pushButton(cr, power, kit::ButtonState::Up, tone(kPowerRed), "", 10, ink);
    powerSymbol(cr, power.centre(), 4, ink);
}

void drawCloseCross(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double width = picture.width;
    const double height = picture.height;
    kit::roundedRectangle(cr, 1, 1, width - 2, height - 2, 4, kCrossSquare);
    kit::setColour(cr, kit::kLabelWhite);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    constexpr double kInset = 9;
    cairo_move_to(cr, kInset, kInset);
    cairo_line_to(cr, width - kInset, height - kInset);
    cairo_move_to(cr, width - kInset, kInset);
    cairo_line_to(cr, kInset, height - kInset);
    cairo_stroke(cr);
}

constexpr Picture kPictures[] = {
    {.id = layout::kInvisibleSpot, .width = layout::kSpotSize, .height = layout::kSpotSize, .bitsPerPixel = 8,
     .draw = drawNothing},
    {.id = layout::kIconStrip, .width = layout::kStripWidth, .height = layout::kStripHeight, .bitsPerPixel = 8,
     .draw = drawIconStrip<false>},
    {.id = layout::kCloseCross, .width = layout::kCrossWidth, .height = layout::kCrossHeight, .bitsPerPixel = 8,
     .draw = drawCloseCross},
    {.id = layout::kIconStripDark, .width = layout::kStripWidth, .height = layout::kStripHeight, .bitsPerPixel = 8,
     .draw = drawIconStrip<true>},
};

}  // namespace

constinit const picturegen::PictureUnit navigationPictures{kPictures};
