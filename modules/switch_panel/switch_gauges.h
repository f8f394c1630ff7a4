// The nineteen gauge headers of VeskarZ3V4, each defined in its unit's file and listed in Linkage,
// and what the units' gauge files share.
#pragma once

#include "module.h"
#include "rows.h"

namespace switch_panel {

extern gauge::GaugeHeader primer;
extern gauge::GaugeHeader swLand;
extern gauge::GaugeHeader swNav;
extern gauge::GaugeHeader swStrobe;
extern gauge::GaugeHeader swPitotHeat;
extern gauge::GaugeHeader swBeacon;
extern gauge::GaugeHeader swAvionics;
extern gauge::GaugeHeader swTaxi;
extern gauge::GaugeHeader panelC;
extern gauge::GaugeHeader swPanelLight;
extern gauge::GaugeHeader swMaster;
extern gauge::GaugeHeader succion;
extern gauge::GaugeHeader garmin;
extern gauge::GaugeHeader swFuelPump;
extern gauge::GaugeHeader swFuelPumpHigh;
extern gauge::GaugeHeader swPanel0;
extern gauge::GaugeHeader swPanel1;
extern gauge::GaugeHeader flap;
extern gauge::GaugeHeader garminVfr;

}  // namespace switch_panel
