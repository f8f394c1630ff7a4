// The art of Vor1 and AutoClose: the face with its OBS knob, the mask that is the face seen over the
// course card (the card showing through an upper and a lower segment of the ring), the compass card,
// the light bar, the TO, FROM, NAV and GS flags, and AutoClose's plate that shows nothing.
#include <string>
#include <vector>

#include "modules/vfr_instruments/instrument_art.h"
#include "modules/vfr_instruments/pictures.h"
#include "modules/vfr_instruments/vor_layout.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = vfr_instruments::layout;
using kit::texelCentre;

constexpr double kUp = -90;
constexpr kit::Rgb kFace{20, 20, 21};
constexpr kit::Rgb kRim{96, 96, 100};
constexpr kit::Rgb kInk = kit::kLabelWhite;
constexpr kit::Rgb kFlagRed{205, 30, 25};
constexpr kit::Rgb kCardGrey{48, 48, 50};

const kit::Point kCentre = texelCentre(layout::kVorCentre);

void lubber(cairo_t* cr) {
    cairo_move_to(cr, kCentre.x, kCentre.y - layout::kRingOuter + 4);
    cairo_line_to(cr, kCentre.x - 8, kCentre.y - layout::kInstrumentRadius + 8);
    cairo_line_to(cr, kCentre.x + 8, kCentre.y - layout::kInstrumentRadius + 8);
    cairo_close_path(cr);
    kit::setColour(cr, kInk);
    cairo_fill(cr);
}

// What the face and its mask share: the bezel, the lamps, the centre ring and the lubber triangle.
void faceWithoutFlags(cairo_t* cr) {
    kit::bezel(cr, kCentre, layout::kInstrumentRadius, 8, kRim, kFace);
    for (const auto& [text, x] : {std::pair{"BC", 104.0}, std::pair{"ARC", 194.0}}) {
        kit::lamp(cr, {x, 186}, 6, {{255, 200, 60}, {70, 58, 26}}, kit::LampState::Dark);
        kit::label(cr, text, {x, 172}, 9, kInk, kit::Typeface::Sans);
    }
    cairo_new_path(cr);
    cairo_arc(cr, kCentre.x, kCentre.y, 12, 0, instrument_art::radians(360));
    cairo_set_line_width(cr, 2);
    kit::setColour(cr, kInk);
    cairo_stroke(cr);
    lubber(cr);
}

void drawVorFace(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    faceWithoutFlags(cr);
    const layout::Area knob = layout::kCourseKnob;
    kit::knob(cr, {knob.x + knob.width / 2.0, knob.y + knob.height / 2.0}, 27, kUp, {48, 48, 50});
    kit::label(cr, "OBS", {knob.x + knob.width / 2.0 + 34, knob.y + 8.0}, 10, kInk);
    // The flags painted in, under the mask.
    kit::roundedRectangle(cr, layout::kToFromAt.x, layout::kToFromAt.y, layout::kToFrom.width, layout::kToFrom.height, 2,
                          kFlagRed);
    kit::roundedRectangle(cr, layout::kGlideslopeFlagAt.x, layout::kGlideslopeFlagAt.y, layout::kGlideslopeFlag.width,
                          layout::kGlideslopeFlag.height, 2, kFlagRed);
}

// The face over the card: (1, 1, 1) in the ring's upper and lower segments, a dotted crosshair.
void drawVorMask(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    faceWithoutFlags(cr);
    kit::setCrispRendering(cr);
    kit::setColour(cr, kit::kNearBlack);
    for (double middle : {kUp, -kUp}) {
        const double from = instrument_art::radians(middle - layout::kSegmentHalfAngle);
        const double to = instrument_art::radians(middle + layout::kSegmentHalfAngle);
        cairo_new_path(cr);
        cairo_arc(cr, kCentre.x, kCentre.y, layout::kRingOuter, from, to);
        cairo_arc_negative(cr, kCentre.x, kCentre.y, layout::kRingInner, to, from);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    kit::setSmoothRendering(cr);
    lubber(cr);
    for (int step = -8; step <= 8; ++step) {
        if (step == 0) continue;
        kit::disc(cr, {kCentre.x + 10.0 * step, kCentre.y}, 1.6, kInk);
        kit::disc(cr, {kCentre.x, kCentre.y + 10.0 * step}, 1.6, kInk);
    }
}

// The course card: the compass card with an outer ring of small labels every 10 degrees.
void drawCourseCard(cairo_t* cr, const Picture& picture) {
    const kit::Point centre{picture.width / 2.0, picture.height / 2.0};
    instrument_art::compassCard(cr, centre,
                                {.face = kCardGrey, .ink = kInk, .radius = picture.width / 2.0 - 1,
                                 .tickOuter = picture.width / 2.0 - 2, .majorTick = 10, .minorTick = 6,
                                 .labelRadius = 100, .labelSize = 17, .letterSize = 21});
    for (int heading = 10; heading < 360; heading += 10) {
        if (heading % 30 == 0) continue;
        instrument_art::turnedLabel(cr, std::to_string(heading / 10), kit::polar(centre, 116, kUp + heading), heading, 8,
                                    kInk);
    }
}

// A light bar along +x; the bars' pivots lie a few pixels before it, in its rows 5 and 6.
void drawDeviationBar(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, 0, 2, picture.width, picture.height - 2, 2, {235, 235, 225});
}

void drawTriangle(cairo_t* cr, const Picture& picture, bool pointingUp) {
    const double width = picture.width, height = picture.height;
    kit::fill(cr, kit::kTransparent);
    const double tip = pointingUp ? 2 : height - 2;
    cairo_move_to(cr, width / 2, tip);
    cairo_line_to(cr, 4, height / 2);
    cairo_line_to(cr, width - 4, height / 2);
    cairo_close_path(cr);
    kit::setColour(cr, kInk);
    cairo_fill(cr);
}

void drawTo(cairo_t* cr, const Picture& picture) { drawTriangle(cr, picture, true); }
void drawFrom(cairo_t* cr, const Picture& picture) { drawTriangle(cr, picture, false); }

template <const char* text>
void drawRedFlag(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, 1, 1, picture.width - 2, picture.height - 2, 2, kFlagRed);
    kit::label(cr, text, {picture.width / 2.0, picture.height / 2.0}, 10, kInk);
}

void drawNothing(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kTransparent); }

constexpr char kNav[] = "NAV";
constexpr char kGs[] = "GS";

constexpr Picture picture(const layout::Picture& of, std::uint32_t id, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = id, .width = of.width, .height = of.height, .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    picture(layout::kVorFace, layout::kVorFace.id, drawVorFace),
    picture(layout::kDeviationBar, layout::kDeviationBar.id, drawDeviationBar),
    picture(layout::kToFrom, layout::kToFrom.id, drawTo),
    picture(layout::kToFrom, layout::kToFrom.id + 1, drawFrom),
    picture(layout::kToFrom, layout::kToFrom.id + 2, drawRedFlag<kNav>),
    picture(layout::kGlideslopeFlag, layout::kGlideslopeFlag.id, drawNothing),
    picture(layout::kGlideslopeFlag, layout::kGlideslopeFlag.id + 1, drawRedFlag<kGs>),
    picture(layout::kCourseCard, layout::kCourseCard.id, drawCourseCard),
    picture(layout::kCourseCardMask, layout::kCourseCardMask.id, drawVorMask),
    picture(layout::kAutoClosePlate, layout::kAutoClosePlate.id, drawNothing),
};

}  // namespace

constinit const picturegen::PictureUnit vorPictures{kPictures};
