// Where the window buttons and their art meet: the pictures' ids and sizes, and the three buttons
// of an icon strip, which the strip's click boxes and its printed buttons both follow.
#pragma once

#include <cstdint>

#include "layout.h"

namespace engine_cabin::navigation_layout {

using namespace gauge::layout;

// Fully transparent: the click spots lie over art painted elsewhere.
inline constexpr std::uint32_t kInvisibleSpot = 0x160;
inline constexpr int kSpotSize = 50;
// The click box of a spot, one pixel short of the picture on each side.
inline constexpr Area kSpotClickBox{0, 0, 49, 49};

inline constexpr std::uint32_t kIconStrip = 0x162;
inline constexpr std::uint32_t kIconStripDark = 0x166;
inline constexpr int kStripWidth = 18;
inline constexpr int kStripHeight = 53;
// E (top), C (middle), power (bottom); the rows between them answer nothing.
inline constexpr Area kStripButtons[] = {{0, 0, 18, 16}, {0, 18, 18, 16}, {0, 37, 18, 16}};
static_assert(kStripButtons[2].y + kStripButtons[2].height == kStripHeight);

// The close cross of the radio window; its click box is the spot's, larger than the picture.
inline constexpr std::uint32_t kCloseCross = 0x164;
inline constexpr int kCrossWidth = 36;
inline constexpr int kCrossHeight = 34;

}  // namespace engine_cabin::navigation_layout
