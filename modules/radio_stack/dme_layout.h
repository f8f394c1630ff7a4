// Where RadioDME and its art meet: the face, the display window it prints around both readouts,
// the readouts' boxes and the two slide switches.
#pragma once

#include "radio_layout.h"

namespace radio_stack::dme_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kFace = 0x138;
inline constexpr int kFaceWidth = 600;
inline constexpr int kFaceHeight = 134;

inline constexpr Area kDisplayWindow{16, 21, 282, 43};
inline constexpr Area kSpeedText{20, 25, 126, 35};
inline constexpr Area kDistanceText{150, 25, 144, 35};
static_assert(contains(kDisplayWindow, kSpeedText) && contains(kDisplayWindow, kDistanceText));

// The power switch off (id) and on (id + 1); the source switch at NAV 1 (id) and NAV 2 (id + 1).
inline constexpr PictureBox kPowerSwitch{0x13C, 365, 77, 62, 29};
inline constexpr PictureBox kSourceSwitch{0x13A, 376, 33, 62, 34};

}  // namespace radio_stack::dme_layout
