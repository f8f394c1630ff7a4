// The fuel selector and avionics module through the bench host.
#include <gtest/gtest.h>

#include "key_events.h"
#include "support/bench.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
using gaugehost::KeyEvent;

namespace key = gauge::key;
namespace var = gauge::var;

TEST_F(BenchTest, FuelSelectorPictureForEachPosition) {
    auto& gauge = create("VeskarZ3V3", "PanelFuel");
    // 0 down, 1 and 2 left, 3 right; any other value shows the handle left.
    const std::pair<std::int32_t, int> cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 1}, {5, 1}, {-1, 1}, {1000, 1}};
    for (auto [position, picture] : cases) {
        host.variables().setInteger(var::FUEL_TANK_SELECTOR_POSITION, position);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, 1).picture, picture) << "selector " << position;
    }
}

TEST_F(BenchTest, FuelSelectorAreasSendTheirTankEvents) {
    auto& gauge = create("VeskarZ3V3", "PanelFuel");
    takeKeyEvents();  // the start-up selection
    const std::pair<gaugehost::KeyEvent, std::pair<int, int>> cases[] = {
        {{key::FUEL_SELECTOR_LEFT, 0}, {50, 30}},
        {{key::FUEL_SELECTOR_DOWN, 0}, {269, 179}},
        {{key::FUEL_SELECTOR_RIGHT, 0}, {399, 99}},
    };
    for (const auto& [event, point] : cases) {
        host.press(gauge, point.first, point.second);
        host.release();
        EXPECT_EQ(takeKeyEvents(), std::vector<KeyEvent>{event}) << point.first << "," << point.second;
    }
    host.press(gauge, 160, 50);  // between the areas
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(BenchTest, FuelWindowAreaTogglesWindow40AndReturnsTheToggleResult) {
    auto& gauge = create("VeskarZ3V3", "PanelFuel");
    host.press(gauge, 425, 250);
    EXPECT_EQ(host.openWindows(), std::set<std::uint32_t>{40});
    EXPECT_EQ(host.lastMouseResult(), gauge::kTrue);
    host.press(gauge, 449, 269);
    EXPECT_TRUE(host.openWindows().empty());
    ASSERT_EQ(host.windowCalls().size(), 2u);
    EXPECT_EQ(host.windowCalls()[1], (gaugehost::WindowCallRecord{gaugehost::WindowCall::Toggle, 40, true}));
}

TEST_F(BenchTest, StartUpSelectionIsSentOncePerLoad) {
    create("VeskarZ3V3", "PanelFuel", "first");
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{key::FUEL_SELECTOR_LEFT, 1}}));
    auto& second = create("VeskarZ3V3", "PanelFuel", "second");
    host.sendServiceCode(second, gauge::service_code::kPreInitialize);
    host.runCycles(3);
    EXPECT_TRUE(takeKeyEvents().empty());

    // A new load starts from the module's stored data again.
    host.unloadModule("VeskarZ3V3");
    create("VeskarZ3V3", "PanelFuel");
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{key::FUEL_SELECTOR_LEFT, 1}}));
}

TEST_F(BenchTest, AvionicsSwitchShowsTheMasterAndTogglesIt) {
    auto& gauge = create("VeskarZ3V3", "Avionics");
    for (auto [master, picture] : {std::pair{0, 0}, std::pair{1, 1}}) {
        host.variables().setInteger(var::AVIONICS_MASTER_SWITCH, master);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, 1).picture, picture);
        EXPECT_FALSE(element(gauge, 1).returned.has_value()) << "the switch has no callback";
    }
    host.press(gauge, 10, 27);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{key::AVIONICS_MASTER_TOGGLE, 0}}));
    // The lower ten rows and the last column answer nothing.
    for (auto [x, y] : {std::pair{10, 28}, std::pair{10, 37}, std::pair{21, 5}}) {
        host.press(gauge, x, y);
        EXPECT_TRUE(takeKeyEvents().empty()) << x << "," << y;
    }
    EXPECT_EQ(gauge.mouseMap().tooltipAt(10, 30), (gaugehost::Tooltip{0xAB0F, {}}));
}

}  // namespace
