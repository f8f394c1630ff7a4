// Where the VOR indicator and AutoClose meet their art: the pictures' ids and sizes, where the
// flags and bars stand, the bars' table points, the course card's geometry and the ring segments
// of the face through which the card shows.
#pragma once

#include "layout.h"

namespace vfr_instruments::layout {

using namespace gauge::layout;

inline constexpr Picture kVorFace{0x100, 302, 302};
inline constexpr Spot kVorCentre{149, 150};
inline constexpr double kInstrumentRadius = 148;

// The course card turns behind the face, which shows it in two segments of its ring.
inline constexpr Picture kCourseCard{0x109, 256, 256};
inline constexpr Picture kCourseCardMask{0x10A, 302, 302};
inline constexpr float kCourseCardScale = 0.97f;
inline constexpr double kRingInner = 92;
inline constexpr double kRingOuter = 131;
inline constexpr double kSegmentHalfAngle = 48;

// TO (id), FROM (id + 1), the NAV flag (id + 2).
inline constexpr Picture kToFrom{0x103, 31, 28};
inline constexpr Spot kToFromAt{136, 197};
// Nothing (id), the GS flag (id + 1).
inline constexpr Picture kGlideslopeFlag{0x107, 30, 22};
inline constexpr Spot kGlideslopeFlagAt{190, 140};

// One light bar for both deviations; it begins 5 pixels beyond its pivot.
inline constexpr Picture kDeviationBar{0x101, 140, 7};
inline constexpr Spot kCourseBarPivot{147, 78};
inline constexpr Spot kCourseBarHub{-5, 5};
inline constexpr CalibrationPoint kCourseBarPoints[] = {{232, 190, 1}, {147, 200, 0}, {57, 190, -1}};
inline constexpr Spot kGlideslopeBarPivot{70, 155};
inline constexpr Spot kGlideslopeBarHub{-5, 6};
inline constexpr CalibrationPoint kGlideslopeBarPoints[] = {{215, 97, -1}, {220, 155, 0}, {213, 209, 1}};

inline constexpr Area kCourseReadout{100, 20, 90, 50};
inline constexpr Area kCourseKnob{2, 232, 64, 64};
inline constexpr Area kCourseReadoutToggle{100, 100, 100, 100};

inline constexpr Picture kAutoClosePlate{0x190, 50, 50};

}  // namespace vfr_instruments::layout
