// The bench's drawings, checked by what they mean rather than pixel by pixel: where a needle's tip
// lands, which strip cell a drum shows, which way a sprite turns, where a text sits in its box, what
// transparency leaves visible of the panel, and how panel configurations are read.
#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "drawing_commands.h"
#include "fixtures/render_fixture.h"
#include "gauge_renderer.h"
#include "panel_config.h"
#include "panel_drawing.h"
#include "png_file.h"
#include "support/bench.h"
#include "tools/picturegen/bitmap_writer.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
using benchtest::requiredEnvironment;
using gaugehost::HostError;
using namespace gaugehost::render;

using namespace render_fixture;

// The colours of the fixture's pictures.
constexpr std::uint32_t kPanelGrey = 0x404040;  // the background's right half; its left half is pure black
constexpr std::uint32_t kNearBlack = 0x010101;
constexpr std::uint32_t kNeedleRed = 0xFF0000;
constexpr std::uint32_t kLampGreen = 0x00C000;
constexpr std::uint32_t kLampBlue = 0x0000C0;
constexpr std::uint32_t kCardBlue = 0x000050;
constexpr std::uint32_t kMarkMagenta = 0xFF00FF;
constexpr std::uint32_t kMaskYellow = 0xFFFF00;
constexpr std::uint32_t kSliderWhite = 0xFFFFFF;
constexpr Rgba kTransparent{0, 0, 0, 0};
constexpr Rgba kReadoutGrey{100, 100, 100, 255};  // COLORREF 0x646464

// Drum cell d of the strip, never pure black.
constexpr std::uint32_t cellColour(int digit) { return static_cast<std::uint32_t>(20 + 20 * digit) << 16 | 0x6080; }

constexpr gauge::Point kNeedlePivot{kNeedlePivotX, kNeedlePivotY};

void fill(picturegen::PixelImage& image, Box box, std::uint32_t rgb) {
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int x = box.x; x < box.x + box.width; ++x) image.pixels[static_cast<std::size_t>(y) * image.width + x] = rgb;
    }
}

picturegen::PixelImage plain(int width, int height, std::uint32_t rgb) {
    return {.width = width, .height = height, .pixels = std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, rgb)};
}

void writeFixturePictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    auto background = plain(120, 80, 0x000000);
    fill(background, {60, 0, 60, 80}, kPanelGrey);
    fill(background, {100, 70, 4, 4}, kNearBlack);
    // A bar along +x from the pivot (2, 2) to its tip 18 pixels further, on pure black.
    auto needle = plain(21, 5, 0x000000);
    fill(needle, {0, 1, 21, 3}, kNeedleRed);
    auto strip = plain(10, 100, 0);
    for (int digit = 0; digit <= 9; ++digit) fill(strip, {0, 10 * digit, 10, 10}, cellColour(digit));
    // 81 texels a side at texture scale 2: 40 pixels, larger than its 30-pixel mask. The mark lies
    // 16 texels right of the centre texel (40, 40).
    auto texture = plain(81, 81, kCardBlue);
    fill(texture, {55, 39, 3, 3}, kMarkMagenta);
    auto cardMask = plain(30, 30, kNearBlack);
    fill(cardMask, {0, 17, 30, 3}, 0x000000);  // gauge rows 67 … 69 show nothing
    fill(cardMask, {22, 0, 1, 9}, kMaskYellow);  // gauge column 37, rows 50 … 58, drawn over the card

    const std::pair<std::uint32_t, picturegen::PixelImage> pictures[] = {
        {kBackgroundPicture, background},
        {kNeedlePicture, needle},
        {kBlackPatchPicture, plain(kBlackPatch.width, kBlackPatch.height, 0x000000)},
        {kLampPictures, plain(kLampBox.width, kLampBox.height, kLampGreen)},
        {kLampPictures + 1, plain(kLampBox.width, kLampBox.height, kLampBlue)},
        {kDrumStrip, strip},
        {kDrumStrip + 1, plain(kDrumWindow.width, kDrumWindow.height, kNearBlack)},
        {kCardTexture, texture},
        {kCardTexture + 1, cardMask},
        {kSliderPicture, plain(kSliderBox.width, kSliderBox.height, kSliderWhite)},
    };
    for (const auto& [id, image] : pictures) {
        const auto bytes = picturegen::encodeBmp(image, 24);
        std::ofstream(folder / picturegen::bitmapFileName(id), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
}

std::vector<gauge::Point> pixelsWhere(const Image& image, Box box, const std::function<bool(Rgba)>& wanted) {
    std::vector<gauge::Point> found;
    for (int y = box.y; y < box.y + box.height; ++y) {
        for (int x = box.x; x < box.x + box.width; ++x) {
            if (wanted(image.at(x, y))) found.push_back({x, y});
        }
    }
    return found;
}

bool allPixels(const Image& image, Box box, Rgba colour) {
    return pixelsWhere(image, box, [&](Rgba pixel) { return !(pixel == colour); }).empty();
}

double distance(double x0, double y0, double x1, double y1) { return std::hypot(x1 - x0, y1 - y0); }

class Drawing : public BenchTest {
protected:
    Drawing() {
        const std::filesystem::path folder = requiredEnvironment("GAUGE_FIXTURE_PATH");
        writeFixturePictures(folder / "RenderFixture.bitmaps");
        host.addModuleFolder(folder);
        gauge_ = &create("RenderFixture", "Drawing");
    }

    Image show(std::uint32_t token, double value, std::optional<std::uint32_t> selection = std::nullopt) {
        host.variables().set(token, value);
        host.setActiveSelection(selection);
        host.runCycles(1);
        return renderer_.draw(*gauge_, host.activeSelection());
    }

    gaugehost::GaugeInstance* gauge_;
    GaugeRenderer renderer_;
};

TEST_F(Drawing, NeedleTipLandsOnTheTablePointOfItsValue) {
    const double diagonal = 18 / std::numbers::sqrt2;
    const std::tuple<double, double, double> cases[] = {
        {0, 30, 12}, {10, 48, 30}, {20, 30, 48}, {5, 30 + diagonal, 30 - diagonal}, {15, 30 + diagonal, 30 + diagonal}};
    for (auto [value, pointX, pointY] : cases) {
        const Image image = show(kNeedleValue, value);
        const auto red = pixelsWhere(image, {0, 0, 60, 60}, [](Rgba p) { return p.a >= 128 && p.r >= 128 && p.g < 64; });
        ASSERT_FALSE(red.empty()) << value;
        const auto tip = *std::max_element(red.begin(), red.end(), [](gauge::Point a, gauge::Point b) {
            return distance(kNeedlePivot.x, kNeedlePivot.y, a.x, a.y) < distance(kNeedlePivot.x, kNeedlePivot.y, b.x, b.y);
        });
        EXPECT_LE(distance(tip.x, tip.y, pointX, pointY), 1.5) << "value " << value << ": tip at " << tip.x << "," << tip.y;
    }
}

TEST_F(Drawing, TurnedNeedleIsResampledSmoothlyAndKeepsItsTransparency) {
    const Image image = show(kNeedleValue, 5);
    const auto partial = pixelsWhere(image, {0, 0, 60, 60}, [](Rgba p) { return p.a > 0 && p.a < 255; });
    EXPECT_GE(partial.size(), 10u) << "a diagonal needle has soft edges";
    // The needle's own pure black around its bar leaves the transparent background as it was.
    EXPECT_EQ(image.at(34, 22), kTransparent);
    EXPECT_EQ(show(kNeedleValue, 0).at(34, 20), kTransparent);
}

TEST_F(Drawing, IconOutsideItsPicturesLeavesThePixelsUnderItUnchanged) {
    const std::pair<double, std::uint32_t> cases[] = {
        {0, kLampGreen}, {1, kLampBlue}, {1.9, kLampBlue}, {-1, kPanelGrey}, {2, kPanelGrey}, {7, kPanelGrey}};
    host.variables().set(kNeedleValue, 10);
    for (auto [value, colour] : cases) {
        const Image image = show(kIconValue, value);
        EXPECT_TRUE(allPixels(image, kLampBox, opaque(colour))) << "icon value " << value;
        EXPECT_EQ(image.at(47, 30), opaque(kNeedleRed)) << "the needle still draws at icon value " << value;
    }
}

TEST_F(Drawing, DrumShowsTheCellOfItsDigitAndTheLastCellAtNine) {
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_TRUE(allPixels(show(kDrumValue, digit), kDrumWindow, opaque(cellColour(digit)))) << "digit " << digit;
    }
}

