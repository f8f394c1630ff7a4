// The one list of VeskarZ3V3's pictures: those of its one unit, the fuel selector and avionics switch.
#include "modules/fuel_avionics/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&selectorAndSwitchPictures};
}  // namespace

constinit const picturegen::ModulePictures fuelAvionicsPictures{.moduleName = "VeskarZ3V3", .units = kUnits};
