// The pictures of VeskarZ3VVFR, drawn at build time into the module's bitmap resources, and the
// main panel's art of the airspeed indicator and altimeter, which VeskarZ3VM carries.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit vfrDialPictures;
extern const picturegen::PictureUnit mainDialPictures;
extern const picturegen::PictureUnit vorPictures;
extern const picturegen::ModulePictures vfrInstrumentPictures;
