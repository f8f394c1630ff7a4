// VeskarZ3VRadios: the module data that every radio gauge shares, and the conventions the radios
// have in common: power switches, blank displays, the readouts' text style, binary-coded decimal
// values, lamps and tick timers.
#pragma once

#include <cstdint>

#include "module.h"

namespace radio_stack {

using namespace gauge;

using SINT16 = std::int16_t;

// ---------------------------------------------------------------------------------------------
// Module data: one value per name, shared by every gauge of the module and never reset.

// COM1/NAV1: both of its gauges show the same power and the same transfer button presses.
extern SINT8 com1Nav1Power;
extern SINT8 comSwapPressed;
extern SINT8 navSwapPressed;
// ...but each of them times its transfer buttons with its own start ticks.
namespace main_panel {
extern SINT32 comSwapStartTick;
extern SINT32 navSwapStartTick;
}  // namespace main_panel
namespace vfr_panel {
extern SINT32 comSwapStartTick;
extern SINT32 navSwapStartTick;
}  // namespace vfr_panel

extern SINT8 com2Nav2Power;
extern SINT8 comMemoryChannel;  // 0 shows channel 1, 1 shows channel 2
extern SINT8 navMemoryChannel;

extern SINT8 adfPower;
// The ADF frequency as it was when the ADF gauge was created.
extern ModuleVariable adfFrequencyVar;
extern ModuleVariable adfExtensionVar;

extern SINT8 dmePower;
extern SINT8 dmeNavSource;  // 0 NAV1, 1 NAV2

enum TransponderMode : SINT8 { kXpdrOff = 0, kXpdrStandby = 1, kXpdrOn = 2, kXpdrAltitude = 3, kXpdrTest = 4 };
extern SINT8 xpdrModeKnob;
extern SINT8 xpdrReplyLamp;  // picture index: 0 lit, -1 dark
extern SINT32 xpdrReplyStartTick;
extern SINT32 xpdrTestStartTick;

enum TurnKnobPosition : SINT8 { kTurnLeft = 0, kTurnCentre = 1, kTurnRight = 2 };
extern SINT8 apTurnKnob;
extern SINT16 apRollCommand;
extern SINT8 apBankReached;
extern ModuleVariable apBankVar;
extern ModuleVariable apMasterVar;

// ---------------------------------------------------------------------------------------------
// Power switches: the left half of a power knob switches its radio off, the right half on; a click
// on the side that matches the present state changes nothing.

template <SINT8& powerFlag>
BOOL GAUGE_CALL PowerOffClick(Point*, UINT32) {
    powerFlag = 0;
    return kFalse;
}

template <SINT8& powerFlag>
BOOL GAUGE_CALL PowerOnClick(Point*, UINT32) {
    powerFlag = 1;
    return kFalse;
}

// An icon that shows a piece of module data as its picture index: power knobs, selectors, indicators.
template <SINT8& state>
FLOAT64 GAUGE_CALL StatePicture(IconElement*) {
    return state;
}

// ---------------------------------------------------------------------------------------------
// Readouts

// The style of every text readout of the module: orange "Quartz" on black with a white highlight,
// centred on one line.
#define RADIO_TEXT_STYLE                                                                          \
    .textColour = 0x0060D0, .backgroundColour = 0x000000, .highlightColour = 0xFFFFFF,            \
    .fontName = "Quartz", .fontWeight = 400, .characterSet = 1, .textFormatFlags = 0x25

// A switched-off radio's readout shows only its black background.
void writeBlank(StringElement* text);

// A binary-coded decimal host value: the first 32 bits of the variable, unsigned.
UINT32 bcdBits(const ModuleVariable& variable);

// Digit `position` (0 is bits 0 to 3, 3 is bits 12 to 15). A value that is not proper BCD can
// give 10 to 15 here.
constexpr int bcdDigit(UINT32 bits, int position) { return static_cast<int>(bits >> (4 * position) & 0xFu); }

// ---------------------------------------------------------------------------------------------
// Lamps: a one-picture icon showing an on/off host value returns the value minus 1, so it draws
// its picture while the value is 1 and nothing while it is 0.

FLOAT64 GAUGE_CALL FlagLamp(IconElement* lamp);  // integer, enumeration and flag host values
FLOAT64 GAUGE_CALL RealLamp(IconElement* lamp);  // FLOAT64 host values

// An icon whose integer host value is itself the picture index.
FLOAT64 GAUGE_CALL HostValuePicture(IconElement* icon);

// ---------------------------------------------------------------------------------------------
// Tick timers: a start tick in module data, kTimerStopped while the timer does not run.

inline constexpr SINT32 kTimerStopped = -1;

// Reads the host's tick counter, starts the timer at the current tick when it is stopped, and
// returns the ticks since its start as a signed 8-bit count, which reads 128 to 255 ticks as -128
// to -1 and repeats every 256 ticks.
SINT8 elapsedTicks(SINT32& startTick);

}  // namespace radio_stack
