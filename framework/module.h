// What a module's code uses of the frame: its two exports, the forwarding routines that fill every
// gauge header, the host's services, and the one conversion and text writer every callback uses.
#pragma once

#include "gauge.h"
#include "truncation.h"

#if defined(_WIN32)
#define GAUGE_EXPORT  // the module's .def file names the exports
#else
#define GAUGE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" GAUGE_EXPORT gauge::ImportTable ImportTable;
extern "C" GAUGE_EXPORT gauge::ModuleLinkage Linkage;

namespace gauge {

void GAUGE_CALL ModuleInit();
void GAUGE_CALL ModuleDeinit();

BOOL GAUGE_CALL ForwardQuery();
BOOL GAUGE_CALL ForwardInstall(UINT32 value);
BOOL GAUGE_CALL ForwardInitialize();
BOOL GAUGE_CALL ForwardUpdate();
BOOL GAUGE_CALL ForwardGenerate(UINT32 value);
BOOL GAUGE_CALL ForwardDraw();
BOOL GAUGE_CALL ForwardKill();

// The module fields every Linkage carries.
#define GAUGE_LINKAGE_FIELDS                                                               \
    .moduleId = gauge::kModuleId, .moduleInit = gauge::ModuleInit,                         \
    .moduleDeinit = gauge::ModuleDeinit, .flags = 0, .priority = 0,                        \
    .version = gauge::kLinkageVersion

// The seven routine slots, the same in every gauge header of a module.
#define GAUGE_FORWARDING_ROUTINES                                                          \
    .query = gauge::ForwardQuery, .install = gauge::ForwardInstall,                        \
    .initialize = gauge::ForwardInitialize, .update = gauge::ForwardUpdate,                \
    .generate = gauge::ForwardGenerate, .draw = gauge::ForwardDraw, .kill = gauge::ForwardKill

// The host's services; the host fills the table before it calls any module code.
PanelServices& host();

// Refreshes a module-level variable from the host.
void lookup(ModuleVariable& variable);

FLOAT64 realValue(const ModuleVariable& variable);
SINT32 integerValue(const ModuleVariable& variable);

// Formats into the element's host buffer; never writes past its capacity and always ends the text.
void writeText(StringElement* element, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

}  // namespace gauge
