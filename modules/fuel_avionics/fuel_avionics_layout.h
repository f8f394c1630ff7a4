// Where the fuel selector and avionics gauges and their art meet: the pictures' ids and sizes, the
// places of the moving parts, and the click areas that lie around the handle's pivot and over the
// switch. The gauges place their icons and areas by these; the art turns the handle about the pivot
// and throws the switch from the point these name.
#pragma once

#include "layout.h"

namespace fuel_avionics::layout {

using namespace gauge::layout;

// PanelFuel: the all-black background and the handle drawn down (id), left (id + 1) and right (id + 2).
inline constexpr PictureBox kFuelBackground{0x100, 0, 0, 450, 270};
inline constexpr PictureBox kFuelHandle{0x142, 63, 0, 321, 196};
// The handle turns about this point of its pictures.
inline constexpr Spot kHandlePivot{160, 70};

inline constexpr Area kLeftTankArea{50, 30, 100, 70};
inline constexpr Area kDownTankArea{170, 110, 100, 70};
inline constexpr Area kRightTankArea{300, 30, 100, 70};
inline constexpr Area kFuelWindowArea{400, 225, 50, 45};

// Avionics: the all-black background and the switch drawn down (id, off) and up (id + 1, on).
inline constexpr PictureBox kSwitchBackground{0x116, 0, 0, 22, 38};
inline constexpr PictureBox kSwitch{0x117, 0, 0, 22, 38};
// The switch's bezel centre in its pictures: in the upper part, where its click area is.
inline constexpr Spot kSwitchPivot{11, 17};

inline constexpr Area kSwitchArea{0, 0, 21, 28};

// The tank areas lie left of, below and right of the handle's pivot, so the handle points at the
// area that selected it.
namespace check {
constexpr int kPivotX = kFuelHandle.x + kHandlePivot.x;
constexpr int kPivotY = kFuelHandle.y + kHandlePivot.y;
static_assert(kLeftTankArea.x + kLeftTankArea.width <= kPivotX);
static_assert(kDownTankArea.y >= kPivotY && kDownTankArea.x <= kPivotX &&
              kPivotX < kDownTankArea.x + kDownTankArea.width);
static_assert(kRightTankArea.x > kPivotX);
static_assert(kSwitchPivot.y < kSwitchArea.y + kSwitchArea.height, "the bezel stands inside the switch's area");
}  // namespace check

}  // namespace fuel_avionics::layout
