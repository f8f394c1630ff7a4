// RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR: the Bendix/King KX 155A COM/NAV radio of the main and
// the VFR panel. Both show the host's four frequencies, tune by key events, swap active and standby
// with the transfer buttons and share one power switch and one pair of pressed transfer buttons.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

constexpr KeyEventId kSwapCom1 = 0x10344;
constexpr KeyEventId kSwapNav1 = 0x10390;
// A transfer button is drawn pressed until more than this many ticks have passed since its press.
constexpr SINT8 kPressedTicks = 4;

// "1%d%d.%d%d": the leading 1 of the megahertz is not part of the host's value.
FLOAT64 GAUGE_CALL FrequencyText(StringElement* window) {
    const UINT32 bits = bcdBits(window->sources[0]);
    if (com1Nav1Power == 1) {
        writeText(window, "1%d%d.%d%d", bcdDigit(bits, 3), bcdDigit(bits, 2), bcdDigit(bits, 1), bcdDigit(bits, 0));
    } else {
        writeBlank(window);
    }
    return bits;
}

template <SINT8& pressedFlag, SINT32& startTick>
FLOAT64 GAUGE_CALL PressTimer(IconElement*) {
    if (pressedFlag == 0) {
        startTick = kTimerStopped;
        return 0;
    }
    if (elapsedTicks(startTick) > kPressedTicks) {
        pressedFlag = 0;
        startTick = kTimerStopped;
    }
    return pressedFlag;
}

// A click on a button still drawn pressed releases it, and swaps the frequencies all the same.
template <SINT8& pressedFlag, KeyEventId swapEvent>
BOOL GAUGE_CALL TransferClick(Point*, UINT32) {
    pressedFlag = static_cast<SINT8>(1 - pressedFlag);
    host().trigger_key_event(swapEvent, 1);
    return kFalse;
}

const FailureRecord comWindowFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 9, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};
const FailureRecord navWindowFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 14, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// Characters 0 to 2 are the whole megahertz, 3 the point, 4 and 5 the fraction.
const HighlightRange comActiveHighlights[] = {
    {.selectionId = 4, .firstCharacter = 0, .lastCharacter = 2},
    {.selectionId = 5, .firstCharacter = 4, .lastCharacter = 5},
    {.selectionId = 0, .firstCharacter = 0, .lastCharacter = 0},
};
const HighlightRange navActiveHighlights[] = {
    {.selectionId = 6, .firstCharacter = 0, .lastCharacter = 2},
    {.selectionId = 7, .firstCharacter = 4, .lastCharacter = 5},
    {.selectionId = 0, .firstCharacter = 0, .lastCharacter = 0},
};
const HighlightRange standbyHighlights[] = {
    {.selectionId = 1, .firstCharacter = 0, .lastCharacter = 2},
    {.selectionId = 1, .firstCharacter = 4, .lastCharacter = 5},
    {.selectionId = 0, .firstCharacter = 0, .lastCharacter = 0},
};

// ---------------------------------------------------------------------------------------------
// Both gauges draw the same elements over their own face; each times its transfer buttons with its
// own start ticks. Each piece below is made once for each panel.

struct MainPanel {
    static constexpr GaugeHeader* gauge = &radioCom1Nav1;
    static constexpr UINT32 face = 0x120;
    static constexpr SINT32* comSwapStartTick = &main_panel::comSwapStartTick;
    static constexpr SINT32* navSwapStartTick = &main_panel::navSwapStartTick;
};
// The same radio on a darker face.
struct VfrPanel {
    static constexpr GaugeHeader* gauge = &radioCom1Nav1Vfr;
    static constexpr UINT32 face = 0x14F;
    static constexpr SINT32* comSwapStartTick = &vfr_panel::comSwapStartTick;
    static constexpr SINT32* navSwapStartTick = &vfr_panel::navSwapStartTick;
};

