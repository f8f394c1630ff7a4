// The pictures of VeskarZ3V7, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit trimPictures;
extern const picturegen::PictureUnit egtPictures;
extern const picturegen::PictureUnit lowVoltPictures;
extern const picturegen::ModulePictures trimAnnunciatorPictures;
