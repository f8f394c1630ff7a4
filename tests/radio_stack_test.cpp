// The radio stack module through the bench host: the shared COM1/NAV1 state, power and blank
// displays, the press timers, the transponder's reply cycle and TEST spring, the DME, the ADF, the
// autopilot's turn logic, the audio panels' tooltips, and the readouts' bounds with hostile values.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/bench.h"
#include "support/module_memory.h"

namespace {

using benchtest::BenchTest;
using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;

constexpr const char* kModule = "VeskarZ3VRadios";
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Host variables
constexpr std::uint32_t kCom1Active = 0x17, kCom1Standby = 0x269, kNav1Active = 0x18, kNav1Standby = 0x368;
constexpr std::uint32_t kNav1Audio = 0x36D, kNav2Audio = 0x36E;
constexpr std::uint32_t kNav2Frequency = 0x1B, kCom2Frequency = 0x366;
constexpr std::uint32_t kAdfFrequency = 0x10, kAdfExtension = 0x12;
constexpr std::uint32_t kDmeNav1Distance = 0x1F, kDmeNav1Speed = 0x20, kDmeNav2Distance = 0x23, kDmeNav2Speed = 0x24;
constexpr std::uint32_t kTransponderCode = 0x26;
constexpr std::uint32_t kBank = 0x50, kAutopilotMaster = 0x67, kHighSensitivityOff = 0x72, kHeadingSelect = 0x6A;

// Key events the module sends itself carry parameter 1; those of key-bound areas the host's 0.
constexpr KeyEvent kSwapCom1{0x10344, 1}, kSwapNav1{0x10390, 1};

class Radios : public BenchTest {
protected:
    GaugeInstance& radio(const char* gauge, const std::string& alias = {}) { return create(kModule, gauge, alias); }

    void click(GaugeInstance& gauge, int x, int y) {
        host.press(gauge, x, y);
        host.release();
    }

