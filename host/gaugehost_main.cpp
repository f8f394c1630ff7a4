// gaugehost: the bench host's command line.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "panel_host.h"

namespace {

// Each module's gauges in Linkage order with their default width and background size.
// Every module file in the folders, by name.
std::vector<std::string> modulesIn(const std::vector<std::string>& folders) {
    std::vector<std::string> names;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == gaugehost::ModuleLibrary::kFileExtension) names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

int printGaugeTable(std::vector<std::string> modules, const std::vector<std::string>& folders) {
    gaugehost::PanelHost host;
    for (const auto& folder : folders) host.addModuleFolder(folder);
    if (modules.empty()) modules = modulesIn(folders);
    std::printf("%-16s %-22s %10s %12s %s\n", "module", "gauge", "width (mm)", "size (px)", "gauge callback");
    for (const auto& name : modules) {
        gaugehost::Module& module = host.loadModule(name);
        for (const auto* header : module.gauges()) {
            const auto& background = module.picture(header->elementList[0]->resourceId);
            const auto size = std::to_string(background.width) + "x" + std::to_string(background.height);
            std::printf("%-16s %-22s %10u %12s %s\n", module.name().c_str(), header->gaugeName,
                        static_cast<unsigned>(header->defaultWidthMm), size.c_str(),
                        header->gaugeCallback != nullptr ? "yes" : "no");
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"The Veskar Z3V bench host: loads gauge modules and runs them without the simulator."};
    app.require_subcommand(1);
    std::vector<std::string> folders;
    app.add_option("--module-dir", folders, "folder to look for modules in (repeatable)");

    std::vector<std::string> modules;
    auto* gauges = app.add_subcommand("gauges", "print each module's gauges with their sizes");
    gauges->add_option("modules", modules, "module names or module files; every module in the folders when none");

    CLI11_PARSE(app, argc, argv);
    try {
        if (*gauges) return printGaugeTable(modules, folders);
    } catch (const std::exception& error) {
        std::cerr << "gaugehost: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
