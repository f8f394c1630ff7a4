// RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR: the Bendix/King KX 155A COM/NAV radio of the main and
// the VFR panel. Both show the host's four frequencies, tune by key events, swap active and standby
// with the transfer buttons and share one power switch and one pair of pressed transfer buttons.
//
// Reads:    COM1_ACTIVE_FREQUENCY, COM1_STANDBY_FREQUENCY, NAV1_ACTIVE_FREQUENCY,
//           NAV1_STANDBY_FREQUENCY (the windows), NAV1_AUDIO_ON (the IDENT knob),
//           HOST_TICK_COUNT (with lookup_var, the press timers)
// Sends:    COM1_SWAP, NAV1_SWAP (transfer buttons); bound to areas: COM1_WHOLE_MHZ_DOWN/UP,
//           COM1_FRACTION_DOWN/UP, NAV1_WHOLE_MHZ_DOWN/UP, NAV1_FRACTION_DOWN/UP, NAV1_IDENT_TOGGLE
// Windows:  none
// Module data: com1Nav1Power, comSwapPressed, navSwapPressed (shared by both gauges);
//           comSwapStartTick, navSwapStartTick (one pair per gauge)
#include "com1_nav1_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = com1_nav1_layout;

// Both gauges show the same power state and the same transfer button presses; each starts drawn
// pressed until its press timer releases it.
constinit SINT8 com1Nav1Power = 1;
constinit SINT8 comSwapPressed = 1;
constinit SINT8 navSwapPressed = 1;

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

constinit const FailureRecord comWindowFailures[] = {failure(20, 3), failure(21, 3), failure(9, 0), kEndOfFailures};
constinit const FailureRecord navWindowFailures[] = {failure(20, 3), failure(21, 3), failure(14, 0), kEndOfFailures};

// Characters 0 to 2 are the whole megahertz, 3 the point, 4 and 5 the fraction.
constinit const HighlightRange comActiveHighlights[] = {highlight(4, 0, 2), highlight(5, 4, 5), kEndOfHighlights};
constinit const HighlightRange navActiveHighlights[] = {highlight(6, 0, 2), highlight(7, 4, 5), kEndOfHighlights};
constinit const HighlightRange standbyHighlights[] = {highlight(1, 0, 2), highlight(1, 4, 5), kEndOfHighlights};

// ---------------------------------------------------------------------------------------------
// Both gauges draw the same elements over their own face; they differ in the face and in the start
// ticks that time their transfer buttons. An element belongs to one gauge and carries the host's
// drawing state, so each gauge has its own; they share the failure, highlight and mouse lists.

struct MainPanel {
    static constexpr GaugeHeader* gauge = &radioCom1Nav1;
    static constexpr UINT32 face = layout::kMainFace;
    static constinit inline SINT32 comSwapStartTick = kTimerStopped;
    static constinit inline SINT32 navSwapStartTick = kTimerStopped;
};
struct VfrPanel {
    static constexpr GaugeHeader* gauge = &radioCom1Nav1Vfr;
    static constexpr UINT32 face = layout::kVfrFace;
    static constinit inline SINT32 comSwapStartTick = kTimerStopped;
    static constinit inline SINT32 navSwapStartTick = kTimerStopped;
};

template <class Gauge>
constinit IconElement comTransfer = icon(layout::kComTransfer.id, 2, at(layout::kComTransfer), Gauge::gauge, 0,
                                         PressTimer<comSwapPressed, Gauge::comSwapStartTick>,
                                         image_flag::kBlackTransparent);
template <class Gauge>
constinit StringElement comActive = readout(box(layout::kComActive), Gauge::gauge, {var::COM1_ACTIVE_FREQUENCY}, 6,
                                            FrequencyText, comWindowFailures, comActiveHighlights);
template <class Gauge>
constinit StringElement comStandby = readout(box(layout::kComStandby), Gauge::gauge, {var::COM1_STANDBY_FREQUENCY},
                                             6, FrequencyText, comWindowFailures, standbyHighlights);