template <class Panel>
IconElement comTransfer = {
    .common = {.kind = kIcon, .resourceId = 0x128, .position = {84, 75}, .gauge = Panel::gauge, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2,
    .updateCallback = PressTimer<comSwapPressed, *Panel::comSwapStartTick>,
};
template <class Panel>
StringElement comActive = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {25, 30}, .gauge = Panel::gauge,
               .failures = comWindowFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x17}, {.token = 0}, {.token = 0}}, .boxWidth = 80, .boxHeight = 25, RADIO_TEXT_STYLE,
    .maxCharacters = 6, .highlights = comActiveHighlights, .updateCallback = FrequencyText,
};
template <class Panel>
StringElement comStandby = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {110, 30}, .gauge = Panel::gauge,
               .failures = comWindowFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x269}, {.token = 0}, {.token = 0}}, .boxWidth = 80, .boxHeight = 25, RADIO_TEXT_STYLE,
    .maxCharacters = 6, .highlights = standbyHighlights, .updateCallback = FrequencyText,
};
template <class Panel>
IconElement navTransfer = {
    .common = {.kind = kIcon, .resourceId = 0x128, .position = {274, 75}, .gauge = Panel::gauge, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2,
    .updateCallback = PressTimer<navSwapPressed, *Panel::navSwapStartTick>,
};
template <class Panel>
StringElement navActive = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {205, 30}, .gauge = Panel::gauge,
               .failures = navWindowFailures, .imageFlags = 0x6},
    .sources = {{.token = 0x18}, {.token = 0}, {.token = 0}}, .boxWidth = 80, .boxHeight = 25, RADIO_TEXT_STYLE,
    .maxCharacters = 6, .highlights = navActiveHighlights, .updateCallback = FrequencyText,
};
template <class Panel>
StringElement navStandby = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {290, 30}, .gauge = Panel::gauge,
               .failures = navWindowFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x368}, {.token = 0}, {.token = 0}}, .boxWidth = 80, .boxHeight = 25, RADIO_TEXT_STYLE,
    .maxCharacters = 6, .highlights = standbyHighlights, .updateCallback = FrequencyText,
};
template <class Panel>
IconElement powerKnob = {
    .common = {.kind = kIcon, .resourceId = 0x121, .position = {43, 83}, .gauge = Panel::gauge, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<com1Nav1Power>,
};
template <class Panel>
IconElement identKnob = {
    .common = {.kind = kIcon, .resourceId = 0x124, .position = {248, 90}, .gauge = Panel::gauge, .imageFlags = 0x3},
    .source = {.token = 0x36D}, .switchType = 0, .pictureCount = 2, .updateCallback = HostValuePicture,
};

template <class Panel>
Element* const children[] = {
    &comTransfer<Panel>.common, &comActive<Panel>.common,  &comStandby<Panel>.common,
    &navTransfer<Panel>.common, &navActive<Panel>.common,  &navStandby<Panel>.common,
    &powerKnob<Panel>.common,   &identKnob<Panel>.common,  nullptr,
};
template <class Panel>
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = Panel::face, .position = {0, 0}, .gauge = Panel::gauge,
               .children = children<Panel>, .imageFlags = 0x1},
};
template <class Panel>
Element* const elements[] = {&background<Panel>.common, nullptr};

// ---------------------------------------------------------------------------------------------
// The mouse areas of both gauges.

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kChild, .box = {43, 83, 14, 40}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOffClick<com1Nav1Power>}},
    {.kind = kChild, .box = {58, 83, 14, 40}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOnClick<com1Nav1Power>}},
    // Under the COM standby window: whole megahertz down and up, fraction down and up.
    {.kind = kParent, .box = {110, 60, 80, 30}, .cursor = cursor::kNone, .tooltipId = 0xA701},
    {.kind = kChild, .box = {0, 0, 19, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10064},
    {.kind = kChild, .box = {20, 0, 19, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10065},
    {.kind = kChild, .box = {40, 0, 19, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10066},
    {.kind = kChild, .box = {60, 0, 19, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10067},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kChild, .box = {85, 75, 30, 20}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = TransferClick<comSwapPressed, kSwapCom1>}},
    // Under the NAV standby window, the same way.
    {.kind = kParent, .box = {290, 60, 80, 30}, .cursor = cursor::kNone, .tooltipId = 0xA714},
    {.kind = kChild, .box = {0, 0, 19, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10068},
    {.kind = kChild, .box = {20, 0, 19, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10069},
    {.kind = kChild, .box = {40, 0, 19, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006A},
    {.kind = kChild, .box = {60, 0, 19, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x1006B},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    // The PULL IDENT knob toggles the NAV1 identifier audio.
    {.kind = kChild, .box = {248, 90, 19, 19}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10132},
    {.kind = kChild, .box = {275, 75, 30, 20}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = TransferClick<navSwapPressed, kSwapNav1>}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioCom1Nav1 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioCom1Nav1Z3V", .elementList = elements<MainPanel>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader radioCom1Nav1Vfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioCom1Nav1Z3VVFR", .elementList = elements<VfrPanel>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
