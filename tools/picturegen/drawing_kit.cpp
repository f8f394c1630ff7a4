#include "tools/picturegen/drawing_kit.h"

#include <numbers>
#include <string>

namespace picturegen::kit {

namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;

void bar(cairo_t* cr, Point from, Point to, double width, Rgb colour, cairo_line_cap_t cap) {
    cairo_save(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, cap);
    cairo_move_to(cr, from.x, from.y);
    cairo_line_to(cr, to.x, to.y);
    cairo_stroke(cr);
    cairo_restore(cr);
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

void setCrispRendering(cairo_t* cr) {
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

void setColour(cairo_t* cr, Rgb colour) {
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

void fill(cairo_t* cr, Rgb colour) {
    cairo_save(cr);
    setColour(cr, colour);
    cairo_paint(cr);
    cairo_restore(cr);
}

void roundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius, Rgb colour) {
    const double right = x + width;
    const double bottom = y + height;
    const double quarter = kFullTurn / 4;
    cairo_save(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, y + radius, radius, -quarter, 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, quarter);
    cairo_arc(cr, x + radius, bottom - radius, radius, quarter, 2 * quarter);
    cairo_arc(cr, x + radius, y + radius, radius, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void disc(cairo_t* cr, Point centre, double radius, Rgb colour) {
    cairo_save(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, kFullTurn);
    setColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void bezel(cairo_t* cr, Point centre, double outerRadius, double rimWidth, Rgb rim, Rgb face) {
    disc(cr, centre, outerRadius, rim);
    disc(cr, centre, outerRadius - rimWidth, face);
}

void lamp(cairo_t* cr, Point centre, double radius, const LampColour& colour, LampState state) {
    const double rimWidth = radius / 8;
    bezel(cr, centre, radius, rimWidth, kPanelGrey, kLampBody);
    const double lensRadius = radius - 2.5 * rimWidth;
    disc(cr, centre, lensRadius, state == LampState::Lit ? colour.lit : colour.dark);
    if (state == LampState::Lit) {
        const double glintOffset = lensRadius / 2.5;
        disc(cr, {centre.x - glintOffset, centre.y - glintOffset}, lensRadius / 5, kLampGlint);
    }
}

void label(cairo_t* cr, std::string_view text, Point centre, double size, Rgb colour) {
    const std::string terminated{text};
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t ink;
    cairo_text_extents(cr, terminated.c_str(), &ink);
    cairo_move_to(cr, centre.x - ink.x_bearing - ink.width / 2, centre.y - ink.y_bearing - ink.height / 2);
    setColour(cr, colour);
    cairo_show_text(cr, terminated.c_str());
    cairo_restore(cr);
}

void toggleLever(cairo_t* cr, Point pivot, Point tip, double width) {
    disc(cr, pivot, width, kMetalGrey);
    bar(cr, pivot, tip, width, kMetalLight, CAIRO_LINE_CAP_ROUND);
    disc(cr, tip, width * 0.8, kLabelWhite);
}

void leverKnob(cairo_t* cr, Point knobCentre, double knobRadius, Point stemEnd, double stemWidth) {
    bar(cr, knobCentre, stemEnd, stemWidth, kMetalGrey, CAIRO_LINE_CAP_BUTT);
    // Tyre, wheel face and axle, as on a gear lever's wheel-shaped knob.
    bezel(cr, knobCentre, knobRadius, knobRadius * 0.3, kMetalLight, kMetalGrey);
    disc(cr, knobCentre, knobRadius * 0.25, kPanelGrey);
}

void selectorHandle(cairo_t* cr, Point pivot, Direction pointing, double reach, double width) {
    const double half = width / 2;
    const double tail = reach * 0.35;
    const cairo_matrix_t axes = handleAxes(pivot, pointing);

    cairo_save(cr);
    cairo_transform(cr, &axes);
    cairo_move_to(cr, -tail, -half * 0.8);
    cairo_line_to(cr, 0, -half);
    cairo_line_to(cr, reach - width, -half * 0.6);
    cairo_line_to(cr, reach, 0);
    cairo_line_to(cr, reach - width, half * 0.6);
    cairo_line_to(cr, 0, half);
    cairo_line_to(cr, -tail, half * 0.8);
    cairo_close_path(cr);
    setColour(cr, kHandleRed);
    cairo_fill(cr);
    disc(cr, {0, 0}, width * 0.6, kHandleRed);
    bar(cr, {width * 0.8, 0}, {reach - width * 0.6, 0}, width * 0.12, kLabelWhite, CAIRO_LINE_CAP_BUTT);
    disc(cr, {0, 0}, width * 0.2, kMetalGrey);
    cairo_restore(cr);
}

}  // namespace picturegen::kit
