// Where the high-boost switch meets its art: a yellow rocker over its whole gauge.
#pragma once

#include "layout.h"

namespace switch_panel::layout {

using namespace gauge::layout;

inline constexpr PictureBox kFuelPumpHighPlate = wholeGauge(0x174, 16, 51);
// Off at the id, on at the next.
inline constexpr PictureBox kFuelPumpHighRocker = wholeGauge(0x176, 16, 51);

}  // namespace switch_panel::layout
