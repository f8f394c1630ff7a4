// The EGT gauge and the low-voltage lamps of VeskarZ3V7 where scenarios cannot reach: readings that
// are no number, the reference's bounds seen in the module's data, and the pointers' table angles.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "modules/trim_annunciators/egt_layout.h"
#include "support/bench.h"
#include "support/module_memory.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
namespace layout = trim_annunciators::egt_layout;

constexpr int kTemperaturePointer = 1;
constexpr int kReferencePointer = 2;
constexpr int kLens = 1;
constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

TEST_F(BenchTest, EgtTemperatureThatIsNoNumberRestsAtTheColdStop) {
    auto& egt = create("VeskarZ3V7", "Egt");
    host.variables().set(gauge::var::EXHAUST_GAS_TEMPERATURE, kNoNumber);
    host.runCycles(1);
    EXPECT_EQ(element(egt, kTemperaturePointer).returned, 500.0);
    for (double infinite : {INFINITY, -INFINITY}) {
        host.variables().set(gauge::var::EXHAUST_GAS_TEMPERATURE, infinite);
        host.runCycles(1);
        EXPECT_EQ(element(egt, kTemperaturePointer).returned, infinite > 0 ? 1700.0 : 500.0);
    }
}

// Each pointer aims at its table's points: the angle for a table value is the direction from the
// pointers' centre to the point.
TEST_F(BenchTest, EgtPointersAimAtTheirTablesPoints) {
    auto& egt = create("VeskarZ3V7", "Egt");
    const auto direction = [](const layout::CalibrationPoint& point) {
        return std::atan2(point.y - layout::kPointerCentre.y, point.x - layout::kPointerCentre.x) * 180 / std::numbers::pi;
    };
    for (const auto& point : layout::kTemperatureScale) {
        host.variables().set(gauge::var::EXHAUST_GAS_TEMPERATURE, point.value + 459.67);
        host.runCycles(40);  // the pointer turns at most 6 degrees a cycle
        EXPECT_NEAR(element(egt, kTemperaturePointer).needleAngle, direction(point), 1e-6) << point.value;
    }
    host.runCycles(1);
    EXPECT_NEAR(element(egt, kReferencePointer).needleAngle,
                (direction(layout::kReferenceScale[0]) + direction(layout::kReferenceScale[1])) / 2, 1e-6)
        << "the reference starts in the middle of its range";
}

// Far more presses than the range holds, each way: the module's data never leaves 0 … 16384.
TEST_F(BenchTest, EgtReferenceStaysWithinItsRangeInTheModulesData) {
    auto& egt = create("VeskarZ3V7", "Egt");
    const auto press = [&](int x, int times) {
        host.press(egt, x, 210);
        host.runCycles(times - 1);
        host.release();
        host.runCycles(1);
        return element(egt, kReferencePointer).returned.value_or(-1);
    };
    host.runCycles(2);  // the host's refreshes of the temperature's variable settle
    const auto snapshot = benchtest::moduleDataSnapshot(egt.module());
    EXPECT_EQ(press(170, 40), 16384.0);
    EXPECT_EQ(press(140, 100), 0.0);
    EXPECT_EQ(press(170, 16), 8192.0);
    EXPECT_EQ(benchtest::moduleDataSnapshot(egt.module()), snapshot) << "back where it started, nothing else changed";
}

TEST_F(BenchTest, LowVoltLampsLightForAVoltageThatIsNoNumber) {
    for (const char* name : {"LowVolt", "LowVoltVFR"}) {
        auto& lamp = create("VeskarZ3V7", name);
        host.variables().set(gauge::var::ELECTRICAL_BUS_VOLTAGE, kNoNumber);
        host.runCycles(1);
        EXPECT_EQ(element(lamp, kLens).picture, 0) << name;
    }
}

}  // namespace
