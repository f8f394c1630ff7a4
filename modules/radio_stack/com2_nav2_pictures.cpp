// The art of RadioCom2Nav2Z3V: the face with a display window around each half's drums and its
// MEMORY column, the two drum strips with their windows, the VOL knob and the memory indicator.
#include "modules/radio_stack/com2_nav2_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

#include <string>

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::com2_nav2_layout;

// One half of the radio: its drums (leading pair, one digit, the gap with the point, two digits),
// its MEMORY column with the channel indicator, its tuning knob and its VOL knob.
struct Com2Nav2Half {
    const layout::DrumRow& drums;
    double pointX;
    double memoryColumnX;
    const layout::PictureBox& indicator;
    Point tuningKnob;
    double volumeKnobX;
    const char* caption;
};
constexpr Com2Nav2Half kCom2Half{layout::kCom2Drums, 235, 48, layout::kComMemoryIndicator, {215, 146}, 110, "COM 2"};
constexpr Com2Nav2Half kNav2Half{layout::kNav2Drums, 512, 605, layout::kNavMemoryIndicator, {498, 146}, 415, "NAV 2"};

// The display window runs from the leading pair to the units drum, with a margin of 2.
constexpr double kWindowMargin = 2;
constexpr double kWindowWidth = 196;
static_assert(layout::kCom2Drums.x[0] + layout::kDigitStrip.windowWidth + kWindowMargin ==
                  layout::kCom2Drums.x[3] - kWindowMargin + kWindowWidth &&
              layout::kNav2Drums.x[0] + layout::kDigitStrip.windowWidth + kWindowMargin ==
                  layout::kNav2Drums.x[3] - kWindowMargin + kWindowWidth);

void drawCom2Nav2Half(cairo_t* cr, const Com2Nav2Half& half) {
    const double leadingPairX = half.drums.x[3];
    const double drumTop = layout::kDrumY;
    const double drumHeight = layout::kDigitStrip.windowHeight;
    displayWindow(cr, Box{leadingPairX - kWindowMargin, drumTop - kWindowMargin, kWindowWidth,
                          drumHeight + 2 * kWindowMargin});
    kit::disc(cr, {half.pointX, drumTop + drumHeight - 8}, 3, kit::kLabelWhite);
    text(cr, half.caption, {leadingPairX + 96, 30}, 14);
    text(cr, "MEMORY", {half.memoryColumnX + 22.5, 22}, 8);
    for (int memory = 0; memory < 3; ++memory) {
        button(cr, {half.memoryColumnX + 2, 34 + 56.0 * memory, 41, 50}, std::to_string(memory + 1), 12);
    }
    kit::recess(cr, {half.indicator.x - 1.0, half.indicator.y - 1.0, half.indicator.width + 2.0,
                     half.indicator.height + 2.0}, 1, 1, kWindowGlass);
    kit::knob(cr, half.tuningKnob, 34, kUp, kKnobBody);
    kit::knob(cr, half.tuningKnob, 17, kUp, kKnobBody);
    text(cr, "VOL", {half.volumeKnobX, 212}, 8);
}

void drawCom2Nav2Face(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    kit::recess(cr, {348, 8, 4, picture.height - 16.0}, 1, 1, kit::kPanelGrey);
    drawCom2Nav2Half(cr, kCom2Half);
    drawCom2Nav2Half(cr, kNav2Half);
    text(cr, "OFF", {70, 230}, 7);
    kit::knob(cr, {215, 255}, 16, kUp + 30, kKnobBody);
    text(cr, "SQ", {215, 284}, 7);
    button(cr, {255, 240, 44, 22}, "25/50", 8);
    button(cr, {500, 240, 56, 22}, "VOX/ID", 8);
}

// The memory channel indicator: a white flag in its upper half at channel 1, its lower at 2.
template <int channel>
void drawMemoryIndicator(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kWindowGlass);
    const double half = picture.height / 2.0;
    kit::roundedRectangle(cr, 2, channel == 1 ? 3 : half + 3, picture.width - 4, half - 6, 1, kit::kLabelWhite);
}

constexpr Picture kPictures[] = {
    face(layout::kFace, layout::kFaceWidth, layout::kFaceHeight, drawCom2Nav2Face),
    picture(layout::kComVolumeKnob, 0, drawKnob<30.0, kUp - 120>),  // OFF
    picture(layout::kComVolumeKnob, 1, drawKnob<30.0, kUp + 30>),   // on
    picture(layout::kComMemoryIndicator, 0, drawMemoryIndicator<1>),
    picture(layout::kComMemoryIndicator, 1, drawMemoryIndicator<2>),
    strip(layout::kDigitStrip, 24, drawDigitStrip<kNoLeading, 34.0>),
    window(layout::kDigitStrip),
    strip(layout::kLeadingPairStrip, 24, drawDigitStrip<kLeadingOne, 34.0>),
    window(layout::kLeadingPairStrip),
};
// One pair of pictures serves both VOL knobs, one both memory indicators.
static_assert(layout::kComVolumeKnob.id == layout::kNavVolumeKnob.id &&
              layout::kComMemoryIndicator.id == layout::kNavMemoryIndicator.id);

}  // namespace

constinit const picturegen::PictureUnit com2Nav2Pictures{kPictures};
