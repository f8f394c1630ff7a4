// Where the COM1/NAV1 gauges and their art meet: the two faces, the four frequency windows the face
// prints behind the readouts, and the places of the transfer buttons and the knobs.
#pragma once

#include "radio_layout.h"

namespace radio_stack::com1_nav1_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kMainFace = 0x120;
inline constexpr std::uint32_t kVfrFace = 0x14F;  // the same face, darker
inline constexpr int kFaceWidth = 400;
inline constexpr int kFaceHeight = 119;

// The readouts' boxes; the face prints a display window around each.
inline constexpr Area kComActive{25, 30, 80, 25};
inline constexpr Area kComStandby{110, 30, 80, 25};
inline constexpr Area kNavActive{205, 30, 80, 25};
inline constexpr Area kNavStandby{290, 30, 80, 25};

// The transfer button up (id) and pressed (id + 1), shown at two places.
inline constexpr PictureBox kComTransfer{0x128, 84, 75, 33, 25};
inline constexpr PictureBox kNavTransfer{0x128, 274, 75, 33, 25};
// COMM PULL TEST/OFF knob at off (id) and on (id + 1).
inline constexpr PictureBox kPowerKnob{0x121, 43, 83, 26, 35};
// NAV PULL IDENT knob, pointer to the left (id) and up (id + 1).
inline constexpr PictureBox kIdentKnob{0x124, 248, 90, 22, 22};

}  // namespace radio_stack::com1_nav1_layout
