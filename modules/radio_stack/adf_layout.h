// Where RadioAdfZ3V and its art meet: the face, the USE and STBY/TIMER windows the face prints
// behind the two readouts, and the OFF/VOL knob.
#pragma once

#include "radio_layout.h"

namespace radio_stack::adf_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kFace = 0x14A;
inline constexpr int kFaceWidth = 600;
inline constexpr int kFaceHeight = 149;

inline constexpr Area kUseWindow{120, 25, 120, 40};
inline constexpr Area kStandbyWindow{300, 25, 120, 40};
// The OFF/VOL knob at off (id) and on (id + 1).
inline constexpr PictureBox kPowerKnob{0x14C, 438, 90, 29, 28};

}  // namespace radio_stack::adf_layout
