// RadioTrans: the Garmin GTX 320 transponder. Four drums show the host's code and four knobs ask the
// host to advance its digits; the mode knob is the gauge's own. The reply lamp blinks in ON and ALT
// and burns in TEST, and TEST springs back to ALT by itself.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

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

const FailureRecord failures[] = {
    {.key = 20, .action = 1, .reserved = 0},
    {.key = 21, .action = 1, .reserved = 0},
    {.key = 17, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

extern MovingImageElement hundredsDrum;
extern MovingImageElement tensDrum;
extern MovingImageElement thousandsDrum;

// The four drums hang in a chain from the units to the thousands.
Element* const unitsDrumChildren[] = {&tensDrum.common, nullptr};
Element* const tensDrumChildren[] = {&hundredsDrum.common, nullptr};
Element* const hundredsDrumChildren[] = {&thousandsDrum.common, nullptr};

MovingImageElement unitsDrum = {
    .common = {.kind = kMovingImage, .resourceId = 0x111, .position = {376, 31}, .gauge = &radioTrans,
               .children = unitsDrumChildren, .failures = failures, .imageFlags = 0x3},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x26}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = CodeDigit<0>,
};
MovingImageElement tensDrum = {
    .common = {.kind = kMovingImage, .resourceId = 0x111, .position = {274, 31}, .gauge = &radioTrans,
               .children = tensDrumChildren, .failures = failures, .imageFlags = 0x3},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x26}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = CodeDigit<1>,
};
MovingImageElement hundredsDrum = {
    .common = {.kind = kMovingImage, .resourceId = 0x111, .position = {170, 31}, .gauge = &radioTrans,
               .children = hundredsDrumChildren, .failures = failures, .imageFlags = 0x3},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x26}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = CodeDigit<2>,
};
MovingImageElement thousandsDrum = {
    .common = {.kind = kMovingImage, .resourceId = 0x111, .position = {62, 31}, .gauge = &radioTrans,
               .failures = failures, .imageFlags = 0x3},
    .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = 0x26}, .yMinimum = 0, .yMaximum = 9.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = CodeDigit<3>,
};
IconElement replyLamp = {
    .common = {.kind = kIcon, .resourceId = 0x113, .position = {501, 19}, .gauge = &radioTrans,
               .failures = failures, .imageFlags = 0x7},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 1, .updateCallback = ReplyLamp,
};
IconElement modeKnob = {
    .common = {.kind = kIcon, .resourceId = 0x115, .position = {456, 52}, .gauge = &radioTrans, .imageFlags = 0x3},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 5, .updateCallback = ModeKnob,
};

Element* const children[] = {&unitsDrum.common, &replyLamp.common, &modeKnob.common, nullptr};
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = 0x110, .position = {0, 0}, .gauge = &radioTrans,
               .children = children, .imageFlags = 0x3},
};
Element* const elements[] = {&background.common, nullptr};

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xA70A},
    {.kind = kChild, .box = {456, 42, 40, 100}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = ModeKnobLeft}},
    {.kind = kChild, .box = {500, 42, 40, 100}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = ModeKnobRight}},
    // The digit knobs advance the thousands, hundreds, tens and units digits.
    {.kind = kChild, .box = {62, 60, 46, 46}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10073},
    {.kind = kChild, .box = {170, 60, 46, 46}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10074},
    {.kind = kChild, .box = {274, 60, 46, 46}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10075},
    {.kind = kChild, .box = {376, 60, 46, 46}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10076},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioTrans = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioTrans", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
