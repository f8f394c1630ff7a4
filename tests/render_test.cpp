// The bench's drawings, checked by what they mean rather than pixel by pixel: where a needle's tip
// lands, which strip cell a drum shows, which way a sprite turns, where a text sits in its box, what
// transparency leaves visible of the panel, and how panel configurations are read.
#include <CLI/CLI.hpp>
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <optional>
#include <set>

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
constexpr Rgba kMissingGaugeOrange{255, 140, 0, 255};
constexpr Rgba kGaugeBoxCyan{0, 220, 255, 255};
constexpr Rgba kChildAreaYellow{255, 230, 0, 255};
constexpr std::uint32_t kBackgroundRed = 0xC02020;

void writeBmp(const std::filesystem::path& file, const picturegen::PixelImage& image) {
    const auto bytes = picturegen::encodeBmp(image, 24);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own for each test's configuration and bitmaps.
std::filesystem::path freshFolder(const std::string& name) {
    const auto folder = std::filesystem::path(testing::TempDir()) / ("render_test_" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

bool containsText(const std::vector<std::string>& texts, const std::string& part) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& text) { return text.find(part) != std::string::npos; });
}

class PanelWindowDrawing : public Drawing {
protected:
    // The configuration's first window laid out with the fixture modules (and the shipped ones).
    WindowLayout layOut(const std::string& text, const std::string& fileName = "test.cfg",
                        std::optional<gaugehost::ModuleFolders> folders = std::nullopt) {
        config_ = parsePanelConfig(text, fileName);
        layout_.emplace(host, folders.value_or(gaugehost::ModuleFolders{requiredEnvironment("GAUGE_FIXTURE_PATH"),
                                                                        requiredEnvironment("GAUGE_MODULE_PATH")}),
                        config_);
        window_ = layout_->layOut(config_.windows.at(0));
        return window_;
    }

    Image drawOnly(const std::string& gaugeLines, bool overlay = false) {
        layOut("[Window00]\nident=TEST\nsize_mm=140,100\nbackground_color=0,128,255\n" + gaugeLines + "\n");
        host.runCycles(1);
        return drawWindow(window_, renderer_, std::nullopt, overlay);
    }

    const std::vector<PlacedGauge>& placed() const { return window_.gauges; }

    PanelConfig config_;
    std::optional<PanelLayout> layout_;
    WindowLayout window_;
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
    ASSERT_EQ(placed().size(), 1u);
    EXPECT_EQ(placed()[0].width, 60);
    EXPECT_EQ(placed()[0].height, 40);
    EXPECT_EQ(halved.at(45, 30), opaque(kPanelGrey)) << "the grey right half, at half size";
    EXPECT_EQ(halved.at(5, 15), kPanelBlue) << "the transparent left half";
    EXPECT_EQ(halved.at(45, 50), kPanelBlue) << "below the halved gauge";
}

TEST_F(PanelWindowDrawing, WidthAndHeightStretchTheGauge) {
    const Image stretched = drawOnly("gauge00=RenderFixture!Drawing, 0, 0, 60, 100");
    EXPECT_EQ(placed()[0].height, 100);
    EXPECT_EQ(stretched.at(45, 90), opaque(kPanelGrey)) << "gauge row 72 of 80, stretched down";
    EXPECT_EQ(stretched.at(65, 50), kPanelBlue) << "right of the narrowed gauge";
}

TEST_F(PanelWindowDrawing, GaugeWithoutWidthTakesItsDefaultWidthInTheWindowsUnits) {
    // GearPos: 250 mm by default, its background 444x452.
    layOut("[Window00]\nsize_mm=600,600\ngauge00=VeskarZ3V5!GearPos, 7, 9\n");
    ASSERT_EQ(placed().size(), 1u);
    EXPECT_EQ(placed()[0].width, 250);
    EXPECT_EQ(placed()[0].height, 255);
    EXPECT_EQ(placed()[0].x, 7);
}

