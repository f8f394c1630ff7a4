// The switch row of VeskarZ3V4 through the bench host: each host-bound switch shows its host value
// and its area sends its toggle event, row by row of the switch table.
#include <gtest/gtest.h>

#include "key_events.h"
#include "support/bench.h"

namespace {

using benchtest::BenchTest;
using gaugehost::KeyEvent;
namespace var = gauge::var;
namespace key = gauge::key;

struct SwitchRow {
    const char* gauge;
    gauge::HostVariableToken source;
    gauge::TooltipId tooltip;
    int clickWidth, clickHeight;  // the area starts at the gauge's corner
    gauge::KeyEventId toggle;
};

const SwitchRow kRows[] = {
    {"SWland", var::LANDING_LIGHT_SWITCH, 0xAB3E, 57, 101, key::LANDING_LIGHT_TOGGLE},
    {"SWnav", var::NAVIGATION_LIGHTS_SWITCH, 0xAB3F, 57, 101, key::NAV_LIGHTS_TOGGLE},
    {"SWstrobe", var::STROBE_LIGHT_SWITCH, 0xAB42, 57, 101, key::STROBE_LIGHTS_TOGGLE},
    {"SWpitotheat", var::PITOT_HEAT_SWITCH, 0xAB57, 57, 101, key::PITOT_HEAT_TOGGLE},
    {"SWbeacon", var::BEACON_LIGHT_SWITCH, 0xAB3D, 57, 101, key::BEACON_TOGGLE},
    {"SWavionics", var::AVIONICS_MASTER_SWITCH, 0xAB0F, 51, 101, key::AVIONICS_MASTER_TOGGLE},
    {"SWtaxi", var::TAXI_LIGHT_SWITCH, 0xAB43, 57, 101, key::TAXI_LIGHT_TOGGLE},
    {"SWpanellight", var::PANEL_LIGHT_SWITCH, 0xAB40, 100, 100, key::PANEL_LIGHTS_TOGGLE},
    {"SWfuelp", var::FUEL_PUMP_SWITCH, 0xAB67, 15, 51, key::FUEL_PUMP_TOGGLE},
};

class HostSwitch : public BenchTest, public ::testing::WithParamInterface<SwitchRow> {};

TEST_P(HostSwitch, ShowsItsHostValueAndSendsItsToggle) {
    const SwitchRow& row = GetParam();
    auto& gauge = create("VeskarZ3V4", row.gauge);
    for (int on : {1, 0, 1}) {
        host.variables().set(row.source, on);
        host.runCycles(1);
        EXPECT_EQ(element(gauge, 1).picture, on) << "value " << on;
    }
    // The area's corners answer with the host's own parameter; the picture waits for the host.
    host.press(gauge, 0, 0);
    host.press(gauge, row.clickWidth - 1, row.clickHeight - 1);
    host.release();
    host.runCycles(1);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{row.toggle, 0}, {row.toggle, 0}}));
    EXPECT_EQ(element(gauge, 1).picture, 1);
    EXPECT_EQ(gauge.mouseMap().tooltipAt(0, 0), (gaugehost::Tooltip{row.tooltip, {}}));
    EXPECT_EQ(gauge.mouseMap().cursorAt(row.clickWidth - 1, 0), gauge::cursor::kHand);
    EXPECT_TRUE(host.windowCalls().empty());
}

INSTANTIATE_TEST_SUITE_P(SwitchTable, HostSwitch, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.gauge); });

}  // namespace
