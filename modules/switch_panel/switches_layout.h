// Where the switch row's gauges and their art meet: the pictures' ids and sizes, and how the split
// master rocker divides into its two halves. Every switch shows its icon over the whole gauge.
#pragma once

#include "layout.h"

namespace switch_panel::layout {

using namespace gauge::layout;

// A switch's icon pictures: off at the box's id, on at the next id.
inline constexpr PictureBox kRockerPlate = wholeGauge(0x105, 57, 101);
inline constexpr PictureBox kRocker = wholeGauge(0x106, 57, 101);
// The avionics master rocker is the same art under ids of its own.
inline constexpr PictureBox kAvionicsPlate = wholeGauge(0x146, 57, 101);
inline constexpr PictureBox kAvionicsRocker = wholeGauge(0x147, 57, 101);
inline constexpr PictureBox kPushButtonPlate = wholeGauge(0x130, 100, 100);
inline constexpr PictureBox kPushButton = wholeGauge(0x131, 100, 100);
inline constexpr PictureBox kFuelPumpPlate = wholeGauge(0x170, 15, 51);
inline constexpr PictureBox kFuelPumpRocker = wholeGauge(0x171, 15, 51);

// The split master rocker: both halves off on the plate, each half's icon over its own side.
inline constexpr PictureBox kMasterPlate = wholeGauge(0x134, 29, 50);
inline constexpr PictureBox kMasterLeftHalf{0x136, 0, 0, 14, 50};
inline constexpr PictureBox kMasterRightHalf{0x138, 12, 0, 15, 50};
// The two columns between the halves' caps, where a click reaches neither half.
inline constexpr int kMasterSplitX = 13;
inline constexpr int kMasterSplitWidth = 2;
// The caps' rows, the same on both halves.
inline constexpr int kMasterCapTop = 2;
inline constexpr int kMasterCapHeight = 46;

}  // namespace switch_panel::layout
