// Where the suction gauge and the two GPS control units meet their art: the pictures' ids and
// sizes, the needle's pivot and the points its table aims at, and the units' annunciator windows.
#pragma once

#include "layout.h"

namespace switch_panel::layout {

using namespace gauge::layout;

// Succion: the dial, and the needle drawn pointing right from its pivot.
inline constexpr PictureBox kSuctionDial = wholeGauge(0x143, 302, 302);
inline constexpr PictureBox kSuctionNeedle{0x144, 152, 186, 96, 35};
inline constexpr int kSuctionNeedlePivotX = 31;
inline constexpr int kSuctionNeedlePivotY = 16;

// The dial points at which the needle shows each value, in inches of mercury, clockwise.
inline constexpr int kSuctionMarkCount = 5;
inline constexpr CalibrationPoint kSuctionMarks[kSuctionMarkCount] = {
    {62, 186, 3}, {88, 120, 4}, {152, 91, 5}, {216, 119, 6}, {242, 186, 7},
};

// Garmin and GarminVFR: the unit's face, and its two lit windows.
inline constexpr PictureBox kGarminFace = wholeGauge(0x160, 473, 181);
inline constexpr PictureBox kGarminVfrFace = wholeGauge(0x167, 473, 181);
// Amber NAV at the id, green GPS at the next.
inline constexpr PictureBox kNavGpsLamp{0x162, 100, 34, 49, 48};
// Amber ARM at the id, green ACTV at the next.
inline constexpr PictureBox kApproachLamp{0x165, 171, 35, 60, 46};

// The push buttons under the windows; GPS SEQ and LAMP TEST take no clicks.
inline constexpr Area kNavGpsButton{90, 105, 60, 60};
inline constexpr Area kApproachButton{150, 105, 60, 60};
inline constexpr Area kSequenceButton{210, 105, 60, 60};
inline constexpr Area kLampTestButton{270, 105, 60, 60};

}  // namespace switch_panel::layout
