// What the radio units' layout headers are made of: the shared layout types, and a digit drum's
// strip with the window it shows through.
#pragma once

#include "layout.h"

namespace radio_stack::layout {

using namespace gauge::layout;

// A drum strip: ten cells, 0 at the top to 9 at the bottom; its mask, the next id, is the window
// the drum shows one cell through.
struct DrumStrip {
    Picture strip;
    int windowWidth, windowHeight;
};

constexpr bool showsOneCell(const DrumStrip& drum) {
    return drum.windowWidth == drum.strip.width && drum.strip.height == 10 * drum.windowHeight;
}

}  // namespace radio_stack::layout
