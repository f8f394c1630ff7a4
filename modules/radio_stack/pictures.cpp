#include "modules/radio_stack/pictures.h"

#include "tools/picturegen/drawing_kit.h"

#include <string>
#include <string_view>
#include <utility>

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
using kit::Box;
using kit::Point;
using kit::Rgb;

// Angles as the kit counts them: degrees clockwise from three o'clock.
constexpr double kUp = -90;
constexpr double kLeft = 180;

// The radio faces are dark grey plates; the VFR panel's copies are darker still.
constexpr Rgb kFaceGrey{54, 56, 60};
constexpr Rgb kVfrFaceGrey{36, 37, 40};
// Display glass under the readouts and drums; the readouts paint their own black box over it.
constexpr Rgb kWindowGlass = kit::kPanelBlack;
constexpr Rgb kKnobBody{40, 40, 43};
constexpr Rgb kButtonCap{70, 70, 74};
constexpr Rgb kDrumFace{28, 28, 28};
constexpr Rgb kDrumDigit{240, 240, 240};
constexpr kit::LampColour kWhiteLamp{{250, 250, 240}, {72, 72, 68}};
constexpr kit::LampColour kGreenLamp{{70, 235, 95}, {18, 62, 26}};
constexpr Rgb kLensLetterOnLit{40, 40, 40};
constexpr Rgb kLensLetterOnDark{150, 150, 150};

void text(cairo_t* cr, std::string_view words, Point centre, double size) {
    kit::label(cr, words, centre, size, kit::kLabelWhite);
}

// A unit's face filling its picture; only the rounded corners outside it are transparent.
template <const Rgb& paint>
void faceplate(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::panelPlate(cr, {0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)}, 8, paint);
}

void displayWindow(cairo_t* cr, Box glass) {
    kit::recess(cr, {glass.x - 3, glass.y - 3, glass.width + 6, glass.height + 6}, 3, 3, kWindowGlass);
}

void button(cairo_t* cr, Box box, std::string_view caption, double size) {
    kit::pushButton(cr, box, kit::ButtonState::Up, kButtonCap, caption, size, kit::kLabelWhite);
}

// A knob picture: the knob in the middle of the picture on transparency, its pointer at the angle.
template <double radius, double pointerAngle>
void drawKnob(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, {picture.width / 2.0, picture.height / 2.0}, radius, pointerAngle, kKnobBody);
}

// The window of a digit drum or a sprite: where the moving picture shows.
void drawMask(cairo_t* cr, const Picture&) { kit::fill(cr, kit::kNearBlack); }

// Ten cells of the strip's height / 10, the digits 0 at the top to 9 at the bottom.
template <const char* leading, double digitSize>
void drawDigitStrip(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kDrumFace);
    const double cell = picture.height / 10.0;
    kit::digitStrip(cr, {.firstCell = {0, 0, static_cast<double>(picture.width), cell},
                         .leading = leading, .digitSize = digitSize, .ink = kDrumDigit, .face = kDrumFace});
}
constexpr char kNoLeading[] = "";
constexpr char kLeadingOne[] = "1";

// A horizontal toggle switch on its base, thrown to the left or the right.
template <bool thrownRight>
void drawSlideToggle(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const double width = picture.width;
    const double height = picture.height;
    kit::recess(cr, {4, 4, width - 8, height - 8}, 5, 2, kit::kPanelBlack);
    const Point pivot{width / 2, height / 2};
    const double reach = width / 2 - 13;
    kit::toggleLever(cr, pivot, {pivot.x + (thrownRight ? reach : -reach), pivot.y}, 5);
}

// ---------------------------------------------------------------------------------------------
// RadioTrans

