// The engine controls: the carburettor heat knob Carbheat, the ignition key start, the cowl flap
// lever CowlFlap and the beacon rocker SWbeaconReco. Each shows its host variable over a
// transparent background and sends key events straight from its click areas. SWbeaconReco also
// keeps a second beacon value in step: at every update while it differs from the switch, it asks
// the host to bring it over.
//
// Reads:    CARBURETTOR_HEAT, IGNITION_KEY_POSITION, COWL_FLAP_POSITION, BEACON_LIGHT_SWITCH (the icons'
//           own variables); BEACON_LIGHT_REFERENCE and BEACON_LIGHT_SWITCH (with lookup_var, each update)
// Sends:    CARB_HEAT_TOGGLE, IGNITION_KEY_LEFT, IGNITION_KEY_RIGHT, COWL_FLAP_KNOB_UP, COWL_FLAP_KNOB_DOWN,
//           BEACON_TOGGLE (from their areas); BEACON_COMPANION_SYNC (SWbeaconReco, while the two differ)
// Windows:  none
// Module data: BeaconReferenceVar, BeaconSwitchVar
#include "controls_layout.h"
#include "engine_cabin_gauges.h"
#include "rows.h"

using namespace gauge;

namespace engine_cabin {

namespace {

namespace layout = controls_layout;

constinit ModuleVariable BeaconReferenceVar = {.token = var::BEACON_LIGHT_REFERENCE};
constinit ModuleVariable BeaconSwitchVar = {.token = var::BEACON_LIGHT_SWITCH};

constexpr UINT32 kKeyPositions = 5;
constexpr FLOAT64 kCowlFlapKnobTop = 0;
constexpr FLOAT64 kCowlFlapKnobMiddle = 1;
constexpr FLOAT64 kCowlFlapKnobBottom = 2;

// Positions 0 to 4 show their own picture; anything else, negative values included, the first.
FLOAT64 GAUGE_CALL KeyPosition(IconElement* key) {
    const auto position = static_cast<UINT32>(integerValue(key->source));
    return position < kKeyPositions ? position : 0;
}

// Only exactly open and exactly closed show the knob at an end of its travel.
FLOAT64 GAUGE_CALL CowlFlapPosition(IconElement* knob) {
    const FLOAT64 position = realValue(knob->source);
    if (position == 1.0) return kCowlFlapKnobTop;
    if (position == 0) return kCowlFlapKnobBottom;
    return kCowlFlapKnobMiddle;
}

void GAUGE_CALL BeaconRecoCallback(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreUpdate) return;
    lookup(BeaconReferenceVar);
    lookup(BeaconSwitchVar);
    if (integerValue(BeaconReferenceVar) != integerValue(BeaconSwitchVar)) {
        host().trigger_key_event(key::BEACON_COMPANION_SYNC, 1);
    }
}

// A control: its picture series over a transparent background of the same size.
constexpr IconElement controlIcon(const layout::Control& control, Point position, GaugeHeader* gauge,
                                  HostVariableToken source, SINT32 switchType, UpdateCallback<IconElement> callback,
                                  const FailureRecord* failures) {
    return {.common = {.kind = kIcon, .resourceId = control.firstPicture, .position = position, .gauge = gauge,
                       .failures = failures, .imageFlags = image_flag::kTransparentErase},
            .source = {.token = source}, .switchType = switchType, .pictureCount = control.pictureCount,
            .updateCallback = callback};
}

constexpr GaugeHeader controlGauge(const char* name, Element* const* elements, UINT32 defaultWidthMm,
                                   const MouseArea* mouseAreas, GaugeCallback callback = nullptr) {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = name, .elementList = elements,
            GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = defaultWidthMm, .mouseAreas = mouseAreas,
            .gaugeCallback = callback};
}

// ---------------------------------------------------------------------------------------------
// Carbheat: the variable's value is the picture, 0 pushed in, 1 pulled out.

constinit const FailureRecord carbheatFailures[] = {failure(2, 2), kEndOfFailures};
constinit IconElement carbheatKnob = controlIcon(layout::kCarbheat, {layout::kCarbheatKnobX, 0}, &carbheat,
                                                 var::CARBURETTOR_HEAT, 0, nullptr, carbheatFailures);
