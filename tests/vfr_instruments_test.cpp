// The airspeed indicator and altimeter of both builds, the VOR indicator and AutoClose through the
// bench host, for what scenarios cannot reach: texts longer than their room, values no 32-bit
// integer holds, and the module data a click or a service code changes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/bench.h"
#include "support/module_memory.h"

namespace {

using benchtest::BenchTest;
namespace var = gauge::var;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Element indices in drawing order.
constexpr int kAirspeedReadout = 2;
constexpr int kSettingReadout = 5;
constexpr int kCourseReadout = 6;
constexpr int kTenThousands = 2, kThousands = 3, kHundreds = 4;

class VfrReadouts : public BenchTest {
protected:
    // Shows the readout by a click on its dial and runs a cycle with the value set.
    const gaugehost::ElementState& readout(const char* gaugeName, int index, gauge::HostVariableToken token,
                                           double value) {
        auto& gauge = gaugeNamed(gaugeName);
        host.variables().set(token, value);
        host.runCycles(1);
        return element(gauge, index);
    }

    gaugehost::GaugeInstance& gaugeNamed(const std::string& name) {
        for (const auto& instance : host.instances()) {
            if (instance->alias() == name) return *instance;
        }
        auto& created = create("VeskarZ3VVFR", name, name);
        const std::pair<int, int> toggle = name == "Vor1" ? std::pair{150, 150} : std::pair{150, 200};
        host.press(created, toggle.first, toggle.second);
        host.release();
        return created;
    }
};

struct ReadoutCase {
    const char* gauge;
    int index;
    gauge::HostVariableToken token;
    double value;
    const char* text;
};

// The readouts have room for 3 and 5 characters: longer texts are cut, and values beyond the 32-bit
// range are truncated as the frame defines it (NaN to 0, infinities to the range's ends).
TEST_F(VfrReadouts, TextsLongerThanTheirRoomAreCutAndExtremeValuesTruncated) {
    const ReadoutCase cases[] = {
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, 1000, "100"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, -100, "-10"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, 999.9, "999"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, kNaN, "  0"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, kInfinity, "214"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, -kInfinity, "-21"},
        {"Asi", kAirspeedReadout, var::INDICATED_AIRSPEED, 5e9, "214"},
        {"Altimetro", kSettingReadout, var::ALTIMETER_SETTING, 100, "100.0"},
        {"Altimetro", kSettingReadout, var::ALTIMETER_SETTING, -10.5, "-10.5"},
        {"Altimetro", kSettingReadout, var::ALTIMETER_SETTING, 29.92, "29.92"},
        {"Vor1", kCourseReadout, var::NAV1_SELECTED_COURSE, 1000, "100"},
        {"Vor1", kCourseReadout, var::NAV1_SELECTED_COURSE, kNaN, "  0"},
        {"Vor1", kCourseReadout, var::NAV1_SELECTED_COURSE, -1e12, "-21"},
    };
    for (const ReadoutCase& each : cases) {
        const auto& state = readout(each.gauge, each.index, each.token, each.value);
        EXPECT_EQ(state.text, each.text) << each.gauge << " at " << each.value;
        const double returned = state.returned.value();
        EXPECT_TRUE(returned == each.value || (std::isnan(returned) && std::isnan(each.value)))
            << each.gauge << ": the readout returns its value unchanged, " << returned;
    }
}

