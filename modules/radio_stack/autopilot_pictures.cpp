// The art of RadioAP2: the face with its mode buttons, rockers at OFF and 1 and the turn knob's
// bezel, the engaged stripe over a mode button, a rocker rocked up and the PULL TURN knob.
#include "modules/radio_stack/autopilot_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::autopilot_layout;

struct ModeButton {
    int x;
    const char* caption;
};
constexpr ModeButton kModeButtons[] = {
    {layout::kHeadingSelectX, "HDG"}, {layout::kNavInterceptX, "INT"}, {layout::kNavTrackX, "TRK"},
    {layout::kHighSensitivityX, "HI"}, {layout::kBackCourseX, "BC"},
};
// The annunciator stripe across the top of a mode button, lit while its mode is engaged.
constexpr Box kStripe{5, 4, 22, 4};
// The turn knob turns about the middle of its pictures; the face's bezel surrounds it there.
constexpr Point kTurnKnobCentre{layout::kTurnKnob.width / 2.0, layout::kTurnKnob.height / 2.0};
constexpr double kTurnKnobRadius = 34;

void drawRocker(cairo_t* cr, const layout::PictureBox& rocker, kit::Direction rockedIn, double x, double y) {
    kit::rockerSwitch(cr, {x, y, static_cast<double>(rocker.width), static_cast<double>(rocker.height)}, rockedIn,
                      kButtonCap);
}

void drawAutopilotFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "AUTOPILOT", {60, 17}, 9);
    for (const ModeButton& mode : kModeButtons) {
        const double x = mode.x, y = layout::kModeButtonY;
        button(cr, {x, y, layout::kModeButtonWidth, layout::kModeButtonHeight}, mode.caption, 7);
        kit::roundedRectangle(cr, x + kStripe.x, y + kStripe.y, kStripe.width, kStripe.height, 1, kGreenLamp.dark);
    }
    // The A/P rocker at OFF and the NAV rocker at 1: both rocked in at their lower ends.
    const layout::PictureBox& autopilot = layout::kAutopilotRocker;
    const layout::PictureBox& navSource = layout::kNavSourceRocker;
    drawRocker(cr, autopilot, kit::Direction::Down, autopilot.x, autopilot.y);
    text(cr, "A/P", {94, 86}, 8);
    drawRocker(cr, navSource, kit::Direction::Down, navSource.x, navSource.y);
    text(cr, "NAV", {278, 86}, 8);
    text(cr, "2", {300, 102}, 7);
    text(cr, "1", {300, 120}, 7);
    kit::bezel(cr, {layout::kTurnKnob.x + kTurnKnobCentre.x, layout::kTurnKnob.y + kTurnKnobCentre.y},
               kTurnKnobRadius + 6, 4, kit::kPanelGrey, kit::kPanelBlack);
    text(cr, "L", {146, 72}, 9);
    text(cr, "R", {224, 72}, 9);
    text(cr, "PULL TURN", {185, 156}, 7);
}

void drawEngagedStripe(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, kStripe.x, kStripe.y, kStripe.width, kStripe.height, 1, kGreenLamp.lit);
}

// A rocker rocked in at its upper end: A/P ON, NAV 2.
template <const layout::PictureBox& rocker>
void drawRockerUp(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    drawRocker(cr, rocker, kit::Direction::Up, 0, 0);
}

// The PULL TURN knob, turned to L, centred or turned to R: its pointer leans 45 degrees.
template <double pointerAngle>
void drawTurnKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, kTurnKnobCentre, kTurnKnobRadius, pointerAngle, kKnobBody);
}

constexpr Picture kPictures[] = {
    face(layout::kFace, layout::kFaceWidth, layout::kFaceHeight, drawAutopilotFace),
    {.id = layout::kEngagedButton, .width = layout::kModeButtonWidth, .height = layout::kModeButtonHeight,
     .bitsPerPixel = 8, .draw = drawEngagedStripe},
    picture(layout::kAutopilotRocker, 0, drawRockerUp<layout::kAutopilotRocker>),
    picture(layout::kNavSourceRocker, 0, drawRockerUp<layout::kNavSourceRocker>),
    picture(layout::kTurnKnob, 0, drawTurnKnob<kUp - 45>),  // L
    picture(layout::kTurnKnob, 1, drawTurnKnob<kUp>),
    picture(layout::kTurnKnob, 2, drawTurnKnob<kUp + 45>),  // R
};

}  // namespace

constinit const picturegen::PictureUnit autopilotPictures{kPictures};