constexpr double kXpdrDrumX[] = {62, 170, 274, 376};  // thousands to units
constexpr double kXpdrDrumY = 31;
constexpr Point kReplyLampCentre{13, 14.5};  // in the 26 x 29 lamp picture placed at (501, 19)
constexpr double kReplyLampRadius = 12;
constexpr Point kModeKnobCentre{52, 38};  // in the 104 x 63 knob pictures placed at (456, 52)
constexpr double kModeKnobRadius = 22;
// OFF, SBY, ON, ALT, TEST from left to right over the top of the knob.
constexpr double kModeAngles[] = {kUp - 80, kUp - 40, kUp, kUp + 40, kUp + 80};
constexpr const char* kModeLabels[] = {"OFF", "SBY", "ON", "ALT", "TST"};

void drawTransponderFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "GARMIN", {70, 13}, 9);
    text(cr, "GTX 320", {560, 132}, 10);
    displayWindow(cr, {50, 25, 362, 30});
    for (double x : kXpdrDrumX) kit::knob(cr, {x + 23, 83}, 19, kUp, kKnobBody);
    button(cr, {440, 20, 50, 26}, "IDT", 10);
    kit::lamp(cr, {501 + kReplyLampCentre.x, 19 + kReplyLampCentre.y}, kReplyLampRadius, kit::kRedLamp,
              kit::LampState::Dark);
    text(cr, "REPLY", {562, 33}, 8);
    const Point knobCentre{456 + kModeKnobCentre.x, 52 + kModeKnobCentre.y};
    for (int position = 0; position < 5; ++position) {
        text(cr, kModeLabels[position], kit::polar(knobCentre, 36, kModeAngles[position]), 8);
    }
}

void drawReplyLampLit(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::lamp(cr, kReplyLampCentre, kReplyLampRadius, kit::kRedLamp, kit::LampState::Lit);
}

template <int position>
void drawModeKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, kModeKnobCentre, kModeKnobRadius, kModeAngles[position], kKnobBody);
}

// ---------------------------------------------------------------------------------------------
// RadioAudioZ3V and RadioAudioZ3VVFR

// The marker lamps A, O and M, left to right in their 78 x 29 strip placed at (3, 11).
constexpr Point kMarkerStripOrigin{3, 11};
constexpr Point kMarkerLampCentres[] = {{12, 14}, {37, 14}, {62, 14}};
constexpr double kMarkerLampRadius = 11;
constexpr const char* kMarkerLetters[] = {"A", "O", "M"};
constexpr kit::LampColour kMarkerColours[] = {kWhiteLamp, kit::kBlueLamp, kit::kAmberLamp};
constexpr int kInnerMarker = 0, kOuterMarker = 1, kMiddleMarker = 2, kNoMarker = -1;

void drawMarkerLamps(cairo_t* cr, Point origin, int lit) {
    for (int lamp = 0; lamp < 3; ++lamp) {
        const Point centre{origin.x + kMarkerLampCentres[lamp].x, origin.y + kMarkerLampCentres[lamp].y};
        const bool burning = lamp == lit;
        kit::lamp(cr, centre, kMarkerLampRadius, kMarkerColours[lamp], burning ? kit::LampState::Lit : kit::LampState::Dark);
        kit::label(cr, kMarkerLetters[lamp], centre, 9, burning ? kLensLetterOnLit : kLensLetterOnDark);
    }
}

struct AudioButton {
    double x, y;
    const char* caption;
};

// Each button is 40 x 30; its indicator bar lies in its top-left corner.
constexpr AudioButton kAudioButtons[] = {
    {94, 12, "MKR"},   {148, 12, "COM1"}, {197, 12, "COM2"},    {246, 12, "COM3"},  {315, 10, "NAV1"},
    {365, 10, "NAV2"}, {416, 10, "DME"},  {465, 10, "ADF"},     {148, 53, "MIC1"},  {197, 53, "MIC2"},
    {246, 53, "MIC3"}, {315, 53, "COM 1/2"}, {365, 53, "SPKR"}, {416, 53, "PA"},    {465, 53, "TEST"},
};
constexpr double kBarWidth = 24, kBarHeight = 6;

