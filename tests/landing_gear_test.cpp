// The landing-gear module through the bench host: lamps and lever follow the gear, the lever areas
// select the gear and keep its companion value in step, the VC version sends the events directly.
#include <gtest/gtest.h>

#include "key_events.h"
#include "support/bench.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
using gaugehost::KeyEvent;

namespace key = gauge::key;
namespace var = gauge::var;

struct LampCase {
    double extension;
    bool water, pump, land;
};

// The boundaries are strict: each lamp stays dark exactly at its threshold.
const LampCase kLampCases[] = {
    {0, true, false, false},          {16383, false, false, true},      {8000, false, true, false},
    {1638.3, false, true, false},     {14744.7, false, true, false},    {819.15, true, false, false},
    {15563.85, false, false, true},   {1000, true, true, false},        {15000, false, true, true},
};

struct LampIndices {
    const char* gauge;
    int land, water, pump;
};

class GearLamps : public BenchTest, public ::testing::WithParamInterface<LampIndices> {};

TEST_P(GearLamps, FollowTheGearExtension) {
    const LampIndices lamps = GetParam();
    auto& gauge = create("VeskarZ3V5", lamps.gauge);
    for (const LampCase& lampCase : kLampCases) {
        host.variables().set(var::GEAR_EXTENSION, lampCase.extension);
        host.runCycles(1);
        SCOPED_TRACE(testing::Message() << "extension " << lampCase.extension);
        EXPECT_EQ(element(gauge, lamps.water).picture.has_value(), lampCase.water);
        EXPECT_EQ(element(gauge, lamps.pump).picture.has_value(), lampCase.pump);
        EXPECT_EQ(element(gauge, lamps.land).picture.has_value(), lampCase.land);
        EXPECT_EQ(element(gauge, lamps.land).returned, lampCase.land ? 0.0 : -1.0);
    }
}

// Elements in drawing order: GearPos has its lever first, GearPosVC has none.
INSTANTIATE_TEST_SUITE_P(BothVersions, GearLamps,
                         ::testing::Values(LampIndices{"GearPos", 2, 3, 4}, LampIndices{"GearPosVC", 1, 2, 3}),
                         [](const auto& info) { return std::string(info.param.gauge); });

TEST_F(BenchTest, GearLeverShowsDownForAnyPositiveValue) {
    auto& gauge = create("VeskarZ3V5", "GearPos");
    const std::pair<double, int> cases[] = {{0, 0}, {-1, 0}, {0.001, 1}, {1, 1}, {16383, 1}};
    for (auto [lever, picture] : cases) {
        host.variables().set(var::GEAR_HANDLE_POSITION, lever);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, 1).picture, picture) << "lever " << lever;
    }
}

struct ClickCase {
    const char* name;
    int x, y;
    double companion;
    std::vector<KeyEvent> events;
};

class GearLeverClicks : public BenchTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(GearLeverClicks, SendTheGearEventAndKeepTheCompanionInStep) {
    const ClickCase& click = GetParam();
    auto& gauge = create("VeskarZ3V5", "GearPos");
    host.variables().set(var::GEAR_LEVER_COMPANION, click.companion);
    host.press(gauge, click.x, click.y);
    host.release();
    EXPECT_EQ(takeKeyEvents(), click.events);
    // The lever functions answer FALSE; beside the lever nothing answers.
    EXPECT_EQ(host.lastMouseResult(), click.events.empty() ? std::nullopt : std::optional(gauge::kFalse));
    EXPECT_TRUE(host.windowCalls().empty());
}

