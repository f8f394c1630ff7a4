// TrimVmove and TrimHmove: the elevator and rudder trim wheels. Each turns one phase whenever its
// trim moves, whoever moved it, and its two halves trim one way and the other. ElevadorTrim and
// RudderTrim: the tabs that slide with the trims.
//
// Reads:    ELEVATOR_TRIM_POSITION, RUDDER_TRIM_POSITION (with lookup_var for the wheels, bound for the tabs)
// Sends:    ELEVATOR_TRIM_WHEEL_UPPER_HALF, ELEVATOR_TRIM_WHEEL_LOWER_HALF from TrimVmove's halves;
//           RUDDER_TRIM_WHEEL_LEFT_HALF, RUDDER_TRIM_WHEEL_RIGHT_HALF sent by the host for TrimHmove's halves
// Windows:  none
// Module data: ElevatorTrimWheel, RudderTrimWheel
#include <cmath>

#include "gauges.h"
#include "rows.h"
#include "trim_layout.h"

using namespace gauge;

namespace trim_annunciators {

namespace {

namespace layout = trim_layout;

// What a wheel remembers between updates; one record per wheel, shared by every copy of its gauge.
struct TrimWheel {
    ModuleVariable trackedVariable{};
    SINT8 lastFrame{};  // frames run 0 to lastFrame
    SINT8 frame{};
    FLOAT64 lastValue{};
    SINT8 seen{};
};

constexpr SINT8 kLastFrame = 5;

constinit TrimWheel ElevatorTrimWheel = {
    .trackedVariable = {.token = var::ELEVATOR_TRIM_POSITION}, .lastFrame = kLastFrame, .frame = 0, .lastValue = 0,
    .seen = 0,
};
constinit TrimWheel RudderTrimWheel = {
    .trackedVariable = {.token = var::RUDDER_TRIM_POSITION}, .lastFrame = kLastFrame, .frame = 0, .lastValue = 0,
    .seen = 0,
};

// The phase picture a frame shows. Frame f names the picture at base + f; frame 1 names the id
// the wheel has no picture at and holds frame 0's phase. So every frame shows the rim, and the
// frames 0, 2, 3, 4, 5 step through the five phases in turn, both ways round.
constexpr int phaseOfFrame(int frame) { return frame > 1 ? frame - 1 : 0; }
static_assert(
    [] {
        for (int frame = 2; frame <= kLastFrame; ++frame) {
            if (layout::wheelPhaseIds(0)[phaseOfFrame(frame)] != static_cast<std::uint32_t>(frame)) return false;
        }
        return phaseOfFrame(kLastFrame) == layout::kWheelPhaseCount - 1;
    }(),
    "frame f shows the picture at base + f, and the last frame the last phase");

// The wheel steps one frame per update while its trim moves: forward while the value falls, back
// while it rises. A reading that is no number moves nothing and is not kept, so the next real
// reading is compared with the last real one.
template <TrimWheel& wheel>
FLOAT64 GAUGE_CALL WheelFrame(IconElement*) {
    lookup(wheel.trackedVariable);
    const FLOAT64 value = realValue(wheel.trackedVariable);
    if (std::isnan(value)) return phaseOfFrame(wheel.frame);
    if (wheel.seen == 0) {
        wheel.lastValue = value;
        wheel.seen = 1;
        return 0;
    }
    if (value < wheel.lastValue) {
        wheel.frame = wheel.frame == wheel.lastFrame ? 0 : static_cast<SINT8>(wheel.frame + 1);
    } else if (value > wheel.lastValue) {
        wheel.frame = wheel.frame == 0 ? wheel.lastFrame : static_cast<SINT8>(wheel.frame - 1);
    }
    wheel.lastValue = value;
    return phaseOfFrame(wheel.frame);
}

template <KeyEventId event>
BOOL GAUGE_CALL SendTrimEvent(Point*, UINT32) {
    host().trigger_key_event(event, 0);
    return kFalse;
}

constexpr IconElement wheelRim(UINT32 firstPhase, GaugeHeader* gauge, UpdateCallback<IconElement> frame) {
    return {.common = {.kind = kIcon, .resourceId = firstPhase, .position = {0, 0}, .gauge = gauge,
                       .imageFlags = image_flag::kBlackTransparent},
            .source = {.token = 0}, .switchType = 0, .pictureCount = layout::kWheelPhaseCount, .updateCallback = frame};
}

// ---------------------------------------------------------------------------------------------
// TrimVmove: the upright elevator trim wheel; its upper half sends one event, its lower half the other.

constinit IconElement uprightRim = wheelRim(layout::kUprightWheelRim, &trimVmove, WheelFrame<ElevatorTrimWheel>);
constinit Element* const trimVmoveChildren[] = {&uprightRim.common, nullptr};
constinit StaticImageElement trimVmoveBackground =
    background(layout::kUprightWheelBackground, &trimVmove, trimVmoveChildren);
constinit Element* const trimVmoveElements[] = {&trimVmoveBackground.common, nullptr};

// A wheel and its indicator share a tooltip: 0xAB53 the elevator trim's, 0xAB78 the rudder trim's.
constinit const MouseArea trimVmoveMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB53),
    functionArea({0, 0, layout::kWheelThickness, layout::kWheelHalfLength}, cursor::kUpArrow, mouse_flag::kClickRepeat,
                 SendTrimEvent<key::ELEVATOR_TRIM_WHEEL_UPPER_HALF>),
    functionArea({0, layout::kSecondHalfStart, layout::kWheelThickness, layout::kWheelHalfLength}, cursor::kDownArrow,
                 mouse_flag::kClickRepeat, SendTrimEvent<key::ELEVATOR_TRIM_WHEEL_LOWER_HALF>),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// TrimHmove: the flat rudder trim wheel; the host sends its halves' events itself.

constinit IconElement flatRim = wheelRim(layout::kFlatWheelRim, &trimHmove, WheelFrame<RudderTrimWheel>);
constinit Element* const trimHmoveChildren[] = {&flatRim.common, nullptr};
constinit StaticImageElement trimHmoveBackground = background(layout::kFlatWheelBackground, &trimHmove, trimHmoveChildren);
constinit Element* const trimHmoveElements[] = {&trimHmoveBackground.common, nullptr};

constinit const MouseArea trimHmoveMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB78),
    keyArea({0, 0, layout::kWheelHalfLength, layout::kWheelThickness}, cursor::kHand, mouse_flag::kClickRepeat,
            key::RUDDER_TRIM_WHEEL_LEFT_HALF),
    keyArea({layout::kSecondHalfStart, 0, layout::kWheelHalfLength, layout::kWheelThickness}, cursor::kHand,
            mouse_flag::kClickRepeat, key::RUDDER_TRIM_WHEEL_RIGHT_HALF),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// ElevadorTrim: the tab moves 100 pixels down per unit of elevator trim.

