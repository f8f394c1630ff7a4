// RadioCom1Nav1Z3V and RadioCom1Nav1Z3VVFR through the bench host: the windows with every kind of
// BCD value, the shared power and transfer presses, the tuning areas, and the press timers with
// their 8-bit count.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

// Key events the radio sends itself carry parameter 1; those of key-bound areas the host's 0.
constexpr KeyEvent kSwapCom1{gauge::key::COM1_SWAP, 1}, kSwapNav1{gauge::key::NAV1_SWAP, 1};

// Drawing order of both COM1/NAV1 gauges.
constexpr int kComTransfer = 1, kComActive = 2, kComStandby = 3, kNavTransfer = 4, kNavActive = 5, kNavStandby = 6;
constexpr int kCom1PowerKnob = 7, kIdentKnob = 8;
constexpr int kCom1Windows[] = {kComActive, kComStandby, kNavActive, kNavStandby};
constexpr std::uint32_t kCom1WindowTokens[] = {gauge::var::COM1_ACTIVE_FREQUENCY, gauge::var::COM1_STANDBY_FREQUENCY,
                                                gauge::var::NAV1_ACTIVE_FREQUENCY, gauge::var::NAV1_STANDBY_FREQUENCY};
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
        host.variables().setInteger(gauge::var::NAV1_AUDIO_ON, audio);
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
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::COM1_WHOLE_MHZ_DOWN, 0}, kSwapCom1,
                                                      {gauge::key::NAV1_IDENT_TOGGLE, 0}}));

    // Switched on from the other gauge, both show the host's new frequency at once.
    host.variables().setInteger(gauge::var::COM1_ACTIVE_FREQUENCY, 0x2297);
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
        {110, 60, gauge::key::COM1_WHOLE_MHZ_DOWN, gauge::cursor::kDownArrow},
        {130, 88, gauge::key::COM1_WHOLE_MHZ_UP, gauge::cursor::kUpArrow},
        {150, 60, gauge::key::COM1_FRACTION_DOWN, gauge::cursor::kDownArrow},
        {188, 88, gauge::key::COM1_FRACTION_UP, gauge::cursor::kUpArrow},
        {290, 60, gauge::key::NAV1_WHOLE_MHZ_DOWN, gauge::cursor::kDownArrow},
        {310, 60, gauge::key::NAV1_WHOLE_MHZ_UP, gauge::cursor::kUpArrow},
        {330, 60, gauge::key::NAV1_FRACTION_DOWN, gauge::cursor::kDownArrow},
        {368, 88, gauge::key::NAV1_FRACTION_UP, gauge::cursor::kUpArrow},
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

}  // namespace
