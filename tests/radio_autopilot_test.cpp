// RadioAP2 through the bench host: the turn logic's commands, the master's part in them, the knob's
// centre areas, the mode lamps and the button areas.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr int kTurnKnob = 1, kHeadingSelectLamp = 2, kHighSensitivityLamp = 8;
constexpr int kTurnLeft[] = {140, 100}, kCentre[] = {170, 80}, kPushAtCentre[] = {170, 120}, kTurnRight[] = {210, 100};
KeyEvent roll(std::int32_t command) {
    return {gauge::key::AUTOPILOT_ROLL_COMMAND, static_cast<std::uint32_t>(command)};
}

class Autopilot : public Radios {
protected:
    Autopilot() : gauge(radio("RadioAP2")) { host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 1.0); }

    void clickAt(const int (&point)[2]) { click(gauge, point[0], point[1]); }
    // The roll commands sent over one update per bank value.
    std::vector<KeyEvent> flyThrough(const std::vector<double>& banks) {
        takeKeyEvents();
        for (double bank : banks) {
            host.variables().set(gauge::var::BANK_ANGLE, bank);
            host.runCycles(1);
        }
        return takeKeyEvents();
    }

    GaugeInstance& gauge;
};

struct TurnCase {
    const char* name;
    bool left;
    std::vector<double> banks;
    std::vector<std::int32_t> sent;  // one command an update
};

// Each update sends the command computed on the update before.
const TurnCase kTurnCases[] = {
    {"LeftHoldsTheArmedCommandUntilTheBankPasses20", true, {0, 10, 20, 19}, {6144, 6144, 6144, 6144}},
    {"LeftSwitchesToHoldingOnce20IsPassed", true, {21, 21, 23, 20, 19, 21, 0},
     {6144, 1024, 1024, 512, 512, 2048, 1024}},
    {"LeftBeyond22", true, {25, 22, 22.5}, {6144, 512, 1024}},
    {"RightHoldsTheArmedCommandUntilTheBankPassesMinus20", false, {0, -20, 30}, {-6144, -6144, -6144}},
    {"RightSwitchesToHoldingOnceMinus20IsPassed", false, {-21, -25, -20, -21, -15, 0},
     {-6144, -256, 0, 0, -256, -1024}},
    {"RightBeyondMinus22", false, {-23, -22, -22.5}, {-6144, 0, -256}},
    {"NaNBankChangesNothing", true, {kNaN, 21, kNaN}, {6144, 6144, 1024}},
};

class TurnLogic : public Autopilot, public ::testing::WithParamInterface<TurnCase> {};

TEST_P(TurnLogic, SendsTheCommandOfTheUpdateBefore) {
    const TurnCase& turn = GetParam();
    clickAt(turn.left ? kTurnLeft : kTurnRight);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::AUTOPILOT_TURN_KNOB_TURNED, 1}}));
    EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    std::vector<KeyEvent> expected;
    for (std::int32_t command : turn.sent) expected.push_back(roll(command));
    EXPECT_EQ(flyThrough(turn.banks), expected);
    EXPECT_EQ(picture(gauge, kTurnKnob), turn.left ? 0 : 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, TurnLogic, ::testing::ValuesIn(kTurnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Autopilot, SendsNothingUnlessTheMasterIsExactlyOne) {
    clickAt(kTurnLeft);
    for (double master : {0.0, 0.5, 1.5}) {
        host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, master);
        EXPECT_TRUE(flyThrough({0, 25}).empty()) << "master " << master;
    }
    // The command is kept while disengaged and the bank passed then does not count.
    host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 1.0);
    EXPECT_EQ(flyThrough({21, 0}), (std::vector<KeyEvent>{roll(6144), roll(1024)}));
}

