// The radio stack's module data with its initial values, and the helpers of its conventions.
#include "radio_state.h"

namespace radio_stack {

// All four radios start switched on; both COM1/NAV1 transfer buttons start drawn pressed until
// their press timers release them.
SINT8 com1Nav1Power = 1;
SINT8 comSwapPressed = 1;
SINT8 navSwapPressed = 1;
namespace main_panel {
SINT32 comSwapStartTick = kTimerStopped;
SINT32 navSwapStartTick = kTimerStopped;
}  // namespace main_panel
namespace vfr_panel {
SINT32 comSwapStartTick = kTimerStopped;
SINT32 navSwapStartTick = kTimerStopped;
}  // namespace vfr_panel

SINT8 com2Nav2Power = 1;
SINT8 comMemoryChannel = 0;
SINT8 navMemoryChannel = 0;

SINT8 adfPower = 1;
ModuleVariable adfFrequencyVar = {.token = 0x10};
ModuleVariable adfExtensionVar = {.token = 0x12};

SINT8 dmePower = 1;
SINT8 dmeNavSource = 0;

SINT8 xpdrModeKnob = kXpdrOff;
SINT8 xpdrReplyLamp = -1;
SINT32 xpdrReplyStartTick = kTimerStopped;
SINT32 xpdrTestStartTick = kTimerStopped;

SINT8 apTurnKnob = kTurnCentre;
SINT16 apRollCommand = 0;
SINT8 apBankReached = 0;
ModuleVariable apBankVar = {.token = 0x50};
ModuleVariable apMasterVar = {.token = 0x67};

namespace {
// The host's tick counter, refreshed by every timer just before it reads it.
ModuleVariable tickCounterVar = {.token = 0x1};
}  // namespace

void writeBlank(StringElement* text) { writeText(text, "%s", ""); }

UINT32 bcdBits(const ModuleVariable& variable) { return static_cast<UINT32>(integerValue(variable)); }

FLOAT64 GAUGE_CALL FlagLamp(IconElement* lamp) { return integerValue(lamp->source) - 1.0; }

FLOAT64 GAUGE_CALL RealLamp(IconElement* lamp) { return realValue(lamp->source) - 1.0; }

FLOAT64 GAUGE_CALL HostValuePicture(IconElement* icon) { return integerValue(icon->source); }

SINT8 elapsedTicks(SINT32& startTick) {
    lookup(tickCounterVar);
    const FLOAT64 now = realValue(tickCounterVar);
    if (startTick == kTimerStopped) startTick = truncateToInt32(now);
    return truncateToSignedByte(now - startTick);
}

}  // namespace radio_stack