TEST_F(PanelWindowDrawing, GaugesTheBenchLacksAreLabelledOutlinesListedOnce) {
    const Image window = drawOnly("gauge00=fs9gps!gps_500, 10, 10\n"
                                  "gauge01=renderfixture!DRAWING, 0, 0, 20\n"
                                  "gauge02=FS9GPS!gps_500, 30, 30, 40, 20\n"
                                  "gauge03=RenderFixture!Drawn, 0, 60, 10");
    ASSERT_EQ(placed().size(), 4u);
    EXPECT_EQ(placed()[0].gauge, nullptr);
    EXPECT_EQ(placed()[0].width, 100) << "no width given: a stand-in square";
    EXPECT_EQ(window.at(10, 80), kMissingGaugeOrange) << "the outline's left edge";
    EXPECT_EQ(window.at(60, 60), kPanelBlue) << "inside the outline nothing is drawn";
    ASSERT_NE(placed()[1].gauge, nullptr) << "module and gauge names in any case";
    EXPECT_EQ(placed()[1].name, "RenderFixture!Drawing");
    EXPECT_EQ(placed()[2].height, 20);
    EXPECT_EQ(placed()[3].gauge, nullptr);

    const auto warnings = layout_->warnings();
    ASSERT_EQ(warnings.size(), 2u) << testing::PrintToString(warnings);
    EXPECT_EQ(warnings[0], "test.cfg:8: gauge03: module RenderFixture has no gauge Drawn; did you mean Drawing?; drawn as a labelled outline");
    EXPECT_TRUE(warnings[1].starts_with("test.cfg:5: module fs9gps is not among the bench's modules")) << warnings[1];
    EXPECT_NE(warnings[1].find("(lines 5, 7)"), std::string::npos) << warnings[1];
}

TEST_F(PanelWindowDrawing, BackgroundBitmapBesideTheConfigurationIsDrawnAndSizesTheWindow) {
    const auto folder = freshFolder("background");
    auto bitmap = plain(40, 30, kBackgroundRed);
    fill(bitmap, {20, 0, 20, 30}, 0x000000);
    writeBmp(folder / "Panel_Background.BMP", bitmap);
    const std::string file = (folder / "panel.cfg").string();

    // No size_mm: the bitmap's size; a name in another case and a missing finer picture.
    layOut("[Window00]\nfile=panel_background.bmp\nfile_1024=panel_1024.bmp\nbackground_color=0,128,255\n", file);
    EXPECT_EQ(window_.width, 40);
    EXPECT_EQ(window_.height, 30);
    const Image drawn = drawWindow(window_, renderer_, std::nullopt);
    EXPECT_EQ(drawn.at(5, 5), opaque(kBackgroundRed));
    EXPECT_EQ(drawn.at(35, 5), kPanelBlue) << "the bitmap's pure black shows the window's colour";
    const auto warnings = layout_->warnings();
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], file + ":1: [Window00]: background panel_1024.bmp is not beside the configuration");

    // The width alone: the height follows the bitmap, which is stretched over the window.
    layOut("[Window00]\nsize_mm=80\nfile=PANEL_BACKGROUND.bmp\n", file);
    EXPECT_EQ(window_.width, 80);
    EXPECT_EQ(window_.height, 60);
    EXPECT_EQ(drawWindow(window_, renderer_, std::nullopt).at(30, 50), opaque(kBackgroundRed));
}

TEST_F(PanelWindowDrawing, WindowWithoutSizeOrBackgroundReachesAsFarAsItsGauges) {
    layOut("[Window00]\ngauge00=RenderFixture!Drawing, 10, 20\n");
    EXPECT_EQ(window_.width, 130);
    EXPECT_EQ(window_.height, 100);
    EXPECT_TRUE(containsText(layout_->warnings(), "test.cfg:1: [Window00]: no size_mm and no background bitmap")) << testing::PrintToString(layout_->warnings());
}

// On a host of its own, which has loaded no module yet.
TEST(PanelLayoutModules, ModulesBesideTheConfigurationAreFound) {
    const auto folder = freshFolder("aircraft");
    const std::filesystem::path fixtures = requiredEnvironment("GAUGE_FIXTURE_PATH");
    writeFixturePictures(fixtures / "RenderFixture.bitmaps");
    const std::string module = std::string("RenderFixture") + gaugehost::ModuleLibrary::kFileExtension;
    std::filesystem::copy_file(fixtures / module, folder / module);
    std::filesystem::copy(fixtures / "RenderFixture.bitmaps", folder / "RenderFixture.bitmaps");
    const PanelConfig config = parsePanelConfig("[Window00]\nsize_mm=200,200\ngauge00=RenderFixture!Drawing, 0, 0\n",
                                                (folder / "panel.cfg").string());
    gaugehost::PanelHost host;
    PanelLayout layout(host, {}, config);
    const WindowLayout window = layout.layOut(config.windows[0]);
    ASSERT_NE(window.gauges.at(0).gauge, nullptr);
    EXPECT_EQ(std::filesystem::canonical(window.gauges[0].gauge->module().file()), std::filesystem::canonical(folder / module));
}

