// The art of GearPos and GearPosVC: the plate with its dark lamps, the lever up and down, the lit lamps.
#include "modules/landing_gear/gear_layout.h"
#include "modules/landing_gear/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = landing_gear::layout;

// A lamp icon's place on the plate, and what burns in it.
struct LampBox {
    int x, y, width, height;
    int lampCount;
    kit::LampColour colour;
};

constexpr LampBox lampBox(const layout::PictureBox& box, int lampCount, kit::LampColour colour) {
    return {box.x, box.y, box.width, box.height, lampCount, colour};
}

constexpr LampBox kWaterLamps = lampBox(layout::kWaterLamps, 2, kit::kBlueLamp);
constexpr LampBox kPumpLamp = lampBox(layout::kPumpLamp, 1, kit::kRedLamp);
constexpr LampBox kLandLamps = lampBox(layout::kLandLamps, 2, kit::kAmberLamp);
constexpr double kLampRadius = 24;

// The lever icon's place on the plate and the lever's travel inside its strip.
constexpr int kLeverX = layout::kLever.x;
constexpr int kLeverY = layout::kLever.y;
constexpr int kLeverWidth = layout::kLever.width;
constexpr int kLeverHeight = layout::kLever.height;
constexpr double kKnobRadius = 32;
constexpr double kStemWidth = 14;
constexpr double kLeverUpKnobY = 45;
constexpr double kLeverDownKnobY = kLeverHeight - kLeverUpKnobY;
constexpr double kStemLength = 60;

// Lamps share their box's width equally and sit on whole pixels, so the lit icon
// drawn on its own covers the plate's dark lamp pixel for pixel.
kit::Point lampCentre(const LampBox& box, int index) {
    const int share = box.width / box.lampCount;
    return {static_cast<double>(share * index + share / 2), static_cast<double>(box.height / 2)};
}

void drawLamps(cairo_t* cr, const LampBox& box, kit::Point origin, kit::LampState state) {
    for (int index = 0; index < box.lampCount; ++index) {
        const kit::Point centre = lampCentre(box, index);
        kit::lamp(cr, {origin.x + centre.x, origin.y + centre.y}, kLampRadius, box.colour, state);
    }
}

kit::Point boxCentre(const LampBox& box) {
    return {box.x + box.width / 2.0, box.y + box.height / 2.0};
}

// A double-headed arrow standing on the plate beside the lever slot.
void drawUpDownArrow(cairo_t* cr, double x, double top, double bottom) {
    constexpr double kHeadLength = 20;
    constexpr double kHeadHalfWidth = 10;
    constexpr double kShaftWidth = 4;
    kit::roundedRectangle(cr, x - kShaftWidth / 2, top + kHeadLength, kShaftWidth,
                          bottom - top - 2 * kHeadLength, 0.5, kit::kLabelWhite);
    kit::setColour(cr, kit::kLabelWhite);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + kHeadHalfWidth, top + kHeadLength);
    cairo_line_to(cr, x - kHeadHalfWidth, top + kHeadLength);
    cairo_close_path(cr);
    cairo_move_to(cr, x, bottom);
    cairo_line_to(cr, x - kHeadHalfWidth, bottom - kHeadLength);
    cairo_line_to(cr, x + kHeadHalfWidth, bottom - kHeadLength);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void drawPlate(cairo_t* cr, const Picture& picture) {
    const double width = picture.width;
    const double height = picture.height;
    // The plate stands a little proud of the panel cut-out it fills.
    kit::fill(cr, kit::mix(kit::kPanelBlack, kit::kNearBlack, 0.5));
    kit::panelPlate(cr, {3, 3, width - 6, height - 6}, 14, kit::kPanelBlack);
    for (kit::Point screw : {kit::Point{24, 24}, {width - 24, 24}, {24, height - 24}, {width - 24, height - 24}}) {
        kit::screw(cr, screw, 7, 30);
    }

    kit::label(cr, "LANDING GEAR", {width / 2, 40}, 24, kit::kLabelWhite);
    kit::label(cr, "WATER", {boxCentre(kWaterLamps).x, kWaterLamps.y - 16.0}, 18, kit::kLabelWhite);
    kit::label(cr, "PUMP ON", {kPumpLamp.x + kPumpLamp.width + 64.0, boxCentre(kPumpLamp).y}, 18,
               kit::kLabelWhite);
    kit::label(cr, "LAND", {boxCentre(kLandLamps).x, kLandLamps.y - 16.0}, 18, kit::kLabelWhite);

    for (const LampBox& box : {kWaterLamps, kPumpLamp, kLandLamps}) {
        drawLamps(cr, box, {static_cast<double>(box.x), static_cast<double>(box.y)}, kit::LampState::Dark);
    }

    // The slot the lever's stem runs in, a little longer than the stem's travel; its floor is
    // the darkest colour the host draws.
    const double slotCentreX = kLeverX + kLeverWidth / 2.0;
    const double slotTop = kLeverY + kLeverUpKnobY - 18;
    const double slotHeight = kLeverDownKnobY - kLeverUpKnobY + 36;
    kit::recess(cr, {slotCentreX - 11, slotTop - 3, 22, slotHeight + 6}, 11, 3, kit::kNearBlack);

    const double arrowX = kLeverX - 37;
    kit::label(cr, "UP", {arrowX, kLeverY + 22.0}, 16, kit::kLabelWhite);
    drawUpDownArrow(cr, arrowX, kLeverY + 40.0, kLeverY + kLeverHeight - 40.0);
    kit::label(cr, "DOWN", {arrowX, kLeverY + kLeverHeight - 22.0}, 16, kit::kLabelWhite);
}

void drawLeverUp(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double x = picture.width / 2.0;
    kit::leverKnob(cr, {x, kLeverUpKnobY}, kKnobRadius, {x, kLeverUpKnobY + kStemLength}, kStemWidth);
}

void drawLeverDown(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double x = picture.width / 2.0;
    kit::leverKnob(cr, {x, kLeverDownKnobY}, kKnobRadius, {x, kLeverDownKnobY - kStemLength}, kStemWidth);
}

template <const LampBox& box>
void drawLitLamps(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    drawLamps(cr, box, {0, 0}, kit::LampState::Lit);
}

// The lamp and lever pictures are exactly their boxes, so a lit lamp covers the plate's dark lamp
// pixel for pixel.
constexpr Picture picture(const layout::PictureBox& box, std::uint32_t id, int bitsPerPixel,
                          void (*draw)(cairo_t*, const Picture&)) {
    return {.id = id, .width = box.width, .height = box.height, .bitsPerPixel = bitsPerPixel, .draw = draw};
}

constexpr Picture kPictures[] = {
    {.id = layout::kPlate, .width = layout::kPlateWidth, .height = layout::kPlateHeight, .bitsPerPixel = 8,
     .draw = drawPlate},
    picture(layout::kLever, layout::kLever.id, 24, drawLeverUp),
    picture(layout::kLever, layout::kLever.id + 1, 24, drawLeverDown),
    picture(layout::kLandLamps, layout::kLandLamps.id, 8, drawLitLamps<kLandLamps>),
    picture(layout::kWaterLamps, layout::kWaterLamps.id, 8, drawLitLamps<kWaterLamps>),
    picture(layout::kPumpLamp, layout::kPumpLamp.id, 8, drawLitLamps<kPumpLamp>),
};

}  // namespace

constinit const picturegen::PictureUnit gearPictures{kPictures};