template <const Rgb& paint>
void drawAudioFace(cairo_t* cr, const Picture& picture) {
    faceplate<paint>(cr, picture);
    drawMarkerLamps(cr, kMarkerStripOrigin, kNoMarker);
    text(cr, "MKR BCN", {42, 50}, 8);
    for (const AudioButton& audio : kAudioButtons) {
        button(cr, {audio.x, audio.y, 40, 30}, audio.caption, 7);
        kit::roundedRectangle(cr, audio.x, audio.y, kBarWidth, kBarHeight, 1, kWindowGlass);
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

// ---------------------------------------------------------------------------------------------
// RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR

constexpr double kCom1Nav1WindowX[] = {25, 110, 205, 290};  // COM active, COM standby, NAV active, NAV standby

template <const Rgb& paint>
void drawCom1Nav1Face(cairo_t* cr, const Picture& picture) {
    faceplate<paint>(cr, picture);
    text(cr, "COMM", {107, 12}, 9);
    text(cr, "NAV", {287, 12}, 9);
    for (int window = 0; window < 4; ++window) {
        const double x = kCom1Nav1WindowX[window];
        displayWindow(cr, {x, 30, 80, 25});
        text(cr, window % 2 == 0 ? "USE" : "STBY", {x + 40, 22}, 7);
    }
    // The tuning knobs under the standby windows.
    kit::knob(cr, {150, 94}, 20, kUp, kKnobBody);
    kit::knob(cr, {330, 94}, 20, kUp, kKnobBody);
    text(cr, "PULL TEST", {56, 76}, 6);
    text(cr, "IDENT", {225, 101}, 7);
    text(cr, "KX 155A", {377, 110}, 7);
}

// The transfer button with its double arrow, up or pressed in.
template <kit::ButtonState state>
void drawTransferButton(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::pushButton(cr, {0, 0, static_cast<double>(picture.width), static_cast<double>(picture.height)}, state,
                    kButtonCap, "\u2194", 16, kit::kLabelWhite);
}

// ---------------------------------------------------------------------------------------------
// RadioCom2Nav2Z3V

// One half of the radio: its drums (leading pair, one digit, the gap with the point, two digits),
// its MEMORY column with the channel indicator, its tuning knob and its VOL knob.
struct Com2Nav2Half {
    double leadingPairX, pointX;
    double memoryColumnX, indicatorX;
    Point tuningKnob;
    double volumeKnobX;
    const char* caption;
};
constexpr Com2Nav2Half kCom2Half{116, 235, 48, 97, {215, 146}, 110, "COM 2"};
constexpr Com2Nav2Half kNav2Half{393, 512, 605, 373, {498, 146}, 415, "NAV 2"};
constexpr double kDrumTop = 62;
constexpr double kDrumHeight = 50;

void drawCom2Nav2Half(cairo_t* cr, const Com2Nav2Half& half) {
    displayWindow(cr, {half.leadingPairX - 2, kDrumTop - 2, 196, kDrumHeight + 4});
    kit::disc(cr, {half.pointX, kDrumTop + kDrumHeight - 8}, 3, kit::kLabelWhite);
    text(cr, half.caption, {half.leadingPairX + 96, 30}, 14);
    text(cr, "MEMORY", {half.memoryColumnX + 22.5, 22}, 8);
    for (int memory = 0; memory < 3; ++memory) {
        button(cr, {half.memoryColumnX + 2, 34 + 56.0 * memory, 41, 50}, std::to_string(memory + 1), 12);
    }
    kit::recess(cr, {half.indicatorX - 1, 53, 14, 68}, 1, 1, kWindowGlass);
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

// ---------------------------------------------------------------------------------------------
// RadioDME

void drawDmeFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    displayWindow(cr, {16, 21, 282, 43});
    text(cr, "GS", {83, 77}, 9);
    text(cr, "DIST", {222, 77}, 9);
    text(cr, "NAV 1", {350, 50}, 8);
    text(cr, "NAV 2", {464, 50}, 8);
    text(cr, "OFF", {348, 91}, 8);
    text(cr, "ON", {444, 91}, 8);
    text(cr, "DME", {535, 45}, 18);
    text(cr, "KING", {535, 75}, 10);
}

// ---------------------------------------------------------------------------------------------
// RadioAP2

struct ModeButton {
    double x;
    const char* caption;
};
constexpr ModeButton kModeButtons[] = {{99, "HDG"}, {133, "INT"}, {167, "TRK"}, {201, "HI"}, {234, "BC"}};
constexpr double kModeButtonY = 35;
constexpr double kModeButtonWidth = 32, kModeButtonHeight = 25;
// The annunciator stripe across the top of a mode button, lit while its mode is engaged.
constexpr Box kStripe{5, 4, 22, 4};
constexpr double kRockerWidth = 22, kRockerHeight = 33;
constexpr Point kTurnKnobCentre{48, 48};  // in the 96 x 96 knob pictures placed at (137, 63)
constexpr double kTurnKnobRadius = 34;

void drawAutopilotFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "AUTOPILOT", {60, 17}, 9);
    for (const ModeButton& mode : kModeButtons) {
        button(cr, {mode.x, kModeButtonY, kModeButtonWidth, kModeButtonHeight}, mode.caption, 7);
        kit::roundedRectangle(cr, mode.x + kStripe.x, kModeButtonY + kStripe.y, kStripe.width, kStripe.height, 1,
                              kGreenLamp.dark);
    }
    // The A/P rocker at OFF and the NAV rocker at 1: both rocked in at their lower ends.
    kit::rockerSwitch(cr, {83, 94, kRockerWidth, kRockerHeight}, kit::Direction::Down, kButtonCap);
    text(cr, "A/P", {94, 86}, 8);
    kit::rockerSwitch(cr, {267, 94, kRockerWidth, kRockerHeight}, kit::Direction::Down, kButtonCap);
    text(cr, "NAV", {278, 86}, 8);
    text(cr, "2", {300, 102}, 7);
    text(cr, "1", {300, 120}, 7);
    kit::bezel(cr, {137 + kTurnKnobCentre.x, 63 + kTurnKnobCentre.y}, kTurnKnobRadius + 6, 4, kit::kPanelGrey,
               kit::kPanelBlack);
    text(cr, "L", {146, 72}, 9);
    text(cr, "R", {224, 72}, 9);
    text(cr, "PULL TURN", {185, 156}, 7);
}

