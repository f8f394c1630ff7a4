// The pictures of VeskarZ3V4, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit switchPictures;
extern const picturegen::PictureUnit leverPictures;
extern const picturegen::PictureUnit gpsPictures;
extern const picturegen::PictureUnit fuelPumpHighPictures;
extern const picturegen::ModulePictures switchPanelPictures;