    const std::string& text(const GaugeInstance& gauge, int index) const { return element(gauge, index).text; }
    std::optional<int> picture(const GaugeInstance& gauge, int index) const { return element(gauge, index).picture; }
    std::vector<std::uint8_t> moduleData() { return benchtest::moduleDataSnapshot(*host.findModule(kModule)); }
};

TEST_F(Radios, GaugeSizesComeFromTheirBackgrounds) {
    const std::tuple<const char*, int, int, unsigned> cases[] = {
        {"RadioTrans", 600, 147, 200},       {"RadioDME", 600, 134, 200},         {"RadioAP2", 368, 163, 200},
        {"RadioAudioZ3V", 600, 116, 400},    {"RadioCom2Nav2Z3V", 700, 300, 400}, {"RadioAdfZ3V", 600, 149, 400},
        {"RadioCom1Nav1Z3V", 400, 119, 400}, {"RadioCom1Nav1Z3VVFR", 400, 119, 400}, {"RadioAudioZ3VVFR", 600, 116, 400},
    };
    for (auto [name, width, height, millimetres] : cases) {
        auto& gauge = radio(name);
        EXPECT_EQ(gauge.width(), width) << name;
        EXPECT_EQ(gauge.height(), height) << name;
        EXPECT_EQ(gauge.header().defaultWidthMm, millimetres) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// COM1/NAV1

// Drawing order of both COM1/NAV1 gauges.
constexpr int kComTransfer = 1, kComActive = 2, kComStandby = 3, kNavTransfer = 4, kNavActive = 5, kNavStandby = 6;
constexpr int kCom1PowerKnob = 7, kIdentKnob = 8;
constexpr int kCom1Windows[] = {kComActive, kComStandby, kNavActive, kNavStandby};
constexpr std::uint32_t kCom1WindowTokens[] = {kCom1Active, kCom1Standby, kNav1Active, kNav1Standby};
const char* const kCom1Nav1Gauges[] = {"RadioCom1Nav1Z3V", "RadioCom1Nav1Z3VVFR"};

// Clicks, in background pixels.
constexpr int kCom1PowerOff[] = {45, 90}, kCom1PowerOn[] = {60, 90};
constexpr int kComTransferButton[] = {90, 80}, kNavTransferButton[] = {280, 80};

struct FrequencyCase {
    std::int32_t bcd;  // raw bits
    const char* text;
};

// The leading 1 is written by the radio; a digit that is not decimal makes the text longer than
// the window's six characters, and the text is cut to them.
const FrequencyCase kFrequencyCases[] = {
    {0x1825, "118.25"}, {0x2297, "122.97"}, {0x0000, "100.00"}, {0x1050, "110.50"}, {0x3697, "136.97"},
    {0x00A5, "100.10"}, {0xFFFF, "11515."}, {-1, "11515."},     {0x12345, "123.45"},
};

class Com1Nav1Gauges : public Radios, public ::testing::WithParamInterface<const char*> {};

TEST_P(Com1Nav1Gauges, WindowsShowTheirFrequenciesAndReturnTheRawValue) {
    auto& gauge = radio(GetParam());
    for (const FrequencyCase& frequency : kFrequencyCases) {
        for (std::uint32_t token : kCom1WindowTokens) host.variables().setInteger(token, frequency.bcd);
        host.runCycles(1);
        for (int window : kCom1Windows) {
            SCOPED_TRACE(testing::Message() << "BCD 0x" << std::hex << frequency.bcd << " window " << window);
            EXPECT_EQ(text(gauge, window), frequency.text);
            EXPECT_EQ(element(gauge, window).returned, static_cast<double>(static_cast<std::uint32_t>(frequency.bcd)));
        }
    }
}

// Each window reads its own variable.
TEST_P(Com1Nav1Gauges, EachWindowReadsItsOwnFrequency) {
    auto& gauge = radio(GetParam());
    const std::int32_t values[] = {0x1825, 0x2190, 0x1080, 0x1130};
    for (int i = 0; i < 4; ++i) host.variables().setInteger(kCom1WindowTokens[i], values[i]);
    host.runCycles(1);
    EXPECT_EQ(text(gauge, kComActive), "118.25");
    EXPECT_EQ(text(gauge, kComStandby), "121.90");
    EXPECT_EQ(text(gauge, kNavActive), "110.80");
    EXPECT_EQ(text(gauge, kNavStandby), "111.30");
}

TEST_P(Com1Nav1Gauges, IdentKnobShowsTheNav1AudioValue) {
    auto& gauge = radio(GetParam());
    for (int audio : {1, 0}) {
        host.variables().setInteger(kNav1Audio, audio);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kIdentKnob), audio);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPanels, Com1Nav1Gauges, ::testing::ValuesIn(kCom1Nav1Gauges),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Radios, Com1Nav1PowerIsSharedAndBlanksOnlyTheTexts) {
    auto& main = radio("RadioCom1Nav1Z3V");
    auto& vfr = radio("RadioCom1Nav1Z3VVFR");
    host.runCycles(1);
    for (const auto* gauge : {&main, &vfr}) {
        EXPECT_EQ(text(*gauge, kComActive), "122.50") << "every radio starts switched on";
        EXPECT_EQ(picture(*gauge, kCom1PowerKnob), 1);
    }

    click(main, kCom1PowerOff[0], kCom1PowerOff[1]);
    EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    host.runCycles(1);
    for (const auto* gauge : {&main, &vfr}) {
        for (int window : kCom1Windows) EXPECT_EQ(text(*gauge, window), "") << gauge->alias() << " window " << window;
        EXPECT_EQ(picture(*gauge, kCom1PowerKnob), 0);
    }

    // Tuning, transfer and IDENT still reach the host while the radio is off.
    takeKeyEvents();
    click(vfr, 112, 65);
    click(vfr, kComTransferButton[0], kComTransferButton[1]);
    click(vfr, 250, 95);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0x10064, 0}, kSwapCom1, {0x10132, 0}}));

    // Switched on from the other gauge, both show the host's new frequency at once.
    host.variables().setInteger(kCom1Active, 0x2297);
    click(vfr, kCom1PowerOn[0], kCom1PowerOn[1]);
    host.runCycles(1);
    for (const auto* gauge : {&main, &vfr}) {
        EXPECT_EQ(text(*gauge, kComActive), "122.97");
        EXPECT_EQ(picture(*gauge, kCom1PowerKnob), 1);
    }
}

struct TuningArea {
    int x, y;
    std::uint32_t event;
    int cursor;
};

TEST_F(Radios, Com1Nav1TuningAreasSendTheirEventsAndRepeatWhileHeld) {
    auto& gauge = radio("RadioCom1Nav1Z3V");
    const TuningArea areas[] = {
        {110, 60, 0x10064, gauge::cursor::kDownArrow}, {130, 88, 0x10065, gauge::cursor::kUpArrow},
        {150, 60, 0x10066, gauge::cursor::kDownArrow}, {188, 88, 0x10067, gauge::cursor::kUpArrow},
        {290, 60, 0x10068, gauge::cursor::kDownArrow}, {310, 60, 0x10069, gauge::cursor::kUpArrow},
        {330, 60, 0x1006A, gauge::cursor::kDownArrow}, {368, 88, 0x1006B, gauge::cursor::kUpArrow},
    };
    takeKeyEvents();
    for (const TuningArea& area : areas) {
        SCOPED_TRACE(testing::Message() << area.x << "," << area.y);
        EXPECT_EQ(gauge.mouseMap().cursorAt(area.x, area.y), area.cursor);
        host.press(gauge, area.x, area.y);
        host.runCycles(2);
        host.release();
        host.runCycles(1);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>(3, {area.event, 0})));
    }
    EXPECT_EQ(gauge.mouseMap().tooltipAt(150, 70), (gaugehost::Tooltip{0xA701, {}}));
    EXPECT_EQ(gauge.mouseMap().tooltipAt(330, 70), (gaugehost::Tooltip{0xA714, {}}));
    // The gap between two tuning areas answers nothing.
    host.press(gauge, 129, 65);
    EXPECT_TRUE(takeKeyEvents().empty());
}

