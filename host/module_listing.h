// What `gaugehost list` prints of a module: each gauge's header, element tree and mouse list.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "panel_host.h"

namespace gaugehost {

// Gauges in Linkage order; elements in drawing order with the index scenarios use; mouse areas in
// list order with every box also in background coordinates.
nlohmann::ordered_json describeModule(const Module& module);
void printModule(const nlohmann::ordered_json& description, std::ostream& out);

}  // namespace gaugehost
