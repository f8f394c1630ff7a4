// The one list of VeskarZ3VM's pictures: the main panel's airspeed indicator and altimeter, then
// the vertical speed indicator, turn coordinator and heading indicator.
#include "modules/flight_instruments/pictures.h"
#include "modules/vfr_instruments/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {&mainDialPictures, &flightPictures};
}  // namespace

constinit const picturegen::ModulePictures flightInstrumentPictures{.moduleName = "VeskarZ3VM", .units = kUnits};
