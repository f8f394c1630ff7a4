// VeskarZ3V5: the landing-gear panel. GearPos shows the lever and the WATER, PUMP ON and LAND lamps
// and selects the gear with its lever areas; GearPosVC shows the lamps and sends the gear events.
//
// Reads:    GEAR_EXTENSION (the lamps), GEAR_HANDLE_POSITION (the lever picture),
//           GEAR_LEVER_COMPANION (with lookup_var, before a lever click)
// Sends:    GEAR_UP, GEAR_DOWN, GEAR_COMPANION_TOGGLE
// Windows:  1011 toggled by GearPos's lamp area
// Module data: GearCompanionVar
#include "gear_layout.h"
#include "module.h"
#include "rows.h"

using namespace gauge;

namespace landing_gear {

extern GaugeHeader gearPos;
extern GaugeHeader gearPosVC;

namespace {

// Two-state host value that GEAR_COMPANION_TOGGLE flips: the lever keeps it at 1 while the gear is
// selected up and at 0 while it is selected down.
constinit ModuleVariable GearCompanionVar = {.token = var::GEAR_LEVER_COMPANION};

constexpr PanelWindowId kGearWindow = 1011;

// 10 %, 90 %, 5 % and 95 % of the full extension of 16383.
constexpr FLOAT64 kWaterLampsBelow = 1638.3;
constexpr FLOAT64 kLandLampsAbove = 14744.7;
constexpr FLOAT64 kPumpRunsAbove = 819.15;
constexpr FLOAT64 kPumpRunsBelow = 15563.85;

FLOAT64 GAUGE_CALL LeverPicture(IconElement* lever) { return realValue(lever->source) > 0 ? 1 : 0; }

FLOAT64 GAUGE_CALL WaterLamps(IconElement* lamps) {
    return realValue(lamps->source) < kWaterLampsBelow ? 0 : -1;
}

FLOAT64 GAUGE_CALL LandLamps(IconElement* lamps) {
    return realValue(lamps->source) > kLandLampsAbove ? 0 : -1;
}

// The pump runs while the gear is between 5 % and 95 % extended, overlapping both lamp pairs.
FLOAT64 GAUGE_CALL PumpLamp(IconElement* lamp) {
    const FLOAT64 extension = realValue(lamp->source);
    return extension > kPumpRunsAbove && extension < kPumpRunsBelow ? 0 : -1;
}

BOOL GAUGE_CALL GearUpClick(Point*, UINT32) {
    host().trigger_key_event(key::GEAR_UP, 1);
    lookup(GearCompanionVar);
    if (realValue(GearCompanionVar) == 0.0) host().trigger_key_event(key::GEAR_COMPANION_TOGGLE, 1);
    return kFalse;
}

BOOL GAUGE_CALL GearDownClick(Point*, UINT32) {
    host().trigger_key_event(key::GEAR_DOWN, 1);
    lookup(GearCompanionVar);
    if (realValue(GearCompanionVar) == 1.0) host().trigger_key_event(key::GEAR_COMPANION_TOGGLE, 1);
    return kFalse;
}

BOOL GAUGE_CALL GearWindowClick(Point*, UINT32) {
    host().panel_window_toggle(kGearWindow);
    return kFalse;
}

// ---------------------------------------------------------------------------------------------
// The lamps stand alike in both gauges. An element belongs to one gauge and carries the host's
// drawing state, so each gauge has its own three; they share one failure list.

constinit const FailureRecord lampFailures[] = {failure(20, 3), kEndOfFailures};

struct GearPosGauge {
    static constexpr GaugeHeader* gauge = &gearPos;
};
struct GearPosVCGauge {
    static constexpr GaugeHeader* gauge = &gearPosVC;
};

template <class Gauge>
constinit IconElement landLamps =
    lamp(layout::kLandLamps.id, at(layout::kLandLamps), Gauge::gauge, var::GEAR_EXTENSION, LandLamps, lampFailures);
template <class Gauge>
constinit IconElement waterLamps =
    lamp(layout::kWaterLamps.id, at(layout::kWaterLamps), Gauge::gauge, var::GEAR_EXTENSION, WaterLamps, lampFailures);
template <class Gauge>
constinit IconElement pumpLamp =
    lamp(layout::kPumpLamp.id, at(layout::kPumpLamp), Gauge::gauge, var::GEAR_EXTENSION, PumpLamp, lampFailures);

// ---------------------------------------------------------------------------------------------
// GearPos: the lever, then the lamps.

constinit IconElement gearPosLever = {
    .common = {.kind = kIcon, .resourceId = layout::kLever.id, .position = at(layout::kLever), .gauge = &gearPos,
               .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::GEAR_HANDLE_POSITION}, .switchType = 0, .pictureCount = 2, .updateCallback = LeverPicture,
};
constinit Element* const gearPosChildren[] = {
    &gearPosLever.common, &landLamps<GearPosGauge>.common, &waterLamps<GearPosGauge>.common,
    &pumpLamp<GearPosGauge>.common, nullptr,
};
constinit StaticImageElement gearPosBackground = background(layout::kPlate, &gearPos, gearPosChildren);
constinit Element* const gearPosElements[] = {&gearPosBackground.common, nullptr};

constinit const MouseArea gearPosMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB30),
    functionArea({337, 50, 60, 100}, cursor::kUpArrow, mouse_flag::kClick, GearUpClick),
    functionArea({337, 150, 60, 100}, cursor::kDownArrow, mouse_flag::kClick, GearDownClick),
    functionArea({85, 65, 120, 200}, cursor::kHand, mouse_flag::kClick, GearWindowClick),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// GearPosVC: the same lamps, no lever picture, and the gear events sent straight from its areas.

constinit Element* const gearPosVCChildren[] = {
    &landLamps<GearPosVCGauge>.common, &waterLamps<GearPosVCGauge>.common, &pumpLamp<GearPosVCGauge>.common,
    nullptr,
};
constinit StaticImageElement gearPosVCBackground = background(layout::kPlate, &gearPosVC, gearPosVCChildren);
constinit Element* const gearPosVCElements[] = {&gearPosVCBackground.common, nullptr};

constinit const MouseArea gearPosVCMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB30),
    keyArea({337, 50, 60, 100}, cursor::kUpArrow, mouse_flag::kClick, key::GEAR_UP),
    keyArea({337, 150, 60, 100}, cursor::kDownArrow, mouse_flag::kClick, key::GEAR_DOWN),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader gearPos = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "GearPos", .elementList = gearPosElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = gearPosMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader gearPosVC = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "GearPosVC", .elementList = gearPosVCElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = gearPosVCMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace landing_gear

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&landing_gear::gearPos, &landing_gear::gearPosVC, nullptr},
};
