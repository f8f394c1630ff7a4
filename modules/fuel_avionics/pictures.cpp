#include "modules/fuel_avionics/pictures.h"

#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;

// The handle turns about a point above the middle of its picture, so the three
// tank areas of PanelFuel lie left of, below and right of it.
constexpr kit::Point kHandlePivot{160, 70};
constexpr double kHandleReach = 115;
constexpr double kHandleWidth = 34;

// The switch sits in the upper part of its picture, where its click area is.
constexpr kit::Point kSwitchPivot{11, 17};
constexpr double kBezelRadius = 10;
constexpr double kBezelRim = 2;
constexpr double kLeverThrow = 13;
constexpr double kLeverWidth = 4;

// Both backgrounds are wholly transparent: the panel picture shows around the moving parts.
void drawAllTransparent(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
}

template <kit::Direction pointing>
void drawSelectorHandle(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    kit::selectorHandle(cr, kHandlePivot, pointing, kHandleReach, kHandleWidth);
}

template <kit::Direction thrown>
void drawAvionicsSwitch(cairo_t* cr, const Picture&) {
    static_assert(thrown == kit::Direction::Up || thrown == kit::Direction::Down);
    kit::fill(cr, kit::kTransparent);
    kit::bezel(cr, kSwitchPivot, kBezelRadius, kBezelRim, kit::kSwitchRed, kit::kPanelBlack);
    const double throwY = thrown == kit::Direction::Up ? -kLeverThrow : kLeverThrow;
    kit::toggleLever(cr, kSwitchPivot, {kSwitchPivot.x, kSwitchPivot.y + throwY}, kLeverWidth);
}

constexpr Picture kPictures[] = {
    {.id = 0x100, .width = 450, .height = 270, .bitsPerPixel = 8, .draw = drawAllTransparent},
    {.id = 0x142, .width = 321, .height = 196, .bitsPerPixel = 8, .draw = drawSelectorHandle<kit::Direction::Down>},
    {.id = 0x143, .width = 321, .height = 196, .bitsPerPixel = 8, .draw = drawSelectorHandle<kit::Direction::Left>},
    {.id = 0x144, .width = 321, .height = 196, .bitsPerPixel = 8, .draw = drawSelectorHandle<kit::Direction::Right>},
    {.id = 0x116, .width = 22, .height = 38, .bitsPerPixel = 8, .draw = drawAllTransparent},
    {.id = 0x117, .width = 22, .height = 38, .bitsPerPixel = 8, .draw = drawAvionicsSwitch<kit::Direction::Down>},
    {.id = 0x118, .width = 22, .height = 38, .bitsPerPixel = 8, .draw = drawAvionicsSwitch<kit::Direction::Up>},
};

constexpr picturegen::PictureUnit kUnit{kPictures};
constexpr const picturegen::PictureUnit* kUnits[] = {&kUnit};

}  // namespace

constinit const picturegen::ModulePictures fuelAvionicsPictures{.moduleName = "VeskarZ3V3", .units = kUnits};
