// The pictures of VeskarZ3V3, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit selectorAndSwitchPictures;
extern const picturegen::ModulePictures fuelAvionicsPictures;
