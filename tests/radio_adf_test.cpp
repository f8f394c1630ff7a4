// RadioAdfZ3V through the bench host: the USE window, the power knob, the dark STBY/TIMER window
// with the frequency taken at creation, and the radio window button.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

constexpr int kAdfPowerKnob = 1, kUseWindow = 2, kStandbyWindow = 3;

struct AdfCase {
    std::int32_t frequency, extension;
    const char* text;
};

TEST_F(Radios, AdfUseWindowShowsThousandsToTenths) {
    auto& gauge = radio("RadioAdfZ3V");
    const AdfCase cases[] = {
        {0x0347, 0x0105, "1347.5"}, {0x0347, 0, "0347.0"}, {0x0250, 0, "0250.0"}, {0x0999, 0x0109, "1999.9"},
        // Digits that are not decimal make a longer text, cut to the window's six characters.
        {0x0FFF, 0x0F0F, "151515"}, {-1, -1, "151515"}, {0x0A00, 0, "01000."},
    };
    for (const AdfCase& adf : cases) {
        host.variables().setInteger(gauge::var::ADF_FREQUENCY, adf.frequency);
        host.variables().setInteger(gauge::var::ADF_FREQUENCY_EXTENSION, adf.extension);
        host.runCycles(1);
        EXPECT_EQ(text(gauge, kUseWindow), adf.text) << std::hex << adf.frequency << " " << adf.extension;
        EXPECT_EQ(element(gauge, kUseWindow).returned, static_cast<double>(static_cast<std::uint32_t>(adf.frequency)));
    }
}

TEST_F(Radios, AdfPowerBlanksTheUseWindowWhileTuningStillReachesTheHost) {
    auto& gauge = radio("RadioAdfZ3V");
    click(gauge, 440, 100);
    host.runCycles(1);
    EXPECT_EQ(text(gauge, kUseWindow), "");
    EXPECT_EQ(picture(gauge, kAdfPowerKnob), 0);
    takeKeyEvents();
    click(gauge, 120, 75);
    click(gauge, 230, 110);
    EXPECT_EQ(takeKeyEvents(),
              (std::vector<KeyEvent>{{gauge::key::ADF_HUNDREDS_UP, 0}, {gauge::key::ADF_TENTHS_DOWN, 0}}));
    click(gauge, 460, 100);
    host.runCycles(1);
    EXPECT_EQ(text(gauge, kUseWindow), "0350.0");
    EXPECT_EQ(picture(gauge, kAdfPowerKnob), 1);
}

// The right-hand window writes nothing and returns the frequency taken when the gauge was created.
TEST_F(Radios, AdfStandbyWindowStaysDarkAndReturnsTheFrequencyAtCreation) {
    host.variables().setInteger(gauge::var::ADF_FREQUENCY, 0x0350);
    auto& gauge = radio("RadioAdfZ3V");
    host.variables().setInteger(gauge::var::ADF_FREQUENCY, 0x0400);
    click(gauge, 440, 100);
    for (int cycle = 0; cycle < 2; ++cycle) {
        host.runCycles(1);
        EXPECT_EQ(text(gauge, kStandbyWindow), "");
        EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0350);
        click(gauge, 460, 100);
    }
    host.sendServiceCode(gauge, gauge::service_code::kPreUpdate);
    host.sendServiceCode(gauge, gauge::service_code::kPreDraw);
    host.runCycles(1);
    EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0350);
    host.sendServiceCode(gauge, gauge::service_code::kPreInstall);
    host.runCycles(1);
    EXPECT_EQ(element(gauge, kStandbyWindow).returned, 0x0400);
}

TEST_F(Radios, AdfLeftEndTogglesWindow50EachClickAndAnswersFalse) {
    auto& gauge = radio("RadioAdfZ3V");
    for (bool open : {true, false, true}) {
        click(gauge, 50, 50);
        EXPECT_EQ(host.openWindows().contains(50), open);
        EXPECT_EQ(host.lastMouseResult(), gauge::kFalse);
    }
    EXPECT_EQ(host.windowCalls().size(), 3u);
    for (const auto& call : host.windowCalls()) {
        EXPECT_EQ(call, (gaugehost::WindowCallRecord{gaugehost::WindowCall::Toggle, 50, true}));
    }
    EXPECT_TRUE(takeKeyEvents().empty());
}

}  // namespace
