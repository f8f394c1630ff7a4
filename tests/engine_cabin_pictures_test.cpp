// The art of VeskarZ3V2 against what its gauges rely on: every engine pointer touches the printed
// mark of each of its table values, the frame overlay hides only the pivots, the controls'
// backgrounds and the window spots are wholly transparent, and the cowl flap knob stands at the
// places its click areas answer for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/needle_geometry.h"
#include "modules/engine_cabin/controls_layout.h"
#include "modules/engine_cabin/pictures.h"
#include "modules/engine_cabin/strips_layout.h"
#include "tools/picturegen/bitmap_writer.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::PixelImage;
namespace kit = picturegen::kit;
namespace strips = engine_cabin::strips_layout;
namespace controls = engine_cabin::controls_layout;

constexpr std::uint32_t kPureBlack = 0x000000;

PixelImage render(std::uint32_t id) {
    for (const picturegen::Picture& picture : engineCabinPictures.all()) {
        if (picture.id == id) return picturegen::renderPicture(picture);
    }
    throw std::runtime_error("no picture " + std::to_string(id));
}

// The part of the pointer beyond the dial's caption.
constexpr int kOuterPart = 20;
// Brighter than the green and red markings, as bright as a mark that covers most of a pixel.
constexpr int kMarkBrightness = 400;

int brightness(std::uint32_t colour) { return (colour >> 16 & 0xFF) + (colour >> 8 & 0xFF) + (colour & 0xFF); }

// The drawn pointer's tip lies this far from its pivot.
int pointerReach() {
    const PixelImage pointer = render(strips::kPointer);
    int reach = 0;
    for (int x = 0; x < pointer.width; ++x) {
        if (pointer.at(x, strips::kPointerPivotY) != kPureBlack) reach = x - strips::kPointerPivotX;
    }
    return reach;
}

// Turned by the host to a table value, the pointer's outer part lies on the white mark printed
// there: over its tip where the scale row lies beyond the pointer's reach, along it where the row
// lies within.
TEST(EngineCabinPictures, EnginePointerTouchesTheMarkOfEveryTableValue) {
    const int reach = pointerReach();
    ASSERT_GT(reach, 90);
    const std::pair<std::uint32_t, std::span<const strips::Dial>> faces[] = {
        {strips::kEngineLFace, strips::kEngineLDials}, {strips::kEngineRFace, strips::kEngineRDials}};
    for (const auto& [faceId, dials] : faces) {
        const PixelImage face = render(faceId);
        for (const strips::Dial& dial : dials) {
            std::vector<gauge::NonlinearityEntry> table;
            for (const strips::ScalePoint& point : dial.scale) {
                table.push_back({.x = point.x, .y = strips::kScaleRow, .value = point.value, .angle = 0});
            }
            const gauge::Point pivot{dial.pivotX, strips::kPivotRow};
            gaugehost::computeTableAngles(table, pivot);
            for (const strips::ScalePoint& point : dial.scale) {
                SCOPED_TRACE(testing::Message() << dial.caption << " at " << point.value);
                const double angle = gaugehost::angleForValue(table, point.value);
                int touching = 0;
                for (int along = reach - kOuterPart; along <= reach; ++along) {
                    const kit::Point at = kit::polar({static_cast<double>(pivot.x), static_cast<double>(pivot.y)},
                                                     along, angle);
                    touching += brightness(face.at(static_cast<int>(std::lround(at.x)),
                                                   static_cast<int>(std::lround(at.y)))) > kMarkBrightness;
                }
                EXPECT_GE(touching, 3);
            }
        }
    }
}

TEST(EngineCabinPictures, FrameOverlayCoversOnlyTheStripOverThePivots) {
    const PixelImage overlay = render(strips::kFrameOverlay);
    for (int y = 0; y < overlay.height; ++y) {
        for (int x = 0; x < overlay.width; x += 7) {
            if (y < strips::kFrameTop) {
                ASSERT_EQ(overlay.at(x, y), kPureBlack) << x << "," << y;
            } else if (x > 4 && x < overlay.width - 4) {
                ASSERT_NE(overlay.at(x, y), kPureBlack) << x << "," << y;
            }
        }
    }
}

TEST(EngineCabinPictures, ControlBackgroundsAndWindowSpotsAreWhollyPureBlack) {
    for (std::uint32_t id : {controls::kCarbheat.background, controls::kStart.background,
                             controls::kCowlFlap.background, controls::kBeaconRocker.background, 0x160u}) {
        const PixelImage image = render(id);
        EXPECT_TRUE(std::all_of(image.pixels.begin(), image.pixels.end(), [](std::uint32_t pixel) {
            return pixel == kPureBlack;
        })) << id;
    }
}

// The ball stands at its own place in each picture; there the other pictures show the bare slot.
TEST(EngineCabinPictures, CowlFlapKnobStandsAtEachOfItsPositions) {
    std::vector<PixelImage> positions;
    for (int position = 0; position < controls::kCowlFlap.pictureCount; ++position) {
        positions.push_back(render(controls::kCowlFlap.firstPicture + position));
    }
    const int middle = controls::kCowlFlap.width / 2;
    for (int position = 0; position < controls::kCowlFlap.pictureCount; ++position) {
        for (int other = 0; other < controls::kCowlFlap.pictureCount; ++other) {
            SCOPED_TRACE(testing::Message() << "knob " << position << ", picture " << other);
            const int shown = brightness(positions[other].at(middle, controls::kCowlFlapKnobY[position]));
            if (other == position) {
                EXPECT_GT(shown, 450);
            } else {
                EXPECT_LT(shown, 150);
            }
        }
    }
}

}  // namespace