void drawEngagedStripe(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::roundedRectangle(cr, kStripe.x, kStripe.y, kStripe.width, kStripe.height, 1, kGreenLamp.lit);
}

// A rocker rocked in at its upper end: A/P ON, NAV 2.
void drawRockerUp(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::rockerSwitch(cr, {0, 0, kRockerWidth, kRockerHeight}, kit::Direction::Up, kButtonCap);
}

// The PULL TURN knob, turned to L, centred or turned to R: its pointer leans 45 degrees.
template <double pointerAngle>
void drawTurnKnob(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::knob(cr, kTurnKnobCentre, kTurnKnobRadius, pointerAngle, kKnobBody);
}

// ---------------------------------------------------------------------------------------------
// RadioAdfZ3V

void drawAdfFace(cairo_t* cr, const Picture& picture) {
    faceplate<kFaceGrey>(cr, picture);
    text(cr, "KING", {55, 50}, 14);
    text(cr, "KR 87", {55, 75}, 12);
    text(cr, "ADF", {55, 100}, 10);
    displayWindow(cr, {120, 25, 120, 40});
    displayWindow(cr, {300, 25, 120, 40});
    text(cr, "USE", {180, 14}, 8);
    text(cr, "STBY", {360, 14}, 8);
    text(cr, "FRQ", {270, 45}, 8);
    // ADF, BFO and FRQ lie under the lower row of tuning areas.
    const std::pair<Box, const char*> buttons[] = {
        {{117, 104, 26, 18}, "ADF"}, {{167, 104, 26, 18}, "BFO"}, {{197, 104, 26, 18}, "FRQ"},
        {{300, 104, 44, 18}, "FLT/ET"}, {{350, 104, 44, 18}, "SET/RST"}};
    for (const auto& [box, caption] : buttons) button(cr, box, caption, 6);
    text(cr, "OFF  VOL", {452, 82}, 7);
    kit::knob(cr, {530, 100}, 28, kUp, kKnobBody);
    kit::knob(cr, {530, 100}, 14, kUp, kKnobBody);
}

