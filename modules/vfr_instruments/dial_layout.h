// Where the airspeed indicator and the altimeter meet their art, in both builds: the pictures' ids
// and sizes, where the needles turn, the table points the dials print their marks at, the setting
// card's geometry and the boxes of the readouts and click areas.
#pragma once

#include "layout.h"

namespace dial_instruments::layout {

using namespace gauge::layout;

// ---------------------------------------------------------------------------------------------
// Asi

inline constexpr Picture kAirspeedDial{0x110, 302, 302};
inline constexpr Picture kAirspeedNeedle{0x111, 161, 108};
inline constexpr Spot kAirspeedPivot{148, 150};        // on the dial
inline constexpr Spot kAirspeedNeedleHub{54, 54};      // in the needle picture
inline constexpr double kAirspeedHubRadius = 54;
inline constexpr double kAirspeedHighest = 210;
inline constexpr CalibrationPoint kAirspeedPoints[] = {
    {148, 52, 0},   {182, 82, 40},   {219, 122, 60},  {219, 180, 80}, {173, 223, 100}, {121, 221, 120},
    {85, 193, 140}, {72, 159, 160},  {75, 127, 180},  {94, 96, 200},  {108, 84, 210},
};
inline constexpr Area kAirspeedReadout{30, 20, 90, 50};
inline constexpr Area kAirspeedReadoutToggle{0, 140, 300, 100};

// ---------------------------------------------------------------------------------------------
// Altimetro

inline constexpr Picture kAltimeterFace{0x130, 307, 311};
inline constexpr Picture kTenThousandsPointer{0x131, 81, 33};
inline constexpr Picture kThousandsPointer{0x132, 104, 27};
inline constexpr Picture kHundredsPointer{0x133, 174, 17};
inline constexpr Spot kTenThousandsHub{17, 16};
inline constexpr Spot kThousandsHub{34, 13};
inline constexpr Spot kHundredsHub{50, 7};
inline constexpr Spot kPointerPivot{155, 156};
// One pixel apart on either side of twelve o'clock: a whole clockwise turn over 0 … 999.
inline constexpr CalibrationPoint kAltitudePoints[] = {{156, 41, 0}, {155, 41, 999}};
inline constexpr int kAltitudeTurn = 1000;

// The setting card turns behind a window at three o'clock of the face.
inline constexpr Picture kSettingCard{0x135, 261, 262};
inline constexpr Picture kSettingWindow{0x136, 36, 53};
inline constexpr Spot kSettingWindowAt{229, 130};
inline constexpr Spot kSettingCardCentre{154, 156};
inline constexpr float kSettingCardScale = 1.1f;
inline constexpr double kLowestSetting = 28.1;
inline constexpr double kHighestSetting = 31.5;
inline constexpr double kCardDegreesPerInch = 100;

inline constexpr Area kSettingKnob{6, 241, 64, 64};
inline constexpr Area kSettingReadout{80, 20, 150, 50};
inline constexpr Area kAltimeterReadoutToggle{0, 130, 300, 100};

}  // namespace dial_instruments::layout
