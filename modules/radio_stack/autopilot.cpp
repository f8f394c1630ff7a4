// RadioAP2: the single-axis navigation autopilot. Its buttons and rockers hand their work to the
// host's autopilot by key events and show the host's modes; the PULL TURN knob is the gauge's own:
// at L or R, with the autopilot engaged, the gauge flies a turn by sending a roll command every
// update, strong until the bank passes 20 degrees, then holding it about 20 to 22 degrees.
//
// Reads:    AUTOPILOT_HEADING_SELECT_ENGAGED, AUTOPILOT_NAV_INTERCEPT_ENGAGED,
//           AUTOPILOT_NAV_MODE_ENGAGED, AUTOPILOT_BACK_COURSE_ENGAGED, AUTOPILOT_HIGH_SENSITIVITY_OFF,
//           AUTOPILOT_MASTER_ENGAGED, GPS_DRIVES_NAV_INDICATOR (lamps and rockers);
//           BANK_ANGLE, AUTOPILOT_MASTER_ENGAGED (with lookup_var, the turn logic and the knob push)
// Sends:    AUTOPILOT_ROLL_COMMAND, AUTOPILOT_TURN_KNOB_TURNED, AUTOPILOT_TURN_KNOB_PUSHED; bound to
//           areas: AUTOPILOT_HDG_SEL, AUTOPILOT_NAV_INT, AUTOPILOT_NAV_TRK, AUTOPILOT_BACK_CRS,
//           AUTOPILOT_MASTER_TOGGLE, GPS_DRIVES_NAV_TOGGLE, AUTOPILOT_HI_SENS
// Windows:  none
// Module data: apTurnKnob, apRollCommand, apBankReached, apBankVar, apMasterVar
#include "autopilot_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = autopilot_layout;

enum TurnKnobPosition : SINT8 { kTurnLeft = 0, kTurnCentre = 1, kTurnRight = 2 };

constinit SINT8 apTurnKnob = kTurnCentre;
constinit SINT16 apRollCommand = 0;
constinit SINT8 apBankReached = 0;
constinit ModuleVariable apBankVar = {.token = var::BANK_ANGLE};
constinit ModuleVariable apMasterVar = {.token = var::AUTOPILOT_MASTER_ENGAGED};

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
    host().trigger_key_event(key::AUTOPILOT_ROLL_COMMAND, static_cast<UINT32>(static_cast<SINT32>(command)));
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

// The knob turned to L or R asks for its roll command until the bank is reached.
template <TurnKnobPosition position, SINT16 command>
BOOL GAUGE_CALL TurnClick(Point*, UINT32) {
    apRollCommand = command;
    host().trigger_key_event(key::AUTOPILOT_TURN_KNOB_TURNED, 1);
    apBankReached = 0;
    apTurnKnob = position;
    return kFalse;
}

// Only the upper centre area also levels the roll command, once.
BOOL GAUGE_CALL CentreClick(Point*, UINT32) {
    sendRollCommand(0);
    host().trigger_key_event(key::AUTOPILOT_TURN_KNOB_TURNED, 1);
    apRollCommand = 0;
    apBankReached = 0;
    apTurnKnob = kTurnCentre;
    return kFalse;
}

BOOL GAUGE_CALL PushAtCentreClick(Point*, UINT32) {
    lookup(apMasterVar);
    if (autopilotEngaged()) host().trigger_key_event(key::AUTOPILOT_TURN_KNOB_PUSHED, 1);
    apRollCommand = 0;
    apBankReached = 0;
    apTurnKnob = kTurnCentre;
    return kFalse;
}

// HI SENS is engaged while the host's value is not 1.
FLOAT64 GAUGE_CALL HighSensitivityLamp(IconElement* lamp) {
    const FLOAT64 value = realValue(lamp->source);
    return value == 1.0 ? -1 : value;
}

constexpr Point modeButton(int x) { return {x, layout::kModeButtonY}; }

constinit IconElement turnKnob = icon(layout::kTurnKnob.id, 3, at(layout::kTurnKnob), &radioAp2, 0,
                                      StatePicture<apTurnKnob>, image_flag::kTransparentErase);
constinit IconElement headingSelectLamp =
    lamp(layout::kEngagedButton, modeButton(layout::kHeadingSelectX), &radioAp2,
         var::AUTOPILOT_HEADING_SELECT_ENGAGED, RealLamp, nullptr, image_flag::kTransparentErase);
