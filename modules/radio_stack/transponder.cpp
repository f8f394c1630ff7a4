// RadioTrans: the Garmin GTX 320 transponder. Four drums show the host's code and four knobs ask the
// host to advance its digits; the mode knob is the gauge's own. The reply lamp blinks in ON and ALT
// and burns in TEST, and TEST springs back to ALT by itself.
//
// Reads:    TRANSPONDER_CODE (the drums), HOST_TICK_COUNT (with lookup_var, the reply lamp and TEST)
// Sends:    bound to areas: TRANSPONDER_THOUSANDS_UP, TRANSPONDER_HUNDREDS_UP, TRANSPONDER_TENS_UP,
//           TRANSPONDER_UNITS_UP
// Windows:  none
// Module data: xpdrModeKnob, xpdrReplyLamp, xpdrReplyStartTick, xpdrTestStartTick
#include "radio_conventions.h"
#include "radio_gauges.h"
#include "transponder_layout.h"

namespace radio_stack {

namespace {

namespace layout = transponder_layout;

enum TransponderMode : SINT8 { kXpdrOff = 0, kXpdrStandby = 1, kXpdrOn = 2, kXpdrAltitude = 3, kXpdrTest = 4 };
static_assert(layout::kModeCount == kXpdrTest + 1);

constinit SINT8 xpdrModeKnob = kXpdrOff;
constinit SINT8 xpdrReplyLamp = -1;  // picture index: 0 lit, -1 dark
constinit SINT32 xpdrReplyStartTick = kTimerStopped;
constinit SINT32 xpdrTestStartTick = kTimerStopped;

// In ON and ALT the reply lamp is lit while its cycle's count is at most 24 and the cycle starts
// again after the update on which the count is 80: lit 25 ticks, dark 56.
constexpr SINT8 kReplyLitTicks = 24;
constexpr SINT8 kReplyCycleEnd = 80;
// TEST lasts this many ticks from its first update, then the knob shows ALT.
constexpr SINT8 kTestTicks = 24;

template <int position>
FLOAT64 GAUGE_CALL CodeDigit(MovingImageElement* drum) {
    return bcdDigit(bcdBits(drum->ySource), position);
}

FLOAT64 GAUGE_CALL ReplyLamp(IconElement*) {
    if (xpdrModeKnob == kXpdrTest) {
        xpdrReplyLamp = 0;
    } else if (xpdrModeKnob == kXpdrOff || xpdrModeKnob == kXpdrStandby) {
        xpdrReplyStartTick = kTimerStopped;
        xpdrReplyLamp = -1;
    } else {
        const SINT8 elapsed = elapsedTicks(xpdrReplyStartTick);
        if (elapsed == kReplyCycleEnd) xpdrReplyStartTick = kTimerStopped;
        xpdrReplyLamp = elapsed <= kReplyLitTicks ? 0 : -1;
    }
    return xpdrReplyLamp;
}

// Leaving TEST by its spring restarts the reply cycle; leaving it by a click keeps the running one.
FLOAT64 GAUGE_CALL ModeKnob(IconElement*) {
    if (xpdrModeKnob != kXpdrTest) {
        xpdrTestStartTick = kTimerStopped;
        return xpdrModeKnob;
    }
    if (elapsedTicks(xpdrTestStartTick) == kTestTicks) {
        xpdrModeKnob = kXpdrAltitude;
        xpdrTestStartTick = kTimerStopped;
        xpdrReplyStartTick = kTimerStopped;
    }
    return xpdrModeKnob;
}

BOOL GAUGE_CALL ModeKnobLeft(Point*, UINT32) {
    if (xpdrModeKnob > kXpdrOff) --xpdrModeKnob;
    return kFalse;
}

BOOL GAUGE_CALL ModeKnobRight(Point*, UINT32) {
    if (xpdrModeKnob < kXpdrTest) ++xpdrModeKnob;
    return kFalse;
}

constinit const FailureRecord failures[] = {failure(20, 1), failure(21, 1), failure(17, 0), kEndOfFailures};

// The drum of BCD digit `position` of the code, carrying the next drum of the chain.
template <int position>
constexpr MovingImageElement codeDrum(Element* const* next) {
    return drum(layout::kDigitStrip, {layout::kDrumX[position], layout::kDrumY}, &radioTrans, var::TRANSPONDER_CODE,
                CodeDigit<position>, failures, image_flag::kTransparentErase, next);
}

// The four drums hang in a chain from the units to the thousands; each is defined after the drum
// it carries.
constinit MovingImageElement thousandsDrum = codeDrum<3>(nullptr);
constinit Element* const hundredsDrumChildren[] = {&thousandsDrum.common, nullptr};
constinit MovingImageElement hundredsDrum = codeDrum<2>(hundredsDrumChildren);
constinit Element* const tensDrumChildren[] = {&hundredsDrum.common, nullptr};
constinit MovingImageElement tensDrum = codeDrum<1>(tensDrumChildren);
constinit Element* const unitsDrumChildren[] = {&tensDrum.common, nullptr};
constinit MovingImageElement unitsDrum = codeDrum<0>(unitsDrumChildren);

constinit IconElement replyLamp =
    lamp(layout::kReplyLamp.id, at(layout::kReplyLamp), &radioTrans, 0, ReplyLamp, failures);
constinit IconElement modeKnob = icon(layout::kModeKnob.id, layout::kModeCount, at(layout::kModeKnob), &radioTrans, 0,
                                      ModeKnob, image_flag::kTransparentErase);

constinit Element* const children[] = {&unitsDrum.common, &replyLamp.common, &modeKnob.common, nullptr};
constinit StaticImageElement face = background(layout::kFace, &radioTrans, children, image_flag::kTransparentErase);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge, 0xA70A),
    functionArea({456, 42, 40, 100}, cursor::kDownArrow, mouse_flag::kClick, ModeKnobLeft),
    functionArea({500, 42, 40, 100}, cursor::kUpArrow, mouse_flag::kClick, ModeKnobRight),
    // The digit knobs advance the thousands, hundreds, tens and units digits.
    keyArea({62, 60, 46, 46}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::TRANSPONDER_THOUSANDS_UP),
    keyArea({170, 60, 46, 46}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::TRANSPONDER_HUNDREDS_UP),
    keyArea({274, 60, 46, 46}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::TRANSPONDER_TENS_UP),
    keyArea({376, 60, 46, 46}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::TRANSPONDER_UNITS_UP),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioTrans = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioTrans", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
