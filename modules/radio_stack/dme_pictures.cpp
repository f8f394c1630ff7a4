// The art of RadioDME: the face with the display window around both readouts, and the source and
// power slide switches thrown either way.
#include "modules/radio_stack/dme_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::dme_layout;

void drawDmeFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    displayWindow(cr, layout::kDisplayWindow);
    text(cr, "GS", {83, 77}, 9);
    text(cr, "DIST", {222, 77}, 9);
    text(cr, "NAV 1", {350, 50}, 8);
    text(cr, "NAV 2", {464, 50}, 8);
    text(cr, "OFF", {348, 91}, 8);
    text(cr, "ON", {444, 91}, 8);
    text(cr, "DME", {535, 45}, 18);
    text(cr, "KING", {535, 75}, 10);
}

// A horizontal toggle switch on its base, thrown to the left or the right.
template <bool thrownRight>
void drawSlideToggle(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double width = picture.width;
    const double height = picture.height;
    kit::recess(cr, {4, 4, width - 8, height - 8}, 5, 2, kit::kPanelBlack);
    const Point pivot{width / 2, height / 2};
    const double reach = width / 2 - 13;
    kit::toggleLever(cr, pivot, {pivot.x + (thrownRight ? reach : -reach), pivot.y}, 5);
}

constexpr Picture kPictures[] = {
    face(layout::kFace, layout::kFaceWidth, layout::kFaceHeight, drawDmeFace),
    picture(layout::kSourceSwitch, 0, drawSlideToggle<false>),  // NAV 1
    picture(layout::kSourceSwitch, 1, drawSlideToggle<true>),   // NAV 2
    picture(layout::kPowerSwitch, 0, drawSlideToggle<false>),   // off
    picture(layout::kPowerSwitch, 1, drawSlideToggle<true>),    // on
};

}  // namespace

constinit const picturegen::PictureUnit dmePictures{kPictures};
