// VeskarZ3V4 as a whole: every gauge's width and size, and every picture at its id, size and depth.
#include <gtest/gtest.h>

#include "support/bench.h"

namespace {

using benchtest::BenchTest;

struct GaugeSize {
    const char* gauge;
    unsigned widthMm;
    int width, height;
};

const GaugeSize kGaugeSizes[] = {
    {"Primer", 80, 55, 76},         {"SWland", 30, 57, 101},      {"SWnav", 30, 57, 101},
    {"SWstrobe", 30, 57, 101},      {"SWpitotheat", 30, 57, 101}, {"SWbeacon", 30, 57, 101},
    {"SWavionics", 20, 57, 101},    {"SWtaxi", 30, 57, 101},      {"PanelC", 508, 508, 355},
    {"SWpanellight", 70, 100, 100}, {"SWmaster", 30, 29, 50},     {"Succion", 70, 302, 302},
    {"Garmin", 100, 473, 181},      {"SWfuelp", 15, 15, 51},      {"SWfuelph", 16, 16, 51},
    {"SWpanel0", 70, 100, 100},     {"SWpanel1", 70, 100, 100},   {"Flap", 30, 128, 221},
    {"GarminVFR", 100, 473, 181},
};

TEST_F(BenchTest, SwitchPanelGaugesHaveTheirWidthsAndBackgroundSizes) {
    for (const GaugeSize& size : kGaugeSizes) {
        auto& gauge = create("VeskarZ3V4", size.gauge);
        EXPECT_EQ(gauge.header().defaultWidthMm, size.widthMm) << size.gauge;
        EXPECT_EQ(gauge.width(), size.width) << size.gauge;
        EXPECT_EQ(gauge.height(), size.height) << size.gauge;
    }
}

struct PictureSize {
    std::uint32_t firstId, lastId;
    int width, height;
};

// Every picture is 8-bit.
const PictureSize kPictureSizes[] = {
    {0x100, 0x100, 55, 76},   {0x102, 0x103, 55, 76},   {0x105, 0x107, 57, 101}, {0x110, 0x110, 508, 355},
    {0x112, 0x112, 79, 84},   {0x114, 0x114, 83, 92},   {0x116, 0x116, 102, 100}, {0x117, 0x117, 128, 221},
    {0x121, 0x121, 10, 10},   {0x122, 0x125, 86, 212},  {0x130, 0x132, 100, 100}, {0x134, 0x134, 29, 50},
    {0x136, 0x137, 14, 50},   {0x138, 0x139, 15, 50},   {0x143, 0x143, 302, 302}, {0x144, 0x144, 96, 35},
    {0x146, 0x148, 57, 101},  {0x160, 0x160, 473, 181}, {0x162, 0x163, 49, 48},   {0x165, 0x166, 60, 46},
    {0x167, 0x167, 473, 181}, {0x170, 0x172, 15, 51},   {0x174, 0x174, 16, 51},   {0x176, 0x177, 16, 51},
};

TEST_F(BenchTest, SwitchPanelPicturesHaveTheirIdsSizesAndDepths) {
    const gaugehost::Module& module = host.loadModule("VeskarZ3V4");
    for (const PictureSize& size : kPictureSizes) {
        for (std::uint32_t id = size.firstId; id <= size.lastId; ++id) {
            ASSERT_TRUE(module.hasPicture(id)) << "picture 0x" << std::hex << id;
            const auto& picture = module.picture(id);
            EXPECT_EQ(picture.width, size.width) << "picture 0x" << std::hex << id;
            EXPECT_EQ(picture.height, size.height) << "picture 0x" << std::hex << id;
            EXPECT_EQ(picture.bitsPerPixel, 8) << "picture 0x" << std::hex << id;
        }
    }
}

}  // namespace
