// VeskarZ3V5: the landing-gear panel. GearPos shows the lever and the WATER, PUMP ON and LAND lamps
// and selects the gear with its lever areas; GearPosVC shows the lamps and sends the gear events.
#include "module.h"

using namespace gauge;

namespace landing_gear {

extern GaugeHeader gearPos;
extern GaugeHeader gearPosVC;

// Two-state host value that key event 0x103B2 toggles: the lever keeps it at 1 while the gear is
// selected up and at 0 while it is selected down.
ModuleVariable GearCompanionVar = {.token = 0x387};

constexpr KeyEventId kGearUp = 0x1021F;
constexpr KeyEventId kGearDown = 0x10220;
constexpr KeyEventId kToggleGearCompanion = 0x103B2;
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
    host().trigger_key_event(kGearUp, 1);
    lookup(GearCompanionVar);
    if (realValue(GearCompanionVar) == 0.0) host().trigger_key_event(kToggleGearCompanion, 1);
    return kFalse;
}

BOOL GAUGE_CALL GearDownClick(Point*, UINT32) {
    host().trigger_key_event(kGearDown, 1);
    lookup(GearCompanionVar);
    if (realValue(GearCompanionVar) == 1.0) host().trigger_key_event(kToggleGearCompanion, 1);
    return kFalse;
}

BOOL GAUGE_CALL GearWindowClick(Point*, UINT32) {
    host().panel_window_toggle(kGearWindow);
    return kFalse;
}

// ---------------------------------------------------------------------------------------------
// The lamps: the three icons stand alike in both gauges, each gauge with its own copy of them and of
// their failure list.
template <GaugeHeader* owner>
const FailureRecord lampFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};
template <GaugeHeader* owner>
IconElement landLamps = {
    .common = {.kind = kIcon, .resourceId = 0x136, .position = {109, 332}, .gauge = owner,
               .failures = lampFailures<owner>, .imageFlags = 0x7},
    .source = {.token = 0x14D}, .switchType = 0, .pictureCount = 1, .updateCallback = LandLamps,
};
template <GaugeHeader* owner>
IconElement waterLamps = {
    .common = {.kind = kIcon, .resourceId = 0x138, .position = {109, 93}, .gauge = owner,
               .failures = lampFailures<owner>, .imageFlags = 0x7},
    .source = {.token = 0x14D}, .switchType = 0, .pictureCount = 1, .updateCallback = WaterLamps,
};
template <GaugeHeader* owner>
IconElement pumpLamp = {
    .common = {.kind = kIcon, .resourceId = 0x141, .position = {61, 214}, .gauge = owner,
               .failures = lampFailures<owner>, .imageFlags = 0x7},
    .source = {.token = 0x14D}, .switchType = 0, .pictureCount = 1, .updateCallback = PumpLamp,
};

// ---------------------------------------------------------------------------------------------
// GearPos: the lever, then the lamps.

IconElement gearPosLever = {
    .common = {.kind = kIcon, .resourceId = 0x132, .position = {337, 157}, .gauge = &gearPos,
               .imageFlags = 0x3},
    .source = {.token = 0x14B}, .switchType = 0, .pictureCount = 2, .updateCallback = LeverPicture,
};
Element* const gearPosChildren[] = {
    &gearPosLever.common, &landLamps<&gearPos>.common, &waterLamps<&gearPos>.common,
    &pumpLamp<&gearPos>.common, nullptr,
};
StaticImageElement gearPosBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x130, .position = {0, 0}, .gauge = &gearPos,
               .children = gearPosChildren, .imageFlags = 0x1},
};
Element* const gearPosElements[] = {&gearPosBackground.common, nullptr};

const MouseArea gearPosMouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xAB30},
    {.kind = kChild, .box = {337, 50, 60, 100}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = GearUpClick}},
    {.kind = kChild, .box = {337, 150, 60, 100}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = GearDownClick}},
    {.kind = kChild, .box = {85, 65, 120, 200}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = GearWindowClick}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

GaugeHeader gearPos = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "GearPos", .elementList = gearPosElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = gearPosMouseAreas,
    .gaugeCallback = nullptr,
};

// ---------------------------------------------------------------------------------------------
// GearPosVC: the same lamps, no lever picture, and the gear events sent straight from its areas.

Element* const gearPosVCChildren[] = {
    &landLamps<&gearPosVC>.common, &waterLamps<&gearPosVC>.common, &pumpLamp<&gearPosVC>.common, nullptr,
};
StaticImageElement gearPosVCBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x130, .position = {0, 0}, .gauge = &gearPosVC,
               .children = gearPosVCChildren, .imageFlags = 0x1},
};
Element* const gearPosVCElements[] = {&gearPosVCBackground.common, nullptr};

const MouseArea gearPosVCMouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xAB30},
    {.kind = kChild, .box = {337, 50, 60, 100}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .keyEvent = kGearUp},
    {.kind = kChild, .box = {337, 150, 60, 100}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .keyEvent = kGearDown},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

GaugeHeader gearPosVC = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "GearPosVC", .elementList = gearPosVCElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = gearPosVCMouseAreas,
    .gaugeCallback = nullptr,
};

}  // namespace landing_gear

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&landing_gear::gearPos, &landing_gear::gearPosVC, nullptr},
};
