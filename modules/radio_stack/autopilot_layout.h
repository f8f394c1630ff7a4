// Where RadioAP2 and its art meet: the face with its mode buttons and rockers, the engaged stripe
// drawn over a mode button, the rockers rocked up, and the PULL TURN knob in its bezel.
#pragma once

#include "radio_layout.h"

namespace radio_stack::autopilot_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kFace = 0x140;
inline constexpr int kFaceWidth = 368;
inline constexpr int kFaceHeight = 163;

// A mode button drawn engaged, over the face's button at each place.
inline constexpr std::uint32_t kEngagedButton = 0x142;
inline constexpr int kModeButtonY = 35;
inline constexpr int kModeButtonWidth = 32;
inline constexpr int kModeButtonHeight = 25;
inline constexpr int kHeadingSelectX = 99;
inline constexpr int kNavInterceptX = 133;
inline constexpr int kNavTrackX = 167;
inline constexpr int kHighSensitivityX = 201;
inline constexpr int kBackCourseX = 234;

// The A/P rocker at ON and the NAV rocker at 2; the face shows them at OFF and at 1.
inline constexpr PictureBox kAutopilotRocker{0x143, 83, 94, 22, 33};
inline constexpr PictureBox kNavSourceRocker{0x144, 267, 94, 22, 33};

// The PULL TURN knob turned to L (id), centred (id + 1) and turned to R (id + 2), turning about
// the middle of its picture.
inline constexpr PictureBox kTurnKnob{0x145, 137, 63, 96, 96};

}  // namespace radio_stack::autopilot_layout