// A power click on the side that matches the state changes no module data and sends nothing.
struct PowerArea {
    const char* gauge;
    int x, y;
};

class PowerAreasOfRadiosThatAreOn : public Radios, public ::testing::WithParamInterface<PowerArea> {};

TEST_P(PowerAreasOfRadiosThatAreOn, ChangeNothing) {
    auto& gauge = radio(GetParam().gauge);
    host.runCycles(8);  // past the transfer buttons' start-up press
    takeKeyEvents();
    const auto before = moduleData();
    click(gauge, GetParam().x, GetParam().y);
    EXPECT_EQ(moduleData(), before);
    EXPECT_TRUE(takeKeyEvents().empty());
    EXPECT_EQ(gauge.mouseMap().cursorAt(GetParam().x, GetParam().y), gauge::cursor::kUpArrow);
}

INSTANTIATE_TEST_SUITE_P(UpArrowHalves, PowerAreasOfRadiosThatAreOn,
                         ::testing::Values(PowerArea{"RadioCom1Nav1Z3V", 60, 90}, PowerArea{"RadioCom2Nav2Z3V", 110, 240},
                                           PowerArea{"RadioAdfZ3V", 460, 100}, PowerArea{"RadioDME", 400, 90}),
                         [](const auto& info) { return std::string(info.param.gauge); });

// ---------------------------------------------------------------------------------------------
// Press timers

TEST_F(Radios, TransferButtonsStartPressedForFiveTicks) {
    auto& gauge = radio("RadioCom1Nav1Z3V");
    for (int cycle = 0; cycle < 5; ++cycle) {
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kComTransfer), 1) << "cycle " << cycle;
        EXPECT_EQ(picture(gauge, kNavTransfer), 1) << "cycle " << cycle;
    }
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kComTransfer), 0);
    EXPECT_EQ(picture(gauge, kNavTransfer), 0);
}

TEST_F(Radios, TransferClickShowsThePressUntilFiveTicksHavePassed) {
    auto& gauge = radio("RadioCom1Nav1Z3V");
    host.runCycles(6);
    takeKeyEvents();
    click(gauge, kNavTransferButton[0], kNavTransferButton[1]);
    EXPECT_EQ(takeKeyEvents(), std::vector<KeyEvent>{kSwapNav1});
    EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    std::vector<int> shown;
    for (int cycle = 0; cycle < 7; ++cycle) {
        host.runCycles(1);
        shown.push_back(picture(gauge, kNavTransfer).value_or(-1));
        EXPECT_EQ(picture(gauge, kComTransfer), 0);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 1, 1, 1, 1, 0, 0}));
}

TEST_F(Radios, SecondTransferClickWithinFiveTicksReleasesTheButtonAndSwapsAgain) {
    auto& gauge = radio("RadioCom1Nav1Z3V");
    host.runCycles(6);
    takeKeyEvents();
    click(gauge, kComTransferButton[0], kComTransferButton[1]);
    host.runCycles(2);
    click(gauge, kComTransferButton[0], kComTransferButton[1]);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{kSwapCom1, kSwapCom1}));
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kComTransfer), 0);
    // A later press is timed from its own first update again.
    click(gauge, kComTransferButton[0], kComTransferButton[1]);
    host.runCycles(5);
    EXPECT_EQ(picture(gauge, kComTransfer), 1);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kComTransfer), 0);
}

TEST_F(Radios, TransferPressIsSharedAndEachGaugeTimesItItself) {
    auto& main = radio("RadioCom1Nav1Z3V");
    auto& vfr = radio("RadioCom1Nav1Z3VVFR");
    host.runCycles(6);
    click(vfr, kNavTransferButton[0], kNavTransferButton[1]);
    host.runCycles(1);
    EXPECT_EQ(picture(main, kNavTransfer), 1);
    EXPECT_EQ(picture(vfr, kNavTransfer), 1);
    EXPECT_EQ(picture(main, kComTransfer), 0);
    host.runCycles(4);
    EXPECT_EQ(picture(main, kNavTransfer), 1);
    host.runCycles(1);
    EXPECT_EQ(picture(main, kNavTransfer), 0);
    EXPECT_EQ(picture(vfr, kNavTransfer), 0);
}

