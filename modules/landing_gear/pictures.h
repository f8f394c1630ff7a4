// The pictures of VeskarZ3V5, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit gearPictures;
extern const picturegen::ModulePictures landingGearPictures;
