// The art of SWfuelph: the yellow high-boost rocker, off and on, over a pure black plate.
#include "modules/switch_panel/fuel_pump_high_layout.h"
#include "modules/switch_panel/panel_art.h"
#include "modules/switch_panel/pictures.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = switch_panel::layout;
using switch_panel::art::drawPlainBlack;
using switch_panel::art::drawRocker;
using switch_panel::art::picture;

constexpr kit::Rgb kBoostYellow{232, 196, 40};

constexpr Picture kPictures[] = {
    picture(layout::kFuelPumpHighPlate, layout::kFuelPumpHighPlate.id, drawPlainBlack),
    picture(layout::kFuelPumpHighRocker, layout::kFuelPumpHighRocker.id, drawRocker<kit::Direction::Down, kBoostYellow>),
    picture(layout::kFuelPumpHighRocker, layout::kFuelPumpHighRocker.id + 1, drawRocker<kit::Direction::Up, kBoostYellow>),
};

}  // namespace

constinit const picturegen::PictureUnit fuelPumpHighPictures{kPictures};