// The elapsed count is held in a signed byte: 128 to 255 ticks read as negative, and the count
// repeats every 256 ticks.
TEST_F(Radios, PressTimerCountWrapsAroundInEightBits) {
    auto& gauge = radio("RadioCom1Nav1Z3V");
    host.setTick(1000);
    host.runCycles(1);  // both timers start at tick 1000
    const std::pair<double, int> cases[] = {
        {1004, 1}, {1130, 1}, {1255, 1}, {1256 + 4, 1}, {1256 + 4.9, 1}, {1256 + 5, 0},
    };
    for (auto [tick, shown] : cases) {
        host.setTick(tick);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kComTransfer), shown) << "tick " << tick;
    }
}

// ---------------------------------------------------------------------------------------------
// COM2/NAV2

constexpr int kNavMemory = 1, kComMemory = 2, kCom2PowerKnob = 3, kNavVolumeKnob = 12;
constexpr int kFirstDrum = 4, kDrumCount = 8;  // NAV2 units to leading pair, then COM2 the same way

TEST_F(Radios, Com2Nav2DrumsShowEachDigitOfTheirHalf) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    host.variables().setInteger(kNav2Frequency, 0x1050);
    host.variables().setInteger(kCom2Frequency, 0x3697);
    host.runCycles(1);
    // 110.50 shows 11, 0, 5, 0; 136.97 shows 13, 6, 9, 7; each cell is 50 pixels.
    const int digits[kDrumCount] = {0, 5, 0, 1, 7, 9, 6, 3};
    for (int drum = 0; drum < kDrumCount; ++drum) {
        const auto& state = element(gauge, kFirstDrum + drum);
        EXPECT_EQ(state.returned, digits[drum]) << "drum " << drum;
        EXPECT_DOUBLE_EQ(state.stripY, digits[drum] * 50.0) << "drum " << drum;
        EXPECT_FALSE(state.hidden);
    }
}

TEST_F(Radios, Com2Nav2PowerHidesAndShowsEveryDrumWhileTheRestWorks) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    click(gauge, 85, 240);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kCom2PowerKnob), 0);
    for (int drum = 0; drum < kDrumCount; ++drum) EXPECT_TRUE(element(gauge, kFirstDrum + drum).hidden) << drum;
    host.runCycles(1);
    for (int drum = 0; drum < kDrumCount; ++drum) EXPECT_TRUE(element(gauge, kFirstDrum + drum).hidden) << drum;

    takeKeyEvents();
    click(gauge, 620, 100);
    click(gauge, 120, 150);
    click(gauge, 400, 240);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0x10394, 1}, {0x10384, 0}, {0x10133, 0}}));
    host.variables().setInteger(kNav2Audio, 1);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kNavMemory), 1);
    EXPECT_EQ(picture(gauge, kNavVolumeKnob), 1);

    click(gauge, 110, 240);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kCom2PowerKnob), 1);
    for (int drum = 0; drum < kDrumCount; ++drum) {
        EXPECT_FALSE(element(gauge, kFirstDrum + drum).hidden) << drum;
        EXPECT_EQ(element(gauge, kFirstDrum + drum).element->imageFlags, 0x7u) << "no other flag changed";
    }
}

TEST_F(Radios, Com2MemoryColumnSwapsAndMovesItsIndicator) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    takeKeyEvents();
    std::vector<int> shown;
    for (int press = 0; press < 2; ++press) {
        click(gauge, 60, 100);
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
        host.runCycles(1);
        shown.push_back(picture(gauge, kComMemory).value_or(-1));
        EXPECT_EQ(picture(gauge, kNavMemory), 0);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0}));
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0x1038C, 1}, {0x1038C, 1}}));
}

// ---------------------------------------------------------------------------------------------
// Transponder

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
    host.variables().setInteger(kTransponderCode, 0x1200);
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
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0x10073, 0}, {0x10074, 0}, {0x10075, 0}, {0x10076, 0}}));
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

// ---------------------------------------------------------------------------------------------
// DME

constexpr int kDmePowerSwitch = 1, kDmeSourceSwitch = 2, kDistance = 3, kSpeed = 4;

struct DmeCase {
    const char* name;
    double nav1Distance, nav2Distance, nav1Speed, nav2Speed;
    const char* distance;
    const char* speed;
};

