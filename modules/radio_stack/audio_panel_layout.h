// Where the audio panels and their art meet: the two faces, the marker lamp strip that the faces
// print dark and the lit strips cover, and the indicator bars over the buttons' top-left corners.
#pragma once

#include "radio_layout.h"

namespace radio_stack::audio_panel_layout {

using namespace radio_stack::layout;

inline constexpr std::uint32_t kMainFace = 0x11A;
inline constexpr std::uint32_t kVfrFace = 0x14E;
inline constexpr int kFaceWidth = 600;
inline constexpr int kFaceHeight = 116;

// The strip with O lit (id), M lit (id + 1) and A lit (id + 2).
inline constexpr PictureBox kMarkerLamps{0x11B, 3, 11, 78, 29};
inline constexpr int kMarkerPictureCount = 3;

// The amber and the green indicator bar.
inline constexpr std::uint32_t kAmberBar = 0x11E;
inline constexpr std::uint32_t kGreenBar = 0x11F;
inline constexpr int kBarWidth = 24;
inline constexpr int kBarHeight = 6;

// The buttons with a bar, by the top-left corner the bar and the button share.
inline constexpr Spot kMarkerMute{94, 12};
inline constexpr Spot kCom1{148, 12};
inline constexpr Spot kCom2{197, 12};
inline constexpr Spot kNav1{315, 10};
inline constexpr Spot kNav2{365, 10};
inline constexpr Spot kDme{416, 10};
inline constexpr Spot kAdf{465, 10};
inline constexpr Spot kReceiveAll{315, 53};
inline constexpr int kButtonWidth = 40;
inline constexpr int kButtonHeight = 30;

}  // namespace radio_stack::audio_panel_layout
