// The art of RadioAdfZ3V: the face with its USE and STBY/TIMER windows, buttons and OFF/VOL
// legend, and the OFF/VOL knob off and on.
#include "modules/radio_stack/adf_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

#include <utility>

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::adf_layout;

void drawAdfFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "KING", {55, 50}, 14);
    text(cr, "KR 87", {55, 75}, 12);
    text(cr, "ADF", {55, 100}, 10);
    displayWindow(cr, layout::kUseWindow);
    displayWindow(cr, layout::kStandbyWindow);
    text(cr, "USE", {layout::kUseWindow.x + layout::kUseWindow.width / 2.0, 14}, 8);
    text(cr, "STBY", {layout::kStandbyWindow.x + layout::kStandbyWindow.width / 2.0, 14}, 8);
    text(cr, "FRQ", {270, 45}, 8);
    // ADF, BFO and FRQ lie under the lower row of tuning areas.
    const std::pair<Box, const char*> buttons[] = {
        {{117, 104, 26, 18}, "ADF"}, {{167, 104, 26, 18}, "BFO"}, {{197, 104, 26, 18}, "FRQ"},
        {{300, 104, 44, 18}, "FLT/ET"}, {{350, 104, 44, 18}, "SET/RST"}};
    for (const auto& [box, caption] : buttons) button(cr, box, caption, 6);
    text(cr, "OFF  VOL", {452, 82}, 7);
    kit::knob(cr, {530, 100}, 28, kUp, kKnobBody);
    kit::knob(cr, {530, 100}, 14, kUp, kKnobBody);
}

constexpr Picture kPictures[] = {
    face(layout::kFace, layout::kFaceWidth, layout::kFaceHeight, drawAdfFace),
    picture(layout::kPowerKnob, 0, drawKnob<12.0, kLeft>),    // off
    picture(layout::kPowerKnob, 1, drawKnob<12.0, kUp + 45>),  // on
};

}  // namespace

constinit const picturegen::PictureUnit adfPictures{kPictures};
