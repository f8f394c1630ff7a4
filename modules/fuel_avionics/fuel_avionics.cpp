// VeskarZ3V3: the fuel tank selector panel and the avionics master switch. Both gauges draw only their
// moving part over all-black backgrounds, so the panel picture around them stays visible. PanelFuel
// shows the selector handle pointing at the selected tank, selects a tank from three areas around the
// handle's pivot and sends the start-up selection once per load; Avionics shows and toggles the
// avionics master.
//
// Reads:    FUEL_TANK_SELECTOR_POSITION (the handle), AVIONICS_MASTER_SWITCH (the switch)
// Sends:    FUEL_SELECTOR_LEFT (also at start-up), FUEL_SELECTOR_DOWN, FUEL_SELECTOR_RIGHT,
//           AVIONICS_MASTER_TOGGLE
// Windows:  40 toggled by PanelFuel's window area
// Module data: FuelSelectorStartPending
#include "fuel_avionics_layout.h"
#include "module.h"
#include "rows.h"

using namespace gauge;

namespace fuel_avionics {

extern GaugeHeader panelFuel;
extern GaugeHeader avionics;

namespace {

constexpr PanelWindowId kFuelWindow = 40;

// 1 until PanelFuel's first PreInitialize after the module is loaded has sent the start-up selection.
constinit SINT8 FuelSelectorStartPending = 1;

// Selector positions 1 and 2, and any value the handle has no picture for, show the handle left.
FLOAT64 GAUGE_CALL FuelSelectorPicture(IconElement* selector) {
    switch (integerValue(selector->source)) {
        case 0: return 0;  // handle down
        case 3: return 2;  // handle right
        default: return 1;  // handle left
    }
}

void GAUGE_CALL PanelFuelCallback(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreInitialize) return;
    if (FuelSelectorStartPending == 1) {
        host().trigger_key_event(key::FUEL_SELECTOR_LEFT, 1);
        FuelSelectorStartPending = 0;
    }
}

BOOL GAUGE_CALL FuelWindowClick(Point*, UINT32) { return host().panel_window_toggle(kFuelWindow); }

// ---------------------------------------------------------------------------------------------
// PanelFuel: the handle over the all-black background.

constinit IconElement panelFuelHandle = {
    .common = {.kind = kIcon, .resourceId = layout::kFuelHandle.id, .position = at(layout::kFuelHandle),
               .gauge = &panelFuel, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::FUEL_TANK_SELECTOR_POSITION}, .switchType = 0, .pictureCount = 3,
    .updateCallback = FuelSelectorPicture,
};
constinit Element* const panelFuelChildren[] = {&panelFuelHandle.common, nullptr};
constinit StaticImageElement panelFuelBackground = background(layout::kFuelBackground.id, &panelFuel, panelFuelChildren);
constinit Element* const panelFuelElements[] = {&panelFuelBackground.common, nullptr};

constinit const MouseArea panelFuelMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB2D),
    keyArea(box(layout::kLeftTankArea), cursor::kHand, mouse_flag::kClick, key::FUEL_SELECTOR_LEFT),
    keyArea(box(layout::kDownTankArea), cursor::kHand, mouse_flag::kClick, key::FUEL_SELECTOR_DOWN),
    keyArea(box(layout::kRightTankArea), cursor::kHand, mouse_flag::kClick, key::FUEL_SELECTOR_RIGHT),
    functionArea(box(layout::kFuelWindowArea), cursor::kHand, mouse_flag::kClick, FuelWindowClick),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// Avionics: the switch variable's value is the picture index (0 lever down, 1 lever up).

constinit IconElement avionicsSwitch = {
    .common = {.kind = kIcon, .resourceId = layout::kSwitch.id, .position = at(layout::kSwitch),
               .gauge = &avionics, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::AVIONICS_MASTER_SWITCH}, .switchType = 0, .pictureCount = 2, .updateCallback = nullptr,
};
constinit Element* const avionicsChildren[] = {&avionicsSwitch.common, nullptr};
constinit StaticImageElement avionicsBackground = background(layout::kSwitchBackground.id, &avionics, avionicsChildren);
constinit Element* const avionicsElements[] = {&avionicsBackground.common, nullptr};

constinit const MouseArea avionicsMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB0F),
    keyArea(box(layout::kSwitchArea), cursor::kHand, mouse_flag::kClick, key::AVIONICS_MASTER_TOGGLE),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader panelFuel = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "PanelFuel", .elementList = panelFuelElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 500, .mouseAreas = panelFuelMouseAreas,
    .gaugeCallback = PanelFuelCallback,
};

GaugeHeader avionics = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Avionics", .elementList = avionicsElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 30, .mouseAreas = avionicsMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace fuel_avionics

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&fuel_avionics::panelFuel, &fuel_avionics::avionics, nullptr},
};
