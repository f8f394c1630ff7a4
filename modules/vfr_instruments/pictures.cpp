// The one list of VeskarZ3VVFR's pictures: the VFR airspeed indicator and altimeter, then the VOR
// indicator and AutoClose.
#include "modules/vfr_instruments/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&vfrDialPictures, &vorPictures};
}  // namespace

constinit const picturegen::ModulePictures vfrInstrumentPictures{.moduleName = "VeskarZ3VVFR", .units = kUnits};
