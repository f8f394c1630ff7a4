// picturegen --module <Name> --out <dir>: draws one gauge module's pictures as the
// bitmaps, manifest and resource script that its build packs into the module.
#include "modules/flight_instruments/pictures.h"
#include "modules/engine_cabin/pictures.h"
#include "modules/fuel_avionics/pictures.h"
#include "modules/landing_gear/pictures.h"
#include "modules/radio_stack/pictures.h"
#include "modules/vfr_instruments/pictures.h"
#include "modules/trim_annunciators/pictures.h"
#include "modules/switch_panel/pictures.h"
#include "tools/picturegen/bitmap_writer.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>

namespace {

// Every module whose pictures are drawn from code; a module adds its list here.
const picturegen::ModulePictures* const kModules[] = {
    &landingGearPictures,
    &fuelAvionicsPictures,
    &radioStackPictures,
    &flightInstrumentPictures,
    &vfrInstrumentPictures,
    &trimAnnunciatorPictures,
    &engineCabinPictures,
    &switchPanelPictures,
};

std::string knownModuleNames() {
    std::string names;
    for (const picturegen::ModulePictures* module : kModules) {
        names += (names.empty() ? "" : ", ") + std::string{module->moduleName};
    }
    return names;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Draws a gauge module's pictures as Windows bitmaps with their manifest and resource script."};
    std::string moduleName;
    std::string outDir;
    app.add_option("--module", moduleName, "module name, e.g. VeskarZ3V5")->required();
    app.add_option("--out", outDir, "directory to write the bitmaps, pictures.txt and pictures.rc into")->required();
    CLI11_PARSE(app, argc, argv);

    const auto found = std::find_if(std::begin(kModules), std::end(kModules),
                                    [&](const picturegen::ModulePictures* module) { return module->moduleName == moduleName; });
    if (found == std::end(kModules)) {
        std::cerr << "picturegen: unknown module \"" << moduleName << "\"; known modules: " << knownModuleNames() << '\n';
        return 1;
    }
    try {
        picturegen::writeModulePictures(**found, outDir);
    } catch (const std::exception& fault) {
        std::cerr << "picturegen: " << fault.what() << '\n';
        return 1;
    }
    return 0;
}
