// RadioAudioZ3V and RadioAudioZ3VVFR through the bench host: the marker lamps and bars mirror the
// host, the buttons send their events with their tooltips, and the NAV audio shows on the panels and
// the radios' knobs together.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::Radios;

// Drawing order of the COM1/NAV1 radio's IDENT knob and the COM2/NAV2 radio's NAV VOL knob.
constexpr int kIdentKnob = 8, kNavVolumeKnob = 12;

constexpr int kMarkerLamps = 1;
const char* const kAudioGauges[] = {"RadioAudioZ3V", "RadioAudioZ3VVFR"};

class AudioPanels : public Radios, public ::testing::WithParamInterface<const char*> {};

TEST_P(AudioPanels, MarkerLampsLightOneAtATime) {
    auto& gauge = radio(GetParam());
    const std::pair<int, std::optional<int>> cases[] = {{0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, std::nullopt}};
    for (auto [marker, shown] : cases) {
        host.variables().setInteger(gauge::var::MARKER_BEACON_RECEIVED, marker);
        host.runCycles(1);
        EXPECT_EQ(picture(gauge, kMarkerLamps), shown) << "marker " << marker;
    }
}

TEST_P(AudioPanels, EachBarMirrorsItsHostValue) {
    auto& gauge = radio(GetParam());
    // Drawing order from the COM1 bar on.
    const std::uint32_t tokens[] = {
        gauge::var::COM1_RECEIVE_SELECTED, gauge::var::COM2_RECEIVE_SELECTED, gauge::var::NAV1_AUDIO_ON,
        gauge::var::NAV2_AUDIO_ON,         gauge::var::DME_AUDIO_ON,          gauge::var::ADF_AUDIO_ON,
        gauge::var::MARKER_AUDIO_ON,       gauge::var::COM_RECEIVE_ALL,
    };
    for (std::uint32_t token : tokens) host.variables().setInteger(token, 0);
    for (std::size_t lit = 0; lit < std::size(tokens); ++lit) {
        host.variables().setInteger(tokens[lit], 1);
        host.runCycles(1);
        for (std::size_t bar = 0; bar < std::size(tokens); ++bar) {
            EXPECT_EQ(picture(gauge, 2 + static_cast<int>(bar)).has_value(), bar == lit) << "token " << tokens[lit];
        }
        host.variables().setInteger(tokens[lit], 0);
    }
}

struct AudioButton {
    int x, y;
    std::uint32_t event;
    gaugehost::Tooltip tooltip;
};

const AudioButton kAudioButtons[] = {
    {150, 15, gauge::key::COM1_SELECT, {0x324E, {}}},
    {230, 40, gauge::key::COM2_SELECT, {0x324F, {}}},
    {315, 10, gauge::key::NAV1_IDENT_TOGGLE, {0, "NAV1 SOUND TOGGLE"}},
    {404, 39, gauge::key::NAV2_IDENT_TOGGLE, {0, "NAV2 SOUND TOGGLE"}},
    {420, 20, gauge::key::DME1_IDENT_TOGGLE, {0, "DME1 SOUND TOGGLE"}},
    {100, 20, gauge::key::MARKER_SOUND_TOGGLE, {0, "MARKER SOUND TOGGLE"}},
    {480, 30, gauge::key::ADF_IDENT_TOGGLE, {0, "ADF SOUND TOGGLE"}},
    {330, 60, gauge::key::COM_RECEIVE_ALL_TOGGLE, {0, "COM RECEIVE ALL TOGGLE"}},
};

TEST_P(AudioPanels, ButtonsSendTheirEventsAndShowTheirTooltips) {
    auto& gauge = radio(GetParam());
    for (const AudioButton& button : kAudioButtons) {
        SCOPED_TRACE(testing::Message() << button.x << "," << button.y);
        EXPECT_EQ(gauge.mouseMap().tooltipAt(button.x, button.y), button.tooltip);
        EXPECT_EQ(gauge.mouseMap().cursorAt(button.x, button.y), gauge::cursor::kHand);
        click(gauge, button.x, button.y);
        EXPECT_EQ(takeKeyEvents(), (std::vector<KeyEvent>{{button.event, 0}}));
    }
}

TEST_P(AudioPanels, MarkerLampAreasCarryTooltipsOnlyAndTheRestOfThePanelNone) {
    auto& gauge = radio(GetParam());
    const auto& map = gauge.mouseMap();
    EXPECT_EQ(map.tooltipAt(3, 11), (gaugehost::Tooltip{0xAB49, {}}));
    EXPECT_EQ(map.tooltipAt(40, 20), (gaugehost::Tooltip{0xAB47, {}}));
    EXPECT_EQ(map.tooltipAt(76, 35), (gaugehost::Tooltip{0xAB48, {}}));
    EXPECT_EQ(map.cursorAt(40, 20), gauge::cursor::kNone);
    EXPECT_FALSE(map.tooltipAt(560, 100).has_value());
    click(gauge, 40, 20);
    click(gauge, 260, 20);  // COM3 has no area
    EXPECT_TRUE(takeKeyEvents().empty());
}

INSTANTIATE_TEST_SUITE_P(BothPanels, AudioPanels, ::testing::ValuesIn(kAudioGauges),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(Radios, Nav1AudioShowsOnTheAudioPanelsAndTheIdentKnobTogether) {
    auto& radio1 = radio("RadioCom1Nav1Z3V");
    auto& main = radio("RadioAudioZ3V");
    auto& vfr = radio("RadioAudioZ3VVFR");
    auto& radio2 = radio("RadioCom2Nav2Z3V");
    for (int audio : {1, 0}) {
        host.variables().setInteger(gauge::var::NAV1_AUDIO_ON, audio);
        host.variables().setInteger(gauge::var::NAV2_AUDIO_ON, audio);
        host.runCycles(1);
        EXPECT_EQ(picture(radio1, kIdentKnob), audio);
        EXPECT_EQ(picture(radio2, kNavVolumeKnob), audio);
        for (const auto* panel : {&main, &vfr}) {
            EXPECT_EQ(picture(*panel, 4).has_value(), audio == 1) << panel->alias();
            EXPECT_EQ(picture(*panel, 5).has_value(), audio == 1) << panel->alias();
        }
    }
}

}  // namespace
