// What the radio units' pictures have in common: the faces' greys, knobs, buttons, display
// windows, drum strips and their masks, and the ways a layout's boxes become pictures.
#pragma once

#include "radio_layout.h"
#include "tools/picturegen/drawing_kit.h"

#include <string_view>

namespace radio_stack::art {

using picturegen::Picture;
namespace kit = picturegen::kit;
using kit::Box;
using kit::Point;
using kit::Rgb;

using Draw = void (*)(cairo_t*, const Picture&);

// Angles as the kit counts them: degrees clockwise from three o'clock.
inline constexpr double kUp = -90;
inline constexpr double kLeft = 180;

// The radio faces are dark grey plates; the VFR panel's copies are darker still.
inline constexpr Rgb kFaceGrey{54, 56, 60};
inline constexpr Rgb kVfrFaceGrey{36, 37, 40};
// Display glass under the readouts and drums; the readouts paint their own black box over it.
inline constexpr Rgb kWindowGlass = kit::kPanelBlack;
inline constexpr Rgb kKnobBody{40, 40, 43};
inline constexpr Rgb kButtonCap{70, 70, 74};
inline constexpr kit::LampColour kGreenLamp{{70, 235, 95}, {18, 62, 26}};

inline void text(cairo_t* cr, std::string_view words, Point centre, double size) {
    kit::label(cr, words, centre, size, kit::kLabelWhite);
}

// A unit's face filling its picture; only the rounded corners outside it are transparent.
template <const Rgb& paint>
void faceplate(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::panelPlate(cr, {0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)}, 8, paint);
}

inline void displayWindow(cairo_t* cr, Box glass) {
    kit::recess(cr, {glass.x - 3, glass.y - 3, glass.width + 6, glass.height + 6}, 3, 3, kWindowGlass);
}

// The display window the face prints around a readout's box.
inline void displayWindow(cairo_t* cr, const layout::Area& readout) {
    displayWindow(cr, kit::boxOf(readout));
}

inline void button(cairo_t* cr, Box box, std::string_view caption, double size) {
    kit::pushButton(cr, box, kit::ButtonState::Up, kButtonCap, caption, size, kit::kLabelWhite);
}

// A knob picture: the knob in the middle of the picture on transparency, its pointer at the angle.
template <double radius, double pointerAngle>
void drawKnob(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, {picture.width / 2.0, picture.height / 2.0}, radius, pointerAngle, kKnobBody);
}

// The window of a digit drum: where the strip shows.
inline void drawMask(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kNearBlack); }

// Ten cells of the strip's height / 10, the digits 0 at the top to 9 at the bottom, each after
// `leading`.
template <const char* leading, double digitSize>
void drawDigitStrip(cairo_t* cr, const Picture& picture) {
    constexpr Rgb kDrumFace{28, 28, 28};
    constexpr Rgb kDrumDigit{240, 240, 240};
    kit::fill(cr, kDrumFace);
    const double cell = picture.height / 10.0;
    kit::digitStrip(cr, {.firstCell = {0, 0, static_cast<double>(picture.width), cell},
                         .leading = leading, .digitSize = digitSize, .ink = kDrumDigit, .face = kDrumFace});
}
inline constexpr char kNoLeading[] = "";
inline constexpr char kLeadingOne[] = "1";

// Picture `index` of an icon whose pictures are all the size of its box.
constexpr Picture picture(const layout::PictureBox& box, int index, Draw draw) {
    return {.id = box.id + static_cast<std::uint32_t>(index), .width = box.width, .height = box.height,
            .bitsPerPixel = 8, .draw = draw};
}

// A drum strip (24-bit where its digits are large) and its window.
constexpr Picture strip(const layout::DrumStrip& drum, int bitsPerPixel, Draw draw) {
    return {.id = drum.strip.id, .width = drum.strip.width, .height = drum.strip.height, .bitsPerPixel = bitsPerPixel,
            .draw = draw};
}
constexpr Picture window(const layout::DrumStrip& drum) {
    return {.id = drum.strip.id + 1, .width = drum.windowWidth, .height = drum.windowHeight, .bitsPerPixel = 8,
            .draw = drawMask};
}

constexpr Picture face(std::uint32_t id, int width, int height, Draw draw) {
    return {.id = id, .width = width, .height = height, .bitsPerPixel = 8, .draw = draw};
}

}  // namespace radio_stack::art
