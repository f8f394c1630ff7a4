// VeskarZ3VRadios: the conventions the radio gauges have in common: power switches, blank
// displays, binary-coded decimal values, lamps, tick timers and digit drums. Each gauge file keeps
// its own module data; everything here has internal linkage in every file that uses it.
#pragma once

#include <cstdint>

#include "module.h"
#include "radio_layout.h"
#include "rows.h"

namespace radio_stack {

using namespace gauge;

using SINT16 = std::int16_t;

namespace {

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

// A two-state piece of module data flipped by a click, with the key event that goes with it: the
// COM1/NAV1 transfer buttons and the COM2/NAV2 memory columns, which count clicks themselves.
template <SINT8& flag, KeyEventId event>
BOOL GAUGE_CALL FlipAndSend(Point*, UINT32) {
    flag = static_cast<SINT8>(1 - flag);
    host().trigger_key_event(event, 1);
    return kFalse;
}

// An icon that shows a piece of module data as its picture index: power knobs, selectors, indicators.
template <SINT8& state>
FLOAT64 GAUGE_CALL StatePicture(IconElement*) {
    return state;
}

// ---------------------------------------------------------------------------------------------
// Readouts and binary-coded decimal values

// A switched-off radio's readout shows only its black background.
inline void writeBlank(StringElement* text) { writeText(text, "%s", ""); }

// A binary-coded decimal host value: the first 32 bits of the variable, unsigned.
inline UINT32 bcdBits(const ModuleVariable& variable) { return static_cast<UINT32>(integerValue(variable)); }

// Digit `position` (0 is bits 0 to 3, 3 is bits 12 to 15). A value that is not proper BCD can
// give 10 to 15 here.
constexpr int bcdDigit(UINT32 bits, int position) { return static_cast<int>(bits >> (4 * position) & 0xFu); }

// ---------------------------------------------------------------------------------------------
// Lamps: a one-picture icon showing an on/off host value returns the value minus 1, so it draws
// its picture while the value is 1 and nothing while it is 0.

// Integer, enumeration and flag host values.
inline FLOAT64 GAUGE_CALL FlagLamp(IconElement* lamp) { return integerValue(lamp->source) - 1.0; }
// FLOAT64 host values.
inline FLOAT64 GAUGE_CALL RealLamp(IconElement* lamp) { return realValue(lamp->source) - 1.0; }
// An icon whose integer host value is itself the picture index.
inline FLOAT64 GAUGE_CALL HostValuePicture(IconElement* icon) { return integerValue(icon->source); }

// ---------------------------------------------------------------------------------------------
// Tick timers: a start tick in module data, kTimerStopped while the timer does not run.

inline constexpr SINT32 kTimerStopped = -1;

// Reads the host's tick counter, starts the timer at the current tick when it is stopped, and
// returns the ticks since its start as a signed 8-bit count, which reads 128 to 255 ticks as -128
// to -1 and repeats every 256 ticks.
inline SINT8 elapsedTicks(SINT32& startTick) {
    // Refreshed by every timer just before it reads it.
    static constinit ModuleVariable tickCounterVar = {.token = var::HOST_TICK_COUNT};
    lookup(tickCounterVar);
    const FLOAT64 now = realValue(tickCounterVar);
    if (startTick == kTimerStopped) startTick = truncateToInt32(now);
    return truncateToSignedByte(now - startTick);
}

// ---------------------------------------------------------------------------------------------
// Digit drums: a strip moved up by its callback's digit 0 to 9, seen through its window.

constexpr MovingImageElement drum(const layout::DrumStrip& drum, Point position, GaugeHeader* gauge,
                                  HostVariableToken source, UpdateCallback<MovingImageElement> digit,
                                  const FailureRecord* failures, UINT32 imageFlags, Element* const* children) {
    return {.common = {.kind = kMovingImage, .resourceId = drum.strip.id, .position = position, .gauge = gauge,
                       .children = children, .failures = failures, .imageFlags = imageFlags},
            .xSource = {.token = 0}, .xMinimum = 0, .xMaximum = 0, .ySource = {.token = source}, .yMinimum = 0,
            .yMaximum = 9.0, .xUpdateCallback = nullptr, .yUpdateCallback = digit};
}

}  // namespace

}  // namespace radio_stack
