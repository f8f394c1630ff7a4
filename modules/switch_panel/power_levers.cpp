// PanelC, Flap and Primer: the engine control quadrant with its flap handle, the flap handle alone,
// and the engine primer. The knobs, the handle and the primer only show host values; every change is
// a host key event, and a dragged knob sends one event per drag message, so the levers move by the
// host's step however fast the mouse moves.
//
// Reads:    THROTTLE_LEVER_POSITION, PROPELLER_LEVER_POSITION, MIXTURE_LEVER_POSITION, FLAP_POSITION
//           (bound into the sliders), FLAP_HANDLE_POSITION (the handle), PRIMER_STATE (with lookup_var)
// Sends:    THROTTLE_INCREASE, THROTTLE_DECREASE, PROPELLER_INCREASE, PROPELLER_DECREASE,
//           MIXTURE_INCREASE, MIXTURE_DECREASE (the knob drags); FLAPS_UP, FLAPS_DETENT_2,
//           FLAPS_DETENT_3, FLAPS_FULL, PRIMER (by the host, from key-bound areas)
// Windows:  none
// Module data: ThrottleDragY, PropDragY, MixtureDragY, PrimerStateVar
#include "power_levers_layout.h"
#include "switch_gauges.h"

using namespace gauge;

namespace switch_panel {

namespace {

// The last mouse y each knob's drag area saw, shared by every copy of PanelC.
constinit SINT32 ThrottleDragY = 0;
constinit SINT32 PropDragY = 0;
constinit SINT32 MixtureDragY = 0;

constinit ModuleVariable PrimerStateVar = {.token = var::PRIMER_STATE};

// The press only remembers where it happened. Each drag message then moves the lever one step:
// up when the mouse went up, down when it went down or stayed where it was.
template <KeyEventId increase, KeyEventId decrease, SINT32& dragY>
BOOL GAUGE_CALL KnobDrag(Point* mouse, UINT32 flags) {
    if ((flags & mouse_flag::kLeftDown) == 0) host().trigger_key_event(mouse->y < dragY ? increase : decrease, 0);
    dragY = mouse->y;
    return kFalse;
}

// The handle's four detents; a value between them draws no handle rather than a wrong one.
FLOAT64 GAUGE_CALL FlapDetent(IconElement* handle) {
    switch (truncateToInt32(realValue(handle->source))) {
        case 0: return 0;
        case 5461: return 1;
        case 10922: return 2;
        case 16384: return 3;
        default: return -1;
    }
}

FLOAT64 GAUGE_CALL PrimerPicture(IconElement*) {
    lookup(PrimerStateVar);
    return realValue(PrimerStateVar) > 0 ? 1 : 0;
}

// ---------------------------------------------------------------------------------------------
// What PanelC and Flap both show: the flap handle and the dot of its position indicator.

constexpr SliderElement knob(const layout::PictureBox& box, GaugeHeader* gauge, Element* const* children,
                             HostVariableToken lever, FLOAT64 xScale, FLOAT64 yScale) {
    return {.common = {.kind = kSlider, .resourceId = box.id, .position = at(box), .gauge = gauge,
                       .children = children, .imageFlags = image_flag::kTransparentErase},
            .xSource = {.token = lever}, .xScale = xScale, .ySource = {.token = lever}, .yScale = yScale,
            .xUpdateCallback = nullptr, .yUpdateCallback = nullptr};
}

constexpr SliderElement flapDot(const layout::PictureBox& box, GaugeHeader* gauge, Element* const* children,
                                FLOAT64 yScale) {
    return {.common = {.kind = kSlider, .resourceId = box.id, .position = at(box), .gauge = gauge,
                       .children = children, .imageFlags = image_flag::kTransparentErase},
            .xSource = {}, .xScale = 0, .ySource = {.token = var::FLAP_POSITION}, .yScale = yScale,
            .xUpdateCallback = nullptr, .yUpdateCallback = nullptr};
}

constexpr IconElement flapHandle(const layout::PictureBox& box, GaugeHeader* gauge) {
    return {.common = {.kind = kIcon, .resourceId = box.id, .position = at(box), .gauge = gauge,
                       .imageFlags = image_flag::kTransparentErase},
            .source = {.token = var::FLAP_HANDLE_POSITION}, .switchType = 0, .pictureCount = layout::kFlapDetents,
            .updateCallback = FlapDetent};
}

// The detent areas, the same boxes in both gauges' flap parents.
struct FlapDetentArea {
    Box box;
    KeyEventId event;
};
constexpr FlapDetentArea kFlapDetentAreas[layout::kFlapDetents] = {
    {{5, 25, 60, 30}, key::FLAPS_UP},
    {{5, 60, 60, 30}, key::FLAPS_DETENT_2},
    {{5, 80, 60, 30}, key::FLAPS_DETENT_3},
    {{5, 140, 60, 30}, key::FLAPS_FULL},
};
constexpr MouseArea flapDetentArea(int detent) {
    return keyArea(kFlapDetentAreas[detent].box, cursor::kHand, mouse_flag::kClick, kFlapDetentAreas[detent].event);
}

// Each detent's area holds the row where that detent's grip is drawn; both gauges' flap parents
// start at the top of the gauge, and both handles stand at the same height.
constexpr bool gripInItsArea(int detent) {
    const int gripY = layout::kFlapHandle.y + layout::kFlapGripY[detent];
    const Box& box = kFlapDetentAreas[detent].box;
    return gripY >= box.y && gripY < box.y + box.height;
}
static_assert(gripInItsArea(0) && gripInItsArea(1) && gripInItsArea(2) && gripInItsArea(3));
static_assert(layout::kQuadrantFlapHandle.y == layout::kFlapHandle.y);
// The dot is drawn before the handle and must show through its pictures.
static_assert(layout::kQuadrantFlapDot.x + layout::kQuadrantFlapDot.width - layout::kQuadrantFlapHandle.x <=
              layout::kFlapHandleArtLeft);
static_assert(layout::kFlapDot.x + layout::kFlapDot.width - layout::kFlapHandle.x <= layout::kFlapHandleArtLeft);

// ---------------------------------------------------------------------------------------------
// PanelC: one chain, drawn mixture, propeller, throttle, flap dot, flap handle.

constinit IconElement quadrantFlapHandle = flapHandle(layout::kQuadrantFlapHandle, &panelC);
constinit Element* const quadrantFlapDotChildren[] = {&quadrantFlapHandle.common, nullptr};
// 116 pixels down with the flaps full.
constinit SliderElement quadrantFlapDot =
    flapDot(layout::kQuadrantFlapDot, &panelC, quadrantFlapDotChildren, 0.00708051);
constinit Element* const throttleChildren[] = {&quadrantFlapDot.common, nullptr};
// Pushed fully in, each knob stands this far left and up: throttle 15, 40; propeller 17, 34;
// mixture 32, 29 pixels.
constinit SliderElement throttleKnob = knob(layout::kThrottleKnob, &panelC, throttleChildren,
                                            var::THROTTLE_LEVER_POSITION, -0.000915583, -0.002441555);
constinit Element* const propellerChildren[] = {&throttleKnob.common, nullptr};
constinit SliderElement propellerKnob = knob(layout::kPropellerKnob, &panelC, propellerChildren,
                                             var::PROPELLER_LEVER_POSITION, -0.001037661, -0.002075322);
constinit Element* const mixtureChildren[] = {&propellerKnob.common, nullptr};
constinit SliderElement mixtureKnob = knob(layout::kMixtureKnob, &panelC, mixtureChildren,
                                           var::MIXTURE_LEVER_POSITION, -0.001953244, -0.001770128);
constinit Element* const quadrantChildren[] = {&mixtureKnob.common, nullptr};
constinit StaticImageElement quadrantPlate = background(layout::kQuadrantPlate.id, &panelC, quadrantChildren);
constinit Element* const quadrantElements[] = {&quadrantPlate.common, nullptr};

constinit const MouseArea quadrantAreas[] = {
    parentArea(kWholeGauge),
    parentArea({0, 180, 380, 170}, 0xAB20),
    functionArea({30, 50, 110, 124}, cursor::kHand, mouse_flag::kClickDrag,
                 KnobDrag<key::THROTTLE_INCREASE, key::THROTTLE_DECREASE, ThrottleDragY>),
    functionArea({160, 50, 120, 124}, cursor::kHand, mouse_flag::kClickDrag,
                 KnobDrag<key::PROPELLER_INCREASE, key::PROPELLER_DECREASE, PropDragY>),
    functionArea({280, 50, 160, 124}, cursor::kHand, mouse_flag::kClickDrag,
                 KnobDrag<key::MIXTURE_INCREASE, key::MIXTURE_DECREASE, MixtureDragY>),
    endOfParent(),
    parentArea({410, 0, 61, 171}, 0xAB7D),
    flapDetentArea(0),
    flapDetentArea(1),
    flapDetentArea(2),
    flapDetentArea(3),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// Flap: the dot, then the handle.

constinit IconElement flapGaugeHandle = flapHandle(layout::kFlapHandle, &flap);
constinit Element* const flapGaugeDotChildren[] = {&flapGaugeHandle.common, nullptr};
// About 111 pixels down with the flaps full.
constinit SliderElement flapGaugeDot = flapDot(layout::kFlapDot, &flap, flapGaugeDotChildren, 0.0068);
constinit Element* const flapChildren[] = {&flapGaugeDot.common, nullptr};
constinit StaticImageElement flapPlate = background(layout::kFlapPlate.id, &flap, flapChildren);
constinit Element* const flapElements[] = {&flapPlate.common, nullptr};

constinit const MouseArea flapAreas[] = {
    parentArea(kWholeGauge, 0xAB7D),
    flapDetentArea(0),
    flapDetentArea(1),
    flapDetentArea(2),
    flapDetentArea(3),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// Primer: the knob head over the bezel and shaft.

constinit IconElement primerKnob = {
    .common = {.kind = kIcon, .resourceId = layout::kPrimerKnob.id, .position = at(layout::kPrimerKnob),
               .gauge = &primer, .imageFlags = image_flag::kTransparentErase},
    .source = {}, .switchType = 0, .pictureCount = 2, .updateCallback = PrimerPicture,
};
constinit Element* const primerChildren[] = {&primerKnob.common, nullptr};
constinit StaticImageElement primerPlate = background(layout::kPrimerPlate.id, &primer, primerChildren);
constinit Element* const primerElements[] = {&primerPlate.common, nullptr};

constinit const MouseArea primerAreas[] = {
    parentArea(kWholeGauge, 0xA03D),
    keyArea({10, 10, 45, 60}, cursor::kHand, mouse_flag::kClick, key::PRIMER),
    endOfParent(),
    endOfList(),
};

}  // namespace

constinit GaugeHeader panelC = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "PanelC", .elementList = quadrantElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 508, .mouseAreas = quadrantAreas, .gaugeCallback = nullptr,
};

constinit GaugeHeader flap = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Flap", .elementList = flapElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 30, .mouseAreas = flapAreas, .gaugeCallback = nullptr,
};

constinit GaugeHeader primer = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Primer", .elementList = primerElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 80, .mouseAreas = primerAreas, .gaugeCallback = nullptr,
};

}  // namespace switch_panel
