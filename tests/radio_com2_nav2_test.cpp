// RadioCom2Nav2Z3V through the bench host: the drums of both halves, the power switch hiding and
// showing them, and the MEMORY column.
#include <gtest/gtest.h>

#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

constexpr int kNavMemory = 1, kComMemory = 2, kCom2PowerKnob = 3, kNavVolumeKnob = 12;
constexpr int kFirstDrum = 4, kDrumCount = 8;  // NAV2 units to leading pair, then COM2 the same way

TEST_F(Radios, Com2Nav2DrumsShowEachDigitOfTheirHalf) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    host.variables().setInteger(gauge::var::NAV2_ACTIVE_FREQUENCY, 0x1050);
    host.variables().setInteger(gauge::var::COM2_ACTIVE_FREQUENCY, 0x3697);
    host.runCycles(1);
    // 110.50 shows 11, 0, 5, 0; 136.97 shows 13, 6, 9, 7; each cell is 50 pixels.
    const int digits[kDrumCount] = {0, 5, 0, 1, 7, 9, 6, 3};
    for (int drum = 0; drum < kDrumCount; ++drum) {
        const auto& state = element(gauge, kFirstDrum + drum);
        EXPECT_EQ(state.returned, digits[drum]) << "drum " << drum;
        EXPECT_DOUBLE_EQ(state.stripY, digits[drum] * 50.0) << "drum " << drum;
        EXPECT_FALSE(state.hidden);
    }
}

TEST_F(Radios, Com2Nav2PowerHidesAndShowsEveryDrumWhileTheRestWorks) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    click(gauge, 85, 240);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kCom2PowerKnob), 0);
    for (int drum = 0; drum < kDrumCount; ++drum) EXPECT_TRUE(element(gauge, kFirstDrum + drum).hidden) << drum;
    host.runCycles(1);
    for (int drum = 0; drum < kDrumCount; ++drum) EXPECT_TRUE(element(gauge, kFirstDrum + drum).hidden) << drum;

    takeKeyEvents();
    click(gauge, 620, 100);
    click(gauge, 120, 150);
    click(gauge, 400, 240);
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::NAV2_SWAP, 1}, {gauge::key::COM2_WHOLE_MHZ_DOWN, 0},
                                                      {gauge::key::NAV2_IDENT_TOGGLE, 0}}));
    host.variables().setInteger(gauge::var::NAV2_AUDIO_ON, 1);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kNavMemory), 1);
    EXPECT_EQ(picture(gauge, kNavVolumeKnob), 1);

    click(gauge, 110, 240);
    host.runCycles(1);
    EXPECT_EQ(picture(gauge, kCom2PowerKnob), 1);
    for (int drum = 0; drum < kDrumCount; ++drum) {
        EXPECT_FALSE(element(gauge, kFirstDrum + drum).hidden) << drum;
        EXPECT_EQ(element(gauge, kFirstDrum + drum).element->imageFlags, gauge::image_flag::kTransparentEraseBright)
            << "no other flag changed";
    }
}

TEST_F(Radios, Com2MemoryColumnSwapsAndMovesItsIndicator) {
    auto& gauge = radio("RadioCom2Nav2Z3V");
    takeKeyEvents();
    std::vector<int> shown;
    for (int press = 0; press < 2; ++press) {
        click(gauge, 60, 100);
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
        host.runCycles(1);
        shown.push_back(picture(gauge, kComMemory).value_or(-1));
        EXPECT_EQ(picture(gauge, kNavMemory), 0);
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 0}));
    EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{gauge::key::COM2_SWAP, 1}, {gauge::key::COM2_SWAP, 1}}));
}

}  // namespace
