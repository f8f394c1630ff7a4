// RadioTrans through the bench host: the code drums, the mode knob, the reply lamp's cycle, the
// TEST spring and the cycle's 8-bit count.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

constexpr int kXpdrDrums = 1, kReplyLamp = 5, kModeKnob = 6;
constexpr int kModeLeft[] = {460, 100}, kModeRight[] = {510, 100};
enum Mode { kOff, kStandby, kOn, kAltitude, kTest };

class Transponder : public Radios {
protected:
    Transponder() : gauge(radio("RadioTrans")) {}

    void turnRight(int steps) {
        for (int step = 0; step < steps; ++step) click(gauge, kModeRight[0], kModeRight[1]);
    }
    void turnLeft(int steps) {
        for (int step = 0; step < steps; ++step) click(gauge, kModeLeft[0], kModeLeft[1]);
    }
    bool lampLit() const { return picture(gauge, kReplyLamp).has_value(); }
    // The lamp over the next cycles, one letter a cycle: L lit, d dark.
    std::string lampOver(int cycles) {
        std::string pattern;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            host.runCycles(1);
            pattern += lampLit() ? 'L' : 'd';
        }
        return pattern;
    }

    GaugeInstance& gauge;
};

std::string litThenDark(int lit, int dark) { return std::string(lit, 'L') + std::string(dark, 'd'); }

TEST_F(Transponder, DrumsShowTheCodeInEveryModeAndDigitKnobsAdvanceIt) {
    host.variables().setInteger(gauge::var::TRANSPONDER_CODE, 0x1200);
    host.runCycles(1);
    const int digits[] = {0, 0, 2, 1};  // units drum first
    for (int drum = 0; drum < 4; ++drum) {
        EXPECT_EQ(element(gauge, kXpdrDrums + drum).returned, digits[drum]);
        EXPECT_DOUBLE_EQ(element(gauge, kXpdrDrums + drum).stripY, digits[drum] * 24.0);
    }
    EXPECT_EQ(picture(gauge, kModeKnob), kOff);
    EXPECT_FALSE(lampLit());
    takeKeyEvents();
    for (int x : {62, 170, 274, 376}) click(gauge, x + 10, 70);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::TRANSPONDER_THOUSANDS_UP, 0},
                                                      {gauge::key::TRANSPONDER_HUNDREDS_UP, 0},
                                                      {gauge::key::TRANSPONDER_TENS_UP, 0},
                                                      {gauge::key::TRANSPONDER_UNITS_UP, 0}}));
}

TEST_F(Transponder, ModeKnobStepsOneAtATimeAndStopsAtBothEnds) {
    turnLeft(1);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kModeKnob), kOff);
    std::vector<int> shown;
    for (int step = 0; step < 5; ++step) {
        turnRight(1);
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
        host.runCycles(1);
        shown.push_back(picture(gauge, kModeKnob).value_or(-1));
    }
    EXPECT_EQ(shown, (std::vector<int>{kStandby, kOn, kAltitude, kTest, kTest}));
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(Transponder, ReplyLampBlinksLit25DarkFiftySixInOnAndAlt) {
    turnRight(kOn);
    EXPECT_EQ(lampOver(2 * 81), litThenDark(25, 56) + litThenDark(25, 56));
    // Moving to ALT keeps the running cycle.
    host.runCycles(10);
    turnRight(1);
    EXPECT_EQ(lampOver(81), litThenDark(15, 56) + litThenDark(10, 0));
    // SBY darkens it and stops the cycle; ON again starts a fresh one, lit.
    turnLeft(2);
    EXPECT_EQ(lampOver(3), "ddd");
    turnRight(1);
    EXPECT_EQ(lampOver(26), litThenDark(25, 1));
}

TEST_F(Transponder, TestLightsTheLampAndSpringsBackToAltAfter24Ticks) {
    turnRight(kAltitude);
    host.runCycles(30);  // a reply cycle is running, dark by now
    turnRight(1);
    for (int cycle = 0; cycle < 24; ++cycle) {
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kModeKnob), kTest) << cycle;
        EXPECT_TRUE(lampLit()) << cycle;
    }
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kModeKnob), kAltitude);
    EXPECT_TRUE(lampLit()) << "the spring's own update still shows the TEST lamp";
    // The spring ends the cycle that ran before TEST: a fresh one starts, lit.
    EXPECT_EQ(lampOver(82), litThenDark(25, 56) + "L");
}

TEST_F(Transponder, LeavingTestByClickResumesTheCycleAndReentryLastsAFull24Ticks) {
    turnRight(kAltitude);
    host.runCycles(30);  // the cycle runs dark from its 26th update
    turnRight(1);
    host.runCycles(10);
    EXPECT_TRUE(lampLit());
    turnLeft(1);
    // The cycle started 40 ticks ago: dark until it restarts after its count of 80.
    EXPECT_EQ(lampOver(41), litThenDark(0, 41));
    EXPECT_EQ(lampOver(1), "L") << "the cycle restarted";
    turnRight(1);
    host.runCycles(23);
    EXPECT_EQ(picture(gauge, kModeKnob), kTest);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kModeKnob), kTest) << "a second entry lasts 24 ticks again";
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kModeKnob), kAltitude);
}

// An update long after the cycle started reads the 8-bit count: dark from 25 to 127, lit again
// from -128 up to 24, and restarted only when the count next equals 80.
TEST_F(Transponder, ReplyCycleCountWrapsAroundInEightBits) {
    turnRight(kOn);
    host.setTick(5000);
    host.runCycles(1);
    EXPECT_TRUE(lampLit());
    const std::pair<double, bool> cases[] = {
        {5100, false}, {5127, false}, {5128, true}, {5255, true}, {5256 + 24, true}, {5256 + 25, false},
    };
    for (auto [tick, lit] : cases) {
        host.setTick(tick);
        host.runCycles(1);
        EXPECT_EQ(lampLit(), lit) << "tick " << tick;
    }
    host.setTick(5256 + 80);
    host.runCycles(1);
    EXPECT_FALSE(lampLit());
    host.runCycles(1);
    EXPECT_TRUE(lampLit()) << "a fresh cycle";
}

}  // namespace