// The NAV2 values stand where the NAV1 ones would give another text, so the selection shows.
const DmeCase kDmeCases[] = {
    {"CutToTenths", 12.96, 1, 649.9, 1, " 12.9 NM", " 649 KT"},
    {"SmallestShown", 0.05, 1, 1, 1, "  0.0 NM", "   1 KT"},
    {"LargestShown", 999.99, 1, 0.9, 1, "999.9 NM", "---- KT"},
    {"NoReception", -1.0, 1, 650, 1, "---.- NM", "---- KT"},
    {"NegativeZeroIsZero", -0.0, 1, 0, 1, "  0.0 NM", "---- KT"},
    {"NegativeSpeedWrapsInSixteenBits", 5, 1, -5, 1, "  5.0 NM", "---- KT"},
    {"SixteenBitWrapBackIntoRange", 5, 1, 65536 + 100, 1, "  5.0 NM", " 100 KT"},
    // No text for a value the readout cannot show: never garbled, never longer than the window.
    {"NegativeDistance", -0.5, 1, kNaN, 1, "---.- NM", "---- KT"},
    {"NegativeMiles", -3.5, 1, -kInfinity, 1, "---.- NM", "---- KT"},
    {"ThousandMiles", 1000, 1, 1e12, 1, "---.- NM", "---- KT"},
    {"Huge", 1e300, 1, kInfinity, 1, "---.- NM", "---- KT"},
    {"NotANumber", kNaN, 1, 1e300, 1, "---.- NM", "---- KT"},
    {"Infinite", kInfinity, 1, -1e300, 1, "---.- NM", "---- KT"},
};

class DmeTexts : public Radios, public ::testing::WithParamInterface<DmeCase> {};

TEST_P(DmeTexts, ShowTheSelectedReceiverAndReturnNav1) {
    const DmeCase& dme = GetParam();
    auto& gauge = radio("RadioDME");
    // Read through NAV1, then the same values through NAV2 with the source switch at NAV 2.
    for (int source = 0; source < 2; ++source) {
        const bool viaNav2 = source == 1;
        host.variables().set(kDmeNav1Distance, viaNav2 ? 7.0 : dme.nav1Distance);
        host.variables().set(kDmeNav1Speed, viaNav2 ? 120.0 : dme.nav1Speed);
        host.variables().set(kDmeNav2Distance, viaNav2 ? dme.nav1Distance : dme.nav2Distance);
        host.variables().set(kDmeNav2Speed, viaNav2 ? dme.nav1Speed : dme.nav2Speed);
        if (viaNav2) click(gauge, 380, 40);
        host.runCycles(1);
        SCOPED_TRACE(viaNav2 ? "via NAV2" : "via NAV1");
        EXPECT_EQ(picture(gauge, kDmeSourceSwitch), source);
        EXPECT_EQ(text(gauge, kDistance), dme.distance);
        EXPECT_EQ(text(gauge, kSpeed), dme.speed);
        EXPECT_LE(text(gauge, kDistance).size(), 8u);
        EXPECT_LE(text(gauge, kSpeed).size(), 7u);
        if (viaNav2) {
            EXPECT_EQ(element(gauge, kDistance).returned, 7.0);
            EXPECT_EQ(element(gauge, kSpeed).returned, 120.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Values, DmeTexts, ::testing::ValuesIn(kDmeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Radios, DmeSpeedCallbackReturnsTheNav1SpeedInSixteenBits) {
    auto& gauge = radio("RadioDME");
    const std::pair<double, double> cases[] = {{649.9, 649}, {-5, 65531}, {kNaN, 0}, {1e12, 65535}};
    for (auto [speed, returned] : cases) {
        host.variables().set(kDmeNav1Speed, speed);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, kSpeed).returned, returned) << speed;
    }
}

TEST_F(Radios, DmePowerBlanksBothTextsWhateverTheSource) {
    auto& gauge = radio("RadioDME");
    host.variables().set(kDmeNav1Distance, 12.5);
    host.variables().set(kDmeNav1Speed, 120);
    click(gauge, 370, 90);
    EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    for (int source = 0; source < 2; ++source) {
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kDmePowerSwitch), 0);
        EXPECT_EQ(text(gauge, kDistance), "");
        EXPECT_EQ(text(gauge, kSpeed), "");
        EXPECT_EQ(element(gauge, kDistance).returned, 12.5);
        click(gauge, 380, 40);
    }
    click(gauge, 400, 90);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kDmePowerSwitch), 1);
    EXPECT_EQ(text(gauge, kDistance), " 12.5 NM");
    EXPECT_TRUE(takeKeyEvents().empty()) << "the DME's areas send nothing";
}

// The source switch's child lies inside an inner parent: its box is shifted by the parent's corner.
TEST_F(Radios, DmeSourceSwitchAreaCoversItsShiftedBox) {
    auto& gauge = radio("RadioDME");
    const auto& map = gauge.mouseMap();
    for (auto [x, y] : {std::pair{376, 33}, std::pair{434, 61}}) {
        EXPECT_EQ(map.cursorAt(x, y), gauge::cursor::kHand) << x << "," << y;
        EXPECT_EQ(map.tooltipAt(x, y), (gaugehost::Tooltip{0xA708, {}}));
    }
    for (auto [x, y] : {std::pair{435, 40}, std::pair{380, 62}, std::pair{375, 40}}) {
        EXPECT_EQ(map.cursorAt(x, y), gauge::cursor::kNone) << x << "," << y;
    }
    EXPECT_EQ(map.tooltipAt(10, 10), (gaugehost::Tooltip{0xA704, {}}));
}

