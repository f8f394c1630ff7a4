// The pictures of VeskarZ3VRadios, drawn at build time into the module's bitmap resources.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::ModulePictures radioStackPictures;
