// RadioAP2: the single-axis navigation autopilot. Its buttons and rockers hand their work to the
// host's autopilot by key events and show the host's modes; the PULL TURN knob is the gauge's own:
// at L or R, with the autopilot engaged, the gauge flies a turn by sending a roll command every
// update, strong until the bank passes 20 degrees, then holding it about 20 to 22 degrees.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

constexpr KeyEventId kRollCommand = 0x1009F;  // parameter: the command, positive toward L
constexpr KeyEventId kTurnKnobTurned = 0x10119;
constexpr KeyEventId kTurnKnobPushed = 0x10111;

// The command a click at L or R arms, held until the bank first passes 20 degrees.
constexpr SINT16 kTurnLeftCommand = 0x1800;    // +6144
constexpr SINT16 kTurnRightCommand = -0x1800;  // -6144
constexpr FLOAT64 kBankToReach = 20;
constexpr FLOAT64 kBankLimit = 22;
// Holding commands once the bank has been passed: beyond 22 degrees, between 20 and 22, short of 20.
constexpr SINT16 kLeftHoldBeyondLimit = 0x200;
constexpr SINT16 kLeftHoldWithinLimit = 0x400;
constexpr SINT16 kLeftHoldShortOfBank = 0x800;
constexpr SINT16 kRightHoldBeyondLimit = 0;
constexpr SINT16 kRightHoldWithinLimit = -0x100;
constexpr SINT16 kRightHoldShortOfBank = -0x400;

// The host takes the command sign-extended to 32 bits.
void sendRollCommand(SINT16 command) {
    host().trigger_key_event(kRollCommand, static_cast<UINT32>(static_cast<SINT32>(command)));
}

bool autopilotEngaged() { return realValue(apMasterVar) == 1.0; }

// Each branch sends the command computed on the update before, then computes the next one; the
// later tests override the earlier ones.
void GAUGE_CALL TurnLogic(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreUpdate) return;
    lookup(apBankVar);
    lookup(apMasterVar);
    const FLOAT64 bank = realValue(apBankVar);
    if (!autopilotEngaged()) return;
    if (apTurnKnob == kTurnRight) {
        sendRollCommand(apRollCommand);
        if (bank < -kBankToReach) apBankReached = 1;
        if (apBankReached == 1) {
            if (bank < -kBankToReach) apRollCommand = kRightHoldWithinLimit;
            if (bank > -kBankToReach) apRollCommand = kRightHoldShortOfBank;
            if (bank < -kBankLimit) apRollCommand = kRightHoldBeyondLimit;
        }
    } else if (apTurnKnob == kTurnLeft) {
        sendRollCommand(apRollCommand);
        if (bank > kBankToReach) apBankReached = 1;
        if (apBankReached == 1) {
            if (bank > kBankToReach) apRollCommand = kLeftHoldWithinLimit;
            if (bank < kBankToReach) apRollCommand = kLeftHoldShortOfBank;
            if (bank > kBankLimit) apRollCommand = kLeftHoldBeyondLimit;
        }
    }
}

BOOL GAUGE_CALL TurnLeftClick(Point*, UINT32) {
    apRollCommand = kTurnLeftCommand;
    host().trigger_key_event(kTurnKnobTurned, 1);
    apBankReached = 0;
    apTurnKnob = kTurnLeft;
    return kFalse;
}

// Only the upper centre area also levels the roll command, once.
BOOL GAUGE_CALL CentreClick(Point*, UINT32) {
    sendRollCommand(0);
    host().trigger_key_event(kTurnKnobTurned, 1);
    apRollCommand = 0;
    apBankReached = 0;
    apTurnKnob = kTurnCentre;
    return kFalse;
}

BOOL GAUGE_CALL PushAtCentreClick(Point*, UINT32) {
    lookup(apMasterVar);
    if (autopilotEngaged()) host().trigger_key_event(kTurnKnobPushed, 1);
    apRollCommand = 0;
    apBankReached = 0;
    apTurnKnob = kTurnCentre;
    return kFalse;
}

BOOL GAUGE_CALL TurnRightClick(Point*, UINT32) {
    apRollCommand = kTurnRightCommand;
    host().trigger_key_event(kTurnKnobTurned, 1);
    apBankReached = 0;
    apTurnKnob = kTurnRight;
    return kFalse;
}