// ---------------------------------------------------------------------------------------------
// ADF

constexpr int kAdfPowerKnob = 1, kUseWindow = 2, kStandbyWindow = 3;

struct AdfCase {
    std::int32_t frequency, extension;
    const char* text;
};

TEST_F(Radios, AdfUseWindowShowsThousandsToTenths) {
    auto& gauge = radio("RadioAdfZ3V");
    const AdfCase cases[] = {
        {0x0347, 0x0105, "1347.5"}, {0x0347, 0, "0347.0"}, {0x0250, 0, "0250.0"}, {0x0999, 0x0109, "1999.9"},
        // Digits that are not decimal make a longer text, cut to the window's six characters.
        {0x0FFF, 0x0F0F, "151515"}, {-1, -1, "151515"}, {0x0A00, 0, "01000."},
    };
    for (const AdfCase& adf : cases) {
        host.variables().setInteger(kAdfFrequency, adf.frequency);
        host.variables().setInteger(kAdfExtension, adf.extension);
        host.runCycles(1);
        EXPECT_EQ(text(gauge, kUseWindow), adf.text) << std::hex << adf.frequency << " " << adf.extension;
        EXPECT_EQ(element(gauge, kUseWindow).returned, static_cast<double>(static_cast<std::uint32_t>(adf.frequency)));
    }
}

TEST_F(Radios, AdfPowerBlanksTheUseWindowWhileTuningStillReachesTheHost) {
    auto& gauge = radio("RadioAdfZ3V");
    click(gauge, 440, 100);
    host.runCycles(1);
    EXPECT_EQ(text(gauge, kUseWindow), "");
    EXPECT_EQ(picture(gauge, kAdfPowerKnob), 0);
    takeKeyEvents();
    click(gauge, 120, 75);
    click(gauge, 230, 110);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0x10070, 0}, {0x10395, 0}}));
    click(gauge, 460, 100);
    host.runCycles(1);
    EXPECT_EQ(text(gauge, kUseWindow), "0350.0");
    EXPECT_EQ(picture(gauge, kAdfPowerKnob), 1);
}

// The right-hand window writes nothing and returns the frequency taken when the gauge was created.
TEST_F(Radios, AdfStandbyWindowStaysDarkAndReturnsTheFrequencyAtCreation) {
    host.variables().setInteger(kAdfFrequency, 0x0350);
    auto& gauge = radio("RadioAdfZ3V");
    host.variables().setInteger(kAdfFrequency, 0x0400);
    click(gauge, 440, 100);
    for (int cycle = 0; cycle < 2; ++cycle) {
        host.runCycles(1);
        EXPECT_EQ(text(gauge, kStandbyWindow), "");
        EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0350);
        click(gauge, 460, 100);
    }
    host.sendServiceCode(gauge, gauge::service_code::kPreUpdate);
    host.sendServiceCode(gauge, gauge::service_code::kPreDraw);
    host.runCycles(1);
    EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0350);
    host.sendServiceCode(gauge, gauge::service_code::kPreInstall);
    host.runCycles(1);
    EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0400);
}

TEST_F(Radios, AdfLeftEndTogglesWindow50EachClickAndAnswersFalse) {
    auto& gauge = radio("RadioAdfZ3V");
    for (bool open : {true, false, true}) {
        click(gauge, 50, 50);
        EXPECT_EQ(host.openWindows().contains(50), open);
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    }
    EXPECT_EQ(host.windowCalls().size(), 3u);
    for (const auto& call : host.windowCalls()) EXPECT_EQ(call, (gaugehost::WindowCallRecord{gaugehost::WindowCall::Toggle, 50, true}));
    EXPECT_TRUE(takeKeyEvents().empty());
}

// ---------------------------------------------------------------------------------------------
// Autopilot

constexpr int kTurnKnob = 1, kHeadingSelectLamp = 2, kHighSensitivityLamp = 8;
constexpr int kTurnLeft[] = {140, 100}, kCentre[] = {170, 80}, kPushAtCentre[] = {170, 120}, kTurnRight[] = {210, 100};
constexpr std::uint32_t kRollCommand = 0x1009F, kTurnKnobTurned = 0x10119, kTurnKnobPushed = 0x10111;

KeyEvent roll(std::int32_t command) { return {kRollCommand, static_cast<std::uint32_t>(command)}; }

class Autopilot : public Radios {
protected:
    Autopilot() : gauge(radio("RadioAP2")) { host.variables().set(kAutopilotMaster, 1.0); }

