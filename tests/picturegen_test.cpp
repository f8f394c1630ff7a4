#include "host/needle_geometry.h"
#include "modules/flight_instruments/flight_layout.h"
#include "modules/flight_instruments/pictures.h"
#include "modules/fuel_avionics/pictures.h"
#include "modules/landing_gear/pictures.h"
#include "modules/vfr_instruments/dial_layout.h"
#include "modules/vfr_instruments/pictures.h"
#include "modules/vfr_instruments/vor_layout.h"
#include "tools/picturegen/bitmap_writer.h"
#include "tools/picturegen/drawing_kit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <set>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using picturegen::ModulePictures;
using picturegen::Picture;
using picturegen::PictureError;
using picturegen::PixelImage;
namespace kit = picturegen::kit;

constexpr std::uint32_t kPureBlack = 0x000000;
constexpr std::uint32_t kWindowBlack = 0x010101;

// ---------------------------------------------------------------------------------------------
// A BMP reader of its own, so that the writer is checked against the file format, not against itself.

std::uint32_t le16(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 2 > bytes.size()) throw std::runtime_error("bitmap truncated");
    return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t le32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

struct DecodedBmp {
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> palette;
    std::uint32_t pixelOffset = 0;
    PixelImage image;
};

DecodedBmp decodeBmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') throw std::runtime_error("not a bitmap file");
    if (le32(bytes, 2) != bytes.size()) throw std::runtime_error("file size field is wrong");
    if (le32(bytes, 14) != 40) throw std::runtime_error("not a BITMAPINFOHEADER");
    if (le16(bytes, 26) != 1) throw std::runtime_error("planes must be 1");
    if (le32(bytes, 30) != 0) throw std::runtime_error("compressed");
    DecodedBmp bmp;
    bmp.pixelOffset = le32(bytes, 10);
    bmp.bitsPerPixel = static_cast<int>(le16(bytes, 28));
    const int width = static_cast<int>(le32(bytes, 18));
    const int height = static_cast<int>(le32(bytes, 22));  // positive: bottom-up rows
    const std::uint32_t colours = le32(bytes, 46);
    for (std::uint32_t index = 0; index < colours; ++index) {
        bmp.palette.push_back(le32(bytes, 54 + 4 * index) & 0xFFFFFF);  // RGBQUAD: blue, green, red, 0
    }
    if (bmp.pixelOffset != 54 + 4 * colours) throw std::runtime_error("pixels do not follow the palette");
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bmp.bitsPerPixel) / 8;
    const std::size_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    if (bmp.pixelOffset + stride * height != bytes.size()) throw std::runtime_error("pixel data has the wrong size");
    if (le32(bytes, 34) != stride * height) throw std::runtime_error("image size field is wrong");

    bmp.image = PixelImage{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    for (int y = 0; y < height; ++y) {
        const std::size_t row = bmp.pixelOffset + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t colour;
            if (bmp.bitsPerPixel == 8) {
                colour = bmp.palette.at(bytes[row + x]);
            } else if (bmp.bitsPerPixel == 24) {
                const std::size_t at = row + 3 * x;
                colour = bytes[at + 2] << 16 | bytes[at + 1] << 8 | bytes[at];
            } else {
                throw std::runtime_error("unexpected depth");
            }
            bmp.image.pixels[static_cast<std::size_t>(y) * width + x] = colour;
        }
    }
    return bmp;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(file), {}};
}

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// A directory of its own for each test, removed afterwards.
class ScratchDirectory {
public:
    ScratchDirectory() {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "picturegen_" + std::string{test->test_suite_name()} + "_" + test->name() + "_" +
                           std::to_string(getpid());
        std::replace(name.begin(), name.end(), '/', '_');
        path_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

PixelImage imageOf(int width, int height, std::vector<std::uint32_t> pixels) {
    return PixelImage{width, height, std::move(pixels)};
}

std::set<std::uint32_t> coloursOf(const PixelImage& image) {
    return {image.pixels.begin(), image.pixels.end()};
}

int channel(std::uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

// The largest difference of one colour channel.
int channelDistance(std::uint32_t a, std::uint32_t b) {
    int largest = 0;
    for (int shift : {16, 8, 0}) largest = std::max(largest, std::abs(channel(a, shift) - channel(b, shift)));
    return largest;
}

int brightness(std::uint32_t colour) {
    return channel(colour, 16) + channel(colour, 8) + channel(colour, 0);
}

// Draws through the picture generator's own pipeline (smoothing, transparency, edge black).
std::function<void(cairo_t*)> currentSketch;

void drawCurrentSketch(cairo_t* cr, const Picture&) {
    currentSketch(cr);
}

PixelImage sketch(int width, int height, std::function<void(cairo_t*)> drawing) {
    currentSketch = std::move(drawing);
    return picturegen::renderPicture(
        {.id = 1, .width = width, .height = height, .bitsPerPixel = 8, .draw = drawCurrentSketch});
}

// Which pixels show: everything but pure black.
std::vector<bool> shownPixels(const PixelImage& image) {
    std::vector<bool> shown;
    for (std::uint32_t colour : image.pixels) shown.push_back(colour != kPureBlack);
    return shown;
}

// ---------------------------------------------------------------------------------------------
// The writer

// Three columns make rows that need padding at both depths; the rows differ so that their order shows.
const PixelImage kFixture = imageOf(3, 2, {0x000000, 0x010101, 0xFF8000,  // top row
                                           0x123456, 0xFF8000, 0x0C0C0C});

TEST(BitmapWriter, PalettedBitmapKeepsExactColoursBottomRowFirst) {
    const std::vector<std::uint8_t> file = picturegen::encodeBmp(kFixture, 8);
    const DecodedBmp bmp = decodeBmp(file);

    EXPECT_EQ(bmp.bitsPerPixel, 8);
    EXPECT_EQ(std::set<std::uint32_t>(bmp.palette.begin(), bmp.palette.end()), coloursOf(kFixture));
    EXPECT_EQ(bmp.palette.size(), 5u) << "the palette holds each distinct colour once";
    EXPECT_EQ(bmp.image.pixels, kFixture.pixels);
    EXPECT_EQ(bmp.palette.at(file.at(bmp.pixelOffset)), 0x123456u) << "the first stored row is the bottom row";
}

TEST(BitmapWriter, TrueColourBitmapStoresBlueGreenRedBottomRowFirst) {
    const std::vector<std::uint8_t> file = picturegen::encodeBmp(kFixture, 24);
    const DecodedBmp bmp = decodeBmp(file);

    EXPECT_EQ(bmp.bitsPerPixel, 24);
    EXPECT_TRUE(bmp.palette.empty());
    EXPECT_EQ(bmp.image.pixels, kFixture.pixels);
    const std::vector<std::uint8_t> firstPixel(file.begin() + bmp.pixelOffset, file.begin() + bmp.pixelOffset + 3);
    EXPECT_EQ(firstPixel, (std::vector<std::uint8_t>{0x56, 0x34, 0x12}));
}

TEST(BitmapWriter, PalettedBitmapHoldsAtMost256Colours) {
    for (int colours : {255, 256, 257, 300}) {
        SCOPED_TRACE(colours);
        PixelImage image = imageOf(colours, 1, {});
        for (std::uint32_t index = 0; index < static_cast<std::uint32_t>(colours); ++index) {
            image.pixels.push_back((index & 0xFF) << 16 | (index >> 8) << 8 | 0x40);
        }
        if (colours <= 256) {
            EXPECT_EQ(decodeBmp(picturegen::encodeBmp(image, 8)).image.pixels, image.pixels);
        } else {
            EXPECT_THROW(picturegen::encodeBmp(image, 8), PictureError);
            EXPECT_EQ(decodeBmp(picturegen::encodeBmp(image, 24)).image.pixels, image.pixels);
        }
    }
}

TEST(BitmapWriter, RefusesDepthsOtherThan8And24) {
    for (int depth : {1, 4, 16, 32}) {
        EXPECT_THROW(picturegen::encodeBmp(kFixture, depth), PictureError) << depth;
    }
}

void paintGrey(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kPanelGrey);
}

// One colour per column: far more than a palette holds.
void paintRamp(cairo_t* cr, const Picture& picture) {
    for (int x = 0; x < picture.width; ++x) {
        kit::setColour(cr, {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x >> 8), 0});
        cairo_rectangle(cr, x, 0, 1, picture.height);
        cairo_fill(cr);
    }
}

std::string errorOf(const ModulePictures& module, const std::filesystem::path& outDir) {
    try {
        picturegen::writeModulePictures(module, outDir);
    } catch (const PictureError& fault) {
        return fault.what();
    }
    return {};
}

TEST(ModuleWriter, RefusesListWithTwicePictureIdAndWritesNothing) {
    const Picture pictures[] = {
        {.id = 0x105, .width = 4, .height = 4, .bitsPerPixel = 8, .draw = paintGrey},
        {.id = 0x106, .width = 4, .height = 4, .bitsPerPixel = 8, .draw = paintGrey},
        {.id = 0x105, .width = 2, .height = 2, .bitsPerPixel = 24, .draw = paintGrey},
    };
    const picturegen::PictureUnit unit{pictures};
    const picturegen::PictureUnit* const units[] = {&unit};
    const ScratchDirectory scratch;
    const std::string error = errorOf({.moduleName = "Twice", .units = units}, scratch.path());

    EXPECT_NE(error.find("0x105"), std::string::npos) << error;
    EXPECT_NE(error.find("Twice"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST(ModuleWriter, WritesAnEightBitPictureOfManyColoursWithAPaletteOfItsOwn) {
    const Picture pictures[] = {
        {.id = 0x107, .width = 300, .height = 2, .bitsPerPixel = 8, .draw = paintRamp},
        {.id = 0x109, .width = 300, .height = 2, .bitsPerPixel = 24, .draw = paintRamp},
    };
    const picturegen::PictureUnit unit{pictures};
    const picturegen::PictureUnit* const units[] = {&unit};
    const ScratchDirectory scratch;
    picturegen::writeModulePictures({.moduleName = "Ramp", .units = units}, scratch.path());

    const PixelImage drawn = picturegen::renderPicture(pictures[0]);
    ASSERT_GT(coloursOf(drawn).size(), 256u);
    const DecodedBmp paletted = decodeBmp(readFile(scratch.path() / "0x107.bmp"));
    EXPECT_LE(paletted.palette.size(), 256u);
    int largestError = 0;
    for (std::size_t at = 0; at < drawn.pixels.size(); ++at) {
        largestError = std::max(largestError, channelDistance(paletted.image.pixels[at], drawn.pixels[at]));
    }
    EXPECT_LE(largestError, 4);
    EXPECT_EQ(decodeBmp(readFile(scratch.path() / "0x109.bmp")).image.pixels, drawn.pixels)
        << "a 24-bit picture is written as drawn";
}

// Leaves the context in an error state, as a faulty drawing would.
void restoreWithoutSave(cairo_t* cr, const Picture&) {
    cairo_restore(cr);
}

TEST(ModuleWriter, NamesThePictureWhoseDrawingFails) {
    const Picture pictures[] = {
        {.id = 0x10A, .width = 4, .height = 4, .bitsPerPixel = 8, .draw = restoreWithoutSave},
    };
    const picturegen::PictureUnit unit{pictures};
    const picturegen::PictureUnit* const units[] = {&unit};
    const ScratchDirectory scratch;
    const std::string error = errorOf({.moduleName = "Faulty", .units = units}, scratch.path());

    EXPECT_NE(error.find("0x10A"), std::string::npos) << error;
    EXPECT_NE(error.find("Faulty"), std::string::npos) << error;
}

TEST(ModuleWriter, RefusesOutputPathThatIsAFile) {
    const Picture pictures[] = {{.id = 0x108, .width = 4, .height = 4, .bitsPerPixel = 8, .draw = paintGrey}};
    const picturegen::PictureUnit unit{pictures};
    const picturegen::PictureUnit* const units[] = {&unit};
    const ScratchDirectory scratch;
    const std::filesystem::path occupied = scratch.path() / "occupied";
    std::ofstream(occupied) << "a file, not a directory";

    EXPECT_THROW(picturegen::writeModulePictures({.moduleName = "Blocked", .units = units}, occupied),
                 PictureError);
    EXPECT_THROW(picturegen::writeModulePictures({.moduleName = "Blocked", .units = units}, occupied / "below"),
                 PictureError);
}

// The picture lists of the modules as their element tables give them.
struct ExpectedModule {
    const ModulePictures* module;
    std::vector<std::string> manifest;  // without the comment line
    std::vector<std::string> resources;  // without the language line
};

std::vector<ExpectedModule> expectedModules() {
    return {
        {&landingGearPictures,
         {"0x130 444 452 8", "0x132 80 280 24", "0x133 80 280 24", "0x136 143 55 8", "0x138 143 57 8",
          "0x141 52 53 8"},
         {"304 BITMAP \"0x130.bmp\"", "306 BITMAP \"0x132.bmp\"", "307 BITMAP \"0x133.bmp\"",
          "310 BITMAP \"0x136.bmp\"", "312 BITMAP \"0x138.bmp\"", "321 BITMAP \"0x141.bmp\""}},
        {&fuelAvionicsPictures,
         {"0x100 450 270 8", "0x142 321 196 8", "0x143 321 196 8", "0x144 321 196 8", "0x116 22 38 8",
          "0x117 22 38 8", "0x118 22 38 8"},
         {"256 BITMAP \"0x100.bmp\"", "322 BITMAP \"0x142.bmp\"", "323 BITMAP \"0x143.bmp\"",
          "324 BITMAP \"0x144.bmp\"", "278 BITMAP \"0x116.bmp\"", "279 BITMAP \"0x117.bmp\"",
          "280 BITMAP \"0x118.bmp\""}},
    };
}

TEST(ModuleWriter, WritesEveryPictureAtItsDeclaredSizeWithManifestAndResourceScript) {
    for (const ExpectedModule& expected : expectedModules()) {
        SCOPED_TRACE(std::string{expected.module->moduleName});
        const ScratchDirectory scratch;
        const std::filesystem::path outDir = scratch.path() / "new" / "dir";
        picturegen::writeModulePictures(*expected.module, outDir);

        std::vector<std::string> manifest = readLines(outDir / "pictures.txt");
        ASSERT_FALSE(manifest.empty());
        EXPECT_EQ(manifest.front().front(), '#');
        manifest.erase(manifest.begin());
        EXPECT_EQ(manifest, expected.manifest);

        std::vector<std::string> resources = readLines(outDir / "pictures.rc");
        ASSERT_FALSE(resources.empty());
        EXPECT_EQ(resources.front(), "LANGUAGE 9, 1");
        resources.erase(resources.begin());
        EXPECT_EQ(resources, expected.resources);

        for (const std::string& line : expected.manifest) {
            std::istringstream fields(line);
            std::string id;
            int width = 0, height = 0, depth = 0;
            fields >> id >> width >> height >> depth;
            SCOPED_TRACE(id);
            const DecodedBmp bmp = decodeBmp(readFile(outDir / (id + ".bmp")));
            EXPECT_EQ(bmp.image.width, width);
            EXPECT_EQ(bmp.image.height, height);
            EXPECT_EQ(bmp.bitsPerPixel, depth);

            // Whatever its palette, the picture as written is transparent and near-black exactly where it was drawn so.
            const std::vector<Picture> pictures = expected.module->all();
            const auto picture = std::find_if(pictures.begin(), pictures.end(), [&](const Picture& candidate) {
                return picturegen::bitmapFileName(candidate.id) == id + ".bmp";
            });
            ASSERT_NE(picture, pictures.end());
            const PixelImage drawn = picturegen::renderPicture(*picture);
            if (depth == 24) {
                EXPECT_EQ(bmp.image.pixels, drawn.pixels);
                continue;
            }
            int moved = 0;
            for (std::size_t at = 0; at < drawn.pixels.size(); ++at) {
                for (std::uint32_t kept : {kPureBlack, kWindowBlack}) {
                    moved += (drawn.pixels[at] == kept) != (bmp.image.pixels[at] == kept);
                }
            }
            EXPECT_EQ(moved, 0);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The pictures

const Picture& pictureOf(const ModulePictures& module, std::uint32_t id) {
    for (const picturegen::PictureUnit* unit : module.units) {
        for (const Picture& picture : unit->pictures) {
            if (picture.id == id) return picture;
        }
    }
    throw std::runtime_error("no picture " + std::to_string(id));
}

PixelImage render(const ModulePictures& module, std::uint32_t id) {
    return picturegen::renderPicture(pictureOf(module, id));
}

TEST(Pictures, AllBlackBackgroundsArePureBlackEverywhere) {
    for (std::uint32_t id : {0x100u, 0x116u}) {
        EXPECT_EQ(coloursOf(render(fuelAvionicsPictures, id)), std::set<std::uint32_t>{kPureBlack}) << id;
    }
}

TEST(Pictures, GearPlateIsOpaqueAndOtherPicturesLieOnBlack) {
    for (const ModulePictures* module : {&landingGearPictures, &fuelAvionicsPictures}) {
        for (const Picture& picture : module->all()) {
            SCOPED_TRACE(picturegen::bitmapFileName(picture.id));
            const PixelImage image = picturegen::renderPicture(picture);
            if (module == &landingGearPictures && picture.id == 0x130) {
                EXPECT_FALSE(coloursOf(image).contains(kPureBlack));
                continue;
            }
            for (auto [x, y] : {std::pair{0, 0}, {image.width - 1, 0}, {0, image.height - 1},
                                {image.width - 1, image.height - 1}}) {
                EXPECT_EQ(image.at(x, y), kPureBlack) << x << "," << y;
            }
        }
    }
}

struct InkBox {
    int left, top, right, bottom;
};

// The box around everything but pure black, within the columns from fromX up to toX.
InkBox inkOf(const PixelImage& image, int fromX, int toX) {
    InkBox box{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y) {
        for (int x = fromX; x < toX; ++x) {
            if (image.at(x, y) == kPureBlack) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    return box;
}

InkBox inkOf(const PixelImage& image) {
    return inkOf(image, 0, image.width);
}

struct LampIcon {
    std::uint32_t id;
    int x, y;  // where GearPos places the icon on the plate
    int lampCount;
    kit::LampColour colour;
};

// The shift of the channel that a colour has most of.
int strongestChannel(std::uint32_t colour) {
    int strongest = 16;
    for (int shift : {8, 0}) {
        if (channel(colour, shift) > channel(colour, strongest)) strongest = shift;
    }
    return strongest;
}

// A lit lamp icon burns exactly over its dark lamp. Where the icon is transparent the plate shows
// bare paint, so no part of the dark lamp peeks out; where the icon shows over bare paint, it is
// only the faintest edge. At each lamp's centre the icon burns brighter than the dark lens beneath,
// in the same hue.
TEST(Pictures, LitLampIconsCoverTheirDarkLampsExactly) {
    constexpr int kFaint = 4;
    const PixelImage plate = render(landingGearPictures, 0x130);
    const LampIcon icons[] = {
        {0x136, 109, 332, 2, kit::kAmberLamp},
        {0x138, 109, 93, 2, kit::kBlueLamp},
        {0x141, 61, 214, 1, kit::kRedLamp},
    };
    for (const LampIcon& icon : icons) {
        SCOPED_TRACE(picturegen::bitmapFileName(icon.id));
        const PixelImage lit = render(landingGearPictures, icon.id);
        const std::uint32_t paint = plate.at(icon.x, icon.y);  // the box's corner is bare plate
        int lampOutside = 0;
        int iconOverPaint = 0;
        for (int y = 0; y < lit.height; ++y) {
            for (int x = 0; x < lit.width; ++x) {
                const int departure = channelDistance(plate.at(icon.x + x, icon.y + y), paint);
                const std::uint32_t shown = lit.at(x, y);
                lampOutside += shown == kPureBlack && departure > kFaint;
                iconOverPaint += shown != kPureBlack && departure == 0 && channelDistance(shown, kPureBlack) > kFaint;
            }
        }
        EXPECT_EQ(lampOutside, 0);
        EXPECT_EQ(iconOverPaint, 0);

        const int share = lit.width / icon.lampCount;
        for (int lamp = 0; lamp < icon.lampCount; ++lamp) {
            const InkBox ink = inkOf(lit, lamp * share, (lamp + 1) * share);
            ASSERT_LE(ink.left, ink.right) << "lamp " << lamp << " is missing";
            const int x = (ink.left + ink.right) / 2;
            const int y = (ink.top + ink.bottom) / 2;
            const std::uint32_t burning = lit.at(x, y);
            const std::uint32_t dark = plate.at(icon.x + x, icon.y + y);
            EXPECT_GT(brightness(burning), brightness(dark) + 300) << "lamp " << lamp;
            EXPECT_EQ(strongestChannel(burning), strongestChannel(icon.colour.lit.packed())) << "lamp " << lamp;
            EXPECT_EQ(strongestChannel(dark), strongestChannel(icon.colour.dark.packed())) << "lamp " << lamp;
        }
    }
}


// How far the ink stretches towards one side of the picture.
int reachTowards(const InkBox& box, kit::Direction direction) {
    switch (direction) {
    case kit::Direction::Up: return -box.top;
    case kit::Direction::Down: return box.bottom;
    case kit::Direction::Left: return -box.left;
    case kit::Direction::Right: return box.right;
    }
    return 0;
}

struct Pointing {
    const ModulePictures* module;
    std::uint32_t id;
    kit::Direction direction;
    std::vector<std::uint32_t> otherPositions;
};

TEST(Pictures, EachPositionOfAMovingPartReachesFurthestItsOwnWay) {
    const Pointing cases[] = {
        {&landingGearPictures, 0x132, kit::Direction::Up, {0x133}},
        {&landingGearPictures, 0x133, kit::Direction::Down, {0x132}},
        {&fuelAvionicsPictures, 0x142, kit::Direction::Down, {0x143, 0x144}},
        {&fuelAvionicsPictures, 0x143, kit::Direction::Left, {0x142, 0x144}},
        {&fuelAvionicsPictures, 0x144, kit::Direction::Right, {0x142, 0x143}},
        {&fuelAvionicsPictures, 0x117, kit::Direction::Down, {0x118}},
        {&fuelAvionicsPictures, 0x118, kit::Direction::Up, {0x117}},
    };
    for (const Pointing& pointing : cases) {
        SCOPED_TRACE(picturegen::bitmapFileName(pointing.id));
        const int reach = reachTowards(inkOf(render(*pointing.module, pointing.id)), pointing.direction);
        for (std::uint32_t other : pointing.otherPositions) {
            EXPECT_GT(reach, reachTowards(inkOf(render(*pointing.module, other)), pointing.direction)) << other;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The drawing kit

// Drawing antialiased against transparency: an edge pixel blends toward the edge black, so the
// white disc's rim holds greys, none of them pure black and none lighter than what was drawn.
TEST(DrawingKit, SmoothsEdgesTowardEdgeBlackAndNeverDrawsPureBlack) {
    const PixelImage image = sketch(40, 40, [](cairo_t* cr) {
        kit::fill(cr, kit::kTransparent);
        kit::disc(cr, {20, 20}, 12.5, kit::kLabelWhite);
    });
    EXPECT_EQ(image.at(20, 20), kit::kLabelWhite.packed());
    EXPECT_EQ(image.at(0, 0), kPureBlack);
    int edgePixels = 0;
    for (std::uint32_t colour : image.pixels) {
        if (colour == kPureBlack || colour == kit::kLabelWhite.packed()) continue;
        ++edgePixels;
        EXPECT_EQ(channel(colour, 16), channel(colour, 8));
        EXPECT_EQ(channel(colour, 8), channel(colour, 0));
        EXPECT_GE(channel(colour, 0), kit::kEdgeBlack.b);
        EXPECT_LT(channel(colour, 0), kit::kLabelWhite.b);
    }
    EXPECT_GT(edgePixels, 40) << "the rim is smoothed";
}

struct BlackRuleCase {
    const char* what;
    std::function<void(cairo_t*)> drawing;
    std::uint32_t expected;  // every pixel of the picture
};

TEST(DrawingKit, PureBlackOnlyWhereNothingIsDrawn) {
    const BlackRuleCase cases[] = {
        {"nothing drawn", [](cairo_t*) {}, kPureBlack},
        {"black painted with cairo itself is drawn, near black",
         [](cairo_t* cr) {
             cairo_set_source_rgb(cr, 0, 0, 0);
             cairo_paint(cr);
         },
         kit::kEdgeBlack.packed()},
        {"a mask's window colour stays exact", [](cairo_t* cr) { kit::fill(cr, kit::kNearBlack); }, kWindowBlack},
        {"painting in transparency clears",
         [](cairo_t* cr) {
             kit::fill(cr, kit::kMetalGrey);
             kit::fill(cr, kit::kTransparent);
         },
         kPureBlack},
    };
    for (const BlackRuleCase& rule : cases) {
        EXPECT_EQ(coloursOf(sketch(12, 12, rule.drawing)), std::set<std::uint32_t>{rule.expected}) << rule.what;
    }
}

TEST(DrawingKit, TransparentPaintCutsAHoleThatBlendsIntoItsSurround) {
    const PixelImage image = sketch(30, 30, [](cairo_t* cr) {
        kit::fill(cr, kit::kMetalGrey);
        kit::disc(cr, {15, 15}, 8.5, kit::kTransparent);
    });
    EXPECT_EQ(image.at(15, 15), kPureBlack);
    EXPECT_EQ(image.at(2, 2), kit::kMetalGrey.packed());
    const std::uint32_t rim = image.at(15, 6);  // half covered by the hole
    EXPECT_NE(rim, kPureBlack);
    EXPECT_LT(channel(rim, 0), kit::kMetalGrey.b);
}

// ---------------------------------------------------------------------------------------------
// The palette reducer

// Many colours, and next to pure black and the window colour every colour whose channels are 0, 1
// or 2: a palette entry chosen for them would lie on one of the two kept colours.
PixelImage manyColoursWithDarkOnes() {
    std::vector<std::uint32_t> darkOnes;
    for (std::uint32_t code = 0; code < 27; ++code) {
        const std::uint32_t colour = (code / 9) << 16 | (code / 3 % 3) << 8 | code % 3;
        if (colour != kPureBlack && colour != kWindowBlack) darkOnes.push_back(colour);
    }
    // The many colours outweigh the dark ones, so that these share palette entries.
    PixelImage image{96, 120, {}};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t colour;
            if (y < 96) {
                colour = static_cast<std::uint32_t>(x * 2 + 40) << 16 | static_cast<std::uint32_t>(y * 5 % 256) << 8 |
                         static_cast<std::uint32_t>(x + y);
            } else if (x < 32) {
                colour = kPureBlack;
            } else if (x < 64) {
                colour = kWindowBlack;
            } else {
                colour = darkOnes[(x * 7 + y) % darkOnes.size()];
            }
            image.pixels.push_back(colour);
        }
    }
    return image;
}

TEST(PaletteReducer, KeepsPureBlackAndWindowBlackExactlyAndMakesNeitherElsewhere) {
    const PixelImage image = manyColoursWithDarkOnes();
    ASSERT_GT(coloursOf(image).size(), 1000u);
    const PixelImage reduced = picturegen::reduceToPalette(image);

    ASSERT_EQ(reduced.pixels.size(), image.pixels.size());
    EXPECT_LE(coloursOf(reduced).size(), 256u);
    int moved = 0;
    long error = 0;
    int darkError = 0;
    for (std::size_t at = 0; at < image.pixels.size(); ++at) {
        for (std::uint32_t kept : {kPureBlack, kWindowBlack}) {
            moved += (image.pixels[at] == kept) != (reduced.pixels[at] == kept);
        }
        const int distance = channelDistance(image.pixels[at], reduced.pixels[at]);
        error += distance;
        if (brightness(image.pixels[at]) <= 6) darkError = std::max(darkError, distance);
    }
    EXPECT_EQ(moved, 0);
    EXPECT_LE(static_cast<double>(error) / image.pixels.size(), 8.0) << "the palette fits the picture";
    EXPECT_LE(darkError, 3) << "dark colours stay dark";
}

TEST(PaletteReducer, LeavesAPictureOfAtMost256ColoursAsItIs) {
    PixelImage image{16, 16, {}};
    for (std::uint32_t index = 0; index < 256; ++index) image.pixels.push_back(index * 0x010101 / 2 + (index & 1));
    ASSERT_EQ(coloursOf(image).size(), 256u);
    EXPECT_EQ(picturegen::reduceToPalette(image).pixels, image.pixels);
}

// ---------------------------------------------------------------------------------------------
// Dials and needles

struct Polar {
    double angle;     // degrees clockwise from +x
    double distance;  // from the centre
};

// The ink's centre of weight seen from a point, counting only ink within the given distances.
Polar inkCentre(const PixelImage& image, kit::Point from, double nearest, double farthest) {
    double sumX = 0, sumY = 0, weight = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double dx = x + 0.5 - from.x;
            const double dy = y + 0.5 - from.y;
            const double distance = std::hypot(dx, dy);
            if (distance < nearest || distance > farthest || image.at(x, y) == kPureBlack) continue;
            const double ink = brightness(image.at(x, y));
            sumX += ink * dx;
            sumY += ink * dy;
            weight += ink;
        }
    }
    return {std::atan2(sumY, sumX) * 180 / std::numbers::pi, std::hypot(sumX, sumY) / weight};
}

double angleDifference(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

constexpr kit::ScaleStyle kScale{.outerRadius = 140, .majorLength = 16, .majorWidth = 3, .minorLength = 8,
                                 .minorWidth = 1.5, .numeralRadius = 105, .numeralSize = 18,
                                 .ink = kit::kLabelWhite};

// A dial printed for a vertical speed needle's table: each table point gets its mark, and the host's
// needle for that table value points exactly at it.
TEST(DrawingKit, PrintedMarkLiesWhereTheHostPointsTheNeedleForItsValue) {
    const gauge::Point pivot{155, 151};
    gauge::NonlinearityEntry table[] = {
        {.x = 296, .y = 168, .value = -2000}, {.x = 244, .y = 263, .value = -1500},
        {.x = 125, .y = 294, .value = -1000}, {.x = 30, .y = 234, .value = -500},
        {.x = 18, .y = 150, .value = 0},      {.x = 28, .y = 65, .value = 500},
        {.x = 122, .y = 4, .value = 1000},    {.x = 242, .y = 35, .value = 1500},
        {.x = 295, .y = 131, .value = 2000},
    };
    gaugehost::computeTableAngles(table, pivot);
    const kit::Point centre{static_cast<double>(pivot.x), static_cast<double>(pivot.y)};
    for (const gauge::NonlinearityEntry& entry : table) {
        SCOPED_TRACE(entry.value);
        const kit::ScaleMark mark{.angle = kit::angleTowards(centre, {static_cast<double>(entry.x),
                                                                      static_cast<double>(entry.y)})};
        const PixelImage dial = sketch(302, 302, [&](cairo_t* cr) { kit::dialScale(cr, centre, kScale, {&mark, 1}); });
        const Polar tick = inkCentre(dial, centre, 0, kScale.outerRadius + 2);
        EXPECT_LT(angleDifference(tick.angle, gaugehost::angleForValue(table, entry.value)), 0.3);
        EXPECT_NEAR(tick.distance, kScale.outerRadius - kScale.majorLength / 2, 0.5);
    }
}

TEST(DrawingKit, TicksAndNumeralsSitAtTheirAnglesAndRadii) {
    const kit::Point centre{150, 150};
    for (double angle : {0.0, 37.5, 90.0, 200.0, 315.0}) {
        SCOPED_TRACE(angle);
        const kit::ScaleMark marks[] = {{.angle = angle, .tick = kit::Tick::Major, .numeral = "10"},
                                        {.angle = angle + 180, .tick = kit::Tick::Minor}};
        const PixelImage dial = sketch(300, 300, [&](cairo_t* cr) {
            kit::dialFace(cr, centre, 145, kit::kPanelBlack);
            kit::dialScale(cr, centre, kScale, marks);
        });
        // Only the marks are brighter than the face; the face alone weighs nothing here.
        PixelImage ink = dial;
        for (std::uint32_t& colour : ink.pixels) {
            if (brightness(colour) < 3 * 100) colour = kPureBlack;
        }
        const Polar major = inkCentre(ink, centre, kScale.outerRadius - kScale.majorLength - 1, kScale.outerRadius + 1);
        EXPECT_LT(angleDifference(major.angle, angle), 0.5) << "the opposite minor tick pulls it nowhere";
        const Polar numeral = inkCentre(ink, centre, 60, kScale.outerRadius - kScale.majorLength - 2);
        EXPECT_LT(angleDifference(numeral.angle, angle), 2.0);
        EXPECT_NEAR(numeral.distance, kScale.numeralRadius, 2.0);
        const PixelImage minorOnly =
            sketch(300, 300, [&](cairo_t* cr) { kit::dialScale(cr, centre, kScale, {&marks[1], 1}); });
        const Polar minor = inkCentre(minorOnly, centre, 0, kScale.outerRadius + 2);
        EXPECT_LT(angleDifference(minor.angle, angle + 180), 0.5);
        EXPECT_NEAR(minor.distance, kScale.outerRadius - kScale.minorLength / 2, 0.5);
    }
}

TEST(DrawingKit, NeedlePointsFromItsPivotAlongItsAngle) {
    const kit::NeedleStyle style{.length = 80, .tail = 20, .width = 6, .colour = kit::kLabelWhite,
                                 .tailColour = kit::kPanelGrey, .hubRadius = 5, .hubColour = kit::kMetalGrey};
    // The same needle with a bright tail and a dim pointer shows where the tail lies.
    kit::NeedleStyle brightTail = style;
    std::swap(brightTail.colour, brightTail.tailColour);
    const kit::Point pivot{100, 100};
    const auto brightOnly = [](PixelImage image) {
        for (std::uint32_t& colour : image.pixels) {
            if (brightness(colour) < 3 * 100) colour = kPureBlack;
        }
        return image;
    };
    for (double angle : {0.0, 90.0, 215.0, 330.0}) {
        SCOPED_TRACE(angle);
        const PixelImage image = sketch(200, 200, [&](cairo_t* cr) { kit::needle(cr, pivot, angle, style); });
        EXPECT_LT(angleDifference(inkCentre(image, pivot, 30, 200).angle, angle), 0.5);
        double reach = 0;
        double brightReach = 0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (image.at(x, y) == kPureBlack) continue;
                const double distance = std::hypot(x + 0.5 - pivot.x, y + 0.5 - pivot.y);
                reach = std::max(reach, distance);
                if (brightness(image.at(x, y)) >= 3 * 100) brightReach = std::max(brightReach, distance);
            }
        }
        EXPECT_LE(reach, style.length + 1.5);
        EXPECT_GE(brightReach, style.length - 4) << "the pointed tip fades only at its very end";

        const PixelImage tail =
            brightOnly(sketch(200, 200, [&](cairo_t* cr) { kit::needle(cr, pivot, angle, brightTail); }));
        const Polar tailCentre = inkCentre(tail, pivot, style.hubRadius + 1, 200);
        EXPECT_LT(angleDifference(tailCentre.angle, angle + 180), 1.0) << "the tail lies behind the pivot";
        EXPECT_LT(tailCentre.distance, style.tail);
    }
}

// ---------------------------------------------------------------------------------------------
// The flight instruments' dials: each needle's tip touches the mark printed where the host points
// it for a table value.

struct DialCase {
    const char* name;
    const ModulePictures* module;
    std::uint32_t dial, needle;
    gauge::Point pivot;      // on the dial
    kit::Point hub;          // in the needle picture
    std::vector<gauge::NonlinearityEntry> table;
    std::vector<double> values;  // where marks are printed
};

template <class CalibrationPoint, std::size_t count>
std::vector<gauge::NonlinearityEntry> tableOf(const CalibrationPoint (&points)[count]) {
    std::vector<gauge::NonlinearityEntry> table;
    for (const CalibrationPoint& point : points) table.push_back({.x = point.x, .y = point.y, .value = point.value});
    return table;
}

template <class CalibrationPoint, std::size_t count>
std::vector<double> valuesOf(const CalibrationPoint (&points)[count]) {
    std::vector<double> values;
    for (const CalibrationPoint& point : points) values.push_back(point.value);
    return values;
}

// The centre of weight of what is printed on the face (whatever stands out from the face's paint
// at the pivot), seen from a point, within the given distances and degrees of a direction.
Polar inkInSector(const PixelImage& image, kit::Point from, double nearest, double farthest, double angle,
                  double halfWidth, int& count) {
    const std::uint32_t paint = image.at(static_cast<int>(from.x), static_cast<int>(from.y));
    double sumX = 0, sumY = 0;
    count = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double dx = x + 0.5 - from.x, dy = y + 0.5 - from.y;
            const double distance = std::hypot(dx, dy);
            if (distance < nearest || distance > farthest || channelDistance(image.at(x, y), paint) < 80) continue;
            if (angleDifference(std::atan2(dy, dx) * 180 / std::numbers::pi, angle) > halfWidth) continue;
            sumX += dx;
            sumY += dy;
            ++count;
        }
    }
    return {std::atan2(sumY, sumX) * 180 / std::numbers::pi, std::hypot(sumX, sumY) / std::max(count, 1)};
}

std::vector<DialCase> dialCases() {
    namespace dial = dial_instruments::layout;
    namespace flight = flight_instruments::layout;
    std::vector<double> hundreds;
    for (int feet = 0; feet < 1000; feet += 100) hundreds.push_back(feet);
    std::vector<DialCase> cases;
    for (const ModulePictures* module : {&vfrInstrumentPictures, &flightInstrumentPictures}) {
        cases.push_back({"airspeed", module, dial::kAirspeedDial.id, dial::kAirspeedNeedle.id, {148, 150}, {54.5, 54.5},
                         tableOf(dial::kAirspeedPoints), valuesOf(dial::kAirspeedPoints)});
        cases.push_back({"altitude", module, dial::kAltimeterFace.id, dial::kHundredsPointer.id, {155, 156},
                         {50.5, 7.5}, tableOf(dial::kAltitudePoints), hundreds});
    }
    cases.push_back({"vertical speed", &flightInstrumentPictures, flight::kVerticalSpeedDial.id,
                     flight::kVerticalSpeedNeedle.id, {155, 151}, {62.5, 10.5}, tableOf(flight::kVerticalSpeedPoints),
                     valuesOf(flight::kVerticalSpeedPoints)});
    cases.push_back({"turn rate", &flightInstrumentPictures, flight::kTurnFace.id, flight::kAircraftSymbol.id,
                     {151, 147}, {97.5, 37.5}, tableOf(flight::kTurnRatePoints),
                     {-flight::kStandardRate, 0, flight::kStandardRate}});
    return cases;
}

TEST(Pictures, EachNeedleTipTouchesTheMarkPrintedForItsValue) {
    for (DialCase& dial : dialCases()) {
        SCOPED_TRACE(std::string(dial.name) + " of " + std::string(dial.module->moduleName));
        gaugehost::computeTableAngles(dial.table, dial.pivot);
        const PixelImage face = render(*dial.module, dial.dial);
        const PixelImage needle = render(*dial.module, dial.needle);
        double reach = 0;
        for (int y = 0; y < needle.height; ++y) {
            for (int x = 0; x < needle.width; ++x) {
                if (needle.at(x, y) != kPureBlack) reach = std::max(reach, std::hypot(x + 0.5 - dial.hub.x, y + 0.5 - dial.hub.y));
            }
        }
        const kit::Point pivot{dial.pivot.x + 0.5, dial.pivot.y + 0.5};
        for (double value : dial.values) {
            const double angle = gaugehost::angleForValue(dial.table, value);
            int count = 0;
            const Polar mark = inkInSector(face, pivot, reach - 4, reach, angle, 3, count);
            EXPECT_GT(count, 3) << "no mark under the tip at " << value;
            EXPECT_LT(angleDifference(mark.angle, angle), 0.8) << value;
        }
    }
}

// The hundreds digits stand where the long pointer points for 0, 100, … 900.
TEST(Pictures, AltimeterDigitsStandAtThePointersAngles) {
    namespace dial = dial_instruments::layout;
    auto table = tableOf(dial::kAltitudePoints);
    gaugehost::computeTableAngles(table, {dial::kPointerPivot.x, dial::kPointerPivot.y});
    for (const ModulePictures* module : {&vfrInstrumentPictures, &flightInstrumentPictures}) {
        const PixelImage face = render(*module, dial::kAltimeterFace.id);
        for (int digit = 0; digit <= 9; ++digit) {
            const double angle = gaugehost::angleForValue(table, 100 * digit);
            int count = 0;
            const Polar ink = inkInSector(face, {155.5, 156.5}, 100, 118, angle, 10, count);
            EXPECT_GT(count, 20) << module->moduleName << " digit " << digit;
            EXPECT_LT(angleDifference(ink.angle, angle), 3.0) << module->moduleName << " digit " << digit;
        }
    }
}

// The masks show the card exactly where they hold (1, 1, 1); pure black shows nothing.
TEST(Pictures, CardMasksHoldWindowBlackWhereTheCardShowsAndPureBlackOutside) {
    namespace dial = dial_instruments::layout;
    namespace flight = flight_instruments::layout;
    namespace vor = vfr_instruments::layout;
    for (const ModulePictures* module : {&vfrInstrumentPictures, &flightInstrumentPictures}) {
        const PixelImage window = render(*module, dial::kSettingWindow.id);
        EXPECT_EQ(coloursOf(window), (std::set<std::uint32_t>{kPureBlack, kWindowBlack}));
        EXPECT_EQ(window.at(0, 0), kPureBlack);
        EXPECT_EQ(window.at(window.width / 2, window.height / 2), kWindowBlack);
        EXPECT_EQ(std::count(window.pixels.begin(), window.pixels.end(), kWindowBlack), (window.width - 2) * (window.height - 2));
    }
    EXPECT_EQ(render(vfrInstrumentPictures, dial::kSettingWindow.id).pixels,
              render(flightInstrumentPictures, dial::kSettingWindow.id).pixels) << "the same window in both builds";

    const PixelImage gyro = render(flightInstrumentPictures, flight::kHeadingCardMask.id);
    const int centreX = flight::kHeadingCardCentre.x - flight::kHeadingCardMaskAt.x;
    const int centreY = flight::kHeadingCardCentre.y - flight::kHeadingCardMaskAt.y;
    for (auto [x, y, colour] : {std::tuple{centreX + 90, centreY + 60, kWindowBlack}, {centreX - 60, centreY - 100, kWindowBlack},
                                {0, 0, kPureBlack}, {gyro.width - 1, gyro.height - 1, kPureBlack}}) {
        EXPECT_EQ(gyro.at(x, y), colour) << "heading card mask at " << x << "," << y;
    }
    EXPECT_GT(brightness(gyro.at(centreX, centreY + 10)), 3 * 200) << "the white aircraft over the card";

    const PixelImage face = render(vfrInstrumentPictures, vor::kCourseCardMask.id);
    const double middle = (vor::kRingInner + vor::kRingOuter) / 2;
    for (auto [angle, colour] : {std::pair{-90.0, kWindowBlack}, {-60.0, kWindowBlack}, {90.0, kWindowBlack},
                                 {0.0, 0u}, {180.0, 0u}}) {
        const kit::Point at = kit::polar({vor::kVorCentre.x + 0.5, vor::kVorCentre.y + 0.5}, middle, angle);
        const std::uint32_t shown = face.at(static_cast<int>(at.x), static_cast<int>(at.y));
        if (colour == kWindowBlack) {
            EXPECT_EQ(shown, kWindowBlack) << "the card shows at " << angle;
        } else {
            EXPECT_NE(shown, kWindowBlack) << "the face covers the card at " << angle;
            EXPECT_NE(shown, kPureBlack) << angle;
        }
    }
    EXPECT_EQ(face.at(0, 0), kPureBlack);
}

// ---------------------------------------------------------------------------------------------
// Digit strips

// Where a cell's ink is: pixels nearer the ink than the face.
std::vector<bool> digitInk(const PixelImage& image, const kit::DigitStrip& strip, kit::Box cell) {
    const int threshold = (brightness(strip.ink.packed()) + brightness(strip.face.packed())) / 2;
    std::vector<bool> ink;
    for (int y = static_cast<int>(cell.y); y < static_cast<int>(cell.y + cell.height); ++y) {
        for (int x = static_cast<int>(cell.x); x < static_cast<int>(cell.x + cell.width); ++x) {
            ink.push_back(brightness(image.at(x, y)) > threshold);
        }
    }
    return ink;
}

int differences(const std::vector<bool>& a, const std::vector<bool>& b) {
    int count = 0;
    for (std::size_t at = 0; at < a.size(); ++at) count += a[at] != b[at];
    return count;
}

// Each cell of a strip shows its own digit, in order from 0 at the top: its ink matches that
// digit's label drawn on its own and no other digit's.
TEST(DrawingKit, DigitStripCellsAreEqualAndInOrder) {
    const kit::DigitStrip strips[] = {
        {.firstCell = {0, 0, 18, 24}, .leading = "", .digitSize = 18, .ink = kit::kLabelWhite, .face = {20, 20, 20}},
        {.firstCell = {0, 0, 80, 50}, .leading = "1", .digitSize = 34, .ink = kit::kLabelWhite, .face = {20, 20, 20}},
    };
    for (const kit::DigitStrip& strip : strips) {
        SCOPED_TRACE(std::string{"leading \""} + std::string{strip.leading} + "\"");
        const int width = static_cast<int>(strip.firstCell.width);
        const int cellHeight = static_cast<int>(strip.firstCell.height);
        const PixelImage drawn = sketch(width, 10 * cellHeight, [&](cairo_t* cr) { kit::digitStrip(cr, strip); });
        std::vector<std::vector<bool>> labels;
        for (int digit = 0; digit <= 9; ++digit) {
            const kit::Box cell = kit::digitCell(strip, digit);
            EXPECT_EQ(cell.y, digit * cellHeight);
            EXPECT_EQ(cell.height, cellHeight);
            const std::string text = std::string{strip.leading} + std::to_string(digit);
            const PixelImage alone = sketch(width, cellHeight, [&](cairo_t* cr) {
                kit::fill(cr, strip.face);
                kit::label(cr, text, {width / 2.0, cellHeight / 2.0}, strip.digitSize, strip.ink);
            });
            labels.push_back(digitInk(alone, strip, strip.firstCell));
        }
        for (int digit = 0; digit <= 9; ++digit) {
            const std::vector<bool> ink = digitInk(drawn, strip, kit::digitCell(strip, digit));
            int best = 0;
            for (int other = 1; other <= 9; ++other) {
                if (differences(ink, labels[other]) < differences(ink, labels[best])) best = other;
            }
            EXPECT_EQ(best, digit);
            EXPECT_LE(differences(ink, labels[digit]), 3) << digit;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Parts drawn in several states, as the pictures of one icon

struct TwoStates {
    const char* part;
    std::function<void(cairo_t*)> first, second;
};

// An icon's pictures replace one another in place, so a part's states must cover the same pixels.
TEST(DrawingKit, EveryStateOfAPartHasTheSameOutline) {
    const kit::Box box{4, 4, 40, 52};
    const kit::Point centre{24, 30};
    const TwoStates parts[] = {
        {"lamp", [&](cairo_t* cr) { kit::lamp(cr, centre, 18, kit::kAmberLamp, kit::LampState::Dark); },
         [&](cairo_t* cr) { kit::lamp(cr, centre, 18, kit::kAmberLamp, kit::LampState::Lit); }},
        {"push button",
         [&](cairo_t* cr) {
             kit::pushButton(cr, box, kit::ButtonState::Up, kit::kPanelGrey, "ALT", 10, kit::kLabelWhite);
         },
         [&](cairo_t* cr) {
             kit::pushButton(cr, box, kit::ButtonState::Pressed, kit::kPanelGrey, "ALT", 10, kit::kLabelWhite);
         }},
        {"rocker switch", [&](cairo_t* cr) { kit::rockerSwitch(cr, box, kit::Direction::Up, kit::kPanelGrey); },
         [&](cairo_t* cr) { kit::rockerSwitch(cr, box, kit::Direction::Down, kit::kPanelGrey); }},
        {"knob", [&](cairo_t* cr) { kit::knob(cr, centre, 18, 180, kit::kPanelGrey); },
         [&](cairo_t* cr) { kit::knob(cr, centre, 18, 270, kit::kPanelGrey); }},
    };
    for (const TwoStates& part : parts) {
        SCOPED_TRACE(part.part);
        const PixelImage first = sketch(48, 60, part.first);
        const PixelImage second = sketch(48, 60, part.second);
        EXPECT_NE(first.pixels, second.pixels);
        EXPECT_EQ(shownPixels(first), shownPixels(second));
        EXPECT_GT(std::count(first.pixels.begin(), first.pixels.end(), kPureBlack), 0);
    }
}

}  // namespace
