// A copy of every writable byte of a loaded module: its module data, compared before and after a
// call to show that the call changed nothing.
#pragma once

#include <cstdint>
#include <vector>

#include "panel_host.h"

namespace benchtest {

std::vector<std::uint8_t> moduleDataSnapshot(const gaugehost::Module& module);

}  // namespace benchtest
