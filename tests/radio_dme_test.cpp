// RadioDME through the bench host: both readouts with hostile values through either receiver, the
// power switch, and the source switch's shifted area.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

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
        host.variables().set(gauge::var::DME_NAV1_DISTANCE, viaNav2 ? 7.0 : dme.nav1Distance);
        host.variables().set(gauge::var::DME_NAV1_GROUND_SPEED, viaNav2 ? 120.0 : dme.nav1Speed);
        host.variables().set(gauge::var::DME_NAV2_DISTANCE, viaNav2 ? dme.nav1Distance : dme.nav2Distance);
        host.variables().set(gauge::var::DME_NAV2_GROUND_SPEED, viaNav2 ? dme.nav1Speed : dme.nav2Speed);
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
        host.variables().set(gauge::var::DME_NAV1_GROUND_SPEED, speed);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, kSpeed).returned, returned) << speed;
    }
}

TEST_F(Radios, DmePowerBlanksBothTextsWhateverTheSource) {
    auto& gauge = radio("RadioDME");
    host.variables().set(gauge::var::DME_NAV1_DISTANCE, 12.5);
    host.variables().set(gauge::var::DME_NAV1_GROUND_SPEED, 120);
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

}  // namespace
