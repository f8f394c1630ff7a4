// Where the quadrant, the flap gauge and the primer meet their art: the pictures' ids and sizes,
// where the knobs, the flap handle and its indicator dot stand, and the handle's four detents.
#pragma once

#include "layout.h"

namespace switch_panel::layout {

using namespace gauge::layout;

// PanelC: the quadrant. Its plate is pure black; the slots are the panel's.
inline constexpr PictureBox kQuadrantPlate = wholeGauge(0x110, 508, 355);
// The knobs where they stand pulled fully out; pushed in, they move up and to the left.
inline constexpr PictureBox kThrottleKnob{0x112, 57, 271, 79, 84};
inline constexpr PictureBox kPropellerKnob{0x114, 192, 261, 83, 92};
inline constexpr PictureBox kMixtureKnob{0x116, 327, 253, 102, 100};
inline constexpr PictureBox kQuadrantFlapDot{0x121, 442, 35, 10, 10};
inline constexpr PictureBox kQuadrantFlapHandle{0x122, 412, 10, 86, 212};

// Flap: the handle and dot alone.
inline constexpr PictureBox kFlapPlate = wholeGauge(0x117, 128, 221);
inline constexpr PictureBox kFlapDot{0x121, 44, 35, 10, 10};
inline constexpr PictureBox kFlapHandle{0x122, 32, 10, 86, 212};

// The handle pictures, one a detent from up to full, and where in them the grip's centre stands.
inline constexpr int kFlapDetents = 4;
inline constexpr int kFlapGripY[kFlapDetents] = {30, 65, 90, 145};
// The handle's slot and grip lie right of this column of its pictures, so that the dot, drawn
// before the handle, shows through in both gauges.
inline constexpr int kFlapHandleArtLeft = 42;

// Primer: the bezel with the plunger shaft, and the knob head at rest (id) and pushed (id + 1).
inline constexpr PictureBox kPrimerPlate = wholeGauge(0x100, 55, 76);
inline constexpr PictureBox kPrimerKnob = wholeGauge(0x102, 55, 76);

}  // namespace switch_panel::layout
