// VeskarZ3V2: the engine strips, the fuel-flow computer, the engine controls and the window
// buttons. Its gauge list; EngineL comes first, so the forwarding routines of every gauge act on
// the left engine strip's element list.
#include "engine_cabin_gauges.h"

using namespace engine_cabin;

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&engineL, &engineR, &carbheat, &fuelFlow,
               &windowToggles[kToggle10], &windowToggles[kToggle20], &windowToggles[kToggle25],
               &windowToggles[kToggle30], &windowToggles[kToggle40], &windowToggles[kToggle45],
               &windowToggles[kToggle50], &windowToggles[kToggle55], &windowToggles[kToggle65],
               &windowToggles[kToggle75], &windowToggles[kToggle200], &windowToggles[kToggle1009],
               &windowToggles[kToggle1040], &windowToggles[kToggle1100], &windowToggles[kToggle1110],
               &sequenceButtons[kToggleOpen1012], &iconStrips[kToggleIcon], &windowToggles[kToggleRadio],
               &sequenceButtons[kToggleOpen], &sequenceButtons[kToggleClose], &start, &cowlFlap, &openPanel,
               &iconStrips[kToggleIconVFR], &swBeaconReco, nullptr},
};
