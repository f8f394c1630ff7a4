// VeskarZ3V7: the trims, the EGT gauge and the low-voltage lamps. Its gauge list; TrimVmove comes
// first, so the forwarding routines of every gauge act on the elevator trim wheel's element list.
#include "gauges.h"

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&trim_annunciators::trimVmove, &trim_annunciators::elevadorTrim, &trim_annunciators::rudderTrim,
               &trim_annunciators::lowVolt, &trim_annunciators::trimHmove, &trim_annunciators::egt,
               &trim_annunciators::lowVoltVfr, nullptr},
};
