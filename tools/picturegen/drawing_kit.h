// Drawing helpers that every module's pictures are made of. Everything is drawn
// without antialiasing, so a picture holds only the few exact colours named here.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>

namespace picturegen::kit {

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
    constexpr std::uint32_t packed() const { return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b; }
};

struct Point {
    double x, y;
};

// The host leaves pure black out when it draws a picture with image flag bit 0,
// so pure black is kept for what must let the panel show through.
inline constexpr Rgb kTransparent{0, 0, 0};
// The darkest colour that the host still draws.
inline constexpr Rgb kNearBlack{1, 1, 1};
// Black paint of panel plates and switch faces.
inline constexpr Rgb kPanelBlack{12, 12, 12};
// The black housing that a lamp lens sits in.
inline constexpr Rgb kLampBody{30, 30, 30};
inline constexpr Rgb kPanelGrey{70, 70, 70};
inline constexpr Rgb kMetalGrey{140, 140, 140};
inline constexpr Rgb kMetalLight{200, 200, 200};
inline constexpr Rgb kLabelWhite{235, 235, 235};
inline constexpr Rgb kSwitchRed{190, 30, 30};
inline constexpr Rgb kHandleRed{150, 22, 22};

struct LampColour {
    Rgb lit;
    Rgb dark;
};

inline constexpr LampColour kAmberLamp{{255, 170, 0}, {84, 56, 8}};
inline constexpr LampColour kBlueLamp{{70, 150, 255}, {18, 38, 78}};
inline constexpr LampColour kRedLamp{{255, 40, 30}, {82, 16, 12}};
// The glint on a burning lens.
inline constexpr Rgb kLampGlint{255, 250, 230};

enum class LampState { Dark, Lit };
enum class Direction { Up, Down, Left, Right };

// Turns antialiasing off for shapes and text; call once on a fresh context.
void setCrispRendering(cairo_t* cr);
void setColour(cairo_t* cr, Rgb colour);

// Paints the whole picture.
void fill(cairo_t* cr, Rgb colour);
void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius, Rgb colour);
void disc(cairo_t* cr, Point centre, double radius, Rgb colour);
// A round frame: a ring of rimWidth in the rim colour around a face.
void bezel(cairo_t* cr, Point centre, double outerRadius, double rimWidth, Rgb rim, Rgb face);
// A round annunciator lamp of the given outer radius; dark and lit lamps have the same outline,
// so a lit lamp drawn on black covers exactly the dark lamp under it.
void lamp(cairo_t* cr, Point centre, double radius, const LampColour& colour, LampState state);
// Text in DejaVu Sans Bold of the given pixel size, centred on its ink.
void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour);
// The bat of a toggle switch, from its pivot nut to the ball at its tip.
void toggleLever(cairo_t* cr, Point pivot, Point tip, double width);
// A wheel-shaped lever knob seen from the front, on a stem that runs from the knob's centre to stemEnd.
void leverKnob(cairo_t* cr, Point knobCentre, double knobRadius, Point stemEnd, double stemWidth);
// A selector handle turning about its pivot: a pointer of the given reach with a short tail,
// a round hub and a white index stripe along the pointer.
void selectorHandle(cairo_t* cr, Point pivot, Direction pointing, double reach, double width);

}  // namespace picturegen::kit