TEST_F(PanelWindowDrawing, WindowsAndGaugesLargerThanTheBenchDrawsAreRefusedUpFront) {
    struct Case {
        const char* lines;
        const char* message;
        bool refusedBeforeItsGauges;
    };
    const Case cases[] = {
        {"size_mm=20000,100\ngauge00=RenderFixture!Drawing, 0, 0", "test.cfg:1: [Window00]: 20000x100 pixels is larger than the bench draws", true},
        {"size_mm=8000,8000\ngauge00=RenderFixture!Drawing, 0, 0", "test.cfg:1: [Window00]: 8000x8000 pixels", true},
        {"size_mm=100,100\ngauge00=RenderFixture!Drawing, 0, 0, 9000", "test.cfg:3: gauge00: RenderFixture!Drawing: 9000x", true},
        {"size_mm=100,100\ngauge00=Elsewhere!Clock, 0, 0, 100, 2000000000", "test.cfg:3: gauge00: Elsewhere!Clock: 100x2000000000", true},
        {"gauge00=RenderFixture!Drawing, 2000000000, 2000000000", "test.cfg:1: [Window00]: ", false},
    };
    for (const auto& [lines, message, refusedBeforeItsGauges] : cases) {
        const std::size_t gaugesBefore = host.instances().size();
        try {
            layOut(std::string("[Window00]\n") + lines + "\n");
            ADD_FAILURE() << lines << " was laid out";
        } catch (const HostError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(message)) << error.what();
        }
        if (refusedBeforeItsGauges) {
            EXPECT_EQ(host.instances().size(), gaugesBefore) << lines;
        }
    }
}

