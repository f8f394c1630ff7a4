// Where the landing-gear gauges and their art meet: the pictures' ids and sizes and the places on
// the plate where the lever and the lamps stand. The gauges place their icons by these boxes and
// the plate prints its dark lamps and the lever's slot by the same ones.
#pragma once

#include <cstdint>

#include "layout.h"

namespace landing_gear::layout {

using namespace gauge::layout;

inline constexpr std::uint32_t kPlate = 0x130;
inline constexpr int kPlateWidth = 444;
inline constexpr int kPlateHeight = 452;

// The lever drawn up (id) and down (id + 1).
inline constexpr PictureBox kLever{0x132, 337, 157, 80, 280};
inline constexpr PictureBox kLandLamps{0x136, 109, 332, 143, 55};
inline constexpr PictureBox kWaterLamps{0x138, 109, 93, 143, 57};
inline constexpr PictureBox kPumpLamp{0x141, 61, 214, 52, 53};

}  // namespace landing_gear::layout
