// The art of RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR: the two faces with a display window around
// each readout, the transfer button up and pressed, the power knob and the IDENT knob.
#include "modules/radio_stack/com1_nav1_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

#include <utility>

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::com1_nav1_layout;

// The face prints a display window around each readout.
constexpr std::pair<layout::Area, const char*> kWindows[] = {
    {layout::kComActive, "USE"},
    {layout::kComStandby, "STBY"},
    {layout::kNavActive, "USE"},
    {layout::kNavStandby, "STBY"},
};

template <const Rgb& paint>
void drawCom1Nav1Face(cairo_t* cr, const Picture& picture) {
    faceplate<paint>(cr, picture);
    text(cr, "COMM", {107, 12}, 9);
    text(cr, "NAV", {287, 12}, 9);
    for (const auto& [window, caption] : kWindows) {
        displayWindow(cr, window);
        text(cr, caption, {window.x + window.width / 2.0, 22}, 7);
    }
    // The tuning knobs under the standby windows.
    kit::knob(cr, {150, 94}, 20, kUp, kKnobBody);
    kit::knob(cr, {330, 94}, 20, kUp, kKnobBody);
    text(cr, "PULL TEST", {56, 76}, 6);
    text(cr, "IDENT", {225, 101}, 7);
    text(cr, "KX 155A", {377, 110}, 7);
}

// The transfer button with its double arrow, up or pressed in.
template <kit::ButtonState state>
void drawTransferButton(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::pushButton(cr, {0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)}, state,
                    kButtonCap, "\u2194", 16, kit::kLabelWhite);
}

constexpr Picture kPictures[] = {
    face(layout::kMainFace, layout::kFaceWidth, layout::kFaceHeight, drawCom1Nav1Face<kFaceGrey>),
    face(layout::kVfrFace, layout::kFaceWidth, layout::kFaceHeight, drawCom1Nav1Face<kVfrFaceGrey>),
    picture(layout::kPowerKnob, 0, drawKnob<12.0, kUp - 120>),  // off
    picture(layout::kPowerKnob, 1, drawKnob<12.0, kUp + 45>),   // on
    picture(layout::kIdentKnob, 0, drawKnob<10.0, kLeft>),
    picture(layout::kIdentKnob, 1, drawKnob<10.0, kUp>),
    picture(layout::kComTransfer, 0, drawTransferButton<kit::ButtonState::Up>),
    picture(layout::kComTransfer, 1, drawTransferButton<kit::ButtonState::Pressed>),
};
// One pair of transfer button pictures serves both buttons.
static_assert(layout::kComTransfer.id == layout::kNavTransfer.id &&
              layout::kComTransfer.width == layout::kNavTransfer.width &&
              layout::kComTransfer.height == layout::kNavTransfer.height);

}  // namespace

constinit const picturegen::PictureUnit com1Nav1Pictures{kPictures};
