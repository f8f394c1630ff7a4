// SWfuelph: the high-boost position of the auxiliary fuel pump switch. It sends no key event: its
// state lives in the module and is exchanged through two named variables with a party outside the
// set (the virtual cockpit). "SWFuelPumpHigh" carries the state this switch last published;
// "VC_Click" set to 1 from outside asks the switch to flip, and the switch sets it back to 0.
// A click only marks a flip as pending; the flip, and every exchange, happens at the next update.
//
// Reads:    the named variable "VC_Click"
// Writes:   the named variables "SWFuelPumpHigh" and "VC_Click"
// Sends:    nothing
// Windows:  none
// Module data: FuelPumpHighOn, FuelPumpHighClick, VcClickValue, FuelPumpHighPublished, VcClickId,
//              FuelPumpHighId
#include "fuel_pump_high_layout.h"
#include "switch_gauges.h"

using namespace gauge;

namespace switch_panel {

namespace {

constexpr char kFuelPumpHighName[] = "SWFuelPumpHigh";
constexpr char kVcClickName[] = "VC_Click";

// Shared by every copy of the gauge, and kept across the panel's re-initialisations.
constinit SINT32 FuelPumpHighOn = 0;
constinit SINT32 FuelPumpHighClick = 0;  // 1: a click waits for the next update
constinit SINT32 VcClickValue = 0;
constinit SINT32 FuelPumpHighPublished = 0;
constinit SINT32 VcClickId = 0;
constinit SINT32 FuelPumpHighId = 0;

void GAUGE_CALL NamedVariableSync(GaugeHeader*, ServiceCode code, UINT32) {
    if (code == service_code::kPreInitialize) {
        // Creates the variables when they do not exist yet, and republishes what was last seen and written.
        FuelPumpHighId = host().register_named_variable(kFuelPumpHighName);
        VcClickId = host().register_named_variable(kVcClickName);
        host().set_named_variable_value(VcClickId, VcClickValue);
        host().set_named_variable_value(FuelPumpHighId, FuelPumpHighPublished);
        return;
    }
    if (code != service_code::kPreUpdate) return;
    VcClickId = host().check_named_variable(kVcClickName);
    FuelPumpHighId = host().check_named_variable(kFuelPumpHighName);
    VcClickValue = truncateToInt32(host().get_named_variable_value(VcClickId));
    if (FuelPumpHighClick == 1) {
        FuelPumpHighOn = 1 - FuelPumpHighOn;
        FuelPumpHighClick = 0;
        FuelPumpHighPublished = FuelPumpHighOn;
        host().set_named_variable_value(FuelPumpHighId, FuelPumpHighPublished);
    }
    // An outside request flips the switch without publishing: the requester knows what it asked for.
    if (VcClickValue == 1) {
        FuelPumpHighOn = 1 - FuelPumpHighOn;
        VcClickValue = 0;
        host().set_named_variable_value(VcClickId, 0);
    }
}

FLOAT64 GAUGE_CALL FuelPumpHighPicture(IconElement*) { return FuelPumpHighOn; }

// Two clicks before an update cancel each other.
BOOL GAUGE_CALL FuelPumpHighPress(Point*, UINT32) {
    FuelPumpHighClick = 1 - FuelPumpHighClick;
    return kFalse;
}

constinit IconElement fuelPumpHighRocker = {
    .common = {.kind = kIcon, .resourceId = layout::kFuelPumpHighRocker.id,
               .position = at(layout::kFuelPumpHighRocker), .gauge = &swFuelPumpHigh,
               .imageFlags = image_flag::kTransparentErase},
    .source = {}, .switchType = 0, .pictureCount = 2, .updateCallback = FuelPumpHighPicture,
};
constinit Element* const fuelPumpHighChildren[] = {&fuelPumpHighRocker.common, nullptr};
constinit StaticImageElement fuelPumpHighPlate =
    background(layout::kFuelPumpHighPlate.id, &swFuelPumpHigh, fuelPumpHighChildren);
constinit Element* const fuelPumpHighElements[] = {&fuelPumpHighPlate.common, nullptr};

// The tooltip is the normal fuel pump switch's.
constinit const MouseArea fuelPumpHighAreas[] = {
    parentArea(kWholeGauge, 0xAB67),
    functionArea({0, 0, 16, 51}, cursor::kHand, mouse_flag::kClick, FuelPumpHighPress),
    endOfParent(),
    endOfList(),
};

}  // namespace

constinit GaugeHeader swFuelPumpHigh = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "SWfuelph", .elementList = fuelPumpHighElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 16, .mouseAreas = fuelPumpHighAreas,
    .gaugeCallback = NamedVariableSync,
};

}  // namespace switch_panel