TEST_F(PanelWindowDrawing, OverlayMarksGaugeBoxesAndMouseAreas) {
    // GearPos at its background size: its UP area (337, 50, 60, 100) shows an up-arrow cursor.
    layOut("[Window00]\nsize_mm=500,500\ngauge00=VeskarZ3V5!GearPos, 0, 0, 444\n");
    host.runCycles(1);
    const Image plainWindow = drawWindow(window_, renderer_, std::nullopt);
    const Image overlaid = drawWindow(window_, renderer_, std::nullopt, true);
    EXPECT_EQ(overlaid.at(443, 300), kGaugeBoxCyan) << "the gauge box's right edge";
    EXPECT_EQ(overlaid.at(337, 120), kChildAreaYellow) << "the UP area's left edge";
    EXPECT_EQ(overlaid.at(396, 120), kChildAreaYellow) << "the UP area's right edge";
    EXPECT_NE(plainWindow.at(337, 120), kChildAreaYellow);
    EXPECT_NE(plainWindow.at(443, 300), kGaugeBoxCyan);
    const auto labelled = pixelsWhere(overlaid, {338, 51, 58, 14}, [](Rgba pixel) { return pixel == kChildAreaYellow; });
    EXPECT_GT(labelled.size(), 10u) << "the cursor's name written inside the area";
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
    "gauge03=fs9gps!gps_500, 1, 2, , , GPS_PANEL\r\n"
    "window_size_ratio=1.000\r\n"
    "\r\n"
    "[Window01]\r\n"
    "size_mm=300\r\n"
    "file_1024=radios_1024.bmp\r\n"
    "file=radios.bmp\r\n"
    "; another comment\r\n"
    "[Vcockpit01]\r\n"
    "size_mm=512,512\r\n"
    "texture=$VC01\r\n"
    "gauge00=VeskarZ3V5!GearPosVC, 0, 0, 256, 256\r\n";

TEST(PanelConfig, ReadsWindowsGaugesAndKeepsTheRest) {
    const PanelConfig config = parsePanelConfig(kSamplePanel, "panel.cfg");
    EXPECT_TRUE(config.warnings.empty()) << testing::PrintToString(config.warnings);
    ASSERT_EQ(config.windows.size(), 3u);
    const PanelWindow& main = config.windows[0];
    EXPECT_EQ(main.section, "Window00");
    EXPECT_EQ(main.ident, "MAIN_PANEL");
    EXPECT_EQ(main.title, "Main Panel");
    EXPECT_EQ(main.width, 1024);
    EXPECT_EQ(main.height, 768);
    EXPECT_EQ(main.position, 7);
    EXPECT_EQ(main.backgroundColour, (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(main.line, 5);
    EXPECT_EQ(main.backgrounds(), std::vector<std::string>{"panel.bmp"});
    EXPECT_EQ(main.otherKeys, (KeyValues{{"window_size_ratio", "1.000"}}));
    ASSERT_EQ(main.gauges.size(), 4u);
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
    EXPECT_EQ(main.gauges[3].parameter, "GPS_PANEL") << "the sixth field, after empty sizes";
    EXPECT_FALSE(main.gauges[3].width.has_value());

    const PanelWindow& radios = config.windows[1];
    EXPECT_EQ(radios.ident, "Window01") << "a window without an ident goes by its section";
    EXPECT_EQ(radios.width, 300);
    EXPECT_FALSE(radios.height.has_value()) << "size_mm with the width only";
    EXPECT_EQ(radios.backgrounds(), (std::vector<std::string>{"radios_1024.bmp", "radios.bmp"})) << "the finer bitmap first";
    EXPECT_FALSE(radios.backgroundColour.has_value());
    EXPECT_EQ(config.windows[2].otherKeys, (KeyValues{{"texture", "$VC01"}}));
    ASSERT_EQ(config.otherSections.size(), 1u);
    EXPECT_EQ(config.otherSections[0].name, "Window Titles");

    EXPECT_EQ(config.findWindow("main_panel"), &config.windows[0]);
    EXPECT_EQ(config.findWindow("WINDOW01"), &config.windows[1]);
    EXPECT_EQ(config.findWindow("vcockpit01"), &config.windows[2]);
    EXPECT_EQ(config.findWindow("1011"), nullptr);
}

struct PassedOverCase {
    const char* line;
    const char* warning;
};

class PassedOverPanelLine : public testing::TestWithParam<PassedOverCase> {};

// The line always stands on line 4, after a good window header; it is passed over (or read, the
// later line winning) with one warning, and the window is kept.
TEST_P(PassedOverPanelLine, IsAWarningNamingFileAndLine) {
    const std::string text = std::string("[Window00]\nident=1011\nsize_mm=444,452\n") + GetParam().line + "\n";
    const PanelConfig config = parsePanelConfig(text, "modules/panel.cfg");
    ASSERT_FALSE(config.windows.empty());
    EXPECT_EQ(config.windows[0].section, "Window00");
    ASSERT_EQ(config.warnings.size(), 1u) << GetParam().line << ": " << testing::PrintToString(config.warnings);
    EXPECT_TRUE(config.warnings[0].starts_with("modules/panel.cfg:4: ")) << config.warnings[0];
    EXPECT_NE(config.warnings[0].find(GetParam().warning), std::string::npos) << config.warnings[0];
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PassedOverPanelLine,
    testing::Values(PassedOverCase{"gauge00=VeskarZ3V5GearPos, 1, 2", "is not Module!Gauge"},
                    PassedOverCase{"gauge00=!GearPos, 1, 2", "is not Module!Gauge"},
                    PassedOverCase{"gauge00=A!B!C, 1, 2", "is not Module!Gauge"},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1", "expected Module!Gauge, x, y"},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 3, 4, 5, 6", "expected Module!Gauge, x, y"},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, one, 2", "x \"one\""},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 2.5", "y \"2.5\""},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 0", "width \"0\""},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 99999999999", "y \"99999999999\""},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 2, 3,", "a trailing comma"},
                    PassedOverCase{"gauge00=VeskarZ3V5!GearPos, 1, 2 ; the gear", "a ';' comment"},
                    PassedOverCase{"size_mm=444,452", "size_mm is given again in [Window00] (first on line 3); this line wins"},
                    PassedOverCase{"size_mm=wide", "expected width[,height]"},
                    PassedOverCase{"ident=40", "given again"},
                    PassedOverCase{"background_color=1,2", "red,green,blue"},
                    PassedOverCase{"background_color=1,2,300", "red,green,blue"},
                    PassedOverCase{"position=9", "screen position"},
                    PassedOverCase{"just some words", "is neither a [section] nor key=value"},
                    PassedOverCase{"=5", "without a key"},
                    PassedOverCase{"[Window01", "not closed"},
                    PassedOverCase{"[]", "without a name"},
                    PassedOverCase{"[window00]", "[window00] appears again (first on line 1)"}));