template <class Gauge>
constinit IconElement navTransfer = icon(layout::kNavTransfer.id, 2, at(layout::kNavTransfer), Gauge::gauge, 0,
                                         PressTimer<navSwapPressed, Gauge::navSwapStartTick>,
                                         image_flag::kBlackTransparent);
// The NAV active window alone is drawn without black transparency.
template <class Gauge>
constinit StringElement navActive = readout(box(layout::kNavActive), Gauge::gauge, {var::NAV1_ACTIVE_FREQUENCY}, 6,
                                            FrequencyText, navWindowFailures, navActiveHighlights,
                                            image_flag::kEraseBright);
template <class Gauge>
constinit StringElement navStandby = readout(box(layout::kNavStandby), Gauge::gauge, {var::NAV1_STANDBY_FREQUENCY},
                                             6, FrequencyText, navWindowFailures, standbyHighlights);
template <class Gauge>
constinit IconElement powerKnob = icon(layout::kPowerKnob.id, 2, at(layout::kPowerKnob), Gauge::gauge, 0,
                                       StatePicture<com1Nav1Power>, image_flag::kBlackTransparent);
template <class Gauge>
constinit IconElement identKnob = icon(layout::kIdentKnob.id, 2, at(layout::kIdentKnob), Gauge::gauge,
                                       var::NAV1_AUDIO_ON, HostValuePicture, image_flag::kTransparentErase);

template <class Gauge>
constinit Element* const children[] = {
    &comTransfer<Gauge>.common, &comActive<Gauge>.common, &comStandby<Gauge>.common,
    &navTransfer<Gauge>.common, &navActive<Gauge>.common, &navStandby<Gauge>.common,
    &powerKnob<Gauge>.common,   &identKnob<Gauge>.common, nullptr,
};
template <class Gauge>
constinit StaticImageElement face = background(Gauge::face, Gauge::gauge, children<Gauge>);
template <class Gauge>
constinit Element* const elements[] = {&face<Gauge>.common, nullptr};

// ---------------------------------------------------------------------------------------------
// The mouse areas of both gauges.

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea({43, 83, 14, 40}, cursor::kDownArrow, mouse_flag::kClick, PowerOffClick<com1Nav1Power>),
    functionArea({58, 83, 14, 40}, cursor::kUpArrow, mouse_flag::kClick, PowerOnClick<com1Nav1Power>),
    // Under the COM standby window: whole megahertz down and up, fraction down and up.
    parentArea({110, 60, 80, 30}, 0xA701),
    keyArea({0, 0, 19, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::COM1_WHOLE_MHZ_DOWN),
    keyArea({20, 0, 19, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::COM1_WHOLE_MHZ_UP),
    keyArea({40, 0, 19, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::COM1_FRACTION_DOWN),
    keyArea({60, 0, 19, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::COM1_FRACTION_UP),
    endOfParent(),
    // A click on a button still drawn pressed releases it, and swaps the frequencies all the same.
    functionArea({85, 75, 30, 20}, cursor::kHand, mouse_flag::kClick, FlipAndSend<comSwapPressed, key::COM1_SWAP>),
    // Under the NAV standby window, the same way.
    parentArea({290, 60, 80, 30}, 0xA714),
    keyArea({0, 0, 19, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::NAV1_WHOLE_MHZ_DOWN),
    keyArea({20, 0, 19, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::NAV1_WHOLE_MHZ_UP),
    keyArea({40, 0, 19, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::NAV1_FRACTION_DOWN),
    keyArea({60, 0, 19, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::NAV1_FRACTION_UP),
    endOfParent(),
    // The PULL IDENT knob toggles the NAV1 identifier audio.
    keyArea({248, 90, 19, 19}, cursor::kHand, mouse_flag::kClick, key::NAV1_IDENT_TOGGLE),
    functionArea({275, 75, 30, 20}, cursor::kHand, mouse_flag::kClick, FlipAndSend<navSwapPressed, key::NAV1_SWAP>),
    endOfParent(),
    endOfList(),
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
