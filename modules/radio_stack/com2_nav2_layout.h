// Where RadioCom2Nav2Z3V and its art meet: the face, the two drum strips with their windows, the
// drums' places (which the face's display windows surround), the memory indicators and VOL knobs.
#pragma once

#include "radio_layout.h"

namespace radio_stack::com2_nav2_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kFace = 0x126;
inline constexpr int kFaceWidth = 700;
inline constexpr int kFaceHeight = 300;

// One digit, and the leading pair: a 1 and the digit of bits 12 to 15.
inline constexpr DrumStrip kDigitStrip{{0x131, 34, 500}, 34, 50};
inline constexpr DrumStrip kLeadingPairStrip{{0x136, 80, 500}, 80, 50};
static_assert(showsOneCell(kDigitStrip) && showsOneCell(kLeadingPairStrip));

// The x of a half's drum of BCD digit 0 to 3; digit 3 is the leading pair's.
struct DrumRow {
    int x[4];
};
inline constexpr int kDrumY = 62;
inline constexpr DrumRow kCom2Drums{{274, 240, 196, 116}};
inline constexpr DrumRow kNav2Drums{{551, 517, 473, 393}};

// The memory indicator at channel 1 (id) and 2 (id + 1), one per half.
inline constexpr PictureBox kComMemoryIndicator{0x12D, 97, 54, 12, 66};
inline constexpr PictureBox kNavMemoryIndicator{0x12D, 373, 54, 12, 66};
// The VOL knob at OFF (id) and on (id + 1); the COM one is the radio's power switch.
inline constexpr PictureBox kComVolumeKnob{0x12A, 75, 220, 71, 75};
inline constexpr PictureBox kNavVolumeKnob{0x12A, 380, 219, 71, 75};

}  // namespace radio_stack::com2_nav2_layout
