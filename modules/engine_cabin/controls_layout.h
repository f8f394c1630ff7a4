// Where the engine controls and their art meet: each control's transparent background and the
// first of its pictures, all of one size, and the places on the lever where the cowl flap knob
// stands at the top, middle and bottom of its travel, which its click areas follow.
#pragma once

#include <cstdint>

namespace engine_cabin::controls_layout {

struct Control {
    std::uint32_t background;
    std::uint32_t firstPicture;
    int pictureCount;
    int width, height;
};

inline constexpr Control kCarbheat{0x130, 0x132, 2, 44, 55};
// The carburettor heat knob stands this far right of the background's corner.
inline constexpr int kCarbheatKnobX = 8;
inline constexpr Control kStart{0x180, 0x182, 5, 200, 199};
inline constexpr Control kCowlFlap{0x110, 0x112, 3, 82, 319};
inline constexpr Control kBeaconRocker{0x125, 0x126, 2, 57, 101};

// The cowl flap's upper area (y 0 to 99) raises the knob, its lower area (y 150 to 249) lowers it.
inline constexpr int kCowlFlapUpperAreaY = 0;
inline constexpr int kCowlFlapLowerAreaY = 150;
inline constexpr int kCowlFlapAreaHeight = 100;
// The knob's centre at the top, middle and bottom of its travel.
inline constexpr int kCowlFlapKnobY[] = {50, 125, 200};
static_assert(kCowlFlapKnobY[0] < kCowlFlapUpperAreaY + kCowlFlapAreaHeight);
static_assert(kCowlFlapKnobY[2] >= kCowlFlapLowerAreaY && kCowlFlapKnobY[2] < kCowlFlapLowerAreaY + kCowlFlapAreaHeight);

// The ignition lock's centre in its pictures; its left area (x 0 to 87) turns the key left, its
// right area (x 110 to 197) right.
inline constexpr int kLockCentreX = 100;
inline constexpr int kLockCentreY = 75;

}  // namespace engine_cabin::controls_layout
