// The one list of VeskarZ3V5's pictures: those of its one unit, the gear plate.
#include "modules/landing_gear/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&gearPictures};
}  // namespace

constinit const picturegen::ModulePictures landingGearPictures{.moduleName = "VeskarZ3V5", .units = kUnits};