TEST(PanelConfig, RepeatedLinesAndSectionsLetTheLaterLineWin) {
    const PanelConfig config = parsePanelConfig("[Window00]\nsize_mm=100,100\ngauge03=A!B, 1, 2\ngauge04=A!D, 0, 0\n"
                                                "[Window01]\nsize_mm=5,5\n"
                                                "[WINDOW00]\nsize_mm=200\ngauge3=A!C, 3, 4\n",
                                                "panel.cfg");
    ASSERT_EQ(config.windows.size(), 2u);
    const PanelWindow& window = config.windows[0];
    EXPECT_EQ(window.width, 200);
    EXPECT_FALSE(window.height.has_value());
    ASSERT_EQ(window.gauges.size(), 2u);
    EXPECT_EQ(window.gauges[0].gauge, "C") << "gauge number 3 again: the later line, in the earlier one's place";
    EXPECT_EQ(window.gauges[0].x, 3);
    EXPECT_EQ(window.gauges[1].gauge, "D");
    EXPECT_EQ(config.warnings,
              (std::vector<std::string>{
                  "panel.cfg:7: [WINDOW00] appears again (first on line 1); its lines are read into the first, later lines winning",
                  "panel.cfg:8: size_mm is given again in [Window00] (first on line 2); this line wins",
                  "panel.cfg:9: gauge3: gauge number 3 is given again in [Window00] (first on line 3); this line wins"}));
}

TEST(PanelConfig, OnlyAnUnreadableFileOrOneWithoutAWindowIsAnError) {
    try {
        parsePanelConfig("[Views]\nvariable=1\nsize_mm=1,1\n", "panel.cfg");
        FAIL() << "a configuration without a window was read";
    } catch (const HostError& error) {
        EXPECT_STREQ(error.what(), "panel.cfg: has no [WindowNN] or [VcockpitNN] section");
    }
    const PanelConfig loose = parsePanelConfig("size_mm=1,1\n[Vcockpit01]\n", "panel.cfg");
    EXPECT_EQ(loose.warnings, std::vector<std::string>{"panel.cfg:1: size_mm stands before any [section]; passed over"});

    const auto file = std::filesystem::path(testing::TempDir()) / "render_test_panel.cfg";
    std::ofstream(file) << "[Window00]\nsize_mm=10,10\ngauge00=broken\n";
    const PanelConfig read = readPanelConfig(file);
    ASSERT_EQ(read.warnings.size(), 1u);
    EXPECT_TRUE(read.warnings[0].starts_with(file.string() + ":3: gauge00: ")) << read.warnings[0];
    EXPECT_EQ(read.folder(), file.parent_path());
    EXPECT_THROW(readPanelConfig(std::filesystem::path(testing::TempDir()) / "no-such-panel.cfg"), HostError);
    EXPECT_THROW(readPanelConfig("/dev/zero"), HostError) << "a device is refused without reading it";
    EXPECT_THROW(readPanelConfig(testing::TempDir()), HostError) << "a folder";
}

// The gauges that draw nothing: click spots over the panel's art, and gauges that only act.
bool invisible(const PlacedGauge& gauge) {
    const std::string_view name = gauge.name;
    constexpr std::string_view toggle = "VeskarZ3V2!Toggle";
    const bool windowSpot = name.starts_with(toggle) && name.size() > toggle.size() &&
                            (std::isdigit(static_cast<unsigned char>(name[toggle.size()])) != 0 ||
                             name == "VeskarZ3V2!ToggleOpen" || name == "VeskarZ3V2!ToggleOpen1012" ||
                             name == "VeskarZ3V2!ToggleClose");
    return windowSpot || name == "VeskarZ3V2!OpenPanel" || name == "VeskarZ3VVFR!AutoClose";
}