TEST_F(Drawing, HiddenDrumDrawsNothingAndReappearsWhenShown) {
    EXPECT_TRUE(allPixels(show(kDrumValue, 3), kDrumWindow, opaque(cellColour(3))));
    EXPECT_TRUE(allPixels(show(kDrumValue, -1), kDrumWindow, opaque(kPanelGrey))) << "hidden: the background shows";
    EXPECT_TRUE(allPixels(show(kDrumValue, 3), kDrumWindow, opaque(cellColour(3))));
}

TEST_F(Drawing, SpriteTurnsCounterclockwiseAboutItsCentreAtItsScale) {
    // The mark lies 16 texels right of the centre, 8 pixels at texture scale 2.
    const std::tuple<double, int, int> cases[] = {
        {0, 38, 65}, {90, 30, 57}, {180, 22, 65}, {270, 30, 73}, {-90, 30, 73}, {450, 30, 57}};
    for (auto [degrees, x, y] : cases) {
        const Image image = show(kRotation, degrees);
        const auto marked = pixelsWhere(image, kCardMask, [](Rgba p) { return p.r > 200 && p.b > 200 && p.g < 60; });
        ASSERT_FALSE(marked.empty()) << degrees;
        for (auto point : marked) {
            EXPECT_LE(distance(point.x, point.y, x, y), 1.5) << degrees << " degrees: mark at " << point.x << "," << point.y;
        }
        EXPECT_EQ(image.at(x, y), opaque(kMarkMagenta)) << degrees << " degrees";
    }
}

TEST_F(Drawing, SpriteMaskShowsClipsAndPaintsOverTheTexture) {
    const Image image = show(kRotation, 0);
    EXPECT_EQ(image.at(16, 51), opaque(kCardBlue)) << "(1, 1, 1) shows the texture";
    EXPECT_EQ(image.at(30, 68), kTransparent) << "pure black shows neither texture nor mask";
    EXPECT_EQ(image.at(37, 55), opaque(kMaskYellow)) << "any other colour is drawn over the texture";
    EXPECT_EQ(image.at(12, 65), kTransparent) << "the texture reaches beyond its mask, which clips it";
    EXPECT_EQ(image.at(30, 47), kTransparent);
}

struct Ink {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    int runs = 0;  // separate groups of columns with ink
};

Ink inkIn(const Image& image, Box box, Rgba background) {
    Ink ink;
    bool previousColumnInked = false;
    for (int x = box.x; x < box.x + box.width; ++x) {
        bool inked = false;
        for (int y = box.y; y < box.y + box.height; ++y) {
            if (image.at(x, y) == background) continue;
            inked = true;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
        }
        if (inked && !previousColumnInked) ++ink.runs;
        previousColumnInked = inked;
    }
    return ink;
}

TEST_F(Drawing, TextIsCentredInItsBoxAndShowsEveryCharacter) {
    const std::pair<double, int> cases[] = {{888, 3}, {88, 2}, {8, 1}};
    for (auto [value, characters] : cases) {
        const Image image = show(kTextValue, value);
        const Ink ink = inkIn(image, kReadoutBox, kReadoutGrey);
        ASSERT_EQ(ink.runs, characters) << value;
        EXPECT_NEAR((ink.left + ink.right) / 2.0, kReadoutBox.x + (kReadoutBox.width - 1) / 2.0, 1.0) << value;
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, kReadoutBox.y + (kReadoutBox.height - 1) / 2.0, 1.0) << value;
        EXPECT_GE(ink.bottom - ink.top + 1, kReadoutBox.height / 2) << "the digits fill most of the box's height";
        EXPECT_FALSE(pixelsWhere(image, kReadoutBox, [](Rgba p) { return p == Rgba{0xD0, 0x60, 0x00, 255}; }).empty())
            << "text colour 0x0060D0 is red 0xD0, green 0x60";
        EXPECT_EQ(image.at(kReadoutBox.x, kReadoutBox.y), kReadoutGrey);
        EXPECT_EQ(image.at(kReadoutBox.x + kReadoutBox.width - 1, kReadoutBox.y + kReadoutBox.height - 1), kReadoutGrey);
    }
}

