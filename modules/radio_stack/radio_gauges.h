// The nine gauge headers of VeskarZ3VRadios, each defined in its unit's file and listed in Linkage.
#pragma once

#include "module.h"

namespace radio_stack {

extern gauge::GaugeHeader radioTrans;
extern gauge::GaugeHeader radioDme;
extern gauge::GaugeHeader radioAp2;
extern gauge::GaugeHeader radioAudio;
extern gauge::GaugeHeader radioCom2Nav2;
extern gauge::GaugeHeader radioAdf;
extern gauge::GaugeHeader radioCom1Nav1;
extern gauge::GaugeHeader radioCom1Nav1Vfr;
extern gauge::GaugeHeader radioAudioVfr;

}  // namespace radio_stack
