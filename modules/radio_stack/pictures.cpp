// The one list of VeskarZ3VRadios's pictures: those of its seven units.
#include "modules/radio_stack/pictures.h"

namespace {
constexpr const picturegen::PictureUnit* kUnits[] = {
    &transponderPictures, &audioPanelPictures, &com1Nav1Pictures, &com2Nav2Pictures,
    &dmePictures,         &autopilotPictures,  &adfPictures,
};
}  // namespace

constinit const picturegen::ModulePictures radioStackPictures{.moduleName = "VeskarZ3VRadios", .units = kUnits};