// A click flips exactly one byte of module data, its gauge's readout switch, and answers FALSE.
TEST_F(BenchTest, ReadoutClickFlipsOnlyItsOwnSwitch) {
    auto& asi = create("VeskarZ3VVFR", "Asi");
    auto& altimetro = create("VeskarZ3VVFR", "Altimetro");
    auto& vor = create("VeskarZ3VVFR", "Vor1");
    const gaugehost::Module& module = asi.module();
    const struct {
        gaugehost::GaugeInstance* gauge;
        int x, y;
    } clicks[] = {{&asi, 10, 239}, {&altimetro, 299, 130}, {&vor, 100, 100}, {&vor, 199, 199}};
    std::vector<std::size_t> flipped;
    for (const auto& click : clicks) {
        const auto before = benchtest::moduleDataSnapshot(module);
        host.press(*click.gauge, click.x, click.y);
        host.release();
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
        const auto after = benchtest::moduleDataSnapshot(module);
        ASSERT_EQ(before.size(), after.size());
        std::vector<std::size_t> changed;
        for (std::size_t at = 0; at < before.size(); ++at) {
            if (before[at] != after[at]) changed.push_back(at);
        }
        ASSERT_EQ(changed.size(), 1u) << click.gauge->header().gaugeName;
        flipped.push_back(changed[0]);
    }
    EXPECT_NE(flipped[0], flipped[1]);
    EXPECT_NE(flipped[1], flipped[2]);
    EXPECT_EQ(flipped[2], flipped[3]) << "both clicks on the VOR flip the same switch, back again";
}

TEST_F(BenchTest, AutoCloseActsOnPreUpdateOnly) {
    auto& autoClose = create("VeskarZ3VVFR", "AutoClose");
    host.variables().set(var::AUTO_CLOSE_WATCHED_STATE, 345218.0);
    const auto before = benchtest::moduleDataSnapshot(autoClose.module());
    for (gauge::ServiceCode code : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 17}) host.sendServiceCode(autoClose, code);
    EXPECT_EQ(benchtest::moduleDataSnapshot(autoClose.module()), before) << "no other code reads the host";
    EXPECT_TRUE(host.windowCalls().empty());
    host.sendServiceCode(autoClose, gauge::service_code::kPreUpdate);
    EXPECT_EQ(host.windowCalls(), (std::vector<gaugehost::WindowCallRecord>{{gaugehost::WindowCall::Close, 25, true}}));
}

// ---------------------------------------------------------------------------------------------
// The altimeter's pointers in both builds

struct AltitudeCase {
    double altitude;
    double hundreds, thousands, tenThousands;
};

class AltimeterPointers : public BenchTest, public testing::WithParamInterface<const char*> {};

// Altitudes no 32-bit integer holds go through the frame's truncation: NaN is 0, the infinities and
// altitudes beyond the range are its ends.
TEST_P(AltimeterPointers, FollowTheTruncatedAltitudeEvenBeyondTheIntegerRange) {
    auto& altimetro = create(GetParam(), "Altimetro");
    const AltitudeCase cases[] = {
        {12345.6, 345, 234, 123},
        {-50, -50, -5, 0},
        {kNaN, 0, 0, 0},
        {kInfinity, 647, 364, 21474836},
        {3e9, 647, 364, 21474836},
        {-kInfinity, -648, -364, -21474836},
        {-1e300, -648, -364, -21474836},
    };
    for (const AltitudeCase& each : cases) {
        host.variables().set(var::INDICATED_ALTITUDE, each.altitude);
        host.runCycles(1);
        EXPECT_EQ(element(altimetro, kHundreds).returned, each.hundreds) << each.altitude;
        EXPECT_EQ(element(altimetro, kThousands).returned, each.thousands) << each.altitude;
        EXPECT_EQ(element(altimetro, kTenThousands).returned, each.tenThousands) << each.altitude;
    }
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, AltimeterPointers, testing::Values("VeskarZ3VVFR", "VeskarZ3VM"),
                         [](const auto& info) { return std::string(info.param); });

// The main build has no readouts: no text elements and no area on the dial but the tooltip.
TEST_F(BenchTest, MainBuildCarriesNoReadouts) {
    for (const char* name : {"Asi", "Altimetro"}) {
        auto& gauge = create("VeskarZ3VM", name);
        host.runCycles(1);
        for (const auto& state : gauge.elements()) EXPECT_NE(state.kind, gauge::kString) << name;
        EXPECT_EQ(gauge.mouseMap().childAt(150, 200), nullptr) << name;
    }
}

}  // namespace
