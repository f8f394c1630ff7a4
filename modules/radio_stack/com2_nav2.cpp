// RadioCom2Nav2Z3V: the COM 2 / NAV 2 radio with mechanical drum digits. Each half shows one host
// frequency on four drums, tunes by key events and swaps its frequencies with its MEMORY column;
// the COM VOL knob is the radio's power switch, the NAV VOL knob toggles the NAV2 identifier audio.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

constexpr KeyEventId kSwapCom2 = 0x1038C;
constexpr KeyEventId kSwapNav2 = 0x10394;

// Drum for BCD digit `position` of its half's frequency; the drums vanish while the radio is off.
template <int position>
FLOAT64 GAUGE_CALL Drum(MovingImageElement* drum) {
    if (com2Nav2Power == 0) {
        drum->common.imageFlags |= image_flag::kHidden;
    } else {
        drum->common.imageFlags &= ~image_flag::kHidden;
    }
    return bcdDigit(bcdBits(drum->ySource), position);
}

// The indicator is the gauge's own count of clicks; the host is not asked which channel is active.
template <SINT8& memoryChannel, KeyEventId swapEvent>
BOOL GAUGE_CALL MemoryClick(Point*, UINT32) {
    memoryChannel = static_cast<SINT8>(1 - memoryChannel);
    host().trigger_key_event(swapEvent, 1);
    return kFalse;
}

const FailureRecord nav2DrumFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 15, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};
const FailureRecord com2DrumFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 9, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

extern MovingImageElement nav2Digit1;
extern MovingImageElement nav2Digit2;
extern MovingImageElement nav2LeadingPair;
extern MovingImageElement com2Digit0;
extern MovingImageElement com2Digit1;
extern MovingImageElement com2Digit2;
extern MovingImageElement com2LeadingPair;

// The eight drums hang in one chain, NAV2 units first and the COM2 leading pair last.
Element* const nav2Digit0Children[] = {&nav2Digit1.common, nullptr};
Element* const nav2Digit1Children[] = {&nav2Digit2.common, nullptr};
Element* const nav2Digit2Children[] = {&nav2LeadingPair.common, nullptr};
Element* const nav2LeadingPairChildren[] = {&com2Digit0.common, nullptr};
Element* const com2Digit0Children[] = {&com2Digit1.common, nullptr};
Element* const com2Digit1Children[] = {&com2Digit2.common, nullptr};
Element* const com2Digit2Children[] = {&com2LeadingPair.common, nullptr};

IconElement navMemoryIndicator = {
    .common = {.kind = kIcon, .resourceId = 0x12D, .position = {373, 54}, .gauge = &radioCom2Nav2, .imageFlags = 0x3},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<navMemoryChannel>,
};
IconElement comMemoryIndicator = {
    .common = {.kind = kIcon, .resourceId = 0x12D, .position = {97, 54}, .gauge = &radioCom2Nav2, .imageFlags = 0x3},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<comMemoryChannel>,
};
IconElement comVolumeKnob = {
    .common = {.kind = kIcon, .resourceId = 0x12A, .position = {75, 220}, .gauge = &radioCom2Nav2, .imageFlags = 0x4001},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<com2Nav2Power>,
};
MovingImageElement nav2Digit0 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {551, 62}, .gauge = &radioCom2Nav2,
               .children = nav2Digit0Children, .failures = nav2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x1B}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<0>,
};
MovingImageElement nav2Digit1 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {517, 62}, .gauge = &radioCom2Nav2,
               .children = nav2Digit1Children, .failures = nav2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x1B}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<1>,
};
MovingImageElement nav2Digit2 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {473, 62}, .gauge = &radioCom2Nav2,
               .children = nav2Digit2Children, .failures = nav2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x1B}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<2>,
};
MovingImageElement nav2LeadingPair = {
    .common = {.kind = kMovingImage, .resourceId = 0x136, .position = {393, 62}, .gauge = &radioCom2Nav2,
               .children = nav2LeadingPairChildren, .failures = nav2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x1B}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<3>,
};
MovingImageElement com2Digit0 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {274, 62}, .gauge = &radioCom2Nav2,
               .children = com2Digit0Children, .failures = com2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x366}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<0>,
};
MovingImageElement com2Digit1 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {240, 62}, .gauge = &radioCom2Nav2,
               .children = com2Digit1Children, .failures = com2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x366}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<1>,
};
MovingImageElement com2Digit2 = {
    .common = {.kind = kMovingImage, .resourceId = 0x131, .position = {196, 62}, .gauge = &radioCom2Nav2,
               .children = com2Digit2Children, .failures = com2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x366}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<2>,
};
MovingImageElement com2LeadingPair = {
    .common = {.kind = kMovingImage, .resourceId = 0x136, .position = {116, 62}, .gauge = &radioCom2Nav2,
               .failures = com2DrumFailures, .imageFlags = 0x7},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x366}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = Drum<3>,
};
IconElement navVolumeKnob = {
    .common = {.kind = kIcon, .resourceId = 0x12A, .position = {380, 219}, .gauge = &radioCom2Nav2, .imageFlags = 0x3},
    .source = {.token = 0x36E}, .switchType = 0, .pictureCount = 2, .updateCallback = HostValuePicture,
};

Element* const children[] = {
    &navMemoryIndicator.common, &comMemoryIndicator.common, &comVolumeKnob.common, &nav2Digit0.common,
    &navVolumeKnob.common, nullptr,
};
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = 0x126, .position = {0, 0}, .gauge = &radioCom2Nav2,
               .children = children, .imageFlags = 0x1},
};
Element* const elements[] = {&background.common, nullptr};

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kChild, .box = {81, 226, 25, 55}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOffClick<com2Nav2Power>}},
    {.kind = kChild, .box = {107, 226, 25, 55}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOnClick<com2Nav2Power>}},
    {.kind = kChild, .box = {48, 30, 45, 170}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = MemoryClick<comMemoryChannel, kSwapCom2>}},
    {.kind = kChild, .box = {605, 30, 45, 170}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = MemoryClick<navMemoryChannel, kSwapNav2>}},
    // COM tuning knob: whole megahertz down and up, fraction down and up.
    {.kind = kParent, .box = {110, 100, 210, 80}, .cursor = cursor::kNone, .tooltipId = 0xA712},
    {.kind = kChild, .box = {5, 0, 50, 79}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10384},
    {.kind = kChild, .box = {60, 0, 50, 79}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10385},
    {.kind = kChild, .box = {120, 0, 35, 79}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10386},
    {.kind = kChild, .box = {156, 0, 35, 79}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10388},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    // NAV tuning knob, the same way.
    {.kind = kParent, .box = {393, 100, 210, 80}, .cursor = cursor::kNone, .tooltipId = 0xA716},
    {.kind = kChild, .box = {5, 0, 50, 79}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006C},
    {.kind = kChild, .box = {60, 0, 50, 79}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006D},
    {.kind = kChild, .box = {120, 0, 35, 79}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006E},
    {.kind = kChild, .box = {156, 0, 35, 79}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006F},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    // The NAV VOL knob toggles the NAV2 identifier audio.
    {.kind = kChild, .box = {380, 219, 50, 50}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10133},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioCom2Nav2 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioCom2Nav2Z3V", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
