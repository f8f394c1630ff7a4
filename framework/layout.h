// The words every unit's layout header is written in, shared by the gauges and picturegen's art:
// pictures, points, boxes and a needle table's points. Plain aggregates, so a layout header's
// constants stay constexpr and its static_asserts can check what the gauge and the art must agree
// on. A type only one unit needs (a drum strip, a dial with its scale) is built from these in that
// unit's header.
#pragma once

#include <cstdint>

namespace gauge::layout {

// A point: on a gauge's background, or in a picture (a needle's hub, a pivot).
struct Spot {
    int x, y;
};

// A box on a gauge's background or inside a parent area: a click area, a readout's place, a
// window the face prints.
struct Area {
    int x, y, width, height;
};

// A picture: its id and size.
struct Picture {
    std::uint32_t id;
    int width, height;
};

// A picture and the place on its gauge's background where an element shows it.
struct PictureBox {
    std::uint32_t id;
    int x, y, width, height;
};

// A needle table's entry: the dial point the needle points at for the value.
struct CalibrationPoint {
    int x, y;
    double value;
};

// A picture drawn at the top-left corner of its gauge.
constexpr PictureBox wholeGauge(std::uint32_t id, int width, int height) { return {id, 0, 0, width, height}; }

constexpr bool contains(const Area& outer, const Area& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

}  // namespace gauge::layout