TEST_F(Drawing, HighlightRangeTakesTheHighlightColourOnlyWhileItsSelectionIsActive) {
    const auto white = [](Rgba p) { return p.r > 200 && p.g > 200 && p.b > 200; };
    EXPECT_TRUE(pixelsWhere(show(kTextValue, 888), kReadoutBox, white).empty()) << "no selection";
    EXPECT_TRUE(pixelsWhere(show(kTextValue, 888, 0x6), kReadoutBox, white).empty()) << "another selection";

    const Image selected = show(kTextValue, 888, kMiddleDigitSelection);
    const Ink ink = inkIn(selected, kReadoutBox, kReadoutGrey);
    const auto highlighted = pixelsWhere(selected, kReadoutBox, white);
    ASSERT_FALSE(highlighted.empty());
    const double third = (ink.right - ink.left + 1) / 3.0;
    for (auto point : highlighted) {
        EXPECT_GT(point.x, ink.left + third - 1) << "only the middle character is highlighted";
        EXPECT_LT(point.x, ink.right - third + 1);
    }
    const auto orange = [](Rgba p) { return p.r > 150 && p.g < 120 && p.b < 40; };
    EXPECT_FALSE(pixelsWhere(selected, {ink.left, kReadoutBox.y, static_cast<int>(third), kReadoutBox.height}, orange).empty());
}

TEST_F(Drawing, SliderPictureMovesByItsValuesTimesItsScales) {
    EXPECT_TRUE(allPixels(show(kSliderValue, 0), kSliderBox, opaque(kSliderWhite)));
    const Image moved = show(kSliderValue, 1);
    EXPECT_TRUE(allPixels(moved, {114, 63, 4, 4}, opaque(kSliderWhite))) << "2 pixels right, 3 up";
    EXPECT_EQ(moved.at(112, 68), opaque(kPanelGrey));
}

TEST_F(Drawing, BlackIsTransparentOnlyUnderImageFlagBitZero) {
    const Image image = show(kNeedleValue, 10);
    EXPECT_EQ(image.at(10, 20), kTransparent) << "the background's pure black, flag 0x1";
    EXPECT_EQ(image.at(101, 71), opaque(kNearBlack)) << "(1, 1, 1) stays opaque";
    EXPECT_TRUE(allPixels(image, kBlackPatch, opaque(0x000000))) << "pure black under flags 0x2 is drawn";
}

TEST_F(Drawing, PngKeepsEveryPixelAndItsTransparency) {
    const Image image = show(kRotation, 30);
    const auto file = std::filesystem::path(testing::TempDir()) / "render_test_drawing.png";
    writePng(image, file);
    const Image read = readPng(file);
    EXPECT_EQ(read.width(), image.width());
    EXPECT_EQ(read.height(), image.height());
    EXPECT_TRUE(read.pixels() == image.pixels());
    EXPECT_THROW(writePng(image, "/nonexistent-folder/drawing.png"), HostError);
}

// ---------------------------------------------------------------------------------------------
// Panel windows

constexpr Rgba kPanelBlue{0, 128, 255, 255};

class PanelWindowDrawing : public Drawing {
protected:
    Image drawOnly(const std::string& gaugeLine) {
        const PanelConfig config = parsePanelConfig(
            "[Window00]\nident=TEST\nsize_mm=140,100\nbackground_color=0,128,255\n" + gaugeLine + "\n", "test.cfg");
        placed_ = createWindowGauges(host, config.windows.at(0), "test.cfg");
        host.runCycles(1);
        return drawWindow(config.windows.at(0), placed_, renderer_, std::nullopt);
    }
    std::vector<PlacedGauge> placed_;
};

