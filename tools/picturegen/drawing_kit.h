// Drawing helpers that every module's pictures are made of. Pictures are drawn antialiased on a
// transparent canvas, lit from the top left. What stays transparent is written as pure black, the
// colour the host leaves out; edge pixels that are only partly covered blend toward kEdgeBlack.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "layout.h"

namespace picturegen::kit {

struct Rgb {
    std::uint8_t r, g, b;
    friend constexpr bool operator==(Rgb, Rgb) = default;
    constexpr std::uint32_t packed() const { return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b; }
};

struct Point {
    double x, y;
};

struct Box {
    double x, y, width, height;
    constexpr Point centre() const { return {x + width / 2, y + height / 2}; }
};

// A unit's layout header's boxes and table points, in drawing coordinates.
constexpr Box boxOf(const gauge::layout::Area& area) {
    return {static_cast<double>(area.x), static_cast<double>(area.y), static_cast<double>(area.width),
            static_cast<double>(area.height)};
}
constexpr Point pointOf(const gauge::layout::CalibrationPoint& point) {
    return {static_cast<double>(point.x), static_cast<double>(point.y)};
}

// The centre of a texel as cairo addresses it: the host turns a picture about whole texels.
constexpr Point texelCentre(int x, int y) { return {x + 0.5, y + 0.5}; }
constexpr Point texelCentre(gauge::layout::Spot spot) { return texelCentre(spot.x, spot.y); }

// The colour share of the way from one colour to another: 0 keeps `from`, 1 gives `to`.
constexpr Rgb mix(Rgb from, Rgb to, double share) {
    const auto channel = [share](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(a + (b - a) * share + 0.5);
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// The host leaves pure black out when it draws a picture with image flag bit 0, so pure black
// is kept for what must let the panel show through: painting in it makes the canvas transparent.
inline constexpr Rgb kTransparent{0, 0, 0};
// The darkest colour that the host still draws; in a sprite or drum mask it marks the window.
inline constexpr Rgb kNearBlack{1, 1, 1};
// What a partly covered pixel at the edge of a shape on transparency blends toward: dark like the
// shadow of an edge, but neither pure black nor a mask's window colour.
inline constexpr Rgb kEdgeBlack{2, 2, 2};
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
enum class ButtonState { Up, Pressed };
enum class Typeface { SansBold, Sans };

// Antialiased shapes and greyscale-smoothed, unhinted text, so that a shape moved by whole pixels
// draws the same pixels; the picture generator sets this on every fresh context.
void setSmoothRendering(cairo_t* cr);
// Turns antialiasing off for shapes and text, for a picture that must hold only the colours drawn.
void setCrispRendering(cairo_t* cr);
// Paints in the colour from now on; pure black (kTransparent) clears to transparency instead.
void setColour(cairo_t* cr, Rgb colour);

// Paints the whole picture.
void fill(cairo_t* cr, Rgb colour);
void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius, Rgb colour);
void disc(cairo_t* cr, Point centre, double radius, Rgb colour);

// Angles are in degrees clockwise from three o'clock, as the host turns needles: the direction from
// a needle's pivot to the point of its table entry.
double angleTowards(Point from, Point to);
// The point at the given distance from the centre in the given direction.
Point polar(Point centre, double distance, double angle);

// A round frame: a ring of rimWidth in the rim colour, lit from the top left, around a sunken face.
void bezel(cairo_t* cr, Point centre, double outerRadius, double rimWidth, Rgb rim, Rgb face);
// A raised plate filling the box: a bevelled edge around flat paint.
void panelPlate(cairo_t* cr, Box plate, double cornerRadius, Rgb paint);
// A countersunk slotted screw head.
void screw(cairo_t* cr, Point centre, double radius, double slotAngle);
// A cut in a plate, such as a lever slot: shaded walls around a flat floor of the given colour.
void recess(cairo_t* cr, Box cut, double radius, double wallWidth, Rgb floor);

// A round annunciator lamp of the given outer radius; dark and lit lamps have the same outline,
// so a lit lamp drawn on transparency covers exactly the dark lamp under it. A lit lens glows.
void lamp(cairo_t* cr, Point centre, double radius, const LampColour& colour, LampState state);
// Text of the given pixel size, centred on its ink; DejaVu Sans Bold unless another face is named.
void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour);
void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour, Typeface face);

// An instrument's dial face.
void dialFace(cairo_t* cr, Point centre, double radius, Rgb face);

enum class Tick { Minor, Major };
// One printed mark of a scale: a tick at the angle, with a numeral when one is given.
struct ScaleMark {
    double angle;
    Tick tick = Tick::Major;
    std::string_view numeral = {};
};
struct ScaleStyle {
    double outerRadius;    // where the ticks start, measured from the dial's centre
    double majorLength, majorWidth;
    double minorLength, minorWidth;
    double numeralRadius;  // where the numerals' centres lie
    double numeralSize;
    Rgb ink;
};
// Ticks and numerals at exactly the angles given, so that marks placed with angleTowards at a
// needle's table points are where the needle points for those values.
void dialScale(cairo_t* cr, Point centre, const ScaleStyle& style, std::span<const ScaleMark> marks);

struct NeedleStyle {
    double length;  // from the pivot to the tip
    double tail;    // the counterweight behind the pivot
    double width;
    Rgb colour;
    Rgb tailColour;
    double hubRadius;
    Rgb hubColour;
};
// A needle turning about its pivot, pointing in the given direction: angle 0 draws it pointing to
// the right, as the host expects of a needle with a table.
void needle(cairo_t* cr, Point pivot, double angle, const NeedleStyle& style);

// A push button filling the box, its cap raised or pressed in; both states have the same outline.
void pushButton(cairo_t* cr, Box box, ButtonState state, Rgb cap, std::string_view text, double textSize,
                Rgb textColour);
// A rocker switch filling the box, rocked in at its upper (Up) or lower (Down) end.
void rockerSwitch(cairo_t* cr, Box box, Direction pressedEnd, Rgb cap);
// A round knurled knob whose white pointer line shows the angle; every angle has the same outline.
void knob(cairo_t* cr, Point centre, double radius, double pointerAngle, Rgb body);

// The long picture of a digit drum: ten cells of equal height, one under the other, showing the
// digits 0 at the top to 9 at the bottom, each after the leading text (as "1" on a 10 to 19 drum).
struct DigitStrip {
    Box firstCell;  // where the 0 cell lies; every other cell is this box moved down
    std::string_view leading;
    double digitSize;
    Rgb ink;
    Rgb face;
};
Box digitCell(const DigitStrip& strip, int digit);
void digitStrip(cairo_t* cr, const DigitStrip& strip);

// The bat of a toggle switch, from its pivot nut to the ball at its tip.
void toggleLever(cairo_t* cr, Point pivot, Point tip, double width);
// A wheel-shaped lever knob seen from the front, on a stem that runs from the knob's centre to stemEnd.
void leverKnob(cairo_t* cr, Point knobCentre, double knobRadius, Point stemEnd, double stemWidth);
// A selector handle turning about its pivot: a pointer of the given reach with a short tail,
// a round hub and a white index stripe along the pointer.
void selectorHandle(cairo_t* cr, Point pivot, Direction pointing, double reach, double width);

}  // namespace picturegen::kit
