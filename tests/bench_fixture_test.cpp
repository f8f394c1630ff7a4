// The bench host's own semantics, on a module made for it: how needles, drums, sprites, sliders,
// texts and icons are evaluated, and how mouse presses, repetition, drags and nesting are delivered.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "fixtures/bench_fixture.h"
#include "support/bench.h"

namespace {

using benchtest::BenchTest;
using benchtest::requiredEnvironment;
using gaugehost::KeyEvent;

using namespace bench_fixture;
using namespace bench_fixture::element_index;

class Fixture : public BenchTest {
protected:
    Fixture() {
        host.addModuleFolder(requiredEnvironment("GAUGE_FIXTURE_PATH"));
        gauge_ = &create("BenchFixture", "Instruments");
    }

    const gaugehost::ElementState& show(int index, std::uint32_t token, double value) {
        host.variables().set(token, value);
        host.runCycles(1);
        return element(*gauge_, index);
    }

    gaugehost::GaugeInstance* gauge_;
};

TEST_F(Fixture, NeedleValueAtATableEntryPointsAtItsPoint) {
    const std::pair<double, double> cases[] = {{0, -90}, {10, 0}, {20, 90}, {5, -45}, {15, 45},
                                               // beyond the ends: the nearer end
                                               {25, 90}, {-5, -90}};
    for (auto [value, angle] : cases) EXPECT_NEAR(show(kTableNeedle, kNeedleValue, value).needleAngle, angle, 1e-9) << value;
}

TEST_F(Fixture, TwoEntryTableSpansAlmostAWholeTurnClockwise) {
    const double first = std::atan2(-30.0, 1.0) * 180 / M_PI;  // towards (31, 0) from (30, 30)
    EXPECT_NEAR(show(kWholeTurnNeedle, kNeedleValue, 0).needleAngle, first, 1e-9);
    EXPECT_NEAR(show(kWholeTurnNeedle, kNeedleValue, 999).needleAngle, 270.0, 1e-9);
    EXPECT_NEAR(show(kWholeTurnNeedle, kNeedleValue, 499.5).needleAngle, (first + 270.0) / 2, 1e-9);
}

TEST_F(Fixture, TableValuesMayFallAlongTheList) {
    EXPECT_NEAR(show(kFallingNeedle, kNeedleValue, 1.0).needleAngle, -90, 1e-9);
    EXPECT_NEAR(show(kFallingNeedle, kNeedleValue, -0.5).needleAngle, 45, 1e-9);
}

TEST_F(Fixture, RotationRateLimitsEachUpdate) {
    EXPECT_NEAR(show(kRateLimitedNeedle, kNeedleValue, 0).needleAngle, -90, 1e-9);
    EXPECT_NEAR(show(kRateLimitedNeedle, kNeedleValue, 20).needleAngle, -84, 1e-9);
    host.runCycles(28);
    EXPECT_NEAR(element(*gauge_, kRateLimitedNeedle).needleAngle, 84, 1e-9);
    host.runCycles(5);
    EXPECT_NEAR(element(*gauge_, kRateLimitedNeedle).needleAngle, 90, 1e-9);
    EXPECT_NEAR(element(*gauge_, kTableNeedle).needleAngle, 90, 1e-9) << "an unlimited needle jumps";
}

TEST_F(Fixture, NeedleWithoutTableTurnsByItsValue) {
    EXPECT_DOUBLE_EQ(show(kBareNeedle, kNeedleValue, 33).needleAngle, 33);
    EXPECT_FALSE(element(*gauge_, kBareNeedle).returned.has_value());
    EXPECT_DOUBLE_EQ(element(*gauge_, kTableNeedle).returned.value(), 33);
}

TEST_F(Fixture, DrumShiftsItsStripAndHidesItself) {
    EXPECT_DOUBLE_EQ(show(kDrum, kDrumValue, 9).stripY, kDrumStrip.height - kDrumWindow.height);
    EXPECT_DOUBLE_EQ(show(kDrum, kDrumValue, 0).stripY, 0);
    EXPECT_DOUBLE_EQ(show(kDrum, kDrumValue, 4.5).stripY, 108);
    EXPECT_FALSE(element(*gauge_, kDrum).hidden);
    EXPECT_TRUE(show(kDrum, kDrumValue, -1).hidden);
    const auto& shown = show(kDrum, kDrumValue, 3);
    EXPECT_FALSE(shown.hidden);
    EXPECT_DOUBLE_EQ(shown.stripY, 72);
}

TEST_F(Fixture, SpriteAndSliderAxes) {
    EXPECT_DOUBLE_EQ(show(kCard, kRotation, 90).spriteRotation, 90);
    const auto& slider = show(kSlider, kSliderValue, 5);
    EXPECT_DOUBLE_EQ(slider.sliderX, 10);
    EXPECT_DOUBLE_EQ(slider.sliderY, -15);
}

TEST_F(Fixture, TextIsKeptToItsBuffer) {
    const std::pair<double, const char*> cases[] = {{42, "42"}, {-7, "-7"}, {999, "999"}, {123456, "123"},
                                                    {-1e12, "-21"}};
    for (auto [value, text] : cases) {
        const auto& readout = show(kReadout, kTextValue, value);
        EXPECT_EQ(readout.text, text) << value;
        EXPECT_DOUBLE_EQ(readout.returned.value(), value);
    }
}

TEST_F(Fixture, IconIndexOutsideItsPicturesShowsNothing) {
    const std::pair<double, std::optional<int>> cases[] = {{0, 0}, {1, 1}, {1.9, 1}, {2, std::nullopt}, {-1, std::nullopt}};
    for (auto [value, picture] : cases) EXPECT_EQ(show(kLamp, kIconValue, value).picture, picture) << value;
    EXPECT_EQ(element(*gauge_, kTableNeedle).kind, gauge::kNeedle) << "the other elements still update";
}

TEST_F(Fixture, HeldButtonRepeatsOncePerCycleUntilReleased) {
    host.press(*gauge_, 5, 5);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kRepeatKey, 0}}));
    host.runCycles(3);
    EXPECT_EQ(takeKeyEvents().size(), 3u);
    host.release();
    host.runCycles(3);
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(Fixture, PlainChildReactsOncePerPressWithThePressFlags) {
    host.press(*gauge_, 25, 7);
    host.runCycles(2);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kReportClick, gauge::mouse_flag::kLeftDown}, {kReportClick, 7}}));
    EXPECT_EQ(host.lastMouseResult(), gauge::kTrue);
}