TEST_F(PanelWindowDrawing, TransparencyKeepsThePanelBehind) {
    const Image window = drawOnly("gauge00=RenderFixture!Drawing, 10, 10");
    EXPECT_EQ(window.width(), 140);
    EXPECT_EQ(window.height(), 100);
    EXPECT_EQ(window.at(10 + 10, 10 + 20), kPanelBlue) << "the gauge's pure black under flag 0x1";
    EXPECT_EQ(window.at(10 + 101, 10 + 71), opaque(kNearBlack));
    EXPECT_EQ(window.at(10 + 3, 10 + 61), opaque(0x000000)) << "pure black drawn without flag 0x1";
    EXPECT_EQ(window.at(10 + 90, 10 + 30), opaque(kPanelGrey));
    EXPECT_EQ(window.at(135, 95), kPanelBlue) << "beyond the gauge";
    EXPECT_EQ(window.at(5, 5), kPanelBlue);
}

TEST_F(PanelWindowDrawing, WidthAloneKeepsTheAspect) {
    const Image halved = drawOnly("gauge00=RenderFixture!Drawing, 0, 0, 60");
    ASSERT_EQ(placed_.size(), 1u);
    EXPECT_EQ(placed_[0].width, 60);
    EXPECT_EQ(placed_[0].height, 40);
    EXPECT_EQ(halved.at(45, 30), opaque(kPanelGrey)) << "the grey right half, at half size";
    EXPECT_EQ(halved.at(5, 15), kPanelBlue) << "the transparent left half";
    EXPECT_EQ(halved.at(45, 50), kPanelBlue) << "below the halved gauge";
}

TEST_F(PanelWindowDrawing, WidthAndHeightStretchTheGauge) {
    const Image stretched = drawOnly("gauge00=RenderFixture!Drawing, 0, 0, 60, 100");
    EXPECT_EQ(placed_[0].height, 100);
    EXPECT_EQ(stretched.at(45, 90), opaque(kPanelGrey)) << "gauge row 72 of 80, stretched down";
    EXPECT_EQ(stretched.at(65, 50), kPanelBlue) << "right of the narrowed gauge";
}

TEST_F(PanelWindowDrawing, GaugeThatCannotBeCreatedNamesItsLine) {
    try {
        drawOnly("gauge00=NoSuchModule!Drawing, 0, 0");
        FAIL() << "an unknown module was drawn";
    } catch (const HostError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("test.cfg:5: gauge00: ")) << error.what();
    }
}

// ---------------------------------------------------------------------------------------------
// Panel configurations

constexpr const char* kSamplePanel =
    "// a comment line\r\n"
    "[Window Titles]\r\n"
    "Window00=Main Panel\r\n"
    "\r\n"
    "[Window00]\r\n"
    "file=panel.bmp\r\n"
    "size_mm=1024,768\r\n"
    "position=7\r\n"
    "ident=MAIN_PANEL\r\n"
    "background_color=10,20,30\r\n"
    "gauge00=VeskarZ3V3!Avionics, 500, 600   // a trailing comment\r\n"
    "gauge01=VeskarZ3V5!GearPos, 10, 20, 222\r\n"
    "Gauge02 = VeskarZ3V5!GearPosVC , -5 , 7 , 100 , 50\r\n"
    "\r\n"
    "[Window01]\r\n"
    "size_mm=300,200\r\n"
    "; another comment\r\n"
    "[Vcockpit01]\r\n"
    "size_mm=512,512\r\n"
    "texture=$VC01\r\n"
    "gauge00=VeskarZ3V5!GearPosVC, 0, 0, 256, 256\r\n";