constinit SliderElement elevatorTab = {
    .common = {.kind = kSlider, .resourceId = layout::kElevatorTab, .position = {layout::kElevatorTabX, layout::kElevatorTabY},
               .gauge = &elevadorTrim, .imageFlags = image_flag::kTransparentErase},
    .xSource = {.token = 0}, .xScale = 0, .ySource = {.token = var::ELEVATOR_TRIM_POSITION}, .yScale = 100.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = nullptr,
};
constinit Element* const elevadorTrimChildren[] = {&elevatorTab.common, nullptr};
constinit StaticImageElement elevadorTrimBackground = background(layout::kElevatorSlot, &elevadorTrim, elevadorTrimChildren);
constinit Element* const elevadorTrimElements[] = {&elevadorTrimBackground.common, nullptr};

constinit const MouseArea elevadorTrimMouseAreas[] = {parentArea(kWholeGauge, 0xAB53), endOfParent(), endOfList()};

// ---------------------------------------------------------------------------------------------
// RudderTrim: the tab moves 80 pixels right per unit of rudder trim.

constinit SliderElement rudderTab = {
    .common = {.kind = kSlider, .resourceId = layout::kRudderTab, .position = {layout::kRudderTabX, layout::kRudderTabY},
               .gauge = &rudderTrim, .imageFlags = image_flag::kTransparentErase},
    .xSource = {.token = var::RUDDER_TRIM_POSITION}, .xScale = 80.0, .ySource = {.token = 0}, .yScale = 0,
    .xUpdateCallback = nullptr, .yUpdateCallback = nullptr,
};
constinit Element* const rudderTrimChildren[] = {&rudderTab.common, nullptr};
constinit StaticImageElement rudderTrimBackground = background(layout::kRudderStrip, &rudderTrim, rudderTrimChildren);
constinit Element* const rudderTrimElements[] = {&rudderTrimBackground.common, nullptr};

constinit const MouseArea rudderTrimMouseAreas[] = {parentArea(kWholeGauge, 0xAB78), endOfParent(), endOfList()};

}  // namespace

GaugeHeader trimVmove = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "TrimVmove", .elementList = trimVmoveElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 20, .mouseAreas = trimVmoveMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader trimHmove = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "TrimHmove", .elementList = trimHmoveElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = trimHmoveMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader elevadorTrim = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "ElevadorTrim", .elementList = elevadorTrimElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 10, .mouseAreas = elevadorTrimMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader rudderTrim = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RudderTrim", .elementList = rudderTrimElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 100, .mouseAreas = rudderTrimMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace trim_annunciators
