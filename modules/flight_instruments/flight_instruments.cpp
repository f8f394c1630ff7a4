// VeskarZ3VM: the main panel's flight instruments. Vsi shows the vertical speed, Turn the rate of
// turn, the ball and the OFF flag, Gyro the heading card with its bug and the click areas of the
// panel's two heading knobs. Asi and Altimetro come from the VFR module's source (main_dials.cpp).
//
// Reads:    VERTICAL_SPEED, TURN_RATE, TURN_BALL_DEFLECTION, TURN_COORDINATOR_OFF_FLAG,
//           HEADING_INDICATOR_HEADING (the card; with lookup_var for the bug), HEADING_BUG_SETTING
// Sends:    HEADING_INDICATOR_LEFT_KNOB_DOWN/UP, HEADING_INDICATOR_RIGHT_KNOB_DOWN/UP
// Windows:  none
// Module data: HeadingVar
#include <algorithm>

#include "flight_layout.h"
#include "module.h"
#include "rows.h"

using namespace gauge;

namespace flight_instruments {

extern GaugeHeader vsi;
extern GaugeHeader asi;
extern GaugeHeader altimetro;
extern GaugeHeader turn;
extern GaugeHeader gyro;

namespace {

// The heading the card shows, read by the bug's callback alone.
constinit ModuleVariable HeadingVar = {.token = var::HEADING_INDICATOR_HEADING};

// At rest the ball stands centred under the aircraft symbol's pivot, where the tube is lowest.
static_assert(2 * layout::kBallAt.x + layout::kBall.width == 2 * layout::kAircraftPivot.x + 1);
// The bug's picture lies 98 to 130 pixels above the card's centre, inside the card's rim.
static_assert(layout::kHeadingBugHub.y - layout::kHeadingBug.height == 98 &&
              layout::kHeadingBugHub.y < layout::kHeadingCard.width / 2 / layout::kHeadingCardScale);

FLOAT64 GAUGE_CALL VerticalSpeed(NeedleElement* needle) {
    return std::clamp(realValue(needle->source) * layout::kFeetPerMinutePerUnit, -layout::kClimbLimit,
                      layout::kClimbLimit);
}

// A right turn (positive rate) lowers the right wing.
FLOAT64 GAUGE_CALL TurnRateClamp(NeedleElement* aircraft) {
    return std::clamp(realValue(aircraft->source), -layout::kTurnRateLimit, layout::kTurnRateLimit);
}

// The ball rises a little to either side, following the tube's curve as a shallow V.
FLOAT64 GAUGE_CALL BallRise(SliderElement* ball) {
    const FLOAT64 rise = realValue(ball->ySource) * layout::kBallRisePerUnit;
    return rise > 0 ? -rise : rise;
}

FLOAT64 GAUGE_CALL OffFlag(IconElement* flag) { return integerValue(flag->source); }

// The card turns counterclockwise by the heading, so the bug turns by its difference to it.
FLOAT64 GAUGE_CALL HeadingBug(NeedleElement* bug) {
    lookup(HeadingVar);
    return realValue(bug->source) - realValue(HeadingVar);
}

// ---------------------------------------------------------------------------------------------
// Vsi

constinit auto verticalSpeedTable = nonlinearityTable(layout::kVerticalSpeedPoints);

constinit NeedleElement vsiNeedle = {
    .common = {.kind = kNeedle, .resourceId = layout::kVerticalSpeedNeedle.id, .position = at(layout::kVerticalSpeedPivot),
               .offset = at(layout::kVerticalSpeedNeedleHub), .gauge = &vsi, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::VERTICAL_SPEED}, .table = verticalSpeedTable.data(),
    .tableLength = verticalSpeedTable.size(), .maxRotationRate = 6, .updateCallback = VerticalSpeed,
};
constinit Element* const vsiDialChildren[] = {&vsiNeedle.common, nullptr};
constinit const FailureRecord vsiDialFailures[] = {failure(19, 1), failure(3, 2), kEndOfFailures};
constinit StaticImageElement vsiDial = {
    .common = {.kind = kStaticImage, .resourceId = layout::kVerticalSpeedDial.id, .position = {0, 0}, .gauge = &vsi,
               .children = vsiDialChildren, .failures = vsiDialFailures, .imageFlags = image_flag::kBlackTransparent},
};
constinit Element* const vsiElements[] = {&vsiDial.common, nullptr};

constinit const MouseArea vsiMouseAreas[] = {parentArea(kWholeGauge, 0xAB76), endOfParent(), endOfList()};

// ---------------------------------------------------------------------------------------------
// Turn: the face, the flag, the ball, then the aircraft symbol over them.

constinit auto turnRateTable = nonlinearityTable(layout::kTurnRatePoints);

constinit const FailureRecord aircraftFailures[] = {failure(18, 1), failure(20, 2), kEndOfFailures};
constinit NeedleElement aircraftSymbol = {
    .common = {.kind = kNeedle, .resourceId = layout::kAircraftSymbol.id, .position = at(layout::kAircraftPivot),
               .offset = at(layout::kAircraftSymbolHub), .gauge = &turn, .failures = aircraftFailures,
               .imageFlags = image_flag::kTransparentEraseSmooth},
    .source = {.token = var::TURN_RATE}, .table = turnRateTable.data(), .tableLength = turnRateTable.size(),
    .maxRotationRate = 6, .updateCallback = TurnRateClamp,
};
constinit Element* const ballChildren[] = {&aircraftSymbol.common, nullptr};
// Sideways the host moves the ball by the deflection itself; upwards by the callback's rise.
constinit SliderElement ball = {
    .common = {.kind = kSlider, .resourceId = layout::kBall.id, .position = at(layout::kBallAt), .gauge = &turn,
               .children = ballChildren, .imageFlags = image_flag::kTransparentEraseSmooth},
    .xSource = {.token = var::TURN_BALL_DEFLECTION}, .xScale = layout::kBallSidewaysScale,
    .ySource = {.token = var::TURN_BALL_DEFLECTION}, .yScale = 1.0,
    .xUpdateCallback = nullptr, .yUpdateCallback = BallRise,
};
constinit Element* const offFlagChildren[] = {&ball.common, nullptr};
constinit IconElement offFlag = {
    .common = {.kind = kIcon, .resourceId = layout::kOffFlag.id, .position = at(layout::kOffFlagAt), .gauge = &turn,
               .children = offFlagChildren, .imageFlags = image_flag::kErase},
    .source = {.token = var::TURN_COORDINATOR_OFF_FLAG}, .switchType = 0, .pictureCount = 2, .updateCallback = OffFlag,
};
constinit Element* const turnFaceChildren[] = {&offFlag.common, nullptr};
constinit const FailureRecord turnFaceFailures[] = {failure(18, 0), kEndOfFailures};
constinit StaticImageElement turnFace = {
    .common = {.kind = kStaticImage, .resourceId = layout::kTurnFace.id, .position = {0, 0}, .gauge = &turn,
               .children = turnFaceChildren, .failures = turnFaceFailures, .imageFlags = image_flag::kBlackTransparent},
};
constinit Element* const turnElements[] = {&turnFace.common, nullptr};

constinit const MouseArea turnMouseAreas[] = {parentArea(kWholeGauge, 0xAB71), endOfParent(), endOfList()};

// ---------------------------------------------------------------------------------------------
// Gyro: the glass, the heading card seen through its mask, the bug over the card.

constinit const FailureRecord headingFailures[] = {failure(11, 1), failure(4, 1), failure(2, 1), kEndOfFailures};
// Without a table the host turns the bug, drawn pointing up, clockwise by the value in degrees.
constinit NeedleElement headingBug = {
    .common = {.kind = kNeedle, .resourceId = layout::kHeadingBug.id, .position = at(layout::kHeadingCardCentre),
               .offset = at(layout::kHeadingBugHub), .gauge = &gyro, .failures = headingFailures,
               .imageFlags = image_flag::kTransparentEraseSmooth},
    .source = {.token = var::HEADING_BUG_SETTING}, .table = nullptr, .tableLength = 0, .maxRotationRate = 0,
    .updateCallback = HeadingBug,
};
constinit Element* const headingCardChildren[] = {&headingBug.common, nullptr};
constinit SpriteElement headingCard = {
    .common = {.kind = kSprite, .resourceId = layout::kHeadingCard.id, .position = at(layout::kHeadingCardMaskAt),
               .offset = at(layout::kHeadingCardCentre), .gauge = &gyro, .children = headingCardChildren,
               .failures = headingFailures, .imageFlags = image_flag::kTransparentEraseSmooth},
    .xSource = {.token = 0}, .xScale = 0, .ySource = {.token = 0}, .yScale = 0,
    .rotationSource = {.token = var::HEADING_INDICATOR_HEADING}, .rotationScale = 1.0,
    .textureScaleX = layout::kHeadingCardScale, .textureScaleY = layout::kHeadingCardScale,
    .xUpdateCallback = nullptr, .yUpdateCallback = nullptr, .rotationUpdateCallback = nullptr,
};
constinit Element* const gyroGlassChildren[] = {&headingCard.common, nullptr};
constinit StaticImageElement gyroGlass = background(layout::kGyroGlass.id, &gyro, gyroGlassChildren);
constinit Element* const gyroElements[] = {&gyroGlass.common, nullptr};

// The knobs are painted on the panel; each half of a knob is relative to the knob's parent.
constinit const MouseArea gyroMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB34),
    parentArea({10, 260, 60, 50}, 0xAB35),
    keyArea({0, 0, 29, 49}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::HEADING_INDICATOR_LEFT_KNOB_DOWN),
    keyArea({30, 0, 29, 49}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::HEADING_INDICATOR_LEFT_KNOB_UP),
    endOfParent(),
    parentArea({240, 260, 60, 50}, 0xAB33),
    keyArea({0, 0, 29, 49}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::HEADING_INDICATOR_RIGHT_KNOB_DOWN),
    keyArea({30, 0, 29, 49}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::HEADING_INDICATOR_RIGHT_KNOB_UP),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader vsi = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Vsi", .elementList = vsiElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 115, .mouseAreas = vsiMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader turn = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Turn", .elementList = turnElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 115, .mouseAreas = turnMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader gyro = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Gyro", .elementList = gyroElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 115, .mouseAreas = gyroMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace flight_instruments

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&flight_instruments::vsi, &flight_instruments::asi, &flight_instruments::altimetro,
               &flight_instruments::turn, &flight_instruments::gyro, nullptr},
};
