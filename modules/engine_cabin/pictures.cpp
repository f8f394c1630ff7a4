// The one list of VeskarZ3V2's pictures: those of its engine strips, fuel-flow computer, engine
// controls and window buttons.
#include "modules/engine_cabin/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&enginePictures, &fuelFlowPictures, &controlPictures,
                                                     &navigationPictures};
}  // namespace

constinit const picturegen::ModulePictures engineCabinPictures{.moduleName = "VeskarZ3V2", .units = kUnits};
