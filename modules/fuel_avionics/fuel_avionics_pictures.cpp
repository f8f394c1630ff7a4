// The art of PanelFuel and Avionics: their all-black backgrounds, the selector handle pointing down,
// left and right, and the avionics switch thrown down and up in its red-rimmed bezel.
#include "modules/fuel_avionics/fuel_avionics_layout.h"
#include "modules/fuel_avionics/pictures.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = fuel_avionics::layout;

constexpr kit::Point kHandlePivot{layout::kHandlePivot.x, layout::kHandlePivot.y};
constexpr double kHandleReach = 115;
constexpr double kHandleWidth = 34;

constexpr kit::Point kSwitchPivot{layout::kSwitchPivot.x, layout::kSwitchPivot.y};
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

// Every picture is exactly its box.
constexpr Picture picture(const layout::PictureBox& box, std::uint32_t id, void (*draw)(cairo_t*, const Picture&)) {
    return {.id = id, .width = box.width, .height = box.height, .bitsPerPixel = 8, .draw = draw};
}

constexpr Picture kPictures[] = {
    picture(layout::kFuelBackground, layout::kFuelBackground.id, drawAllTransparent),
    picture(layout::kFuelHandle, layout::kFuelHandle.id, drawSelectorHandle<kit::Direction::Down>),
    picture(layout::kFuelHandle, layout::kFuelHandle.id + 1, drawSelectorHandle<kit::Direction::Left>),
    picture(layout::kFuelHandle, layout::kFuelHandle.id + 2, drawSelectorHandle<kit::Direction::Right>),
    picture(layout::kSwitchBackground, layout::kSwitchBackground.id, drawAllTransparent),
    picture(layout::kSwitch, layout::kSwitch.id, drawAvionicsSwitch<kit::Direction::Down>),
    picture(layout::kSwitch, layout::kSwitch.id + 1, drawAvionicsSwitch<kit::Direction::Up>),
};

}  // namespace

constinit const picturegen::PictureUnit selectorAndSwitchPictures{kPictures};
