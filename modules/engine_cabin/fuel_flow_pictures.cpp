// The art of FuelFlow: the round face with its two display windows, buttons, title and the
// selector knob's positions, and the knob turned to each of its four pages.
#include <string_view>

#include "modules/engine_cabin/fuel_flow_layout.h"
#include "modules/engine_cabin/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = engine_cabin::fuel_flow_layout;

constexpr kit::Rgb kFaceBlack{20, 21, 23};
constexpr kit::Rgb kButtonCap{70, 70, 74};
constexpr kit::Rgb kKnobBody{40, 40, 43};
constexpr kit::Rgb kWindowGlass = kit::kPanelBlack;

// The knob's centre in its pictures, and where its pointer ring points for each page; TEST lies
// beyond the last page and is not a position.
constexpr kit::Point kKnobCentre{layout::kKnob.width / 2.0, layout::kKnob.height / 2.0};
constexpr double kKnobRadius = 19;
constexpr double kPageAngles[] = {-160, -115, -70, -25};
constexpr double kTestAngle = 20;
constexpr const char* kPageLabels[] = {"NM/GAL.", "GAL. TO DEST.", "GAL. RES.", "ENDUR."};
// Alternate captions stand further out, so that neighbours do not run into each other.
constexpr double kPageLabelDistances[] = {34, 44, 34, 38};

void displayWindow(cairo_t* cr, const layout::Area& place) {
    kit::recess(cr, {place.x - 4.0, place.y - 4.0, place.width + 8.0, place.height + 8.0}, 4, 3, kWindowGlass);
}

void drawFace(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const kit::Point centre{picture.width / 2.0, picture.height / 2.0};
    kit::bezel(cr, centre, picture.width / 2.0 - 1, 8, kit::kPanelGrey, kFaceBlack);
    displayWindow(cr, layout::kUpperReadout);
    displayWindow(cr, layout::kFuelFlowReadout);
    kit::label(cr, "GPH", {layout::kFuelFlowReadout.x + layout::kFuelFlowReadout.width + 30.0,
                           layout::kFuelFlowReadout.y + layout::kFuelFlowReadout.height / 2.0}, 16, kit::kLabelWhite);
    kit::label(cr, "FUEL FLOW", {centre.x, layout::kUpperReadout.y + layout::kUpperReadout.height + 20.0}, 15,
               kit::kLabelWhite);
    // Each button's caption below it; ENTER's beside it, under the lower window's band.
    const auto captionBelow = [cr](const layout::Area& button, std::string_view caption) {
        kit::pushButton(cr, kit::boxOf(button), kit::ButtonState::Up, kButtonCap, "", 8, kit::kLabelWhite);
        kit::label(cr, caption, {button.x + button.width / 2.0, button.y + button.height + 9.0}, 9, kit::kLabelWhite);
    };
    captionBelow(layout::kRemainingButton, "GAL. REM.");
    captionBelow(layout::kUsedButton, "GAL. USED");
    kit::pushButton(cr, kit::boxOf(layout::kEnterButton), kit::ButtonState::Up, kButtonCap, "", 8, kit::kLabelWhite);
    kit::label(cr, "ENTER", {layout::kEnterButton.x + layout::kEnterButton.width + 22.0,
                             layout::kEnterButton.y + layout::kEnterButton.height / 2.0}, 8, kit::kLabelWhite);
    // The knob's positions around the place where its pictures stand, each with its caption.
    const kit::Point knob{layout::kKnob.x + kKnobCentre.x, layout::kKnob.y + kKnobCentre.y};
    for (int page = 0; page < layout::kKnobPositions; ++page) {
        const kit::Point end = kit::polar(knob, kKnobRadius + 6, kPageAngles[page]);
        const kit::Point start = kit::polar(knob, kKnobRadius + 1, kPageAngles[page]);
        kit::setColour(cr, kit::kLabelWhite);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, start.x, start.y);
        cairo_line_to(cr, end.x, end.y);
        cairo_stroke(cr);
        kit::label(cr, kPageLabels[page], kit::polar(knob, kPageLabelDistances[page], kPageAngles[page]), 6,
                   kit::kLabelWhite);
    }
    kit::label(cr, "TEST", kit::polar(knob, kKnobRadius + 12, kTestAngle), 6, kit::kLabelWhite);
    // The ADD / FULL switch at lower right, not operable.
    const kit::Point toggle{236, 238};
    kit::toggleLever(cr, toggle, {toggle.x, toggle.y - 14}, 5);
    kit::label(cr, "ADD", {toggle.x, toggle.y - 28}, 8, kit::kLabelWhite);
    kit::label(cr, "FULL", {toggle.x, toggle.y + 16}, 8, kit::kLabelWhite);
}

template <int page>
void drawKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, kKnobCentre, kKnobRadius, kPageAngles[page], kKnobBody);
}

constexpr Picture knobPicture(int page, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = layout::kFirstKnob + page, .width = layout::kKnob.width, .height = layout::kKnob.height,
            .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    {.id = layout::kFace, .width = layout::kFaceSize, .height = layout::kFaceSize, .bitsPerPixel = 8,
     .draw = drawFace},
    knobPicture(0, drawKnob<0>),
    knobPicture(1, drawKnob<1>),
    knobPicture(2, drawKnob<2>),
    knobPicture(3, drawKnob<3>),
};
static_assert(std::size(kPictures) == 1 + layout::kKnobPositions);

}  // namespace

constinit const picturegen::PictureUnit fuelFlowPictures{kPictures};