INSTANTIATE_TEST_SUITE_P(
    GearPos, GearLeverClicks,
    ::testing::Values(ClickCase{"UpWhileCompanionUp", 340, 60, 1.0, {{key::GEAR_UP, 1}}},
                      ClickCase{"UpWhileCompanionDown", 340, 60, 0.0,
                                {{key::GEAR_UP, 1}, {key::GEAR_COMPANION_TOGGLE, 1}}},
                      ClickCase{"DownWhileCompanionDown", 340, 160, 0.0, {{key::GEAR_DOWN, 1}}},
                      ClickCase{"DownWhileCompanionUp", 340, 160, 1.0,
                                {{key::GEAR_DOWN, 1}, {key::GEAR_COMPANION_TOGGLE, 1}}},
                      // Only exactly 0 or exactly 1 moves the companion.
                      ClickCase{"UpWhileCompanionBetween", 340, 60, 0.5, {{key::GEAR_UP, 1}}},
                      ClickCase{"DownWhileCompanionBetween", 340, 160, 0.5, {{key::GEAR_DOWN, 1}}},
                      // The up box ends at y 149; y 150 is the down box.
                      ClickCase{"LastRowOfUpBox", 396, 149, 1.0, {{key::GEAR_UP, 1}}},
                      ClickCase{"FirstRowOfDownBox", 337, 150, 0.0, {{key::GEAR_DOWN, 1}}},
                      ClickCase{"RightOfTheLever", 397, 100, 0.0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BenchTest, GearPosVCSendsOnlyTheGearEventsWhateverTheCompanionHolds) {
    auto& gauge = create("VeskarZ3V5", "GearPosVC");
    for (double companion : {0.0, 1.0}) {
        host.variables().set(var::GEAR_LEVER_COMPANION, companion);
        host.press(gauge, 340, 60);
        host.press(gauge, 340, 160);
        host.release();
        // Key-bound areas carry the host's own parameter.
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{key::GEAR_UP, 0}, {key::GEAR_DOWN, 0}})) << "companion " << companion;
    }
    EXPECT_TRUE(host.windowCalls().empty());
}

TEST_F(BenchTest, GearPosLampAreaTogglesWindow1011AndSendsNoKeyEvent) {
    auto& gauge = create("VeskarZ3V5", "GearPos");
    host.press(gauge, 100, 100);
    EXPECT_EQ(host.openWindows(), std::set<std::uint32_t>{1011});
    host.press(gauge, 204, 264);  // the area's last pixel
    EXPECT_TRUE(host.openWindows().empty());
    EXPECT_EQ(host.windowCalls().size(), 2u);
    EXPECT_EQ(host.windowCalls()[0].call, gaugehost::WindowCall::Toggle);
    EXPECT_EQ(host.windowCalls()[0].window, 1011u);
    EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(BenchTest, GearPosTooltipAndCursors) {
    auto& gauge = create("VeskarZ3V5", "GearPos");
    const auto& map = gauge.mouseMap();
    EXPECT_EQ(map.tooltipAt(10, 10), (gaugehost::Tooltip{0xAB30, {}}));
    EXPECT_EQ(map.tooltipAt(340, 60), (gaugehost::Tooltip{0xAB30, {}}));
    EXPECT_EQ(map.cursorAt(340, 60), gauge::cursor::kUpArrow);
    EXPECT_EQ(map.cursorAt(340, 160), gauge::cursor::kDownArrow);
    EXPECT_EQ(map.cursorAt(100, 100), gauge::cursor::kHand);
    EXPECT_EQ(map.cursorAt(10, 10), gauge::cursor::kNone);
    EXPECT_FALSE(map.tooltipAt(444, 10).has_value()) << "outside the gauge";
}

TEST_F(BenchTest, TwoGearPosInstancesShowTheSameGear) {
    auto& first = create("VeskarZ3V5", "GearPos", "left");
    auto& second = create("VeskarZ3V5", "GearPos", "right");
    host.variables().set(var::GEAR_EXTENSION, 0);
    host.runCycles(1);
    for (const auto* gauge : {&first, &second}) {
        EXPECT_TRUE(element(*gauge, 3).picture.has_value()) << gauge->alias();
        EXPECT_FALSE(element(*gauge, 2).picture.has_value()) << gauge->alias();
    }
}

}  // namespace