TEST_F(Fixture, DragDeliversThePressThenEveryMoveWithoutTheDownFlag) {
    host.press(*gauge_, 15, 5);
    host.moveTo(15, 8);
    host.moveTo(16, 3);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kReportDrag, gauge::mouse_flag::kLeftDown}, {kReportDrag, 5},
                                                      {kReportDrag, gauge::mouse_flag::kDrag}, {kReportDrag, 8},
                                                      {kReportDrag, gauge::mouse_flag::kDrag}, {kReportDrag, 3}}));
    host.release();
    host.moveTo(15, 9);
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(Fixture, InnermostAreaWinsAndBoxesAreRelativeToTheirParent) {
    const std::tuple<int, int, std::uint32_t> cases[] = {
        {2, 22, kInnerKey},   // inner child at the inner parent's corner, over the outer child
        {9, 29, kInnerKey},   // its last pixel
        {10, 30, kOuterKey},  // just beyond it: the outer child
        {45, 32, kBeyondKey},  // a child reaching beyond its parent's box
        {50, 50, kOuterKey},
    };
    for (auto [x, y, event] : cases) {
        host.press(*gauge_, x, y);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{event, 0}})) << x << "," << y;
    }
    host.press(*gauge_, 35, 12);  // in no child
    EXPECT_FALSE(host.buttonHeld());
    EXPECT_TRUE(takeKeyEvents().empty());
}

