// The seven gauge headers of VeskarZ3V7, each defined in its unit's file and listed in Linkage.
#pragma once

#include "module.h"

namespace trim_annunciators {

extern gauge::GaugeHeader trimVmove;
extern gauge::GaugeHeader elevadorTrim;
extern gauge::GaugeHeader rudderTrim;
extern gauge::GaugeHeader lowVolt;
extern gauge::GaugeHeader trimHmove;
extern gauge::GaugeHeader egt;
extern gauge::GaugeHeader lowVoltVfr;

}  // namespace trim_annunciators
