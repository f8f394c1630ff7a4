// Names for the frame's numbers as people read them: cursors, element kinds and mouse flags, which
// have no name table of their own, and key events by their table.
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
// GEAR_UP, …; in hexadecimal for an event no gauge names.
std::string keyEventName(gauge::KeyEventId event);

}  // namespace gaugehost
