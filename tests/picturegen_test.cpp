#include "modules/fuel_avionics/pictures.h"
#include "modules/landing_gear/pictures.h"
#include "tools/picturegen/bitmap_writer.h"
#include "tools/picturegen/drawing_kit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    const ScratchDirectory scratch;
    const std::string error = errorOf({.moduleName = "Twice", .pictures = pictures}, scratch.path());

    EXPECT_NE(error.find("0x105"), std::string::npos) << error;
    EXPECT_NE(error.find("Twice"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

TEST(ModuleWriter, NamesThePictureThatHasTooManyColours) {
    const Picture pictures[] = {
        {.id = 0x107, .width = 300, .height = 2, .bitsPerPixel = 8, .draw = paintRamp},
    };
    const ScratchDirectory scratch;
    const std::string error = errorOf({.moduleName = "Ramp", .pictures = pictures}, scratch.path());

    EXPECT_NE(error.find("0x107"), std::string::npos) << error;
    EXPECT_NE(error.find("Ramp"), std::string::npos) << error;
    EXPECT_NE(error.find("300"), std::string::npos) << error;
}

TEST(ModuleWriter, RefusesOutputPathThatIsAFile) {
    const Picture pictures[] = {{.id = 0x108, .width = 4, .height = 4, .bitsPerPixel = 8, .draw = paintGrey}};
    const ScratchDirectory scratch;
    const std::filesystem::path occupied = scratch.path() / "occupied";
    std::ofstream(occupied) << "a file, not a directory";

    EXPECT_THROW(picturegen::writeModulePictures({.moduleName = "Blocked", .pictures = pictures}, occupied),
                 PictureError);
    EXPECT_THROW(picturegen::writeModulePictures({.moduleName = "Blocked", .pictures = pictures}, occupied / "below"),
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
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The pictures

const Picture& pictureOf(const ModulePictures& module, std::uint32_t id) {
    const auto found = std::find_if(module.pictures.begin(), module.pictures.end(),
                                    [id](const Picture& picture) { return picture.id == id; });
    if (found == module.pictures.end()) throw std::runtime_error("no picture " + std::to_string(id));
    return *found;
}

PixelImage render(const ModulePictures& module, std::uint32_t id) {
    return picturegen::renderPicture(pictureOf(module, id));
}

TEST(Pictures, AllBlackBackgroundsArePureBlackEverywhere) {
    for (std::uint32_t id : {0x100u, 0x116u}) {
        EXPECT_EQ(coloursOf(render(fuelAvionicsPictures, id)), std::set<std::uint32_t>{kPureBlack}) << id;
    }
}

// Pure black is the host's transparency, so it may only surround what a picture shows:
// every pure black pixel must reach the picture's edge through pure black. A pure black
// spot inside a lamp, lever or plate would let the panel show through a hole.
TEST(Pictures, PureBlackOnlySurroundsWhatThePictureShows) {
    for (const ModulePictures* module : {&landingGearPictures, &fuelAvionicsPictures}) {
        for (const Picture& picture : module->pictures) {
            SCOPED_TRACE(picturegen::bitmapFileName(picture.id));
            const PixelImage image = picturegen::renderPicture(picture);
            std::vector<bool> reached(image.pixels.size(), false);
            std::vector<std::pair<int, int>> pending;
            const auto visit = [&](int x, int y) {
                if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
                const std::size_t at = static_cast<std::size_t>(y) * image.width + x;
                if (reached[at] || image.pixels[at] != kPureBlack) return;
                reached[at] = true;
                pending.emplace_back(x, y);
            };
            for (int x = 0; x < image.width; ++x) {
                visit(x, 0);
                visit(x, image.height - 1);
            }
            for (int y = 0; y < image.height; ++y) {
                visit(0, y);
                visit(image.width - 1, y);
            }
            while (!pending.empty()) {
                const auto [x, y] = pending.back();
                pending.pop_back();
                visit(x + 1, y);
                visit(x - 1, y);
                visit(x, y + 1);
                visit(x, y - 1);
            }
            const auto blackPixels = std::count(image.pixels.begin(), image.pixels.end(), kPureBlack);
            EXPECT_EQ(std::count(reached.begin(), reached.end(), true), blackPixels);
        }
    }
}

TEST(Pictures, GearPlateIsOpaqueAndOtherPicturesLieOnBlack) {
    for (const ModulePictures* module : {&landingGearPictures, &fuelAvionicsPictures}) {
        for (const Picture& picture : module->pictures) {
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

struct LampIcon {
    std::uint32_t id;
    int x, y;  // where GearPos places the icon on the plate
    kit::LampColour colour;
};

// A lit lamp icon burns exactly over its dark lamp: where the icon is not transparent, the plate
// shows a lamp; where the icon is transparent, the plate shows bare paint.
TEST(Pictures, LitLampIconsCoverTheirDarkLampsExactly) {
    const PixelImage plate = render(landingGearPictures, 0x130);
    const LampIcon icons[] = {
        {0x136, 109, 332, kit::kAmberLamp},
        {0x138, 109, 93, kit::kBlueLamp},
        {0x141, 61, 214, kit::kRedLamp},
    };
    for (const LampIcon& icon : icons) {
        SCOPED_TRACE(picturegen::bitmapFileName(icon.id));
        const PixelImage lit = render(landingGearPictures, icon.id);
        EXPECT_TRUE(coloursOf(lit).contains(icon.colour.lit.packed()));
        EXPECT_FALSE(coloursOf(lit).contains(icon.colour.dark.packed()));

        std::set<std::uint32_t> plateColoursUnderLamps;
        int mismatches = 0;
        for (int y = 0; y < lit.height; ++y) {
            for (int x = 0; x < lit.width; ++x) {
                const std::uint32_t under = plate.at(icon.x + x, icon.y + y);
                const bool iconShows = lit.at(x, y) != kPureBlack;
                const bool plateShowsLamp = under != kit::kPanelBlack.packed();
                mismatches += iconShows != plateShowsLamp;
                if (iconShows) plateColoursUnderLamps.insert(under);
            }
        }
        EXPECT_EQ(mismatches, 0);
        EXPECT_TRUE(plateColoursUnderLamps.contains(icon.colour.dark.packed()));
    }
}

struct InkBox {
    int left, top, right, bottom;
};

InkBox inkOf(const PixelImage& image) {
    InkBox box{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) == kPureBlack) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    }
    return box;
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

void drawLabelOnPlate(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kPanelBlack);
    kit::label(cr, "PUMP ON", {picture.width / 2.0, picture.height / 2.0}, 18, kit::kLabelWhite);
}

void drawLitLampOnBlack(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    kit::lamp(cr, {picture.width / 2.0, picture.height / 2.0}, 20, kit::kRedLamp, kit::LampState::Lit);
}

// Smoothing would blend edges into in-between shades; without it a picture holds only the colours drawn.
TEST(DrawingKit, DrawsOnlyTheColoursItIsGiven) {
    const Picture label{.id = 1, .width = 120, .height = 30, .bitsPerPixel = 8, .draw = drawLabelOnPlate};
    EXPECT_EQ(coloursOf(picturegen::renderPicture(label)),
              (std::set<std::uint32_t>{kit::kPanelBlack.packed(), kit::kLabelWhite.packed()}));

    const Picture lamp{.id = 2, .width = 50, .height = 50, .bitsPerPixel = 8, .draw = drawLitLampOnBlack};
    EXPECT_EQ(coloursOf(picturegen::renderPicture(lamp)),
              (std::set<std::uint32_t>{kPureBlack, kit::kPanelGrey.packed(), kit::kLampBody.packed(),
                                       kit::kRedLamp.lit.packed(), kit::kLampGlint.packed()}));
}

}  // namespace
