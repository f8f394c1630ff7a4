// VeskarZ3V4: the switch panel. Its gauge list; Primer comes first, so the forwarding routines of
// every gauge act on the primer's element list.
#include "switch_gauges.h"

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&switch_panel::primer, &switch_panel::swLand, &switch_panel::swNav, &switch_panel::swStrobe,
               &switch_panel::swPitotHeat, &switch_panel::swBeacon, &switch_panel::swAvionics, &switch_panel::swTaxi,
               &switch_panel::panelC, &switch_panel::swPanelLight, &switch_panel::swMaster, &switch_panel::succion,
               &switch_panel::garmin, &switch_panel::swFuelPump, &switch_panel::swFuelPumpHigh,
               &switch_panel::swPanel0, &switch_panel::swPanel1, &switch_panel::flap, &switch_panel::garminVfr,
               nullptr},
};