constinit IconElement navInterceptLamp =
    lamp(layout::kEngagedButton, modeButton(layout::kNavInterceptX), &radioAp2,
         var::AUTOPILOT_NAV_INTERCEPT_ENGAGED, RealLamp, nullptr, image_flag::kTransparentErase);
constinit IconElement navTrackLamp = lamp(layout::kEngagedButton, modeButton(layout::kNavTrackX), &radioAp2,
                                          var::AUTOPILOT_NAV_MODE_ENGAGED, RealLamp, nullptr,
                                          image_flag::kTransparentErase);
constinit IconElement backCourseLamp = lamp(layout::kEngagedButton, modeButton(layout::kBackCourseX), &radioAp2,
                                            var::AUTOPILOT_BACK_COURSE_ENGAGED, RealLamp, nullptr,
                                            image_flag::kTransparentErase);
// The face shows the A/P rocker at OFF and the NAV rocker at 1.
constinit IconElement autopilotRocker = lamp(layout::kAutopilotRocker.id, at(layout::kAutopilotRocker), &radioAp2,
                                             var::AUTOPILOT_MASTER_ENGAGED, RealLamp, nullptr,
                                             image_flag::kTransparentErase);
constinit IconElement navSourceRocker = lamp(layout::kNavSourceRocker.id, at(layout::kNavSourceRocker), &radioAp2,
                                             var::GPS_DRIVES_NAV_INDICATOR, RealLamp, nullptr,
                                             image_flag::kTransparentErase);
constinit IconElement highSensitivityLamp =
    lamp(layout::kEngagedButton, modeButton(layout::kHighSensitivityX), &radioAp2,
         var::AUTOPILOT_HIGH_SENSITIVITY_OFF, HighSensitivityLamp, nullptr, image_flag::kTransparentErase);

constinit Element* const children[] = {
    &turnKnob.common,       &headingSelectLamp.common, &navInterceptLamp.common, &navTrackLamp.common,
    &backCourseLamp.common, &autopilotRocker.common,   &navSourceRocker.common,  &highSensitivityLamp.common,
    nullptr,
};
constinit StaticImageElement face = background(layout::kFace, &radioAp2, children);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    parentArea({99, 34, 34, 25}, 0xAD87),  // HDG SEL
    keyArea({0, 0, 33, 24}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_HDG_SEL),
    endOfParent(),
    parentArea({134, 34, 34, 25}, 0xAD83),  // NAV INT
    keyArea({0, 0, 33, 24}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_NAV_INT),
    endOfParent(),
    parentArea({168, 34, 34, 25}, 0xAD85),  // NAV TRK
    keyArea({0, 0, 33, 24}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_NAV_TRK),
    endOfParent(),
    parentArea({234, 34, 34, 25}, 0xAD82),  // BACK CRS
    keyArea({0, 0, 33, 24}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_BACK_CRS),
    endOfParent(),
    parentArea({78, 91, 23, 37}, 0xAB0E),  // A/P rocker
    keyArea({0, 0, 22, 36}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_MASTER_TOGGLE),
    endOfParent(),
    parentArea({262, 92, 23, 37}, 0xAB4D),  // NAV 1/2 rocker
    keyArea({0, 0, 22, 36}, cursor::kHand, mouse_flag::kClick, key::GPS_DRIVES_NAV_TOGGLE),
    endOfParent(),
    // HI SENS has no parent of its own and no tooltip.
    keyArea({201, 35, 34, 25}, cursor::kHand, mouse_flag::kClick, key::AUTOPILOT_HI_SENS),
    // The turn knob: left edge, upper centre, lower centre, right edge.
    parentArea({137, 65, 92, 100}),
    functionArea({0, 10, 20, 80}, cursor::kLeftArrow, mouse_flag::kClick, TurnClick<kTurnLeft, kTurnLeftCommand>),
    functionArea({30, 10, 25, 35}, cursor::kHand, mouse_flag::kClick, CentreClick),
    functionArea({30, 50, 25, 35}, cursor::kGrab, mouse_flag::kClick, PushAtCentreClick),
    functionArea({70, 10, 20, 80}, cursor::kRightArrow, mouse_flag::kClick, TurnClick<kTurnRight, kTurnRightCommand>),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioAp2 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAP2", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = TurnLogic,
};

}  // namespace radio_stack
