// What the radio stack's gauges have in common, through the bench host: sizes from their faces, the
// power switch's matching half that changes nothing, and the drum strips with their windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "support/radio_bench.h"

namespace {

using gaugehost::GaugeInstance;
using gaugehost::KeyEvent;
using radiotest::kModule;
using radiotest::Radios;

TEST_F(Radios, GaugeSizesComeFromTheirBackgrounds) {
    const std::tuple<const char*, int, int, unsigned> cases[] = {
        {"RadioTrans", 600, 147, 200},       {"RadioDME", 600, 134, 200},         {"RadioAP2", 368, 163, 200},
        {"RadioAudioZ3V", 600, 116, 400},    {"RadioCom2Nav2Z3V", 700, 300, 400}, {"RadioAdfZ3V", 600, 149, 400},
        {"RadioCom1Nav1Z3V", 400, 119, 400}, {"RadioCom1Nav1Z3VVFR", 400, 119, 400}, {"RadioAudioZ3VVFR", 600, 116, 400},
    };
    for (auto [name, width, height, millimetres] : cases) {
        auto& gauge = radio(name);
        EXPECT_EQ(gauge.width(), width) << name;
        EXPECT_EQ(gauge.height(), height) << name;
        EXPECT_EQ(gauge.header().defaultWidthMm, millimetres) << name;
    }
}

// A power click on the side that matches the state changes no module data and sends nothing.
struct PowerArea {
    const char* gauge;
    int x, y;
};

class PowerAreasOfRadiosThatAreOn : public Radios, public ::testing::WithParamInterface<PowerArea> {};

TEST_P(PowerAreasOfRadiosThatAreOn, ChangeNothing) {
    auto& gauge = radio(GetParam().gauge);
    host.runCycles(8);  // past the transfer buttons' start-up press
    takeKeyEvents();
    const auto before = moduleData();
    click(gauge, GetParam().x, GetParam().y);
    EXPECT_EQ(moduleData(), before);
    EXPECT_TRUE(takeKeyEvents().empty());
    EXPECT_EQ(gauge.mouseMap().cursorAt(GetParam().x, GetParam().y), gauge::cursor::kUpArrow);
}

INSTANTIATE_TEST_SUITE_P(UpArrowHalves, PowerAreasOfRadiosThatAreOn,
                         ::testing::Values(PowerArea{"RadioCom1Nav1Z3V", 60, 90}, PowerArea{"RadioCom2Nav2Z3V", 110, 240},
                                           PowerArea{"RadioAdfZ3V", 460, 100}, PowerArea{"RadioDME", 400, 90}),
                         [](const auto& info) { return std::string(info.param.gauge); });

constexpr std::uint32_t kPureBlack = 0x000000, kMaskWindow = 0x010101;

TEST_F(Radios, DrumMasksAreWindowColourAndStripsAreOpaque) {
    gaugehost::Module& module = host.loadModule(kModule);
    for (std::uint32_t mask : {0x112u, 0x132u, 0x137u}) {
        const auto& picture = module.picture(mask);
        EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kMaskWindow),
                  static_cast<std::ptrdiff_t>(picture.pixels.size()))
            << std::hex << mask;
    }
    for (std::uint32_t strip : {0x111u, 0x131u, 0x136u}) {
        const auto& picture = module.picture(strip);
        EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kPureBlack), 0) << std::hex << strip;
    }
}

}  // namespace
