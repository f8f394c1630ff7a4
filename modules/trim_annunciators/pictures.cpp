// The one list of VeskarZ3V7's pictures: those of its three units, the trims, the EGT gauge and the
// low-voltage lamps.
#include "modules/trim_annunciators/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&trimPictures, &egtPictures, &lowVoltPictures};
}  // namespace

constinit const picturegen::ModulePictures trimAnnunciatorPictures{.moduleName = "VeskarZ3V7", .units = kUnits};
