// A picture of VeskarZ3V4 and the place on its gauge's background where an element shows it; the
// units' layout headers name theirs, so that gauges and art place them alike.
#pragma once

#include <cstdint>

namespace switch_panel::layout {

struct PictureBox {
    std::uint32_t id;
    int x, y, width, height;
};

// A picture drawn at the top-left corner of its gauge.
constexpr PictureBox wholeGauge(std::uint32_t id, int width, int height) { return {id, 0, 0, width, height}; }

}  // namespace switch_panel::layout
