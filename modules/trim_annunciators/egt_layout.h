// Where the EGT gauge and its art meet: the pictures' ids and sizes, the point both pointers turn
// about and each pointer's pivot in its picture, the scale points of both pointers' tables, the
// cover's top row and the knob's halves. The gauge builds its tables and areas from these and the
// face prints its ticks and star where the tables point, the cover its knob where the areas lie.
#pragma once

#include <cstdint>

#include "layout.h"

namespace trim_annunciators::egt_layout {

using namespace gauge::layout;

// A picture whose pivot, the point it turns about, lies in the picture's own coordinates.
struct PointerPicture {
    Picture picture;
    Spot pivot;
};

inline constexpr std::uint32_t kFace = 0x141;
inline constexpr std::uint32_t kCover = 0x145;
inline constexpr int kFaceSize = 302;
// The cover is pure black above this row, so it hides only the dial's lower part.
inline constexpr int kCoverTopRow = 153;

// Both pointers turn about this face point; their pivots lie before their pictures' left edges,
// so each starts some way out from it, under the cover.
inline constexpr Spot kPointerCentre{148, 225};
inline constexpr PointerPicture kTemperaturePointer{{0x143, 114, 25}, {-31, 13}};
inline constexpr PointerPicture kReferencePointer{{0x144, 113, 11}, {-45, 6}};

// 500 to 1700 °F across the arc, 1100 °F straight up from the pointers' centre.
inline constexpr CalibrationPoint kTemperatureScale[] = {{50, 140, 500}, {147, 83, 1100}, {241, 120, 1700}};
// The reference runs from near the arc's left end to its 1700 °F end, where the star stands.
inline constexpr CalibrationPoint kReferenceScale[] = {{67, 119, 0}, {241, 120, 16384}};
// The printed scale: one tick every 25 °F.
inline constexpr double kDegreesPerDivision = 25;

// The adjustment knob's region and, inside it, the halves that lower and raise the reference.
inline constexpr Area kKnobArea{130, 200, 60, 60};
inline constexpr Area kLowerHalf{0, 0, 29, 29};
inline constexpr Area kRaiseHalf{30, 0, 29, 29};

// The pointers' inner ends lie under the cover whichever way they point.
static_assert(kPointerCentre.y - (-kTemperaturePointer.pivot.x) > kCoverTopRow);
static_assert(kPointerCentre.y - (-kReferencePointer.pivot.x) > kCoverTopRow);

}  // namespace trim_annunciators::egt_layout
