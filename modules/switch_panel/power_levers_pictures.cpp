// The art of PanelC, Flap and Primer: the three push-pull knobs seen at an angle (red mixture, blue
// propeller, black throttle with a chrome face), the flap handle in its four detents over its slot
// and scale, the indicator dot, and the primer at rest and pushed. The plates of the quadrant and
// the flap gauge are pure black: the slots and the panel around them are the panel's own.
#include "modules/switch_panel/panel_art.h"
#include "modules/switch_panel/pictures.h"
#include "modules/switch_panel/power_levers_layout.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = switch_panel::layout;
using kit::Point;
using kit::Rgb;

// ---------------------------------------------------------------------------------------------
// The knobs

struct KnobStyle {
    Rgb body;
    Rgb face;
    bool ridged;     // the propeller's and mixture's rims are ridged so they are told apart by touch
    double radius;   // of the round face
};

constexpr KnobStyle kThrottle{{24, 24, 26}, kit::kMetalLight, false, 27};
constexpr KnobStyle kPropeller{{36, 72, 178}, {36, 72, 178}, true, 28};
constexpr KnobStyle kMixture{{186, 28, 28}, {186, 28, 28}, true, 34};

// The face is seen from above and in front, so it is squashed to this share of its height.
constexpr double kTilt = 0.6;

void ellipse(cairo_t* cr, Point centre, double radius, Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, 1, kTilt);
    kit::disc(cr, {0, 0}, radius, colour);
    cairo_restore(cr);
}

void tiltedBezel(cairo_t* cr, Point centre, double radius, double rim, Rgb rimColour, Rgb face) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, 1, kTilt);
    kit::bezel(cr, {0, 0}, radius, rim, rimColour, face);
    cairo_restore(cr);
}

// The shaft leaves the knob up and to the left, where the panel's slot lies; the knob is a short
// cylinder, its side below the tilted face.
template <const KnobStyle& style>
void drawKnob(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double radius = style.radius;
    const double depth = radius * 0.55;
    const Point face{picture.width - radius - 4.0, picture.height - radius * kTilt - depth - 4.0};
    const Point sideBottom{face.x, face.y + depth};

    kit::setColour(cr, kit::kMetalGrey);
    cairo_set_line_width(cr, radius * 0.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr, face.x, face.y);
    cairo_line_to(cr, face.x - radius * 0.7, face.y - radius * 0.65);
    cairo_stroke(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);

    const Rgb shadedSide = kit::mix(style.body, kit::kPanelBlack, 0.45);
    ellipse(cr, sideBottom, radius, shadedSide);
    kit::roundedRectangle(cr, face.x - radius, face.y, 2 * radius, depth, 0, shadedSide);
    if (style.ridged) {
        const Rgb groove = kit::mix(style.body, kit::kPanelBlack, 0.75);
        for (int ridge = -5; ridge <= 5; ++ridge) {
            const double x = face.x + radius * ridge / 6.0;
            kit::roundedRectangle(cr, x - 0.9, face.y + 1, 1.8, depth, 0, groove);
        }
    }
    tiltedBezel(cr, face, radius, radius * 0.16, kit::mix(style.body, kit::kMetalLight, 0.35), style.face);
}

// ---------------------------------------------------------------------------------------------
// The flap handle and its dot

constexpr double kSlotX = 58;
constexpr const char* kDetentLabels[layout::kFlapDetents] = {"UP", "10", "20", "30"};