TEST_F(Autopilot, DisengagingPausesTheTurnWithItsCommandKept) {
    clickAt(kTurnRight);
    EXPECT_EQ(flyThrough({-21}), std::vector<KeyEvent>{roll(-6144)});
    host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 0.0);
    EXPECT_TRUE(flyThrough({0, 0}).empty());
    host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 1.0);
    EXPECT_EQ(flyThrough({0}), std::vector<KeyEvent>{roll(-256)});
}

TEST_F(Autopilot, CentreAreasStopTheTurnAndOnlyTheUpperLevelsTheRoll) {
    clickAt(kTurnLeft);
    flyThrough({0});
    clickAt(kCentre);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{roll(0), {gauge::key::AUTOPILOT_TURN_KNOB_TURNED, 1}}));
    EXPECT_TRUE(flyThrough({0, 30}).empty());
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);

    clickAt(kTurnRight);
    takeKeyEvents();
    clickAt(kPushAtCentre);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::AUTOPILOT_TURN_KNOB_PUSHED, 1}}));
    EXPECT_TRUE(flyThrough({0}).empty());
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);
}

TEST_F(Autopilot, PushAtCentreWithTheAutopilotOffSendsNothingButCentresAndDisarms) {
    clickAt(kTurnLeft);
    flyThrough({0});
    // Disengaged since the last update: the push reads the master afresh.
    host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 0.0);
    clickAt(kPushAtCentre);
    EXPECT_TRUE(takeKeyEvents().empty());
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);
    host.variables().set(gauge::var::AUTOPILOT_MASTER_ENGAGED, 1.0);
    EXPECT_TRUE(flyThrough({0, 25}).empty()) << "the turn is disarmed";
}

TEST_F(Autopilot, ModeLampsFollowTheHostAndHighSensitivityIsInverted) {
    const std::pair<double, bool> headingCases[] = {{1.0, true}, {0.0, false}};
    for (auto [value, lit] : headingCases) {
        host.variables().set(gauge::var::AUTOPILOT_HEADING_SELECT_ENGAGED, value);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kHeadingSelectLamp).has_value(), lit) << value;
    }
    const std::pair<double, bool> highSensitivityCases[] = {{0.0, true}, {1.0, false}, {0.5, true}};
    for (auto [value, lit] : highSensitivityCases) {
        host.variables().set(gauge::var::AUTOPILOT_HIGH_SENSITIVITY_OFF, value);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kHighSensitivityLamp).has_value(), lit) << value;
    }
}

TEST_F(Autopilot, ButtonAreasSendTheirEventsWithTheirTooltips) {
    struct ButtonArea {
        int x, y;
        std::uint32_t event;
        std::optional<gaugehost::Tooltip> tooltip;
    };
    const ButtonArea areas[] = {
        {100, 40, gauge::key::AUTOPILOT_HDG_SEL, gaugehost::Tooltip{0xAD87, {}}},
        {135, 40, gauge::key::AUTOPILOT_NAV_INT, gaugehost::Tooltip{0xAD83, {}}},
        {170, 40, gauge::key::AUTOPILOT_NAV_TRK, gaugehost::Tooltip{0xAD85, {}}},
        {240, 40, gauge::key::AUTOPILOT_BACK_CRS, gaugehost::Tooltip{0xAD82, {}}},
        {80, 100, gauge::key::AUTOPILOT_MASTER_TOGGLE, gaugehost::Tooltip{0xAB0E, {}}},
        {265, 100, gauge::key::GPS_DRIVES_NAV_TOGGLE, gaugehost::Tooltip{0xAB4D, {}}},
        {210, 40, gauge::key::AUTOPILOT_HI_SENS, std::nullopt},
    };
    takeKeyEvents();
    for (const ButtonArea& area : areas) {
        click(gauge, area.x, area.y);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{area.event, 0}})) << area.x << "," << area.y;
        EXPECT_EQ(gauge.mouseMap().tooltipAt(area.x, area.y), area.tooltip) << area.x << "," << area.y;
    }
}

}  // namespace