// The aircraft's own configuration: every window the gauges open, close or toggle, once each;
// every gauge of every module placed; each gauge inside its window and clear of the others, but for
// the invisible gauges that lie over art or in a corner.
TEST(PanelConfig, ShippedAircraftPlacesEveryGaugeOfEveryModuleOnItsWindows) {
    const PanelConfig config = readPanelConfig(std::filesystem::path(GAUGE_SOURCE_DIR) / "modules" / "panel.cfg");
    const gaugehost::ModuleFolders folders{requiredEnvironment("GAUGE_MODULE_PATH")};
    gaugehost::PanelHost host;
    PanelLayout layout(host, folders, config);

    std::set<std::string> idents, placed;
    for (const PanelWindow& window : config.windows) {
        if (window.section.starts_with("Window")) {
            EXPECT_TRUE(idents.insert(window.ident).second) << window.ident << " twice";
        }
        const WindowLayout laidOut = layout.layOut(window);
        const auto& gauges = laidOut.gauges;
        for (std::size_t i = 0; i < gauges.size(); ++i) {
            const PlacedGauge& gauge = gauges[i];
            placed.insert(gauge.name);
            EXPECT_TRUE(gauge.x >= 0 && gauge.y >= 0 && gauge.x + gauge.width <= laidOut.width &&
                        gauge.y + gauge.height <= laidOut.height)
                << gauge.name << " reaches beyond " << window.section;
            for (std::size_t j = i + 1; j < gauges.size(); ++j) {
                const PlacedGauge& other = gauges[j];
                const bool meet = gauge.x < other.x + other.width && other.x < gauge.x + gauge.width &&
                                  gauge.y < other.y + other.height && other.y < gauge.y + gauge.height;
                EXPECT_FALSE(meet && !invisible(gauge) && !invisible(other))
                    << gauge.name << " and " << other.name << " overlap on " << window.section;
            }
        }
    }
    EXPECT_TRUE(layout.warnings().empty()) << testing::PrintToString(layout.warnings());
    const std::set<std::string> windowIds{"0",    "10",   "20",   "25",   "30",   "40",   "45",   "50",
                                          "55",   "65",   "75",   "85",   "200",  "225",  "1001", "1002",
                                          "1003", "1004", "1005", "1006", "1007", "1008", "1009", "1010",
                                          "1011", "1012", "1040", "1100", "1110"};
    EXPECT_EQ(idents, windowIds);
    EXPECT_NE(config.findWindow("Vcockpit01"), nullptr);

    const std::vector<std::string> modules = gaugehost::modulesIn(folders);
    EXPECT_EQ(modules.size(), 8u) << testing::PrintToString(modules);
    for (const std::string& module : modules) {
        for (const gauge::GaugeHeader* header : gaugehost::loadModuleNamed(host, folders, module).gauges()) {
            EXPECT_TRUE(placed.contains(module + "!" + header->gaugeName)) << module << "!" << header->gaugeName << " is placed nowhere";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Host variable settings of the drawing commands

TEST(HostSetting, ByTokenOrNameInTheVariablesOwnForm) {
    gaugehost::VariableStore variables;
    const auto set = [&](const char* setting) { readSetting(setting).applyTo(variables); };
    set("GEAR_EXTENSION=8000");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), 8000);
    set("gear_extension=12.5");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), 12.5);
    set("0x14D=-3");
    EXPECT_EQ(variables.value(gauge::var::GEAR_EXTENSION), -3);
    set("0x26=0x7700");
    EXPECT_EQ(variables.value(gauge::var::TRANSPONDER_CODE), 0x7700) << "a BCD code as its bits";
    set("FUEL_TANK_SELECTOR_POSITION=3");
    EXPECT_EQ(variables.value(gauge::var::FUEL_TANK_SELECTOR_POSITION), 3);
    set("0xF101=0x10");
    EXPECT_EQ(variables.value(kNeedleValue), 16) << "a token outside the table holds a real";
}

