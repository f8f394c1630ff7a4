// gaugehost: the bench host's command line.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "module_listing.h"
#include "panel_host.h"
#include "scenario.h"

#if defined(GAUGEHOST_DRAWING)
#include "drawing_commands.h"
#include "gauge_renderer.h"
#include "png_file.h"
#endif

namespace {

// Folders named on the command line, then those of GAUGE_MODULE_PATH.
std::vector<std::filesystem::path> moduleFolders(const std::vector<std::string>& named) {
    std::vector<std::filesystem::path> folders(named.begin(), named.end());
#if defined(_WIN32)
    constexpr char kSeparator = ';';
#else
    constexpr char kSeparator = ':';
#endif
    if (const char* path = std::getenv("GAUGE_MODULE_PATH")) {
        std::string rest = path;
        for (std::size_t at; !rest.empty(); rest = at == std::string::npos ? "" : rest.substr(at + 1)) {
            at = rest.find(kSeparator);
            if (at != 0) folders.emplace_back(rest.substr(0, at));
        }
    }
    return folders;
}

// Every module file in the folders, by name.
std::vector<std::string> modulesIn(const std::vector<std::filesystem::path>& folders) {
    std::vector<std::string> names;
    for (const auto& folder : folders) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() == gaugehost::ModuleLibrary::kFileExtension) names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void addFolders(gaugehost::PanelHost& host, const std::vector<std::filesystem::path>& folders) {
    for (const auto& folder : folders) host.addModuleFolder(folder);
}

// Each module's gauges in Linkage order with their default width and background size.
int printGaugeTable(std::vector<std::string> modules, const std::vector<std::filesystem::path>& folders) {
    gaugehost::PanelHost host;
    addFolders(host, folders);
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

int listModule(const std::string& name, bool json, const std::vector<std::filesystem::path>& folders) {
    gaugehost::PanelHost host;
    addFolders(host, folders);
    const auto description = gaugehost::describeModule(host.loadModule(name));
    if (json) {
        std::cout << description.dump(2) << '\n';
    } else {
        gaugehost::printModule(description, std::cout);
    }
    return 0;
}

int runScenarios(const std::vector<std::string>& files, const gaugehost::ScenarioOptions& options) {
    gaugehost::ScenarioResult total;
    for (const auto& file : files) {
        const auto result = gaugehost::runScenarioFile(file, options, std::cout);
        total.passed += result.passed;
        total.failed += result.failed;
    }
    std::cout << total.passed << " passed, " << total.failed << " failed\n";
    return total.failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"The Veskar Z3V bench host: loads gauge modules and runs them without the simulator."};
    app.require_subcommand(1);
    std::vector<std::string> folderOptions;
    app.add_option("--module-dir", folderOptions, "folder to look for modules in (repeatable; GAUGE_MODULE_PATH adds more)");

    std::vector<std::string> modules;
    auto* gauges = app.add_subcommand("gauges", "print each module's gauges with their sizes");
    gauges->add_option("modules", modules, "module names or module files; every module in the folders when none");

    std::string listed;
    bool json = false;
    auto* list = app.add_subcommand("list", "print a module's gauges, element trees and mouse lists");
    list->add_option("module", listed, "module name or module file")->required();
    list->add_flag("--json", json, "print JSON for tools");

    std::vector<std::string> scenarios;
    auto* run = app.add_subcommand("run", "run scenario files and check their expectations");
    run->add_option("scenarios", scenarios, "scenario files")->required()->check(CLI::ExistingFile);
    run->footer(gaugehost::scenarioLanguageHelp());

#if defined(GAUGEHOST_DRAWING)
    // The drawing commands render, panel and sheet (native build).
    gaugehost::render::DrawingCommands drawing(app);
#endif

    CLI11_PARSE(app, argc, argv);
    const auto folders = moduleFolders(folderOptions);
    try {
        if (*gauges) return printGaugeTable(modules, folders);
        if (*list) return listModule(listed, json, folders);
        if (*run) {
            gaugehost::ScenarioOptions options{.moduleFolders = folders, .snapshot = {}};
#if defined(GAUGEHOST_DRAWING)
            options.snapshot = [](gaugehost::PanelHost& host, gaugehost::GaugeInstance& gauge,
                                  const std::filesystem::path& file) {
                gaugehost::render::writePng(gaugehost::render::GaugeRenderer().draw(gauge, host.activeSelection()), file);
            };
#endif
            return runScenarios(scenarios, options);
        }
#if defined(GAUGEHOST_DRAWING)
        if (auto drawn = drawing.run(folders, [&] { return modulesIn(folders); })) return *drawn;
#endif
    } catch (const std::exception& error) {
        std::cerr << "gaugehost: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
