// Where the engine strips and their art meet: the faces, the frame overlay and the pointer, the
// place of each pointer's pivot, and each dial's scale, whose points are both the needle's table
// and the marks printed on the face.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace engine_cabin::strips_layout {

inline constexpr std::uint32_t kEngineLFace = 0x104;
inline constexpr std::uint32_t kFrameOverlay = 0x105;
inline constexpr std::uint32_t kPointer = 0x106;
inline constexpr std::uint32_t kEngineRFace = 0x107;
inline constexpr int kStripWidth = 800;
inline constexpr int kStripHeight = 119;
// The frame strip of the overlay hides the pointer pivots.
inline constexpr int kFrameTop = 99;

inline constexpr int kPointerWidth = 108;
inline constexpr int kPointerHeight = 11;
inline constexpr int kPointerPivotX = 5;
inline constexpr int kPointerPivotY = 5;

// Every scale point lies on this row of the face.
inline constexpr int kScaleRow = 15;
// Pivots lie on this row, under the frame strip.
inline constexpr int kPivotRow = 110;
static_assert(kPivotRow > kFrameTop && kPivotRow < kStripHeight);

// One point of a dial's scale: where the pointer points for the value, and what is printed there
// (nothing for a point that only shapes the pointer's travel).
struct ScalePoint {
    int x;
    double value;
    std::string_view numeral;
};

struct Dial {
    int pivotX;
    std::span<const ScalePoint> scale;
    std::string_view caption;
};

inline constexpr ScalePoint kCylinderHeadScale[] = {{40, 100, ""}, {58, 200, "200"}, {197, 500, "500"}};
inline constexpr ScalePoint kOilTemperatureScale[] = {{312, 100, ""}, {485, 245, "245"}};
inline constexpr ScalePoint kOilPressureScale[] = {
    {575, 0, "0"}, {609, 25, "25"}, {673, 60, ""}, {729, 90, ""}, {750, 100, "100"}};
inline constexpr ScalePoint kLeftFuelScale[] = {{50, 0, "E"}, {145, 23, "\u00bd"}, {199, 46, "F"}};
inline constexpr ScalePoint kAmmeterScale[] = {{315, -0.5, "DIS"}, {398, 0, "0"}, {482, 0.5, "CHG"}};
inline constexpr ScalePoint kRightFuelScale[] = {{595, 0, "E"}, {690, 23, "\u00bd"}, {748, 46, "F"}};

inline constexpr Dial kCylinderHead{125, kCylinderHeadScale, "CYL HEAD TEMP"};
inline constexpr Dial kOilTemperature{400, kOilTemperatureScale, "OIL TEMP"};
inline constexpr Dial kOilPressure{665, kOilPressureScale, "OIL PRESS"};
inline constexpr Dial kLeftFuel{135, kLeftFuelScale, "FUEL"};
inline constexpr Dial kAmmeter{398, kAmmeterScale, "AMPERES"};
inline constexpr Dial kRightFuel{670, kRightFuelScale, "FUEL"};

// Left to right on each face.
inline constexpr Dial kEngineLDials[] = {kCylinderHead, kOilTemperature, kOilPressure};
inline constexpr Dial kEngineRDials[] = {kLeftFuel, kAmmeter, kRightFuel};

// The click area toggling window 200 leaves the bottom rows of the strip out.
inline constexpr int kClickHeight = 115;

}  // namespace engine_cabin::strips_layout