template <int detent>
void drawFlapHandle(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double top = layout::kFlapGripY[0] - 12.0;
    const double bottom = layout::kFlapGripY[layout::kFlapDetents - 1] + 12.0;
    // The scale's plate, which also keeps the letters' counters from being holes in the picture.
    kit::roundedRectangle(cr, layout::kFlapHandleArtLeft, top - 6, picture.width - layout::kFlapHandleArtLeft - 1.0,
                          bottom - top + 12, 4, kit::kPanelBlack);
    kit::recess(cr, {kSlotX - 5, top, 10, bottom - top}, 4, 2, kit::kNearBlack);
    for (int mark = 0; mark < layout::kFlapDetents; ++mark) {
        const double y = layout::kFlapGripY[mark];
        kit::roundedRectangle(cr, layout::kFlapHandleArtLeft + 2.0, y - 1, 8, 2, 0, kit::kLabelWhite);
        kit::label(cr, kDetentLabels[mark], {79, y}, 8, kit::kLabelWhite);
    }
    const double gripY = layout::kFlapGripY[detent];
    kit::roundedRectangle(cr, kSlotX - 12, gripY - 8, 24, 16, 4, kit::kMetalGrey);
    kit::roundedRectangle(cr, kSlotX - 10, gripY - 6, 20, 12, 3, kit::kLabelWhite);
    kit::roundedRectangle(cr, kSlotX - 8, gripY - 1, 16, 2, 0, kit::kMetalGrey);
}

void drawFlapDot(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::disc(cr, {picture.width / 2.0, picture.height / 2.0}, picture.width / 2.0 - 0.5, kit::kLabelWhite);
}

// ---------------------------------------------------------------------------------------------
// The primer: a knurled chrome knob on a plunger that leaves its bezel up and to the left; pushed,
// the knob stands down and to the right, close to the bezel.

constexpr Point kPrimerBezel{33, 48};
constexpr double kPrimerBezelRadius = 17;
constexpr Point kPrimerKnobAtRest{22, 33};
constexpr Point kPrimerKnobPushed{29, 42};
constexpr double kPrimerKnobRadius = 14;

void drawPrimerPlate(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, kPrimerBezel, kPrimerBezelRadius, 4, kit::kMetalGrey, kit::kPanelBlack);
    kit::setColour(cr, kit::kMetalLight);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, kPrimerBezel.x, kPrimerBezel.y);
    cairo_line_to(cr, kPrimerKnobAtRest.x, kPrimerKnobAtRest.y);
    cairo_stroke(cr);
}

template <const Point& centre>
void drawPrimerKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, centre, kPrimerKnobRadius, -90, kit::kMetalGrey);
}

using switch_panel::art::drawPlainBlack;
using switch_panel::art::picture;

constexpr Picture kPictures[] = {
    picture(layout::kPrimerPlate, layout::kPrimerPlate.id, drawPrimerPlate),
    picture(layout::kPrimerKnob, layout::kPrimerKnob.id, drawPrimerKnob<kPrimerKnobAtRest>),
    picture(layout::kPrimerKnob, layout::kPrimerKnob.id + 1, drawPrimerKnob<kPrimerKnobPushed>),
    picture(layout::kQuadrantPlate, layout::kQuadrantPlate.id, drawPlainBlack),
    picture(layout::kThrottleKnob, layout::kThrottleKnob.id, drawKnob<kThrottle>),
    picture(layout::kPropellerKnob, layout::kPropellerKnob.id, drawKnob<kPropeller>),
    picture(layout::kMixtureKnob, layout::kMixtureKnob.id, drawKnob<kMixture>),
    picture(layout::kFlapPlate, layout::kFlapPlate.id, drawPlainBlack),
    picture(layout::kFlapDot, layout::kFlapDot.id, drawFlapDot),
    picture(layout::kFlapHandle, layout::kFlapHandle.id, drawFlapHandle<0>),
    picture(layout::kFlapHandle, layout::kFlapHandle.id + 1, drawFlapHandle<1>),
    picture(layout::kFlapHandle, layout::kFlapHandle.id + 2, drawFlapHandle<2>),
    picture(layout::kFlapHandle, layout::kFlapHandle.id + 3, drawFlapHandle<3>),
};

}  // namespace

constinit const picturegen::PictureUnit leverPictures{kPictures};