// HI SENS is engaged while the host's value is not 1.
FLOAT64 GAUGE_CALL HighSensitivityLamp(IconElement* lamp) {
    const FLOAT64 value = realValue(lamp->source);
    return value == 1.0 ? -1 : value;
}

IconElement turnKnob = {
    .common = {.kind = kIcon, .resourceId = 0x145, .position = {137, 63}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 3, .updateCallback = StatePicture<apTurnKnob>,
};
IconElement headingSelectLamp = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {99, 35}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x6A}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
IconElement navInterceptLamp = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {133, 35}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x70}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
IconElement navTrackLamp = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {167, 35}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x69}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
IconElement backCourseLamp = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {234, 35}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x71}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
// The background shows the A/P rocker at OFF and the NAV rocker at 1.
IconElement autopilotRocker = {
    .common = {.kind = kIcon, .resourceId = 0x143, .position = {83, 94}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x67}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
IconElement navSourceRocker = {
    .common = {.kind = kIcon, .resourceId = 0x144, .position = {267, 94}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x350}, .switchType = 0, .pictureCount = 1, .updateCallback = RealLamp,
};
IconElement highSensitivityLamp = {
    .common = {.kind = kIcon, .resourceId = 0x142, .position = {201, 35}, .gauge = &radioAp2, .imageFlags = 0x3},
    .source = {.token = 0x72}, .switchType = 0, .pictureCount = 1, .updateCallback = HighSensitivityLamp,
};

Element* const children[] = {
    &turnKnob.common,       &headingSelectLamp.common, &navInterceptLamp.common, &navTrackLamp.common,
    &backCourseLamp.common, &autopilotRocker.common,   &navSourceRocker.common,  &highSensitivityLamp.common,
    nullptr,
};
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = 0x140, .position = {0, 0}, .gauge = &radioAp2,
               .children = children, .imageFlags = 0x1},
};
Element* const elements[] = {&background.common, nullptr};

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kParent, .box = {99, 34, 34, 25}, .cursor = cursor::kNone, .tooltipId = 0xAD87},  // HDG SEL
    {.kind = kChild, .box = {0, 0, 33, 24}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10106},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {134, 34, 34, 25}, .cursor = cursor::kNone, .tooltipId = 0xAD83},  // NAV INT
    {.kind = kChild, .box = {0, 0, 33, 24}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x100BC},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {168, 34, 34, 25}, .cursor = cursor::kNone, .tooltipId = 0xAD85},  // NAV TRK
    {.kind = kChild, .box = {0, 0, 33, 24}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x100C1},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {234, 34, 34, 25}, .cursor = cursor::kNone, .tooltipId = 0xAD82},  // BACK CRS
    {.kind = kChild, .box = {0, 0, 33, 24}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x100C0},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {78, 91, 23, 37}, .cursor = cursor::kNone, .tooltipId = 0xAB0E},  // A/P rocker
    {.kind = kChild, .box = {0, 0, 22, 36}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x1002C},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {262, 92, 23, 37}, .cursor = cursor::kNone, .tooltipId = 0xAB4D},  // NAV 1/2 rocker
    {.kind = kChild, .box = {0, 0, 22, 36}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10347},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    // HI SENS has no parent of its own and no tooltip.
    {.kind = kChild, .box = {201, 35, 34, 25}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10101},
    // The turn knob: left edge, upper centre, lower centre, right edge.
    {.kind = kParent, .box = {137, 65, 92, 100}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kChild, .box = {0, 10, 20, 80}, .cursor = cursor::kLeftArrow, .mouseFlags = 0x20000000,
     .function = {.callback = TurnLeftClick}},
    {.kind = kChild, .box = {30, 10, 25, 35}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = CentreClick}},
    {.kind = kChild, .box = {30, 50, 25, 35}, .cursor = cursor::kGrab, .mouseFlags = 0x20000000,
     .function = {.callback = PushAtCentreClick}},
    {.kind = kChild, .box = {70, 10, 20, 80}, .cursor = cursor::kRightArrow, .mouseFlags = 0x20000000,
     .function = {.callback = TurnRightClick}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioAp2 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAP2", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = TurnLogic,
};

}  // namespace radio_stack
