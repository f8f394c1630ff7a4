// What the radio units' layout headers are made of: a picture and the place on a face where an
// icon shows it, a region of a face, and a digit drum's strip with the window it shows through.
#pragma once

#include <cstdint>

namespace radio_stack::layout {

// A picture (id, size) and the place on the face where its element stands.
struct PictureBox {
    std::uint32_t id;
    int x, y, width, height;
};

// A region of a face: a readout's box, a display window.
struct Region {
    int x, y, width, height;
};

// A drum strip: ten cells, 0 at the top to 9 at the bottom; its mask, the next id, is the window
// the drum shows one cell through.
struct DrumStrip {
    std::uint32_t id;
    int width, height;
    int windowWidth, windowHeight;
};

constexpr bool showsOneCell(const DrumStrip& strip) {
    return strip.windowWidth == strip.width && strip.height == 10 * strip.windowHeight;
}

constexpr bool contains(const Region& outer, const Region& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

}  // namespace radio_stack::layout