constinit Element* const carbheatChildren[] = {&carbheatKnob.common, nullptr};
constinit StaticImageElement carbheatBackground = background(layout::kCarbheat.background, &carbheat, carbheatChildren);
constinit Element* const carbheatElements[] = {&carbheatBackground.common, nullptr};

constinit const MouseArea carbheatMouseAreas[] = {
    parentArea(kWholeGauge, 0xA00F),
    keyArea({0, 0, layout::kCarbheat.width, layout::kCarbheat.height}, cursor::kHand, mouse_flag::kClick,
            key::CARB_HEAT_TOGGLE),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// start: the key turns left once a click, and right again and again while the button is held.

constinit const FailureRecord keyFailures[] = {failure(2, 0), kEndOfFailures};
// Switch type 3 is the host's own way of drawing the magneto key.
constinit IconElement ignitionKey =
    controlIcon(layout::kStart, {0, 0}, &start, var::IGNITION_KEY_POSITION, 3, KeyPosition, keyFailures);
constinit Element* const startChildren[] = {&ignitionKey.common, nullptr};
constinit StaticImageElement startBackground = background(layout::kStart.background, &start, startChildren);
constinit Element* const startElements[] = {&startBackground.common, nullptr};

constinit const MouseArea startMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB45),
    keyArea({0, 0, 88, 150}, cursor::kDownArrow, mouse_flag::kClick, key::IGNITION_KEY_LEFT),
    keyArea({110, 0, 88, 150}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::IGNITION_KEY_RIGHT),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// CowlFlap: the band between the two areas answers nothing.

constinit IconElement cowlFlapKnob =
    controlIcon(layout::kCowlFlap, {0, 0}, &cowlFlap, var::COWL_FLAP_POSITION, 0, CowlFlapPosition, nullptr);
constinit Element* const cowlFlapChildren[] = {&cowlFlapKnob.common, nullptr};
constinit StaticImageElement cowlFlapBackground = background(layout::kCowlFlap.background, &cowlFlap, cowlFlapChildren);
constinit Element* const cowlFlapElements[] = {&cowlFlapBackground.common, nullptr};

constinit const MouseArea cowlFlapMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB19),
    keyArea({10, layout::kCowlFlapUpperAreaY, 65, layout::kCowlFlapAreaHeight}, cursor::kUpArrow, mouse_flag::kClick,
            key::COWL_FLAP_KNOB_UP),
    keyArea({10, layout::kCowlFlapLowerAreaY, 65, layout::kCowlFlapAreaHeight}, cursor::kDownArrow, mouse_flag::kClick,
            key::COWL_FLAP_KNOB_DOWN),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// SWbeaconReco: the same rocker as the switch panel's beacon switch.

constinit IconElement beaconRocker =
    controlIcon(layout::kBeaconRocker, {0, 0}, &swBeaconReco, var::BEACON_LIGHT_SWITCH, 0, nullptr, nullptr);
constinit Element* const beaconChildren[] = {&beaconRocker.common, nullptr};
constinit StaticImageElement beaconBackground =
    background(layout::kBeaconRocker.background, &swBeaconReco, beaconChildren);
constinit Element* const beaconElements[] = {&beaconBackground.common, nullptr};

constinit const MouseArea beaconMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB3D),
    keyArea({0, 0, layout::kBeaconRocker.width, layout::kBeaconRocker.height}, cursor::kHand, mouse_flag::kClick,
            key::BEACON_TOGGLE),
    endOfParent(),
    endOfList(),
};

}  // namespace

constinit GaugeHeader carbheat = controlGauge("Carbheat", carbheatElements, 100, carbheatMouseAreas);
constinit GaugeHeader start = controlGauge("start", startElements, 50, startMouseAreas);
constinit GaugeHeader cowlFlap = controlGauge("CowlFlap", cowlFlapElements, 82, cowlFlapMouseAreas);
constinit GaugeHeader swBeaconReco = controlGauge("SWbeaconReco", beaconElements, 30, beaconMouseAreas, BeaconRecoCallback);

}  // namespace engine_cabin
