// The art of RadioTrans: the face with its display window, digit knobs and dark reply lamp, the code
// drum's strip and window, the lit reply lamp and the mode knob at its five positions.
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"
#include "modules/radio_stack/transponder_layout.h"

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::transponder_layout;

// The reply lamp's centre in its picture; the face prints it dark at the same place.
constexpr Point kReplyLampCentre{13, 14.5};
constexpr double kReplyLampRadius = 12;
static_assert(kReplyLampCentre.x + kReplyLampRadius <= layout::kReplyLamp.width &&
              kReplyLampCentre.y + kReplyLampRadius <= layout::kReplyLamp.height);
// The mode knob's centre in its pictures.
constexpr Point kModeKnobCentre{52, 38};
constexpr double kModeKnobRadius = 22;
// OFF, SBY, ON, ALT, TEST from left to right over the top of the knob.
constexpr double kModeAngles[] = {kUp - 80, kUp - 40, kUp, kUp + 40, kUp + 80};
constexpr const char* kModeLabels[] = {"OFF", "SBY", "ON", "ALT", "TST"};
static_assert(std::size(kModeAngles) == layout::kModeCount && std::size(kModeLabels) == layout::kModeCount);

void drawTransponderFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "GARMIN", {70, 13}, 9);
    text(cr, "GTX 320", {560, 132}, 10);
    displayWindow(cr, layout::kDisplayWindow);
    // The digit knobs under their drums, thousands to units.
    for (int position = 3; position >= 0; --position) {
        kit::knob(cr, {layout::kDrumX[position] + 23.0, 83}, 19, kUp, kKnobBody);
    }
    button(cr, {440, 20, 50, 26}, "IDT", 10);
    kit::lamp(cr, {layout::kReplyLamp.x + kReplyLampCentre.x, layout::kReplyLamp.y + kReplyLampCentre.y},
              kReplyLampRadius, kit::kRedLamp, kit::LampState::Dark);
    text(cr, "REPLY", {562, 33}, 8);
    const Point knobCentre{layout::kModeKnob.x + kModeKnobCentre.x, layout::kModeKnob.y + kModeKnobCentre.y};
    for (int position = 0; position < layout::kModeCount; ++position) {
        text(cr, kModeLabels[position], kit::polar(knobCentre, 36, kModeAngles[position]), 8);
    }
}

void drawReplyLampLit(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::lamp(cr, kReplyLampCentre, kReplyLampRadius, kit::kRedLamp, kit::LampState::Lit);
}

template <int position>
void drawModeKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, kModeKnobCentre, kModeKnobRadius, kModeAngles[position], kKnobBody);
}

constexpr Picture kPictures[] = {
    face(layout::kFace, layout::kFaceWidth, layout::kFaceHeight, drawTransponderFace),
    strip(layout::kDigitStrip, 8, drawDigitStrip<kNoLeading, 17.0>),
    window(layout::kDigitStrip),
    picture(layout::kReplyLamp, 0, drawReplyLampLit),
    picture(layout::kModeKnob, 0, drawModeKnob<0>),
    picture(layout::kModeKnob, 1, drawModeKnob<1>),
    picture(layout::kModeKnob, 2, drawModeKnob<2>),
    picture(layout::kModeKnob, 3, drawModeKnob<3>),
    picture(layout::kModeKnob, 4, drawModeKnob<4>),
};

}  // namespace

constinit const picturegen::PictureUnit transponderPictures{kPictures};
