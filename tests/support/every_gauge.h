// Every gauge of every module of the build in one bench host, and the ways the allocation test, the
// fuzzer and the benchmarks work them: hostile host values, clicks on every mouse area, service codes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "panel_host.h"

namespace benchtest {

// Module names from a comma-separated list, as GAUGE_MODULES holds them.
std::vector<std::string> moduleNames(const std::string& list);
// The modules of the build, from GAUGE_MODULES; empty when it is not set.
std::vector<std::string> buildModules();

// Loads every module from the host's module folders and creates each of its gauges once.
void createEveryGauge(gaugehost::PanelHost& host, const std::vector<std::string>& modules);

// Every host variable the gauges read, set from one 64-bit pattern: a real variable takes the bits
// as a FLOAT64 (NaN, infinities and denormals included), an integer one their low 32 bits as they are
// (BCD with nibbles above 9 included).
void setEveryVariable(gaugehost::PanelHost& host, std::uint64_t bits);

// The middle of every child mouse area of the gauge: pressed, held for a cycle, dragged, released.
void clickEveryArea(gaugehost::PanelHost& host, gaugehost::GaugeInstance& gauge);

// Host values no aircraft reports, as FLOAT64 bit patterns and as 32-bit integers.
std::span<const std::uint64_t> hostileValueBits();

}  // namespace benchtest
