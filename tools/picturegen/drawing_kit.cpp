#include "tools/picturegen/drawing_kit.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>

namespace picturegen::kit {

namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;
constexpr Rgb kWhite{255, 255, 255};
// What colours are darkened toward; shading only, never painted on its own.
constexpr Rgb kShade{0, 0, 0};
constexpr int kKnurlGrooves = 36;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

class SavedState {
public:
    explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~SavedState() { cairo_restore(cr_); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    cairo_t* cr_;
};

using Pattern = std::unique_ptr<cairo_pattern_t, decltype(&cairo_pattern_destroy)>;

Pattern linearPattern(Point from, Point to) {
    return {cairo_pattern_create_linear(from.x, from.y, to.x, to.y), cairo_pattern_destroy};
}

Pattern radialPattern(Point innerCentre, double innerRadius, Point outerCentre, double outerRadius) {
    return {cairo_pattern_create_radial(innerCentre.x, innerCentre.y, innerRadius, outerCentre.x, outerCentre.y,
                                        outerRadius),
            cairo_pattern_destroy};
}

void addStop(const Pattern& pattern, double offset, Rgb colour, double alpha = 1) {
    cairo_pattern_add_color_stop_rgba(pattern.get(), offset, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0,
                                      alpha);
}

// Light falls from the top left: a raised surface (positive strength) is lighter there and darker
// toward the bottom right; a sunken one (negative strength) the other way round.
Pattern reliefPattern(Box bounds, Rgb colour, double strength) {
    Pattern pattern = linearPattern({bounds.x, bounds.y}, {bounds.x + bounds.width, bounds.y + bounds.height});
    const double share = std::abs(strength);
    const Rgb lit = mix(colour, kWhite, share);
    const Rgb shaded = mix(colour, kShade, share);
    addStop(pattern, 0, strength > 0 ? lit : shaded);
    addStop(pattern, 0.5, colour);
    addStop(pattern, 1, strength > 0 ? shaded : lit);
    return pattern;
}

Box squareAround(Point centre, double radius) {
    return {centre.x - radius, centre.y - radius, 2 * radius, 2 * radius};
}

Box inset(Box box, double by) {
    return {box.x + by, box.y + by, box.width - 2 * by, box.height - 2 * by};
}

void circlePath(cairo_t* cr, Point centre, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, kFullTurn);
}

void roundedRectanglePath(cairo_t* cr, Box box, double radius) {
    const double right = box.x + box.width;
    const double bottom = box.y + box.height;
    const double quarter = kFullTurn / 4;
    radius = std::clamp(radius, 0.0, std::min(box.width, box.height) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, box.y + radius, radius, -quarter, 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, quarter);
    cairo_arc(cr, box.x + radius, bottom - radius, radius, quarter, 2 * quarter);
    cairo_arc(cr, box.x + radius, box.y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
}

enum class Path { Consume, Keep };

// Fills the current path with a pattern laid out in the present coordinates.
void fillWith(cairo_t* cr, const Pattern& pattern, Path path = Path::Consume) {
    SavedState saved(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source(cr, pattern.get());
    if (path == Path::Keep) {
        cairo_fill_preserve(cr);
    } else {
        cairo_fill(cr);
    }
}

void shadedDisc(cairo_t* cr, Point centre, double radius, Rgb colour, double strength) {
    circlePath(cr, centre, radius);
    fillWith(cr, reliefPattern(squareAround(centre, radius), colour, strength));
}

void shadedRoundedRectangle(cairo_t* cr, Box box, double radius, Rgb colour, double strength) {
    roundedRectanglePath(cr, box, radius);
    fillWith(cr, reliefPattern(box, colour, strength));
}

// A round part that bulges toward the viewer: brightest a little above and left of its centre.
void domedDisc(cairo_t* cr, Point centre, double radius, Rgb colour, double highlight, double shadow) {
    const Point brightest{centre.x - radius * 0.35, centre.y - radius * 0.35};
    Pattern pattern = radialPattern(brightest, 0, centre, radius);
    addStop(pattern, 0, mix(colour, kWhite, highlight));
    addStop(pattern, 0.6, colour);
    addStop(pattern, 1, mix(colour, kShade, shadow));
    circlePath(cr, centre, radius);
    fillWith(cr, pattern);
}

// Strokes the current path with a thin line in the colour.
void outline(cairo_t* cr, Rgb colour) {
    SavedState saved(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void line(cairo_t* cr, Point from, Point to, double width, Rgb colour, cairo_line_cap_t cap) {
    SavedState saved(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, cap);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_stroke(cr);
}

// A rod from one point to another, shaded as a cylinder lit from the top left.
void rod(cairo_t* cr, Point from, Point to, double fromWidth, double toWidth, Rgb metal) {
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    if (length <= 0) return;
    Point across{-(to.y - from.y) / length, (to.x - from.x) / length};
    if (across.x + across.y > 0) across = {-across.x, -across.y};  // toward the light
    const auto offset = [&](Point at, double by) { return Point{at.x + across.x * by, at.y + across.y * by}; };
    const Point litFrom = offset(from, fromWidth / 2);
    const Point shadedFrom = offset(from, -fromWidth / 2);
    cairo_new_sub_path(cr);
    for (Point corner : {litFrom, offset(to, toWidth / 2), offset(to, -toWidth / 2), shadedFrom}) {
        cairo_line_to(cr, corner.x, corner.y);
    }
    cairo_close_path(cr);
    Pattern pattern = linearPattern(litFrom, shadedFrom);
    addStop(pattern, 0, mix(metal, kShade, 0.3));
    addStop(pattern, 0.3, mix(metal, kWhite, 0.55));
    addStop(pattern, 0.55, metal);
    addStop(pattern, 1, mix(metal, kShade, 0.55));
    fillWith(cr, pattern);
}

// Maps the handle's own axes (u along the pointer, v across it) onto the picture.
// Quarter turns are written out so that the four directions rasterise alike.
cairo_matrix_t handleAxes(Point pivot, Direction pointing) {
    cairo_matrix_t axes;
    switch (pointing) {
    case Direction::Right: cairo_matrix_init(&axes, 1, 0, 0, 1, pivot.x, pivot.y); break;
    case Direction::Left: cairo_matrix_init(&axes, -1, 0, 0, -1, pivot.x, pivot.y); break;
    case Direction::Down: cairo_matrix_init(&axes, 0, 1, -1, 0, pivot.x, pivot.y); break;
    case Direction::Up: cairo_matrix_init(&axes, 0, -1, 1, 0, pivot.x, pivot.y); break;
    }
    return axes;
}

}  // namespace

void setSmoothRendering(cairo_t* cr) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void setCrispRendering(cairo_t* cr) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void setColour(cairo_t* cr, Rgb colour) {
    if (colour == kTransparent) {
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        return;
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

void fill(cairo_t* cr, Rgb colour) {
    SavedState saved(cr);
    setColour(cr, colour);
    cairo_paint(cr);
}

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius, Rgb colour) {
    SavedState saved(cr);
    roundedRectanglePath(cr, {x, y, width, height}, radius);
    setColour(cr, colour);
    cairo_fill(cr);
}

void disc(cairo_t* cr, Point centre, double radius, Rgb colour) {
    SavedState saved(cr);
    circlePath(cr, centre, radius);
    setColour(cr, colour);
    cairo_fill(cr);
}

double angleTowards(Point from, Point to) {
    // Screen y grows downwards, so atan2 already counts clockwise.
    return std::atan2(to.y - from.y, to.x - from.x) * 180 / std::numbers::pi;
}

Point polar(Point centre, double distance, double angle) {
    return {centre.x + distance * std::cos(radians(angle)), centre.y + distance * std::sin(radians(angle))};
}

void bezel(cairo_t* cr, Point centre, double outerRadius, double rimWidth, Rgb rim, Rgb face) {
    shadedDisc(cr, centre, outerRadius, rim, 0.5);
    shadedDisc(cr, centre, outerRadius - rimWidth, face, -0.2);
}

void panelPlate(cairo_t* cr, Box plate, double cornerRadius, Rgb paint) {
    constexpr double kBevel = 3;
    shadedRoundedRectangle(cr, plate, cornerRadius, mix(paint, kWhite, 0.12), 0.45);
    const Box face = inset(plate, kBevel);
    roundedRectanglePath(cr, face, cornerRadius - kBevel);
    SavedState saved(cr);
    setColour(cr, paint);
    cairo_fill(cr);
}

void screw(cairo_t* cr, Point centre, double radius, double slotAngle) {
    shadedDisc(cr, centre, radius, mix(kMetalGrey, kShade, 0.55), -0.5);
    const double headRadius = radius * 0.8;
    domedDisc(cr, centre, headRadius, kMetalGrey, 0.55, 0.45);
    const Point from = polar(centre, headRadius * 0.92, slotAngle + 180);
    const Point to = polar(centre, headRadius * 0.92, slotAngle);
    line(cr, from, to, radius * 0.3, mix(kMetalGrey, kShade, 0.7), CAIRO_LINE_CAP_BUTT);
}

void recess(cairo_t* cr, Box cut, double radius, double wallWidth, Rgb floor) {
    shadedRoundedRectangle(cr, cut, radius, kPanelGrey, -0.55);
    roundedRectangle(cr, cut.x + wallWidth, cut.y + wallWidth, cut.width - 2 * wallWidth, cut.height - 2 * wallWidth,
                     radius - wallWidth, floor);
}

void lamp(cairo_t* cr, Point centre, double radius, const LampColour& colour, LampState state) {
    const double rimWidth = radius / 8;
    bezel(cr, centre, radius, rimWidth, kPanelGrey, kLampBody);
    const double housingRadius = radius - rimWidth;
    const double lensRadius = radius - 2.5 * rimWidth;
    if (state == LampState::Dark) {
        Pattern lens = radialPattern({centre.x - lensRadius * 0.2, centre.y - lensRadius * 0.2}, 0, centre, lensRadius);
        addStop(lens, 0, mix(colour.dark, colour.lit, 0.2));
        addStop(lens, 0.7, colour.dark);
        addStop(lens, 1, mix(colour.dark, kShade, 0.45));
        circlePath(cr, centre, lensRadius);
        fillWith(cr, lens);
        // The reflection of the cockpit on the unlit glass.
        const Point reflection{centre.x - lensRadius * 0.35, centre.y - lensRadius * 0.4};
        Pattern glass = radialPattern(reflection, 0, reflection, lensRadius * 0.5);
        addStop(glass, 0, kWhite, 0.35);
        addStop(glass, 1, kWhite, 0);
        circlePath(cr, centre, lensRadius);
        fillWith(cr, glass);
        return;
    }
    // The burning lens lights up the housing round it, inside the rim.
    Pattern glow = radialPattern(centre, lensRadius, centre, housingRadius);
    addStop(glow, 0, colour.lit, 0.75);
    addStop(glow, 1, colour.lit, 0.05);
    circlePath(cr, centre, housingRadius);
    fillWith(cr, glow);

    Pattern lens = radialPattern({centre.x - lensRadius * 0.15, centre.y - lensRadius * 0.15}, 0, centre, lensRadius);
    addStop(lens, 0, mix(colour.lit, kWhite, 0.8));
    addStop(lens, 0.45, mix(colour.lit, kWhite, 0.3));
    addStop(lens, 0.85, colour.lit);
    addStop(lens, 1, mix(colour.lit, kShade, 0.2));
    circlePath(cr, centre, lensRadius);
    fillWith(cr, lens);

    const Point glintCentre{centre.x - lensRadius / 2.5, centre.y - lensRadius / 2.5};
    Pattern glint = radialPattern(glintCentre, 0, glintCentre, lensRadius / 4);
    addStop(glint, 0, kLampGlint);
    addStop(glint, 0.4, kLampGlint, 0.9);
    addStop(glint, 1, kLampGlint, 0);
    circlePath(cr, glintCentre, lensRadius / 4);
    fillWith(cr, glint);
}

void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour) {
    label(cr, text, centre, size, colour, Typeface::SansBold);
}

void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour, Typeface face) {
    const std::string terminated{text};
    SavedState saved(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           face == Typeface::SansBold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, terminated.c_str(), &ink);
    cairo_move_to(cr, centre.x - ink.x_bearing - ink.width / 2, centre.y - ink.y_bearing - ink.height / 2);
    setColour(cr, colour);
    cairo_show_text(cr, terminated.c_str());
}

void dialFace(cairo_t* cr, Point centre, double radius, Rgb face) {
    Pattern pattern = radialPattern(centre, 0, centre, radius);
    addStop(pattern, 0, mix(face, kWhite, 0.06));
    addStop(pattern, 0.85, face);
    addStop(pattern, 1, mix(face, kShade, 0.35));
    circlePath(cr, centre, radius);
    fillWith(cr, pattern);
}

void dialScale(cairo_t* cr, Point centre, const ScaleStyle& style, std::span<const ScaleMark> marks) {
    for (const ScaleMark& mark : marks) {
        const bool major = mark.tick == Tick::Major;
        const double length = major ? style.majorLength : style.minorLength;
        line(cr, polar(centre, style.outerRadius - length, mark.angle), polar(centre, style.outerRadius, mark.angle),
             major ? style.majorWidth : style.minorWidth, style.ink, CAIRO_LINE_CAP_BUTT);
        if (!mark.numeral.empty()) {
            label(cr, mark.numeral, polar(centre, style.numeralRadius, mark.angle), style.numeralSize, style.ink);
        }
    }
}

void needle(cairo_t* cr, Point pivot, double angle, const NeedleStyle& style) {
    SavedState saved(cr);
    cairo_translate(cr, pivot.x, pivot.y);
    cairo_rotate(cr, radians(angle));
    const double half = style.width / 2;
    if (style.tail > 0) {
        roundedRectangle(cr, -style.tail, -half * 1.3, style.tail, half * 2.6, half, style.tailColour);
    }
    const double taperFrom = std::max(0.0, style.length - 2 * style.width);
    cairo_move_to(cr, 0, -half);
    cairo_line_to(cr, taperFrom, -half * 0.6);
    cairo_line_to(cr, style.length, 0);
    cairo_line_to(cr, taperFrom, half * 0.6);
    cairo_line_to(cr, 0, half);
    cairo_close_path(cr);
    setColour(cr, style.colour);
    cairo_fill(cr);
    domedDisc(cr, {0, 0}, style.hubRadius, style.hubColour, 0.4, 0.4);
}

void pushButton(cairo_t* cr, Box box, ButtonState state, Rgb cap, std::string_view text, double textSize,
                Rgb textColour) {
    const double radius = std::min(box.width, box.height) * 0.18;
    // The hole in the panel that the button sits in.
    shadedRoundedRectangle(cr, box, radius, mix(cap, kShade, 0.75), -0.3);
    const bool pressed = state == ButtonState::Pressed;
    const Box capEdge = inset(box, 1.5);
    shadedRoundedRectangle(cr, capEdge, radius - 1.5, pressed ? mix(cap, kShade, 0.25) : cap, pressed ? -0.2 : 0.4);
    const Box top = inset(capEdge, 1.5);
    roundedRectangle(cr, top.x, top.y, top.width, top.height, radius - 3, pressed ? mix(cap, kShade, 0.2) : cap);
    if (!text.empty()) {
        const Point centre = top.centre();
        label(cr, text, {centre.x, centre.y + (pressed ? 1 : 0)}, textSize, textColour);
    }
}

void rockerSwitch(cairo_t* cr, Box box, Direction pressedEnd, Rgb cap) {
    const double radius = std::min(box.width, box.height) * 0.15;
    shadedRoundedRectangle(cr, box, radius, mix(cap, kShade, 0.7), -0.3);
    const Box rocker = inset(box, 2);
    const double middle = rocker.y + rocker.height / 2;
    const bool upperIn = pressedEnd == Direction::Up;
    // The end pressed in tilts away into shadow; the other end stands out toward the light.
    Pattern pattern = linearPattern({rocker.x, rocker.y}, {rocker.x, rocker.y + rocker.height});
    const Rgb inEnd = mix(cap, kShade, 0.5);
    const Rgb inMiddle = mix(cap, kShade, 0.2);
    const Rgb ridge = mix(cap, kWhite, 0.35);
    addStop(pattern, 0, upperIn ? inEnd : cap);
    addStop(pattern, 0.49, upperIn ? inMiddle : ridge);
    addStop(pattern, 0.51, upperIn ? ridge : inMiddle);
    addStop(pattern, 1, upperIn ? cap : inEnd);
    roundedRectanglePath(cr, rocker, radius - 2);
    fillWith(cr, pattern);
    line(cr, {rocker.x + 1, middle}, {rocker.x + rocker.width - 1, middle}, 1, mix(cap, kWhite, 0.55),
         CAIRO_LINE_CAP_BUTT);
}

void knob(cairo_t* cr, Point centre, double radius, double pointerAngle, Rgb body) {
    shadedDisc(cr, centre, radius, body, 0.35);
    const Rgb groove = mix(body, kShade, 0.55);
    const double grooveWidth = std::max(0.6, radius * 0.06);
    for (int index = 0; index < kKnurlGrooves; ++index) {
        const double angle = 360.0 * index / kKnurlGrooves;
        line(cr, polar(centre, radius * 0.84, angle), polar(centre, radius * 0.97, angle), grooveWidth, groove,
             CAIRO_LINE_CAP_BUTT);
    }
    domedDisc(cr, centre, radius * 0.78, body, 0.35, 0.3);
    line(cr, polar(centre, radius * 0.2, pointerAngle), polar(centre, radius * 0.7, pointerAngle),
         std::max(1.2, radius * 0.12), kLabelWhite, CAIRO_LINE_CAP_ROUND);
}

Box digitCell(const DigitStrip& strip, int digit) {
    Box cell = strip.firstCell;
    cell.y += digit * cell.height;
    return cell;
}

void digitStrip(cairo_t* cr, const DigitStrip& strip) {
    for (int digit = 0; digit <= 9; ++digit) {
        const Box cell = digitCell(strip, digit);
        // Each cell is shaded alike, a little darker toward its edges as the drum curves away.
        Pattern pattern = linearPattern({cell.x, cell.y}, {cell.x, cell.y + cell.height});
        addStop(pattern, 0, mix(strip.face, kShade, 0.5));
        addStop(pattern, 0.25, strip.face);
        addStop(pattern, 0.75, strip.face);
        addStop(pattern, 1, mix(strip.face, kShade, 0.5));
        cairo_rectangle(cr, cell.x, cell.y, cell.width, cell.height);
        fillWith(cr, pattern);
        const std::string text = std::string{strip.leading} + static_cast<char>('0' + digit);
        label(cr, text, cell.centre(), strip.digitSize, strip.ink);
    }
}

void toggleLever(cairo_t* cr, Point pivot, Point tip, double width) {
    // The hexagonal nut that holds the switch in the panel.
    const double nutRadius = width * 1.25;
    cairo_new_sub_path(cr);
    for (int corner = 0; corner < 6; ++corner) {
        const Point at = polar(pivot, nutRadius, 30 + 60.0 * corner);
        cairo_line_to(cr, at.x, at.y);
    }
    cairo_close_path(cr);
    fillWith(cr, reliefPattern(squareAround(pivot, nutRadius), kMetalGrey, 0.45));
    rod(cr, pivot, tip, width, width * 0.75, kMetalLight);
    domedDisc(cr, tip, width * 0.8, kMetalLight, 0.7, 0.45);
}

void leverKnob(cairo_t* cr, Point knobCentre, double knobRadius, Point stemEnd, double stemWidth) {
    rod(cr, stemEnd, knobCentre, stemWidth, stemWidth, kMetalGrey);
    // The tyre of the wheel-shaped knob, rounded like a torus and lit from the top left.
    const double hubRadius = knobRadius * 0.68;
    Pattern tyre = radialPattern(knobCentre, hubRadius, knobCentre, knobRadius);
    addStop(tyre, 0, mix(kMetalLight, kShade, 0.35));
    addStop(tyre, 0.45, mix(kMetalLight, kWhite, 0.4));
    addStop(tyre, 1, mix(kMetalLight, kShade, 0.45));
    circlePath(cr, knobCentre, knobRadius);
    fillWith(cr, tyre);
    Pattern light = linearPattern({knobCentre.x - knobRadius, knobCentre.y - knobRadius},
                                  {knobCentre.x + knobRadius, knobCentre.y + knobRadius});
    addStop(light, 0, kWhite, 0.3);
    addStop(light, 0.5, kWhite, 0);
    addStop(light, 1, kShade, 0.4);
    circlePath(cr, knobCentre, knobRadius);
    fillWith(cr, light);
    // Wheel face and axle.
    shadedDisc(cr, knobCentre, hubRadius, kMetalGrey, -0.35);
    domedDisc(cr, knobCentre, knobRadius * 0.25, kPanelGrey, 0.5, 0.4);
}

void selectorHandle(cairo_t* cr, Point pivot, Direction pointing, double reach, double width) {
    const double half = width / 2;
    const double tail = reach * 0.35;
    const cairo_matrix_t axes = handleAxes(pivot, pointing);
    const Rgb rim = mix(kHandleRed, kShade, 0.5);
    {
        SavedState saved(cr);
        cairo_transform(cr, &axes);
        cairo_move_to(cr, -tail, -half * 0.8);
        cairo_line_to(cr, 0, -half);
        cairo_line_to(cr, reach - width, -half * 0.6);
        cairo_line_to(cr, reach, 0);
        cairo_line_to(cr, reach - width, half * 0.6);
        cairo_line_to(cr, 0, half);
        cairo_line_to(cr, -tail, half * 0.8);
        cairo_close_path(cr);
    }
    // The outline is shaded in the picture's own axes, so every position catches the light alike.
    double left, top, right, bottom;
    cairo_fill_extents(cr, &left, &top, &right, &bottom);
    fillWith(cr, reliefPattern({left, top, right - left, bottom - top}, kHandleRed, 0.35), Path::Keep);
    {
        // The grip is a ridge along the pointer: its flanks fall away into shadow.
        SavedState saved(cr);
        cairo_transform(cr, &axes);
        Pattern ridge = linearPattern({0, -half}, {0, half});
        addStop(ridge, 0, kShade, 0.35);
        addStop(ridge, 0.5, kWhite, 0.12);
        addStop(ridge, 1, kShade, 0.35);
        fillWith(cr, ridge, Path::Keep);
    }
    outline(cr, rim);

    shadedDisc(cr, pivot, width * 0.6, kHandleRed, 0.35);
    circlePath(cr, pivot, width * 0.6);
    outline(cr, rim);
    {
        SavedState saved(cr);
        cairo_transform(cr, &axes);
        line(cr, {width * 0.8, 0}, {reach - width * 0.6, 0}, width * 0.12, kLabelWhite, CAIRO_LINE_CAP_BUTT);
    }
    screw(cr, pivot, width * 0.22, 45);
}

}  // namespace picturegen::kit
