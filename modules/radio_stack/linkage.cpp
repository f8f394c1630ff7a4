// VeskarZ3VRadios: the radio stack of the panel. Its gauge list; RadioTrans comes first, so the
// forwarding routines of every gauge act on the transponder's element list.
#include "radio_gauges.h"

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&radio_stack::radioTrans, &radio_stack::radioDme, &radio_stack::radioAp2, &radio_stack::radioAudio,
               &radio_stack::radioCom2Nav2, &radio_stack::radioAdf, &radio_stack::radioCom1Nav1,
               &radio_stack::radioCom1Nav1Vfr, &radio_stack::radioAudioVfr, nullptr},
};