constexpr Picture kPictures[] = {
    // RadioTrans
    {.id = 0x110, .width = 600, .height = 147, .bitsPerPixel = 8, .draw = drawTransponderFace},
    {.id = 0x111, .width = 18, .height = 240, .bitsPerPixel = 8, .draw = drawDigitStrip<kNoLeading, 17.0>},
    {.id = 0x112, .width = 18, .height = 24, .bitsPerPixel = 8, .draw = drawMask},
    {.id = 0x113, .width = 26, .height = 29, .bitsPerPixel = 8, .draw = drawReplyLampLit},
    {.id = 0x115, .width = 104, .height = 63, .bitsPerPixel = 8, .draw = drawModeKnob<0>},
    {.id = 0x116, .width = 104, .height = 63, .bitsPerPixel = 8, .draw = drawModeKnob<1>},
    {.id = 0x117, .width = 104, .height = 63, .bitsPerPixel = 8, .draw = drawModeKnob<2>},
    {.id = 0x118, .width = 104, .height = 63, .bitsPerPixel = 8, .draw = drawModeKnob<3>},
    {.id = 0x119, .width = 104, .height = 63, .bitsPerPixel = 8, .draw = drawModeKnob<4>},
    // RadioAudioZ3V and RadioAudioZ3VVFR
    {.id = 0x11A, .width = 600, .height = 116, .bitsPerPixel = 8, .draw = drawAudioFace<kFaceGrey>},
    {.id = 0x14E, .width = 600, .height = 116, .bitsPerPixel = 8, .draw = drawAudioFace<kVfrFaceGrey>},
    {.id = 0x11B, .width = 78, .height = 29, .bitsPerPixel = 8, .draw = drawMarkerStrip<kOuterMarker>},
    {.id = 0x11C, .width = 78, .height = 29, .bitsPerPixel = 8, .draw = drawMarkerStrip<kMiddleMarker>},
    {.id = 0x11D, .width = 78, .height = 29, .bitsPerPixel = 8, .draw = drawMarkerStrip<kInnerMarker>},
    {.id = 0x11E, .width = 24, .height = 6, .bitsPerPixel = 8, .draw = drawIndicatorBar<kit::kAmberLamp>},
    {.id = 0x11F, .width = 24, .height = 6, .bitsPerPixel = 8, .draw = drawIndicatorBar<kGreenLamp>},
    // RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR
    {.id = 0x120, .width = 400, .height = 119, .bitsPerPixel = 8, .draw = drawCom1Nav1Face<kFaceGrey>},
    {.id = 0x14F, .width = 400, .height = 119, .bitsPerPixel = 8, .draw = drawCom1Nav1Face<kVfrFaceGrey>},
    {.id = 0x121, .width = 26, .height = 35, .bitsPerPixel = 8, .draw = drawKnob<12.0, kUp - 120>},  // off
    {.id = 0x122, .width = 26, .height = 35, .bitsPerPixel = 8, .draw = drawKnob<12.0, kUp + 45>},   // on
    {.id = 0x124, .width = 22, .height = 22, .bitsPerPixel = 8, .draw = drawKnob<10.0, kLeft>},
    {.id = 0x125, .width = 22, .height = 22, .bitsPerPixel = 8, .draw = drawKnob<10.0, kUp>},
    {.id = 0x128, .width = 33, .height = 25, .bitsPerPixel = 8, .draw = drawTransferButton<kit::ButtonState::Up>},
    {.id = 0x129, .width = 33, .height = 25, .bitsPerPixel = 8, .draw = drawTransferButton<kit::ButtonState::Pressed>},
    // RadioCom2Nav2Z3V
    {.id = 0x126, .width = 700, .height = 300, .bitsPerPixel = 8, .draw = drawCom2Nav2Face},
    {.id = 0x12A, .width = 71, .height = 75, .bitsPerPixel = 8, .draw = drawKnob<30.0, kUp - 120>},  // OFF
    {.id = 0x12B, .width = 71, .height = 75, .bitsPerPixel = 8, .draw = drawKnob<30.0, kUp + 30>},   // on
    {.id = 0x12D, .width = 12, .height = 66, .bitsPerPixel = 8, .draw = drawMemoryIndicator<1>},
    {.id = 0x12E, .width = 12, .height = 66, .bitsPerPixel = 8, .draw = drawMemoryIndicator<2>},
    {.id = 0x131, .width = 34, .height = 500, .bitsPerPixel = 24, .draw = drawDigitStrip<kNoLeading, 34.0>},
    {.id = 0x132, .width = 34, .height = 50, .bitsPerPixel = 8, .draw = drawMask},
    {.id = 0x136, .width = 80, .height = 500, .bitsPerPixel = 24, .draw = drawDigitStrip<kLeadingOne, 34.0>},
    {.id = 0x137, .width = 80, .height = 50, .bitsPerPixel = 8, .draw = drawMask},
    // RadioDME
    {.id = 0x138, .width = 600, .height = 134, .bitsPerPixel = 8, .draw = drawDmeFace},
    {.id = 0x13A, .width = 62, .height = 34, .bitsPerPixel = 8, .draw = drawSlideToggle<false>},  // NAV 1
    {.id = 0x13B, .width = 62, .height = 34, .bitsPerPixel = 8, .draw = drawSlideToggle<true>},   // NAV 2
    {.id = 0x13C, .width = 62, .height = 29, .bitsPerPixel = 8, .draw = drawSlideToggle<false>},  // off
    {.id = 0x13D, .width = 62, .height = 29, .bitsPerPixel = 8, .draw = drawSlideToggle<true>},   // on
    // RadioAP2
    {.id = 0x140, .width = 368, .height = 163, .bitsPerPixel = 8, .draw = drawAutopilotFace},
    {.id = 0x142, .width = 32, .height = 25, .bitsPerPixel = 8, .draw = drawEngagedStripe},
    {.id = 0x143, .width = 22, .height = 33, .bitsPerPixel = 8, .draw = drawRockerUp},
    {.id = 0x144, .width = 22, .height = 33, .bitsPerPixel = 8, .draw = drawRockerUp},
    {.id = 0x145, .width = 96, .height = 96, .bitsPerPixel = 8, .draw = drawTurnKnob<kUp - 45>},  // L
    {.id = 0x146, .width = 96, .height = 96, .bitsPerPixel = 8, .draw = drawTurnKnob<kUp>},
    {.id = 0x147, .width = 96, .height = 96, .bitsPerPixel = 8, .draw = drawTurnKnob<kUp + 45>},  // R
    // RadioAdfZ3V
    {.id = 0x14A, .width = 600, .height = 149, .bitsPerPixel = 8, .draw = drawAdfFace},
    {.id = 0x14C, .width = 29, .height = 28, .bitsPerPixel = 8, .draw = drawKnob<12.0, kLeft>},    // off
    {.id = 0x14D, .width = 29, .height = 28, .bitsPerPixel = 8, .draw = drawKnob<12.0, kUp + 45>},  // on
};

constexpr picturegen::PictureUnit kUnit{kPictures};
constexpr const picturegen::PictureUnit* kUnits[] = {&kUnit};

}  // namespace

constinit const picturegen::ModulePictures radioStackPictures{.moduleName = "VeskarZ3VRadios", .units = kUnits};
