// The art of the engine controls: the carburettor heat knob pushed in and pulled out, the ignition
// lock with its key in five positions, the cowl flap lever at the top, middle and bottom of its
// travel, the beacon rocker off and on, each on a black plate that carries its captions. Their
// backgrounds are wholly transparent.
#include <array>

#include "modules/engine_cabin/controls_layout.h"
#include "modules/engine_cabin/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = engine_cabin::controls_layout;

constexpr kit::Rgb kKnobBlack{34, 34, 36};
constexpr kit::Rgb kRockerWhite{225, 225, 220};
constexpr kit::Rgb kKeyMetal{185, 180, 165};
// How far the pulled carburettor heat knob stands up from its base, clear of its captions.
constexpr double kPulledOut = 6;

void drawNothing(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kTransparent); }

// ---------------------------------------------------------------------------------------------
// Carbheat: the icon stands 8 pixels right of the gauge's corner, so the knob keeps left.

template <bool pulledOut>
void drawCarbheatKnob(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double side = picture.width - 2.0 * layout::kCarbheatKnobX - 4;
    // The captions stand on a plate of their own, so no letter leaves a transparent hole.
    kit::panelPlate(cr, {1, 1, side + 2, 18}, 3, kit::kPanelBlack);
    const kit::Box base{2, picture.height - side - 4, side, side};
    kit::panelPlate(cr, base, 3, kit::kPanelGrey);
    const kit::Point centre = base.centre();
    if (pulledOut) {
        // Pulled out, the knob stands up off its base on its shaft and looks larger.
        kit::roundedRectangle(cr, centre.x - 3, centre.y - kPulledOut, 6, kPulledOut, 1, kit::kMetalGrey);
        kit::knob(cr, {centre.x, centre.y - kPulledOut}, side * 0.44, -90, kKnobBlack);
    } else {
        kit::knob(cr, centre, side * 0.38, -90, kKnobBlack);
    }
    kit::label(cr, "CARB", {centre.x, 6}, 7, kit::kLabelWhite);
    kit::label(cr, "HEAT", {centre.x, 14}, 7, kit::kLabelWhite);
}

// ---------------------------------------------------------------------------------------------
// start: the key turns clockwise from the leftmost position to START, lying flat to the right.

constexpr double kKeyAngles[] = {-150, -120, -90, -60, 0};
constexpr const char* kKeyLabels[] = {"OFF", "R", "L", "BOTH", "START"};

template <int position>
void drawIgnitionKey(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    const kit::Point centre{layout::kLockCentreX, layout::kLockCentreY};
    kit::panelPlate(cr, {8, 4, 184, 128}, 12, kit::kPanelBlack);
    kit::bezel(cr, centre, 40, 6, kit::kMetalGrey, kit::kPanelBlack);
    for (int label = 0; label < layout::kStart.pictureCount; ++label) {
        kit::label(cr, kKeyLabels[label], kit::polar(centre, 56, kKeyAngles[label]), 10, kit::kLabelWhite);
    }
    const double angle = kKeyAngles[position];
    // The blade in the lock, the bow beyond it.
    const kit::Point bow = kit::polar(centre, 24, angle);
    kit::setColour(cr, kKeyMetal);
    cairo_set_line_width(cr, 8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const kit::Point tail = kit::polar(centre, -14, angle);
    cairo_move_to(cr, tail.x, tail.y);
    cairo_line_to(cr, bow.x, bow.y);
    cairo_stroke(cr);
    kit::disc(cr, bow, 11, kKeyMetal);
    kit::disc(cr, bow, 4, kit::kPanelBlack);
    kit::disc(cr, centre, 5, kit::kMetalLight);
}

// ---------------------------------------------------------------------------------------------
// CowlFlap: a ball knob on its lever in a vertical slot.

template <int position>
void drawCowlFlap(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double middle = picture.width / 2.0;
    const double top = layout::kCowlFlapKnobY[0];
    const double bottom = layout::kCowlFlapKnobY[2];
    kit::panelPlate(cr, {4, 4, picture.width - 8.0, picture.height - 8.0}, 6, kit::kPanelBlack);
    kit::recess(cr, {middle - 6, top - 12, 12, bottom - top + 24}, 6, 2, kit::kPanelBlack);
    kit::label(cr, "OPEN", {middle, top - 24}, 9, kit::kLabelWhite);
    kit::label(cr, "CLOSED", {middle, bottom + 26}, 9, kit::kLabelWhite);
    kit::label(cr, "COWL FLAP", {middle, picture.height - 20.0}, 9, kit::kLabelWhite);
    const kit::Point knob{middle, static_cast<double>(layout::kCowlFlapKnobY[position])};
    kit::toggleLever(cr, {middle, knob.y + 30}, knob, 9);
}

// ---------------------------------------------------------------------------------------------
// SWbeaconReco: a white rocker, rocked in at the top when on.

template <kit::Direction pressedEnd>
void drawBeaconRocker(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::panelPlate(cr, {2, 1, picture.width - 4.0, picture.height - 2.0}, 5, kit::kPanelBlack);
    kit::rockerSwitch(cr, {10, 16, picture.width - 20.0, picture.height - 22.0}, pressedEnd, kRockerWhite);
    kit::label(cr, "BCN", {picture.width / 2.0, 8}, 9, kit::kLabelWhite);
}

constexpr Picture sized(const layout::Control& control, std::uint32_t id, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = id, .width = control.width, .height = control.height, .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    sized(layout::kCarbheat, layout::kCarbheat.background, drawNothing),
    sized(layout::kCarbheat, layout::kCarbheat.firstPicture, drawCarbheatKnob<false>),
    sized(layout::kCarbheat, layout::kCarbheat.firstPicture + 1, drawCarbheatKnob<true>),
    sized(layout::kStart, layout::kStart.background, drawNothing),
    sized(layout::kStart, layout::kStart.firstPicture, drawIgnitionKey<0>),
    sized(layout::kStart, layout::kStart.firstPicture + 1, drawIgnitionKey<1>),
    sized(layout::kStart, layout::kStart.firstPicture + 2, drawIgnitionKey<2>),
    sized(layout::kStart, layout::kStart.firstPicture + 3, drawIgnitionKey<3>),
    sized(layout::kStart, layout::kStart.firstPicture + 4, drawIgnitionKey<4>),
    sized(layout::kCowlFlap, layout::kCowlFlap.background, drawNothing),
    sized(layout::kCowlFlap, layout::kCowlFlap.firstPicture, drawCowlFlap<0>),
    sized(layout::kCowlFlap, layout::kCowlFlap.firstPicture + 1, drawCowlFlap<1>),
    sized(layout::kCowlFlap, layout::kCowlFlap.firstPicture + 2, drawCowlFlap<2>),
    sized(layout::kBeaconRocker, layout::kBeaconRocker.background, drawNothing),
    sized(layout::kBeaconRocker, layout::kBeaconRocker.firstPicture, drawBeaconRocker<kit::Direction::Down>),
    sized(layout::kBeaconRocker, layout::kBeaconRocker.firstPicture + 1, drawBeaconRocker<kit::Direction::Up>),
};

}  // namespace

constinit const picturegen::PictureUnit controlPictures{kPictures};
