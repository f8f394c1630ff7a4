// The trim wheels of VeskarZ3V7 through the bench host: the frame each wheel steps through as its
// trim moves, the phase picture each frame shows, a trim reading that is no number, and the
// pictures the host finds for the wheels' icons.
#include <gtest/gtest.h>

#include <limits>

#include "modules/trim_annunciators/trim_layout.h"
#include "support/bench.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
namespace layout = trim_annunciators::trim_layout;

constexpr int kRim = 1;  // the wheel icon, the background's only child
constexpr double kNoNumber = std::numeric_limits<double>::quiet_NaN();

struct WheelCase {
    const char* gauge;
    std::uint32_t trim;
    std::uint32_t firstPhase;
};

class TrimWheel : public BenchTest, public ::testing::WithParamInterface<WheelCase> {
protected:
    TrimWheel() : wheel_(create("VeskarZ3V7", GetParam().gauge)) {}

    // The picture index the wheel shows after one update with the trim at `value`.
    int showAt(double value) {
        host.variables().set(GetParam().trim, value);
        host.runCycles(1);
        return element(wheel_, kRim).picture.value_or(-1);
    }

    gaugehost::GaugeInstance& wheel_;
};

TEST_P(TrimWheel, FirstUpdateShowsTheFirstPhaseWhateverTheTrim) {
    EXPECT_EQ(showAt(0.37), 0);
    EXPECT_EQ(element(wheel_, kRim).returned, 0.0);
    EXPECT_EQ(showAt(0.37), 0) << "an unchanged trim leaves the wheel still";
}

// Frames 1, 2, 3, 4, 5, 0: frame 1 holds frame 0's phase, the others show base + frame.
TEST_P(TrimWheel, SixDecreasesWalkThePhasesForwardAndComeBackToTheFirst) {
    showAt(1.0);
    std::vector<int> shown;
    for (double trim = 0.9; trim > 0.35; trim -= 0.1) shown.push_back(showAt(trim));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 0}));
}

TEST_P(TrimWheel, IncreasesStepBackFromTheFirstPhase) {
    showAt(0);
    EXPECT_EQ(showAt(0.1), 4) << "frame 0 steps back to frame 5, the last phase";
    EXPECT_EQ(showAt(0.2), 3);
    EXPECT_EQ(showAt(0.1), 4);
}

TEST_P(TrimWheel, AJumpOfAnySizeMovesOneFrame) {
    showAt(0);
    EXPECT_EQ(showAt(-1000), 0) << "frame 1";
    EXPECT_EQ(showAt(-1000.5), 1) << "frame 2";
    EXPECT_EQ(showAt(1e9), 0) << "back to frame 1";
}

// A NaN neither turns the wheel nor takes the place of the last real reading.
TEST_P(TrimWheel, AReadingThatIsNoNumberMovesNothingAndIsNotKept) {
    showAt(0.5);
    showAt(0.4);
    const int before = showAt(0.3);  // frame 2
    for (int update = 0; update < 4; ++update) EXPECT_EQ(showAt(kNoNumber), before) << "update " << update;
    EXPECT_EQ(showAt(0.2), before + 1) << "a fall from the last real reading steps forward";
    EXPECT_EQ(showAt(0.2), before + 1);
}

// Every copy of a wheel shows the module's one record for it.
TEST_P(TrimWheel, TwoCopiesTurnAsOne) {
    auto& second = create("VeskarZ3V7", GetParam().gauge, "second");
    for (double trim : {0.0, -0.1, -0.2, -0.3}) {
        showAt(trim);
        EXPECT_EQ(element(second, kRim).picture, element(wheel_, kRim).picture) << "trim " << trim;
    }
    EXPECT_EQ(element(second, kRim).picture, 2);
}

// The module holds no picture at base + 1; the host passes over it and finds all five phases.
TEST_P(TrimWheel, HostFindsTheFivePhasePictures) {
    const auto& icon = *reinterpret_cast<const gauge::IconElement*>(element(wheel_, kRim).element);
    const auto expected = layout::wheelPhaseIds(GetParam().firstPhase);
    EXPECT_EQ(wheel_.module().iconPictureIds(icon), std::vector<std::uint32_t>(expected.begin(), expected.end()));
    EXPECT_FALSE(wheel_.module().hasPicture(GetParam().firstPhase + 1));
}

INSTANTIATE_TEST_SUITE_P(BothWheels, TrimWheel,
                         ::testing::Values(WheelCase{"TrimVmove", gauge::var::ELEVATOR_TRIM_POSITION, layout::kUprightWheelRim},
                                           WheelCase{"TrimHmove", gauge::var::RUDDER_TRIM_POSITION, layout::kFlatWheelRim}),
                         [](const auto& info) { return std::string(info.param.gauge); });

// The wheels keep their own records: moving one trim turns one wheel.
TEST_F(BenchTest, EachWheelFollowsItsOwnTrim) {
    auto& upright = create("VeskarZ3V7", "TrimVmove");
    auto& flat = create("VeskarZ3V7", "TrimHmove");
    host.runCycles(1);
    host.variables().set(gauge::var::ELEVATOR_TRIM_POSITION, -0.5);
    host.runCycles(2);
    host.variables().set(gauge::var::ELEVATOR_TRIM_POSITION, -0.6);
    host.runCycles(1);
    EXPECT_EQ(element(upright, kRim).picture, 1);
    EXPECT_EQ(element(flat, kRim).picture, 0);
}

}  // namespace
