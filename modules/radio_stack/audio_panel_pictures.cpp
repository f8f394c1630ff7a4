// The art of RadioAudioZ3V and RadioAudioZ3VVFR: the two faces with their buttons and dark marker
// lamps, the marker strip with each lamp lit, and the amber and green indicator bars.
#include "modules/radio_stack/audio_panel_layout.h"
#include "modules/radio_stack/pictures.h"
#include "modules/radio_stack/radio_art.h"

#include <utility>

namespace {

using namespace radio_stack::art;
namespace layout = radio_stack::audio_panel_layout;

constexpr kit::LampColour kWhiteLamp{{250, 250, 240}, {72, 72, 68}};
constexpr Rgb kLensLetterOnLit{40, 40, 40};
constexpr Rgb kLensLetterOnDark{150, 150, 150};

// The marker lamps A, O and M, left to right in their strip; the faces print them dark where the
// strip is shown.
constexpr Point kMarkerLampCentres[] = {{12, 14}, {37, 14}, {62, 14}};
constexpr double kMarkerLampRadius = 11;
constexpr const char* kMarkerLetters[] = {"A", "O", "M"};
constexpr kit::LampColour kMarkerColours[] = {kWhiteLamp, kit::kBlueLamp, kit::kAmberLamp};
constexpr int kInnerMarker = 0, kOuterMarker = 1, kMiddleMarker = 2, kNoMarker = -1;
static_assert(kMarkerLampCentres[2].x + kMarkerLampRadius <= layout::kMarkerLamps.width);

void drawMarkerLamps(cairo_t* cr, Point origin, int lit) {
    for (int lamp = 0; lamp < 3; ++lamp) {
        const Point centre{origin.x + kMarkerLampCentres[lamp].x, origin.y + kMarkerLampCentres[lamp].y};
        const bool burning = lamp == lit;
        kit::lamp(cr, centre, kMarkerLampRadius, kMarkerColours[lamp],
                  burning ? kit::LampState::Lit : kit::LampState::Dark);
        kit::label(cr, kMarkerLetters[lamp], centre, 9, burning ? kLensLetterOnLit : kLensLetterOnDark);
    }
}

struct AudioButton {
    layout::Spot corner;
    const char* caption;
};

// Each button carries an indicator bar's place in its top-left corner; only the buttons the gauges
// light have a bar icon over it.
constexpr AudioButton kAudioButtons[] = {
    {layout::kMarkerMute, "MKR"}, {layout::kCom1, "COM1"}, {layout::kCom2, "COM2"}, {{246, 12}, "COM3"},
    {layout::kNav1, "NAV1"},      {layout::kNav2, "NAV2"}, {layout::kDme, "DME"},   {layout::kAdf, "ADF"},
    {{148, 53}, "MIC1"},          {{197, 53}, "MIC2"},     {{246, 53}, "MIC3"},     {layout::kReceiveAll, "COM 1/2"},
    {{365, 53}, "SPKR"},          {{416, 53}, "PA"},       {{465, 53}, "TEST"},
};

template <const Rgb& paint>
void drawAudioFace(cairo_t* cr, const Picture& picture) {
    faceplate<paint>(cr, picture);
    drawMarkerLamps(cr, {static_cast<double>(layout::kMarkerLamps.x), static_cast<double>(layout::kMarkerLamps.y)},
                    kNoMarker);
    text(cr, "MKR BCN", {42, 50}, 8);
    for (const AudioButton& audio : kAudioButtons) {
        const double x = audio.corner.x, y = audio.corner.y;
        button(cr, {x, y, layout::kButtonWidth, layout::kButtonHeight}, audio.caption, 7);
        kit::roundedRectangle(cr, x, y, layout::kBarWidth, layout::kBarHeight, 1, kWindowGlass);
    }
    for (const auto& [centre, caption] : {std::pair{Point{548, 38}, "VOL"}, std::pair{Point{548, 86}, "ICS"}}) {
        kit::knob(cr, centre, 15, kUp - 60, kKnobBody);
        text(cr, caption, {centre.x + 30, centre.y}, 7);
    }
    text(cr, "PILOT  CREW", {100, 92}, 7);
}

template <int lit>
void drawMarkerStrip(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    drawMarkerLamps(cr, {0, 0}, lit);
}

template <const kit::LampColour& colour>
void drawIndicatorBar(cairo_t* cr, const Picture&) { kit::fill(cr, colour.lit); }

constexpr Picture bar(std::uint32_t id, Draw draw) {
    return {.id = id, .width = layout::kBarWidth, .height = layout::kBarHeight, .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    face(layout::kMainFace, layout::kFaceWidth, layout::kFaceHeight, drawAudioFace<kFaceGrey>),
    face(layout::kVfrFace, layout::kFaceWidth, layout::kFaceHeight, drawAudioFace<kVfrFaceGrey>),
    picture(layout::kMarkerLamps, 0, drawMarkerStrip<kOuterMarker>),
    picture(layout::kMarkerLamps, 1, drawMarkerStrip<kMiddleMarker>),
    picture(layout::kMarkerLamps, 2, drawMarkerStrip<kInnerMarker>),
    bar(layout::kAmberBar, drawIndicatorBar<kit::kAmberLamp>),
    bar(layout::kGreenBar, drawIndicatorBar<kGreenLamp>),
};

}  // namespace

constinit const picturegen::PictureUnit audioPanelPictures{kPictures};
