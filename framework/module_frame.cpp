// The frame built into every module: the import table, the empty module routines, the forwarding
// routines and the DLL entry.
#include "module.h"


gauge::ImportTable ImportTable = {
    .panelServices = {.id = gauge::kPanelServicesImportId, .services = nullptr},
    .end = {.id = 0, .services = nullptr},
};

namespace gauge {

void GAUGE_CALL ModuleInit() {}
void GAUGE_CALL ModuleDeinit() {}

namespace {
// Whichever gauge's header a routine is taken from, it acts on the root of the module's first gauge.
Element* firstGaugeRoot() { return ::Linkage.gauges[0]->elementList[0]; }
}  // namespace

BOOL GAUGE_CALL ForwardQuery() { return host().element_list_query(firstGaugeRoot()); }
BOOL GAUGE_CALL ForwardInstall(UINT32 value) { return host().element_list_install(firstGaugeRoot(), value); }
BOOL GAUGE_CALL ForwardInitialize() { return host().element_list_initialize(firstGaugeRoot()); }
BOOL GAUGE_CALL ForwardUpdate() { return host().element_list_update(firstGaugeRoot()); }
BOOL GAUGE_CALL ForwardGenerate(UINT32 value) { return host().element_list_generate(firstGaugeRoot(), value); }
BOOL GAUGE_CALL ForwardDraw() { return host().element_list_plot(firstGaugeRoot()); }
BOOL GAUGE_CALL ForwardKill() { return host().element_list_kill(firstGaugeRoot()); }

PanelServices& host() { return *::ImportTable.panelServices.services; }

void lookup(ModuleVariable& variable) { host().lookup_var(&variable); }

}  // namespace gauge

#if defined(_WIN32)
// The DLL entry never refuses to load and does nothing else.
extern "C" int GAUGE_CALL DllMain(void*, unsigned long, void*) { return 1; }
#endif
