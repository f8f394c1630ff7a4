// The pictures of VeskarZ3VRadios, drawn at build time into the module's bitmap resources: one
// unit of pictures beside each unit of gauges.
#pragma once

#include "tools/picturegen/picture.h"

extern const picturegen::PictureUnit transponderPictures;
extern const picturegen::PictureUnit audioPanelPictures;
extern const picturegen::PictureUnit com1Nav1Pictures;
extern const picturegen::PictureUnit com2Nav2Pictures;
extern const picturegen::PictureUnit dmePictures;
extern const picturegen::PictureUnit autopilotPictures;
extern const picturegen::PictureUnit adfPictures;
extern const picturegen::ModulePictures radioStackPictures;