TEST(HostSetting, MalformedSettingsAreRefusedByName) {
    gaugehost::VariableStore variables;
    const std::pair<const char*, const char*> cases[] = {
        {"GEAR_EXTENSON=1", "unknown host variable \"GEAR_EXTENSON\"; did you mean GEAR_EXTENSION?"},
        {"0x14D", "expected TOKEN=VALUE"},
        {"0x14D=abc", "expected a finite number, found \"abc\""},
        {"GEAR_EXTENSION=", "expected a finite number"},
        {"=5", "unknown host variable \"\""},
        {"0x0=1", "unknown host variable \"0x0\""},
        {"0x14D=nan", "expected a finite number"},
        {"0x14D=1e999", "expected a finite number"},
        {"0xZZ=1", "unknown host variable"},
        {"COM1_ACTIVE_FREQUENCY=2250", "expected a BCD value in hexadecimal such as 0x2250, found \"2250\""},
        {"FUEL_TANK_SELECTOR_POSITION=3.9", "expected a whole number, found \"3.9\""},
        {"FUEL_TANK_SELECTOR_POSITION=0x100000000", "expected a whole number"},
    };
    for (const auto& [setting, complaint] : cases) {
        try {
            readSetting(setting).applyTo(variables);
            ADD_FAILURE() << setting << " was accepted";
        } catch (const HostError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(std::string(setting) + ": ")) << error.what();
            EXPECT_NE(std::string(error.what()).find(complaint), std::string::npos) << error.what();
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
        const auto result = commands.run({fixtures_});
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
    try {
        run({"panel", twoWindows().string(), "--window", "Windw01", "-o", file.string()});
        FAIL() << "a mistyped window was drawn";
    } catch (const HostError& error) {
        EXPECT_NE(std::string(error.what()).find("has no window Windw01; did you mean Window01 or Window00?"), std::string::npos) << error.what();
    }
}

TEST_F(DrawingCommand, StrictMakesTheWarningsErrorsAndDrawsNothing) {
    const auto config = output_ / "render_test_strict.cfg";
    const auto file = output_ / "render_test_strict.png";
    std::ofstream(config) << "[Window00]\nsize_mm=130,90\ngauge00=RenderFixture!Drawing, 5, 5,\n";
    std::filesystem::remove(file);
    run({"panel", config.string(), "-o", file.string()});
    EXPECT_TRUE(std::filesystem::exists(file)) << "drawn with a warning";
    std::filesystem::remove(file);
    try {
        run({"panel", config.string(), "--strict", "-o", file.string()});
        FAIL() << "a warning passed --strict";
    } catch (const HostError& error) {
        EXPECT_STREQ(error.what(), "1 warning is an error under --strict; nothing was drawn");
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(DrawingCommand, WindowsWhoseFileNamesWouldMeetGetFilesOfTheirOwn) {
    const auto config = output_ / "render_test_same_names.cfg";
    const auto folder = output_ / "render_test_same_names";
    std::filesystem::remove_all(folder);
    std::ofstream(config) << "[Window00]\nident=A B\nsize_mm=11,11\n[Window01]\nident=A_B\nsize_mm=12,12\n"
                             "[Window02]\nident=a_b\nsize_mm=13,13\n[Window03]\nident=a_b\nsize_mm=14,14\n";
    run({"panel", config.string(), "--out-dir", folder.string()});
    EXPECT_EQ(readPng(folder / "panel-A_B.png").width(), 11);
    EXPECT_EQ(readPng(folder / "panel-A_B-Window01.png").width(), 12);
    EXPECT_EQ(readPng(folder / "panel-a_b-Window02.png").width(), 13);
    EXPECT_EQ(readPng(folder / "panel-a_b-Window03.png").width(), 14);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 4);
}

TEST_F(DrawingCommand, SelectionTheGaugesDoNotHighlightIsAnError) {
    const auto file = output_ / "render_test_selection.png";
    run({"render", "RenderFixture!Drawing", "--select", "5", "-o", file.string()});
    try {
        run({"render", "RenderFixture!Drawing", "--select", "0x15", "-o", file.string()});
        FAIL() << "a selection no gauge has was drawn";
    } catch (const HostError& error) {
        EXPECT_STREQ(error.what(), "--select 0x15: no gauge drawn highlights that selection (they highlight 0x5)");
    }
}

TEST_F(DrawingCommand, SheetShowsEveryGaugeOfTheModules) {
    const auto file = output_ / "render_test_sheet.png";
    run({"sheet", "RenderFixture", "--set", "0xF106=0", "-o", file.string()});
    const Image sheet = readPng(file);
    EXPECT_GT(sheet.width(), 120);
    EXPECT_GT(sheet.height(), 80);
    EXPECT_EQ(pixelsWhere(sheet, {0, 0, sheet.width(), sheet.height()}, [](Rgba p) { return p == opaque(kLampGreen); }).size(),
              100u)
        << "the fixture's one gauge at its own size, its lamp showing picture 0";
}

}  // namespace
