// Where the fuel-flow computer and its art meet: the face, the knob pictures, the two display
// windows that the readouts fill, and the buttons and the knob that the click areas cover.
#pragma once

#include <cstdint>

#include "layout.h"

namespace engine_cabin::fuel_flow_layout {

using namespace gauge::layout;

inline constexpr std::uint32_t kFace = 0x135;
inline constexpr int kFaceSize = 302;

// The selector knob turned to NM/GAL., GAL. TO DESTINATION, GAL. RESERVE and ENDURANCE.
inline constexpr std::uint32_t kFirstKnob = 0x140;
inline constexpr int kKnobPositions = 4;
inline constexpr Area kKnob{60, 232, 46, 54};
// The knob's left part turns it back a page, the area right of its centre forward.
inline constexpr Area kKnobLeftArea{60, 232, 22, 54};
inline constexpr Area kKnobRightArea{94, 232, 22, 54};

inline constexpr Area kUpperReadout{78, 55, 150, 45};
inline constexpr Area kFuelFlowReadout{28, 150, 110, 44};

inline constexpr Area kRemainingButton{35, 84, 35, 35};
inline constexpr Area kUsedButton{235, 84, 35, 35};
inline constexpr Area kEnterButton{130, 250, 35, 35};
// The band across FUEL FLOW and the lower readout toggles the fuel window.
inline constexpr Area kWindowBand{0, 130, 300, 60};

static_assert(kKnobLeftArea.x == kKnob.x && kKnobRightArea.x < kKnob.x + kKnob.width);
static_assert(kUpperReadout.x + kUpperReadout.width <= kFaceSize && kFuelFlowReadout.y > kUpperReadout.y);

}  // namespace engine_cabin::fuel_flow_layout
