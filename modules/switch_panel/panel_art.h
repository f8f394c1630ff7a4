// What the picture files of VeskarZ3V4's units share: pictures the size of their boxes, the pure
// black plates the panel shows through, and the rocker every switch of the row is drawn as.
#pragma once

#include "layout.h"
#include "tools/picturegen/drawing_kit.h"
#include "tools/picturegen/picture.h"

namespace switch_panel::art {

namespace kit = picturegen::kit;

// Every picture of the module is 8-bit.
constexpr picturegen::Picture picture(const gauge::layout::PictureBox& box, std::uint32_t id,
                                      void (*draw)(cairo_t*, const picturegen::Picture&)) {
    return {.id = id, .width = box.width, .height = box.height, .bitsPerPixel = 8, .draw = draw};
}

inline void drawPlainBlack(cairo_t* cr, const picturegen::Picture&) { kit::fill(cr, kit::kTransparent); }

// A rocker filling its picture, rocked in at the lower end (off) or the upper end (on). The narrow
// rockers fill their picture; the wide ones sit in the middle with room round them.
template <kit::Direction pressedEnd, const kit::Rgb& cap>
void drawRocker(cairo_t* cr, const picturegen::Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double width = picture.width;
    const double height = picture.height;
    const double margin = width > 20 ? width * 0.14 : 0.5;
    kit::rockerSwitch(cr, {margin, margin, width - 2 * margin, height - 2 * margin}, pressedEnd, cap);
}

}  // namespace switch_panel::art
