// Where RadioTrans and its art meet: the face, the code drums with their strip and the display
// window around them, the reply lamp that the face prints dark, and the mode knob.
#pragma once

#include "radio_layout.h"

namespace radio_stack::transponder_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kFace = 0x110;
inline constexpr int kFaceWidth = 600;
inline constexpr int kFaceHeight = 147;

inline constexpr DrumStrip kDigitStrip{{0x111, 18, 240}, 18, 24};
static_assert(showsOneCell(kDigitStrip));
// The x of the drum of BCD digit 0 (units) to 3 (thousands); the digit knobs stand under them.
inline constexpr int kDrumX[] = {376, 274, 170, 62};
inline constexpr int kDrumY = 31;
inline constexpr Area kDisplayWindow{50, 25, 362, 30};
static_assert(contains(kDisplayWindow, {kDrumX[3], kDrumY, kDigitStrip.windowWidth, kDigitStrip.windowHeight}) &&
              contains(kDisplayWindow, {kDrumX[0], kDrumY, kDigitStrip.windowWidth, kDigitStrip.windowHeight}));

// The lit reply lamp; the face prints it dark at the same place.
inline constexpr PictureBox kReplyLamp{0x113, 501, 19, 26, 29};
// The mode knob at OFF, SBY, ON, ALT and TEST: ids id to id + 4.
inline constexpr PictureBox kModeKnob{0x115, 456, 52, 104, 63};
inline constexpr int kModeCount = 5;

}  // namespace radio_stack::transponder_layout