TEST(PanelConfig, ReadsWindowsGaugesAndKeepsTheRest) {
    const PanelConfig config = parsePanelConfig(kSamplePanel, "panel.cfg");
    ASSERT_EQ(config.windows.size(), 3u);
    const PanelWindow& main = config.windows[0];
    EXPECT_EQ(main.section, "Window00");
    EXPECT_EQ(main.ident, "MAIN_PANEL");
    EXPECT_EQ(main.width, 1024);
    EXPECT_EQ(main.height, 768);
    EXPECT_EQ(main.position, 7);
    EXPECT_EQ(main.backgroundColour, (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(main.line, 5);
    EXPECT_EQ(main.otherKeys, (KeyValues{{"file", "panel.bmp"}}));
    ASSERT_EQ(main.gauges.size(), 3u);
    const GaugePlacement& avionics = main.gauges[0];
    EXPECT_EQ(avionics.module, "VeskarZ3V3");
    EXPECT_EQ(avionics.gauge, "Avionics");
    EXPECT_EQ(avionics.x, 500);
    EXPECT_EQ(avionics.y, 600);
    EXPECT_FALSE(avionics.width.has_value());
    EXPECT_FALSE(avionics.height.has_value());
    EXPECT_EQ(avionics.line, 11);
    EXPECT_EQ(main.gauges[1].width, 222);
    EXPECT_FALSE(main.gauges[1].height.has_value());
    EXPECT_EQ(main.gauges[2].key, "Gauge02");
    EXPECT_EQ(main.gauges[2].gauge, "GearPosVC");
    EXPECT_EQ(main.gauges[2].x, -5);
    EXPECT_EQ(main.gauges[2].height, 50);

    EXPECT_EQ(config.windows[1].ident, "Window01") << "a window without an ident goes by its section";
    EXPECT_FALSE(config.windows[1].backgroundColour.has_value());
    EXPECT_EQ(config.windows[2].otherKeys, (KeyValues{{"texture", "$VC01"}}));
    ASSERT_EQ(config.otherSections.size(), 1u);
    EXPECT_EQ(config.otherSections[0].name, "Window Titles");

    EXPECT_EQ(config.findWindow("main_panel"), &config.windows[0]);
    EXPECT_EQ(config.findWindow("WINDOW01"), &config.windows[1]);
    EXPECT_EQ(config.findWindow("vcockpit01"), &config.windows[2]);
    EXPECT_EQ(config.findWindow("1011"), nullptr);
}

struct MalformedCase {
    const char* line;
    const char* complaint;
};

class MalformedPanelLine : public testing::TestWithParam<MalformedCase> {};

// The bad line always stands on line 4, after a good window header.
TEST_P(MalformedPanelLine, IsAnErrorNamingFileAndLine) {
    const std::string text = std::string("[Window00]\nident=1011\nsize_mm=444,452\n") + GetParam().line + "\n";
    try {
        parsePanelConfig(text, "modules/panel.cfg");
        FAIL() << GetParam().line << " was accepted";
    } catch (const HostError& error) {
        const std::string message = error.what();
        EXPECT_TRUE(message.starts_with("modules/panel.cfg:4: ")) << message;
        EXPECT_NE(message.find(GetParam().complaint), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedPanelLine,
    testing::Values(MalformedCase{"gauge00=VeskarZ3V5GearPos, 1, 2", "is not Module!Gauge"},
                    MalformedCase{"gauge00=!GearPos, 1, 2", "is not Module!Gauge"},
                    MalformedCase{"gauge00=A!B!C, 1, 2", "is not Module!Gauge"},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, 1", "expected Module!Gauge, x, y"},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 3, 4, 5", "expected Module!Gauge, x, y"},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, one, 2", "x \"one\""},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, 1, 2.5", "y \"2.5\""},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 0", "width \"0\""},
                    MalformedCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 10, 99999", "height \"99999\""},
                    MalformedCase{"size_mm=444,452", "given twice"},
                    MalformedCase{"ident=40", "given twice"},
                    MalformedCase{"background_color=1,2", "red,green,blue"},
                    MalformedCase{"background_color=1,2,300", "red,green,blue"},
                    MalformedCase{"position=9", "screen position"},
                    MalformedCase{"just some words", "expected a [section] or key=value"},
                    MalformedCase{"=5", "without a key"},
                    MalformedCase{"[Window01", "not closed"},
                    MalformedCase{"[]", "without a name"},
                    MalformedCase{"[window00]", "appears twice"}));

