// The pictures of VeskarZ3VM, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit flightPictures;
extern const picturegen::ModulePictures flightInstrumentPictures;
