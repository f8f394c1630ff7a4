// Names for the frame's numbers that have no name table of their own: cursors and mouse flags, as
// `gaugehost list` and the panel overlay print them.
#pragma once

#include <cstdint>
#include <string>

#include "gauge.h"

namespace gaugehost {

// "up-arrow", "hand", …; "none" for −1, "cursor N" for a number the frame does not name.
std::string cursorName(gauge::SINT32 cursor);
// "static image", "needle", "string", …; "unknown" for a kind the frame does not have.
const char* elementKindName(std::uint32_t kind);
// "click", "click-repeat", "click-drag"; other sets of bits as their names joined by '|'.
std::string mouseFlagsName(gauge::UINT32 flags);

}  // namespace gaugehost
