// The pictures of VeskarZ3V2, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit enginePictures;
extern const picturegen::PictureUnit fuelFlowPictures;
extern const picturegen::PictureUnit controlPictures;
extern const picturegen::PictureUnit navigationPictures;
extern const picturegen::ModulePictures engineCabinPictures;