TEST(PanelConfig, SizeAndPlacementErrorsNameTheirLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"ident=MAIN_PANEL\nsize_mm=0,10\n", "panel.cfg:3: size_mm"},
        {"ident=MAIN_PANEL\n\n", "panel.cfg:1: [Window00] has no size_mm"},
        {"size_mm=10,10\ngauge07=A!B, 1, 2\ngauge07=A!B, 3, 4\n", "panel.cfg:4: gauge07 is given twice in [Window00] (first on line 3)"},
    };
    for (auto [body, message] : cases) {
        try {
            parsePanelConfig(std::string("[Window00]\n") + body, "panel.cfg");
            ADD_FAILURE() << body << " was accepted";
        } catch (const HostError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(message)) << error.what();
        }
    }
    EXPECT_THROW(parsePanelConfig("size_mm=1,1\n", "panel.cfg"), HostError) << "a key before any section";
}

TEST(PanelConfig, FileWithAMalformedLineNamesTheFile) {
    const auto file = std::filesystem::path(testing::TempDir()) / "render_test_panel.cfg";
    std::ofstream(file) << "[Window00]\nsize_mm=10,10\ngauge00=broken\n";
    try {
        readPanelConfig(file);
        FAIL() << "the malformed file was read";
    } catch (const HostError& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with(file.string() + ":3: gauge00: ")) << error.what();
    }
    EXPECT_THROW(readPanelConfig(std::filesystem::path(testing::TempDir()) / "no-such-panel.cfg"), HostError);
}

TEST(PanelConfig, ShippedSampleNamesEveryWindowOnce) {
    const PanelConfig config = readPanelConfig(std::filesystem::path(GAUGE_SOURCE_DIR) / "modules" / "panel.cfg");
    for (const char* ident : {"MAIN_PANEL", "25", "1011", "40", "50"}) EXPECT_NE(config.findWindow(ident), nullptr) << ident;
}

// ---------------------------------------------------------------------------------------------
// Host variable settings of the drawing commands

TEST(HostSetting, ByTokenOrNameInTheVariablesOwnForm) {
    gaugehost::VariableStore variables;
    applySetting(variables, "GEAR_EXTENSION=8000");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), 8000);
    applySetting(variables, "gear_extension=12.5");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), 12.5);
    applySetting(variables, "0x14D=-3");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), -3);
    applySetting(variables, "0x26=0x7700");
    EXPECT_EQ(variables.value(gauge::var::TRANSPONDER_CODE), 0x7700) << "a BCD code as its bits";
    applySetting(variables, "FUEL_TANK_SELECTOR_POSITION=3.9");
    EXPECT_EQ(variables.value(gauge::var::FUEL_TANK_SELECTOR_POSITION), 3) << "an integer form truncates";
    applySetting(variables, "0xF101=0x10");
    EXPECT_EQ(variables.value(kNeedleValue), 16) << "a token outside the table holds a real";
}

TEST(HostSetting, MalformedSettingsAreRefusedByName) {
    gaugehost::VariableStore variables;
    for (const char* setting : {"NO_SUCH_VARIABLE=1", "0x14D", "0x14D=abc", "GEAR_EXTENSION=", "=5", "0x0=1", "0x14D=nan",
                                "0x14D=1e999", "0xZZ=1"}) {
        try {
            applySetting(variables, setting);
            ADD_FAILURE() << setting << " was accepted";
        } catch (const HostError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(std::string("--set ") + setting + ": ")) << error.what();
        }
    }
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), 16383) << "nothing was set";
}

// ---------------------------------------------------------------------------------------------
// The drawing commands, run as gaugehost runs them

class DrawingCommand : public testing::Test {
protected:
    DrawingCommand() : fixtures_(requiredEnvironment("GAUGE_FIXTURE_PATH")), output_(testing::TempDir()) {
        writeFixturePictures(fixtures_ / "RenderFixture.bitmaps");
    }

