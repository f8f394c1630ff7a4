// The engine strips of VeskarZ3V2 through the bench host: every pointer's reading held to its
// scale, and the pointers turning at most 6 degrees an update until they stand on their table point.
#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "needle_geometry.h"
#include "support/bench.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
namespace var = gauge::var;

constexpr const char* kModule = "VeskarZ3V2";

struct ReadingCase {
    const char* gauge;
    int element;
    std::uint32_t token;
    double reading;
    double shown;
};

// EngineL: 1 oil temperature, 2 cylinder head temperature, 3 oil pressure.
// EngineR: 1 left fuel, 2 ammeter, 3 right fuel.
const ReadingCase kReadings[] = {
    {"EngineL", 2, var::CYLINDER_HEAD_TEMPERATURE, 400, 100},
    {"EngineL", 2, var::CYLINDER_HEAD_TEMPERATURE, 1000, 500},
    {"EngineL", 2, var::CYLINDER_HEAD_TEMPERATURE, 759.67, 300},
    {"EngineL", 2, var::CYLINDER_HEAD_TEMPERATURE, 959.67, 500},
    {"EngineL", 1, var::OIL_TEMPERATURE, 559.67, 100},
    {"EngineL", 1, var::OIL_TEMPERATURE, 0, 100},
    {"EngineL", 1, var::OIL_TEMPERATURE, 659.67, 200},
    {"EngineL", 1, var::OIL_TEMPERATURE, 1e300, 245},
    {"EngineL", 3, var::OIL_PRESSURE, 0, 0},
    {"EngineL", 3, var::OIL_PRESSURE, 14400, 100},
    {"EngineL", 3, var::OIL_PRESSURE, 14401, 100},
    {"EngineL", 3, var::OIL_PRESSURE, 7200, 50},
    {"EngineL", 3, var::OIL_PRESSURE, -1, 0},
    {"EngineR", 1, var::LEFT_TANK_FUEL_QUANTITY, 50, 46},
    {"EngineR", 1, var::LEFT_TANK_FUEL_QUANTITY, -0.5, 0},
    {"EngineR", 1, var::LEFT_TANK_FUEL_QUANTITY, 23, 23},
    {"EngineR", 3, var::RIGHT_TANK_FUEL_QUANTITY, 46.01, 46},
    {"EngineR", 3, var::RIGHT_TANK_FUEL_QUANTITY, -20, 0},
    {"EngineR", 3, var::RIGHT_TANK_FUEL_QUANTITY, 12.5, 12.5},
    {"EngineR", 2, var::AMMETER_CURRENT, 32767, 32767 / 65535.0},
    {"EngineR", 2, var::AMMETER_CURRENT, 32768, 0.5},
    {"EngineR", 2, var::AMMETER_CURRENT, -32768, -0.5},
    {"EngineR", 2, var::AMMETER_CURRENT, -32767, -32767 / 65535.0},
    {"EngineR", 2, var::AMMETER_CURRENT, 0, 0},
    {"EngineR", 2, var::AMMETER_CURRENT, -1e9, -0.5},
};

TEST_F(BenchTest, EnginePointersShowTheirReadingsHeldToTheirScales) {
    auto& left = create(kModule, "EngineL");
    auto& right = create(kModule, "EngineR");
    for (const ReadingCase& reading : kReadings) {
        SCOPED_TRACE(testing::Message() << reading.gauge << " element " << reading.element << " at " << reading.reading);
        host.variables().set(reading.token, reading.reading);
        host.runCycles(1);
        const auto& gauge = std::string(reading.gauge) == "EngineL" ? left : right;
        EXPECT_DOUBLE_EQ(element(gauge, reading.element).returned.value(), reading.shown);
    }
}

double tableAngle(const gaugehost::ElementState& state, double value) {
    const auto& pointer = *reinterpret_cast<const gauge::NeedleElement*>(state.element);
    return gaugehost::angleForValue(std::span(pointer.table, pointer.tableLength), value);
}

double angleDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

// From a cold engine to the top of the scale and back: no update turns a pointer more than 6
// degrees, and each pointer comes to rest exactly on its table's angle for the value.
TEST_F(BenchTest, EnginePointersTurnAtMostSixDegreesAnUpdateToTheirTablePoint) {
    auto& left = create(kModule, "EngineL");
    host.variables().set(var::CYLINDER_HEAD_TEMPERATURE, 400);
    host.runCycles(60);
    const double cold = tableAngle(element(left, 2), 100);
    ASSERT_NEAR(element(left, 2).needleAngle, cold, 1e-9);
    for (double fahrenheit : {500.0, 100.0}) {
        host.variables().set(var::CYLINDER_HEAD_TEMPERATURE, fahrenheit + 459.67);
        const double target = tableAngle(element(left, 2), fahrenheit);
        double shown = element(left, 2).needleAngle;
        int updates = 0;
        while (angleDifference(shown, target) > 1e-9 && updates < 60) {
            host.runCycles(1);
            ++updates;
            const double next = element(left, 2).needleAngle;
            EXPECT_LE(angleDifference(next, shown), 6 + 1e-9) << "update " << updates;
            EXPECT_LT(angleDifference(next, target), angleDifference(shown, target)) << "update " << updates;
            shown = next;
        }
        EXPECT_GT(updates, 1) << "the sweep takes more than one update";
        EXPECT_NEAR(angleDifference(shown, target), 0, 1e-9);
    }
}

}  // namespace
