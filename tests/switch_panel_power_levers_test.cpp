// The quadrant's flap handle and the primer of VeskarZ3V4 through the bench host: which picture a
// host value selects, also for values no scenario can set.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "support/bench.h"

namespace {

using benchtest::BenchTest;
namespace var = gauge::var;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct HandleCase {
    double handle;
    std::optional<int> picture;
};

// Only the four detents draw a handle; nothing between them does, however close to 0 it lies.
const HandleCase kHandleCases[] = {
    {0, 0},          {0.9, 0},           {5461, 1},           {5461.99, 1},         {10922, 2},
    {10922.67, 2},   {16384, 3},         {16384.5, 3},        {1, std::nullopt},    {2, std::nullopt},
    {3, std::nullopt}, {-1, std::nullopt}, {8000, std::nullopt}, {16383, std::nullopt}, {1e12, std::nullopt},
};

TEST_F(BenchTest, FlapHandleStandsOnlyAtItsDetentsInBothGauges) {
    auto& quadrant = create("VeskarZ3V4", "PanelC");
    auto& flap = create("VeskarZ3V4", "Flap");
    for (const HandleCase& handleCase : kHandleCases) {
        host.variables().set(var::FLAP_HANDLE_POSITION, handleCase.handle);
        host.runCycles(1);
        EXPECT_EQ(element(quadrant, 5).picture, handleCase.picture) << "handle " << handleCase.handle;
        EXPECT_EQ(element(flap, 2).picture, handleCase.picture) << "handle " << handleCase.handle;
    }
}

TEST_F(BenchTest, PrimerKnobStandsPushedOnlyWhileThePrimerValueIsPositive) {
    auto& primer = create("VeskarZ3V4", "Primer");
    const std::pair<double, int> cases[] = {{0.5, 1}, {0, 0}, {1e-9, 1}, {-0.5, 0}, {kNaN, 0}, {16383, 1}};
    for (auto [state, picture] : cases) {
        host.variables().set(var::PRIMER_STATE, state);
        host.runCycles(1);
        EXPECT_EQ(element(primer, 1).picture, picture) << "primer " << state;
    }
}

}  // namespace