    void run(std::vector<std::string> arguments) {
        CLI::App app;
        DrawingCommands commands(app);
        arguments.insert(arguments.begin(), "gaugehost");
        std::vector<const char*> argv;
        for (const auto& argument : arguments) argv.push_back(argument.c_str());
        app.parse(static_cast<int>(argv.size()), argv.data());
        const auto result = commands.run({fixtures_}, [] { return std::vector<std::string>{"RenderFixture"}; });
        ASSERT_EQ(result, 0);
    }

    std::filesystem::path twoWindows() const {
        const auto config = output_ / "render_test_windows.cfg";
        std::ofstream(config) << "[Window00]\nident=1011\nsize_mm=130,90\ngauge00=RenderFixture!Drawing, 5, 5\n"
                                 "[Window01]\nsize_mm=60,40\ngauge00=RenderFixture!Drawing, 0, 0, 60\n";
        return config;
    }

    std::filesystem::path fixtures_, output_;
};

TEST_F(DrawingCommand, RenderDrawsTheGaugeAfterItsSettingsAndCycles) {
    const auto file = output_ / "render_test_command.png";
    run({"render", "RenderFixture!Drawing", "--set", "0xF102=9", "--set", "0xF106=1", "--cycles", "2", "-o", file.string()});
    const Image image = readPng(file);
    EXPECT_EQ(image.width(), 120);
    EXPECT_EQ(image.height(), 80);
    EXPECT_TRUE(allPixels(image, kDrumWindow, opaque(cellColour(9))));
    EXPECT_TRUE(allPixels(image, kLampBox, opaque(kLampBlue)));
}

TEST_F(DrawingCommand, RenderWithoutCyclesShowsNoCallbackResults) {
    const auto file = output_ / "render_test_no_cycles.png";
    run({"render", "RenderFixture!Drawing", "--set", "0xF105=888", "--cycles", "0", "-o", file.string()});
    const Image image = readPng(file);
    EXPECT_TRUE(allPixels(image, kReadoutBox, kReadoutGrey)) << "no cycle has written the text yet";
    EXPECT_TRUE(allPixels(image, kLampBox, opaque(kPanelGrey))) << "no cycle has chosen a picture yet";
}

TEST_F(DrawingCommand, PanelWritesEveryWindowUnderItsIdent) {
    const auto folder = output_ / "render_test_windows";
    std::filesystem::remove_all(folder);
    run({"panel", twoWindows().string(), "--set", "0xF102=4", "--out-dir", folder.string()});
    const Image gearPanel = readPng(folder / "panel-1011.png");
    EXPECT_EQ(gearPanel.width(), 130);
    EXPECT_EQ(gearPanel.height(), 90);
    EXPECT_TRUE(allPixels(gearPanel, {5 + kDrumWindow.x, 5 + kDrumWindow.y, 10, 10}, opaque(cellColour(4))));
    EXPECT_EQ(readPng(folder / "panel-Window01.png").width(), 60) << "a window without an ident goes by its section";
}

TEST_F(DrawingCommand, PanelDrawsTheChosenWindowOrNamesTheWindowsItHas) {
    const auto file = output_ / "render_test_window.png";
    run({"panel", twoWindows().string(), "--window", "window01", "-o", file.string()});
    EXPECT_EQ(readPng(file).height(), 40);
    try {
        run({"panel", twoWindows().string(), "--window", "77", "-o", file.string()});
        FAIL() << "an unknown window was drawn";
    } catch (const HostError& error) {
        EXPECT_NE(std::string(error.what()).find("has no window 77 (its windows: 1011 Window01)"), std::string::npos) << error.what();
    }
}

TEST_F(DrawingCommand, SheetShowsEveryGaugeOfTheModules) {
    const auto file = output_ / "render_test_sheet.png";
    run({"sheet", "--set", "0xF106=0", "-o", file.string()});
    const Image sheet = readPng(file);
    EXPECT_GT(sheet.width(), 120);
    EXPECT_GT(sheet.height(), 80);
    EXPECT_EQ(pixelsWhere(sheet, {0, 0, sheet.width(), sheet.height()}, [](Rgba p) { return p == opaque(kLampGreen); }).size(),
              100u)
        << "the fixture's one gauge at its own size, its lamp showing picture 0";
}

}  // namespace
