// The suction gauge of VeskarZ3V4 through the bench host: the needle rests on its stops outside
// 3 to 7 inHg, also for values no scenario can set.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/bench.h"

namespace {

using benchtest::BenchTest;
namespace var = gauge::var;

TEST_F(BenchTest, SuctionNeedleIsClampedToItsDial) {
    auto& succion = create("VeskarZ3V4", "Succion");
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {
        {2.4, 3}, {8.1, 7}, {5.0, 5}, {3.0, 3}, {7.0, 7}, {4.25, 4.25}, {-infinity, 3}, {infinity, 7},
        // A value without meaning rests the needle on the low stop.
        {std::numeric_limits<double>::quiet_NaN(), 3},
    };
    for (auto [suction, shown] : cases) {
        host.variables().set(var::SUCTION_PRESSURE, suction);
        host.runCycles(1);
        EXPECT_EQ(element(succion, 1).returned, shown) << "suction " << suction;
    }
}

TEST_F(BenchTest, SuctionNeedlePointsStraightUpAtFiveAndLevelAtTheStops) {
    auto& succion = create("VeskarZ3V4", "Succion");
    const std::pair<double, double> cases[] = {{5.0, -90}, {2.4, 180}, {8.1, 0}};
    for (auto [suction, angle] : cases) {
        host.variables().set(var::SUCTION_PRESSURE, suction);
        host.runCycles(40);  // the needle turns at most 6 degrees a cycle
        const double shown = element(succion, 1).needleAngle;
        EXPECT_NEAR(std::remainder(shown - angle, 360.0), 0, 0.5) << "suction " << suction;
    }
}

}  // namespace