    void clickAt(const int (&point)[2]) { click(gauge, point[0], point[1]); }
    // The roll commands sent over one update per bank value.
    std::vector<KeyEvent> flyThrough(const std::vector<double>& banks) {
        takeKeyEvents();
        for (double bank : banks) {
            host.variables().set(kBank, bank);
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
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kTurnKnobTurned, 1}}));
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
        host.variables().set(kAutopilotMaster, master);
        EXPECT_TRUE(flyThrough({0, 25}).empty()) << "master " << master;
    }
    // The command is kept while disengaged and the bank passed then does not count.
    host.variables().set(kAutopilotMaster, 1.0);
    EXPECT_EQ(flyThrough({21, 0}), (std::vector<KeyEvent>{roll(6144), roll(1024)}));
}

TEST_F(Autopilot, DisengagingPausesTheTurnWithItsCommandKept) {
    clickAt(kTurnRight);
    EXPECT_EQ(flyThrough({-21}), std::vector<KeyEvent>{roll(-6144)});
    host.variables().set(kAutopilotMaster, 0.0);
    EXPECT_TRUE(flyThrough({0, 0}).empty());
    host.variables().set(kAutopilotMaster, 1.0);
    EXPECT_EQ(flyThrough({0}), std::vector<KeyEvent>{roll(-256)});
}

TEST_F(Autopilot, CentreAreasStopTheTurnAndOnlyTheUpperLevelsTheRoll) {
    clickAt(kTurnLeft);
    flyThrough({0});
    clickAt(kCentre);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{roll(0), {kTurnKnobTurned, 1}}));
    EXPECT_TRUE(flyThrough({0, 30}).empty());
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);

    clickAt(kTurnRight);
    takeKeyEvents();
    clickAt(kPushAtCentre);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kTurnKnobPushed, 1}}));
    EXPECT_TRUE(flyThrough({0}).empty());
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);
}

TEST_F(Autopilot, PushAtCentreWithTheAutopilotOffSendsNothingButCentresAndDisarms) {
    clickAt(kTurnLeft);
    flyThrough({0});
    // Disengaged since the last update: the push reads the master afresh.
    host.variables().set(kAutopilotMaster, 0.0);
    clickAt(kPushAtCentre);
    EXPECT_TRUE(takeKeyEvents().empty());
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kTurnKnob), 1);
    host.variables().set(kAutopilotMaster, 1.0);
    EXPECT_TRUE(flyThrough({0, 25}).empty()) << "the turn is disarmed";
}

TEST_F(Autopilot, ModeLampsFollowTheHostAndHighSensitivityIsInverted) {
    const std::pair<double, bool> headingCases[] = {{1.0, true}, {0.0, false}};
    for (auto [value, lit] : headingCases) {
        host.variables().set(kHeadingSelect, value);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kHeadingSelectLamp).has_value(), lit) << value;
    }
    const std::pair<double, bool> highSensitivityCases[] = {{0.0, true}, {1.0, false}, {0.5, true}};
    for (auto [value, lit] : highSensitivityCases) {
        host.variables().set(kHighSensitivityOff, value);
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
        {100, 40, 0x10106, gaugehost::Tooltip{0xAD87, {}}}, {135, 40, 0x100BC, gaugehost::Tooltip{0xAD83, {}}},
        {170, 40, 0x100C1, gaugehost::Tooltip{0xAD85, {}}}, {240, 40, 0x100C0, gaugehost::Tooltip{0xAD82, {}}},
        {80, 100, 0x1002C, gaugehost::Tooltip{0xAB0E, {}}}, {265, 100, 0x10347, gaugehost::Tooltip{0xAB4D, {}}},
        {210, 40, 0x10101, std::nullopt},
    };
    takeKeyEvents();
    for (const ButtonArea& area : areas) {
        click(gauge, area.x, area.y);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{area.event, 0}})) << area.x << "," << area.y;
        EXPECT_EQ(gauge.mouseMap().tooltipAt(area.x, area.y), area.tooltip) << area.x << "," << area.y;
    }
}

// ---------------------------------------------------------------------------------------------
// Audio panels

constexpr int kMarkerLamps = 1;
const char* const kAudioGauges[] = {"RadioAudioZ3V", "RadioAudioZ3VVFR"};

class AudioPanels : public Radios, public ::testing::WithParamInterface<const char*> {};

TEST_P(AudioPanels, MarkerLampsLightOneAtATime) {
    auto& gauge = radio(GetParam());
    const std::pair<int, std::optional<int>> cases[] = {{0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, std::nullopt}};
    for (auto [marker, shown] : cases) {
        host.variables().setInteger(0x162, marker);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kMarkerLamps), shown) << "marker " << marker;
    }
}

