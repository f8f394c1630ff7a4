// Where the vertical speed indicator, the turn coordinator and the heading indicator meet their
// art: the pictures' ids and sizes, the pivots, the table points the dials print their marks at,
// and the places of the flag, the ball and the compass card.
#pragma once

#include "layout.h"

namespace flight_instruments::layout {

using namespace gauge::layout;

// ---------------------------------------------------------------------------------------------
// Vsi: feet per minute

inline constexpr Picture kVerticalSpeedDial{0x100, 302, 302};
inline constexpr Picture kVerticalSpeedNeedle{0x101, 200, 20};
inline constexpr Spot kVerticalSpeedPivot{155, 151};
inline constexpr Spot kVerticalSpeedNeedleHub{62, 10};
inline constexpr double kClimbLimit = 2000;
inline constexpr double kFeetPerMinutePerUnit = 0.769;
inline constexpr CalibrationPoint kVerticalSpeedPoints[] = {
    {296, 168, -2000}, {244, 263, -1500}, {125, 294, -1000}, {30, 234, -500}, {18, 150, 0},
    {28, 65, 500},     {122, 4, 1000},    {242, 35, 1500},   {295, 131, 2000},
};

// ---------------------------------------------------------------------------------------------
// Turn: the rate of turn in 1/65536 of a turn per second, 546 being the standard rate

inline constexpr Picture kTurnFace{0x151, 302, 302};
inline constexpr Picture kBall{0x152, 27, 37};
inline constexpr Spot kBallAt{138, 190};
inline constexpr double kBallSidewaysScale = 0.5625;
inline constexpr double kBallRisePerUnit = 0.0625;
// The empty flag window (id) and the OFF flag (id + 1).
inline constexpr Picture kOffFlag{0x153, 25, 31};
inline constexpr Spot kOffFlagAt{218, 119};
inline constexpr Picture kAircraftSymbol{0x155, 196, 50};
inline constexpr Spot kAircraftPivot{151, 147};
inline constexpr Spot kAircraftSymbolHub{97, 37};
inline constexpr double kTurnRateLimit = 900;
inline constexpr double kStandardRate = 546;
// Along the right wing tip.
inline constexpr CalibrationPoint kTurnRatePoints[] = {
    {205, 76, -900}, {237, 110, -546}, {250, 147, 0}, {240, 178, 546}, {213, 220, 900},
};

// ---------------------------------------------------------------------------------------------
// Gyro: degrees

inline constexpr Picture kGyroGlass{0x180, 300, 332};
inline constexpr Picture kHeadingCard{0x181, 256, 256};
inline constexpr Picture kHeadingCardMask{0x182, 270, 270};
inline constexpr Spot kHeadingCardMaskAt{18, 16};
inline constexpr Spot kHeadingCardCentre{150, 150};
inline constexpr float kHeadingCardScale = 0.95f;
inline constexpr Picture kHeadingBug{0x184, 31, 32};
// The bug is drawn pointing up, 98 to 130 pixels above the card's centre.
inline constexpr Spot kHeadingBugHub{15, 130};

}  // namespace flight_instruments::layout
