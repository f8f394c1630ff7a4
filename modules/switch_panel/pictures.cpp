// The one list of VeskarZ3V4's pictures: those of its units.
#include "modules/switch_panel/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&leverPictures, &switchPictures, &gpsPictures, &fuelPumpHighPictures};
}  // namespace

constinit const picturegen::ModulePictures switchPanelPictures{.moduleName = "VeskarZ3V4", .units = kUnits};