TEST_P(AudioPanels, EachBarMirrorsItsHostValue) {
    auto& gauge = radio(GetParam());
    // Drawing order from the COM1 bar on.
    const std::uint32_t tokens[] = {0x36A, 0x36B, 0x36D, 0x36E, 0x36F, 0x370, 0x371, 0x36C};
    for (std::uint32_t token : tokens) host.variables().setInteger(token, 0);
    for (std::size_t lit = 0; lit < std::size(tokens); ++lit) {
        host.variables().setInteger(tokens[lit], 1);
        host.runCycles(1);
        for (std::size_t bar = 0; bar < std::size(tokens); ++bar) {
            EXPECT_EQ(picture(gauge, 2 + static_cast<int>(bar)).has_value(), bar == lit) << "token " << tokens[lit];
        }
        host.variables().setInteger(tokens[lit], 0);
    }
}

struct AudioButton {
    int x, y;
    std::uint32_t event;
    gaugehost::Tooltip tooltip;
};

const AudioButton kAudioButtons[] = {
    {150, 15, 0x1039F, {0x324E, {}}},
    {230, 40, 0x103A0, {0x324F, {}}},
    {315, 10, 0x10132, {0, "NAV1 SOUND TOGGLE"}},
    {404, 39, 0x10133, {0, "NAV2 SOUND TOGGLE"}},
    {420, 20, 0x10134, {0, "DME1 SOUND TOGGLE"}},
    {100, 20, 0x103AD, {0, "MARKER SOUND TOGGLE"}},
    {480, 30, 0x10136, {0, "ADF SOUND TOGGLE"}},
    {330, 60, 0x103A1, {0, "COM RECEIVE ALL TOGGLE"}},
};

TEST_P(AudioPanels, ButtonsSendTheirEventsAndShowTheirTooltips) {
    auto& gauge = radio(GetParam());
    for (const AudioButton& button : kAudioButtons) {
        SCOPED_TRACE(testing::Message() << button.x << "," << button.y);
        EXPECT_EQ(gauge.mouseMap().tooltipAt(button.x, button.y), button.tooltip);
        EXPECT_EQ(gauge.mouseMap().cursorAt(button.x, button.y), gauge::cursor::kHand);
        click(gauge, button.x, button.y);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{button.event, 0}}));
    }
}

TEST_P(AudioPanels, MarkerLampAreasCarryTooltipsOnlyAndTheRestOfThePanelNone) {
    auto& gauge = radio(GetParam());
    const auto& map = gauge.mouseMap();
    EXPECT_EQ(map.tooltipAt(3, 11), (gaugehost::Tooltip{0xAB49, {}}));
    EXPECT_EQ(map.tooltipAt(40, 20), (gaugehost::Tooltip{0xAB47, {}}));
    EXPECT_EQ(map.tooltipAt(76, 35), (gaugehost::Tooltip{0xAB48, {}}));
    EXPECT_EQ(map.cursorAt(40, 20), gauge::cursor::kNone);
    EXPECT_FALSE(map.tooltipAt(560, 100).has_value());
    click(gauge, 40, 20);
    click(gauge, 260, 20);  // COM3 has no area
    EXPECT_TRUE(takeKeyEvents().empty());
}

INSTANTIATE_TEST_SUITE_P(BothPanels, AudioPanels, ::testing::ValuesIn(kAudioGauges),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Radios, Nav1AudioShowsOnTheAudioPanelsAndTheIdentKnobTogether) {
    auto& radio1 = radio("RadioCom1Nav1Z3V");
    auto& main = radio("RadioAudioZ3V");
    auto& vfr = radio("RadioAudioZ3VVFR");
    auto& radio2 = radio("RadioCom2Nav2Z3V");
    for (int audio : {1, 0}) {
        host.variables().setInteger(kNav1Audio, audio);
        host.variables().setInteger(kNav2Audio, audio);
        host.runCycles(1);
        EXPECT_EQ(picture(radio1, kIdentKnob), audio);
        EXPECT_EQ(picture(radio2, kNavVolumeKnob), audio);
        for (const auto* panel : {&main, &vfr}) {
            EXPECT_EQ(picture(*panel, 4).has_value(), audio == 1) << panel->alias();
            EXPECT_EQ(picture(*panel, 5).has_value(), audio == 1) << panel->alias();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Pictures

constexpr std::uint32_t kPureBlack = 0x000000, kMaskWindow = 0x010101;

TEST_F(Radios, DrumMasksAreWindowColourAndStripsAreOpaque) {
    gaugehost::Module& module = host.loadModule(kModule);
    for (std::uint32_t mask : {0x112u, 0x132u, 0x137u}) {
        const auto& picture = module.picture(mask);
        EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kMaskWindow),
                  static_cast<std::ptrdiff_t>(picture.pixels.size()))
            << std::hex << mask;
    }
    for (std::uint32_t strip : {0x111u, 0x131u, 0x136u}) {
        const auto& picture = module.picture(strip);
        EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kPureBlack), 0) << std::hex << strip;
    }
}

}  // namespace
