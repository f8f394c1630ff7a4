// How the bench host finds an icon's pictures: its resource id and the ids after it, passing over
// one id the module lacks inside the series, as the trim wheels' pictures need; a series that lacks
// its first or last picture, or two, is refused by the id it lacks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gauge_renderer.h"
#include "host_error.h"
#include "support/bench.h"
#include "tools/picturegen/bitmap_writer.h"

namespace {

using benchtest::BenchTest;
using benchtest::requiredEnvironment;

constexpr std::uint32_t kIconValue = 0xF201;

// Each picture a colour of its own: the id's low byte in red.
constexpr std::uint32_t colourOf(std::uint32_t id) { return (id & 0xFF) << 16 | 0x4040; }

class IconSeries : public BenchTest {
protected:
    IconSeries() {
        const std::filesystem::path folder = requiredEnvironment("GAUGE_FIXTURE_PATH");
        std::filesystem::create_directories(folder / "IconSeries.bitmaps");
        // Missing: 0x111 inside GapInside's series, 0x121 at the end of GapAtTheEnd's, 0x131 and 0x133 in
        // TwoGaps's, 0x140 at the start of FirstMissing's.
        for (std::uint32_t id : {0x100u, 0x110u, 0x112u, 0x113u, 0x114u, 0x115u, 0x120u, 0x122u, 0x130u, 0x132u, 0x134u,
                                 0x135u, 0x136u, 0x141u, 0x142u}) {
            const picturegen::PixelImage image{.width = 4, .height = 4, .pixels = std::vector<std::uint32_t>(16, colourOf(id))};
            const auto bytes = picturegen::encodeBmp(image, 24);
            std::ofstream(folder / "IconSeries.bitmaps" / picturegen::bitmapFileName(id), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
        host.addModuleFolder(folder);
        host.loadModule("IconSeries");
    }

    std::string refusal(const std::string& gauge) {
        try {
            host.createGauge("IconSeries", gauge);
        } catch (const gaugehost::HostError& error) {
            return error.what();
        }
        return "created";
    }
};

TEST_F(IconSeries, PassesOverOneMissingIdInsideTheSeries) {
    auto& gauge = host.createGauge("IconSeries", "GapInside");
    const auto& icon = *reinterpret_cast<const gauge::IconElement*>(gauge.elements().at(1).element);
    EXPECT_EQ(gauge.module().iconPictureIds(icon), (std::vector<std::uint32_t>{0x110, 0x112, 0x113, 0x114}));
    gaugehost::render::GaugeRenderer renderer;
    for (auto [index, id] : {std::pair{0, 0x110u}, {1, 0x112u}, {3, 0x114u}}) {
        host.variables().set(kIconValue, index);
        host.runCycles(1);
        EXPECT_EQ(renderer.draw(gauge, std::nullopt).at(1, 1), gaugehost::render::opaque(colourOf(id))) << index;
    }
    host.variables().set(kIconValue, 4);
    host.runCycles(1);
    EXPECT_EQ(renderer.draw(gauge, std::nullopt).at(1, 1), gaugehost::render::opaque(colourOf(0x100)))
        << "the picture after the series is not the icon's";
}

TEST_F(IconSeries, RefusesASeriesLackingItsFirstOrLastPictureOrTwo) {
    EXPECT_NE(refusal("GapAtTheEnd").find("GapAtTheEnd: picture 0x121 is missing"), std::string::npos);
    EXPECT_NE(refusal("TwoGaps").find("TwoGaps: picture 0x133 is missing"), std::string::npos);
    EXPECT_NE(refusal("FirstMissing").find("FirstMissing: picture 0x140 is missing"), std::string::npos);
    EXPECT_TRUE(host.instances().empty());
}

}  // namespace