TEST_F(Fixture, TooltipsAndCursors) {
    const auto& map = gauge_->mouseMap();
    EXPECT_EQ(map.tooltipAt(2, 2), (gaugehost::Tooltip{0, kOuterTooltipText}));
    EXPECT_EQ(map.tooltipAt(2, 22), (gaugehost::Tooltip{kInnerTooltip, {}}));
    EXPECT_EQ(map.tooltipAt(45, 32), (gaugehost::Tooltip{kInnerTooltip, {}}));
    EXPECT_EQ(map.tooltipAt(50, 50), (gaugehost::Tooltip{0, kOuterTooltipText}));
    EXPECT_EQ(map.cursorAt(5, 5), gauge::cursor::kUpArrow);
    EXPECT_EQ(map.cursorAt(15, 5), gauge::cursor::kGrab);
    EXPECT_EQ(map.cursorAt(45, 32), gauge::cursor::kRightArrow);
    EXPECT_EQ(map.cursorAt(35, 12), gauge::cursor::kNone);
}

}  // namespace

namespace {

class Services : public Fixture {
protected:
    Services() : gauge(create("BenchFixture", "Services")) {}
    gaugehost::GaugeInstance& gauge;
};

TEST_F(Services, GpsRecordBindsAtTheFirstPreDrawThatSucceeds) {
    takeKeyEvents();
    host.runCycles(2);
    EXPECT_TRUE(takeKeyEvents().empty()) << "no record is provided yet";
    host.provideGpsRecord(16);
    const std::uint32_t first = 1234;
    const double second = 56.9;
    std::memcpy(host.gpsRecord(), &first, sizeof first);
    std::memcpy(host.gpsRecord() + 8, &second, sizeof second);
    host.runCycles(1);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{kReportGpsFields, 1234}, {kReportGpsFields, 56}}));
    // Withholding the record later leaves the module's binding as it was made.
    host.withholdGpsRecord();
    host.runCycles(1);
    EXPECT_EQ(takeKeyEvents().size(), 2u);
}

// A module keeps the pointer it bound: a new size and a withheld record leave that address
// valid and the module reading what the bench writes there.
TEST_F(Services, GpsRecordKeepsItsAddressWhenResizedOrWithheld) {
    host.provideGpsRecord(16);
    std::uint8_t* const bound = host.gpsRecord();
    host.runCycles(1);
    takeKeyEvents();
    host.provideGpsRecord(176);
    ASSERT_EQ(host.gpsRecord(), bound);
    const std::uint32_t first = 77;
    std::memcpy(host.gpsRecord(), &first, sizeof first);
    host.runCycles(1);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0xE007, 77}, {0xE007, 0}})) << "a new size starts zeroed";
    host.withholdGpsRecord();
    host.runCycles(1);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{0xE007, 77}, {0xE007, 0}}));
    EXPECT_THROW(host.provideGpsRecord(gaugehost::PanelHost::kGpsRecordCapacity + 1), gaugehost::HostError);
}

TEST_F(Services, NamedVariablesAreRegisteredCheckedReadAndWritten) {
    EXPECT_EQ(host.namedVariable("BenchFixtureCount"), 0.0) << "registered and published at creation";
    host.runCycles(2);
    EXPECT_EQ(host.namedVariable("BenchFixtureCount"), 0.0) << "no input exists yet";
    EXPECT_FALSE(host.namedVariable("BenchFixtureInput").has_value());
    host.setNamedVariable("BenchFixtureInput", 2.7);
    host.runCycles(3);
    EXPECT_EQ(host.namedVariable("BenchFixtureCount"), 3.0);
    const auto events = takeKeyEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), (KeyEvent{kReportNamedInput, 2}));
    EXPECT_EQ(host.namedVariableId("BenchFixtureCount"), 0);
    EXPECT_EQ(host.namedVariableId("Nothing"), -1);
}

}  // namespace
