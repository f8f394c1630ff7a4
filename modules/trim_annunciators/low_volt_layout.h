// Where the low-voltage lamps and their art meet: the housings and the lit lens, all one size, and
// the lens that the lit picture covers pixel for pixel on either housing.
#pragma once

#include <cstdint>

namespace trim_annunciators::low_volt_layout {

inline constexpr std::uint32_t kMainHousing = 0x186;  // LowVolt
inline constexpr std::uint32_t kVfrHousing = 0x184;   // LowVoltVFR
inline constexpr std::uint32_t kLitLens = 0x189;
inline constexpr int kLampSize = 136;

// The lamp in the middle of the housing's lettered ring; the lit picture draws the same lamp.
inline constexpr double kLampCentre = kLampSize / 2.0;
inline constexpr double kLampRadius = 40;

}  // namespace trim_annunciators::low_volt_layout
