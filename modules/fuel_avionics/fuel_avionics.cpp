// VeskarZ3V3: the fuel tank selector panel and the avionics master switch. Both gauges draw only their
// moving part over all-black backgrounds, so the panel picture around them stays visible.
#include "module.h"

using namespace gauge;

namespace fuel_avionics {

extern GaugeHeader panelFuel;
extern GaugeHeader avionics;

constexpr KeyEventId kSelectLeftTank = 0x101A5;
constexpr KeyEventId kSelectBothTanks = 0x101A3;
constexpr KeyEventId kSelectRightTank = 0x101A6;
constexpr KeyEventId kToggleAvionicsMaster = 0x102F5;
constexpr PanelWindowId kFuelWindow = 40;

// 1 until PanelFuel's first PreInitialize after the module is loaded has sent the start-up selection.
SINT8 FuelSelectorStartPending = 1;

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
        host().trigger_key_event(kSelectLeftTank, 1);
        FuelSelectorStartPending = 0;
    }
}

BOOL GAUGE_CALL FuelWindowClick(Point*, UINT32) { return host().panel_window_toggle(kFuelWindow); }

// ---------------------------------------------------------------------------------------------
// PanelFuel

IconElement panelFuelHandle = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {63, 0}, .gauge = &panelFuel,
               .imageFlags = 0x3},
    .source = {.token = 0x133}, .switchType = 0, .pictureCount = 3, .updateCallback = FuelSelectorPicture,
};
Element* const panelFuelChildren[] = {&panelFuelHandle.common, nullptr};
StaticImageElement panelFuelBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x100, .position = {0, 0}, .gauge = &panelFuel,
               .children = panelFuelChildren, .imageFlags = 0x1},
};
Element* const panelFuelElements[] = {&panelFuelBackground.common, nullptr};

const MouseArea panelFuelMouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xAB2D},
    {.kind = kChild, .box = {50, 30, 100, 70}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .keyEvent = kSelectLeftTank},
    {.kind = kChild, .box = {170, 110, 100, 70}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .keyEvent = kSelectBothTanks},
    {.kind = kChild, .box = {300, 30, 100, 70}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .keyEvent = kSelectRightTank},
    {.kind = kChild, .box = {400, 225, 50, 45}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = FuelWindowClick}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

GaugeHeader panelFuel = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "PanelFuel", .elementList = panelFuelElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 500, .mouseAreas = panelFuelMouseAreas,
    .gaugeCallback = PanelFuelCallback,
};

// ---------------------------------------------------------------------------------------------
// Avionics: the switch variable's value is the picture index (0 lever down, 1 lever up).

IconElement avionicsSwitch = {
    .common = {.kind = kIcon, .resourceId = 0x117, .position = {0, 0}, .gauge = &avionics,
               .imageFlags = 0x3},
    .source = {.token = 0x2E4}, .switchType = 0, .pictureCount = 2, .updateCallback = nullptr,
};
Element* const avionicsChildren[] = {&avionicsSwitch.common, nullptr};
StaticImageElement avionicsBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x116, .position = {0, 0}, .gauge = &avionics,
               .children = avionicsChildren, .imageFlags = 0x1},
};
Element* const avionicsElements[] = {&avionicsBackground.common, nullptr};

const MouseArea avionicsMouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xAB0F},
    {.kind = kChild, .box = {0, 0, 21, 28}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .keyEvent = kToggleAvionicsMaster},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

GaugeHeader avionics = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Avionics", .elementList = avionicsElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 30, .mouseAreas = avionicsMouseAreas,
    .gaugeCallback = nullptr,
};

}  // namespace fuel_avionics

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&fuel_avionics::panelFuel, &fuel_avionics::avionics, nullptr},
};
