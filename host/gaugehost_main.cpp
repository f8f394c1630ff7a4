// gaugehost: the bench host's command line.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#include "hex_text.h"
#include "host_variables.h"
#include "module_files.h"
#include "module_listing.h"
#include "nearest_names.h"
#include "panel_host.h"
#include "scenario.h"
#include "value_text.h"

#if defined(GAUGEHOST_DRAWING)
#include "drawing_commands.h"
#include "gauge_renderer.h"
#include "png_file.h"
#include "serve_command.h"
#endif

namespace {

// A command line the program cannot follow; help and version requests are not failures.
constexpr int kUsageError = 2;

std::filesystem::path executableFolder() {
#if defined(_WIN32)
    wchar_t file[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, file, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return {};
    return std::filesystem::path(file).parent_path();
#else
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
#endif
}

// The modules of the build, found from where this program lies.
std::filesystem::path defaultModuleFolder() {
    return (executableFolder() / GAUGEHOST_MODULE_FOLDER).lexically_normal();
}

// Folders named on the command line, then those of GAUGE_MODULE_PATH; the build's modules when
// neither names any.
gaugehost::ModuleFolders moduleFolders(const std::vector<std::string>& named) {
    gaugehost::ModuleFolders folders(named.begin(), named.end());
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
    if (folders.empty()) folders.push_back(defaultModuleFolder());
    return folders;
}

void addFolders(gaugehost::PanelHost& host, const gaugehost::ModuleFolders& folders) {
    for (const auto& folder : folders) host.addModuleFolder(folder);
}

// Each module's gauges in Linkage order with their default width and background size.
int printGaugeTable(std::vector<std::string> modules, const gaugehost::ModuleFolders& folders) {
    gaugehost::PanelHost host;
    addFolders(host, folders);
    if (modules.empty()) modules = gaugehost::modulesIn(folders);
    if (modules.empty()) throw gaugehost::HostError("no module found in the module folders");
    std::printf("%-16s %-22s %10s %12s %s\n", "module", "gauge", "width (mm)", "size (px)", "gauge callback");
    for (const auto& name : modules) {
        gaugehost::Module& module = gaugehost::loadModuleNamed(host, folders, name);
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

int listModule(const std::string& name, bool json, const gaugehost::ModuleFolders& folders) {
    gaugehost::PanelHost host;
    addFolders(host, folders);
    const auto description = gaugehost::describeModule(gaugehost::loadModuleNamed(host, folders, name));
    if (json) {
        std::cout << description.dump(2) << '\n';
    } else {
        gaugehost::printModule(description, std::cout);
    }
    return 0;
}

// A name against a pattern: '*' any run of characters and '?' any one, ignoring case; a pattern
// without either matches the names that contain it.
bool matches(std::string_view name, std::string_view pattern) {
    const auto same = [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b)); };
    if (pattern.find_first_of("*?") == std::string_view::npos) {
        return std::search(name.begin(), name.end(), pattern.begin(), pattern.end(), same) != name.end();
    }
    // Matching with backtracking to the last '*'.
    std::size_t n = 0, p = 0, star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && same(pattern[p], name[n])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

int printVariables(const std::string& pattern) {
    std::vector<const gaugehost::HostVariableInfo*> shown;
    for (const auto& info : gaugehost::hostVariables()) {
        if (matches(info.name(), pattern)) shown.push_back(&info);
    }
    if (shown.empty()) {
        std::vector<std::string> names;
        for (const auto& info : gaugehost::hostVariables()) names.emplace_back(info.name());
        throw gaugehost::HostError("no host variable matches " + pattern + gaugehost::didYouMean(pattern, names));
    }
    std::printf("%-32s %-7s %-11s %-22s %-10s %s\n", "name", "token", "form", "unit", "default", "role");
    for (const auto* info : shown) {
        char token[16], value[32];
        std::snprintf(token, sizeof token, "0x%X", info->token);
        if (info->form == gaugehost::VariableForm::Bcd) {
            std::snprintf(value, sizeof value, "0x%X", static_cast<unsigned>(info->defaultValue));
        } else {
            std::snprintf(value, sizeof value, "%g", info->defaultValue);
        }
        std::printf("%-32s %-7s %-11s %-22s %-10s %s\n", std::string(info->name()).c_str(), token, gaugehost::formName(info->form),
                    std::string(info->unit).c_str(), value, std::string(info->role).c_str());
    }
    return 0;
}

// The usage line of the command the user was writing when the command line failed.
std::string usageOf(const CLI::App& app) {
    const CLI::App* command = &app;
    std::string name = app.get_name();
    while (!command->get_subcommands().empty()) {
        command = command->get_subcommands().front();
        name += " " + command->get_name();
    }
    return CLI::Formatter().make_usage(command, name);
}

// When no subcommand was recognised: the first word that is not an option, with the nearest subcommands.
std::string unknownSubcommand(const CLI::App& app, int argc, char** argv) {
    if (!app.get_subcommands().empty()) return {};
    std::vector<std::string> names;
    for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) names.push_back(command->get_name());
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.starts_with('-')) {
            // The module folder option takes the word after it.
            if (word == "--module-dir") ++i;
            continue;
        }
        return "; there is no subcommand " + word + gaugehost::didYouMean(word, names);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"The Veskar Z3V bench host: loads gauge modules and runs them without the simulator.", "gaugehost"};
    app.require_subcommand(1);
    // A word beginning with '/' is a path in every build, never a Windows-style option.
    app.allow_windows_style_options(false);
    // Options of gaugehost itself may stand before or after the subcommand.
    app.fallthrough();
    app.set_version_flag("--version", std::string("gaugehost ") + GAUGEHOST_VERSION);
    std::vector<std::string> folderOptions;
    app.add_option("--module-dir", folderOptions,
                   "folder to look for modules in (repeatable); GAUGE_MODULE_PATH adds more; when neither names any, " +
                       defaultModuleFolder().string());

    std::vector<std::string> modules;
    auto* gauges = app.add_subcommand("gauges", "print each module's gauges with their sizes");
    gauges->add_option("modules", modules, "module names or module files; every module in the folders when none");
    gauges->footer("Example: gaugehost gauges VeskarZ3V5\n");

    std::string listed;
    bool json = false;
    auto* list = app.add_subcommand("list", "print a module's gauges, element trees and mouse lists, names beside numbers");
    list->add_option("module", listed, "module name or module file")->required();
    list->add_flag("--json", json, "print JSON for tools");
    list->footer("Example: gaugehost list VeskarZ3V5 --json\n");

    std::string pattern;
    auto* vars = app.add_subcommand("vars", "print the host variables the gauges read: name, token, form, unit, default, role");
    vars->add_option("pattern", pattern, "part of the name, or a pattern with * and ?; every variable when none");
    vars->footer("Example: gaugehost vars 'COM*FREQUENCY'\n");

    std::vector<std::string> scenarios;
    auto* run = app.add_subcommand("run", "run scenario files and check their expectations");
    run->add_option("scenarios", scenarios, "scenario files")->required()->check(CLI::ExistingFile);
    gaugehost::ScenarioOptions scenarioOptions;
    run->add_flag("-v,--verbose", scenarioOptions.verbose, "print every expectation that holds too");
    std::string junitFile;
    run->add_option("--junit", junitFile, "also write a JUnit XML report of every file to this file");
    run->add_option("--out-dir", scenarioOptions.snapshotFolder, "folder for snapshots; beside each scenario file when not given");
    run->footer("Example: gaugehost run tests/scenarios/*.scn\n\n" + gaugehost::scenarioLanguageHelp());

#if defined(GAUGEHOST_DRAWING)
    // The drawing commands render, panel and sheet (native build).
    gaugehost::render::DrawingCommands drawing(app);
    gaugehost::serve::ServeCommand serve(app);
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& request) {
        return app.exit(request);
    } catch (const CLI::ParseError& error) {
        std::cerr << "gaugehost: " << error.what() << unknownSubcommand(app, argc, argv) << '\n'
                  << usageOf(app) << "Run with --help for more information.\n";
        return kUsageError;
    }
    const auto folders = moduleFolders(folderOptions);
    try {
        if (*gauges) return printGaugeTable(modules, folders);
        if (*list) return listModule(listed, json, folders);
        if (*vars) return printVariables(pattern);
        if (*run) {
            scenarioOptions.moduleFolders = folders;
#if defined(GAUGEHOST_DRAWING)
            scenarioOptions.snapshot = [](gaugehost::PanelHost& host, gaugehost::GaugeInstance& gauge,
                                  const std::filesystem::path& file) {
                gaugehost::render::writePng(gaugehost::render::GaugeRenderer().draw(gauge, host.activeSelection()), file);
            };
#endif
            return gaugehost::runScenarioFiles(scenarios, scenarioOptions, std::cout, junitFile);
        }
#if defined(GAUGEHOST_DRAWING)
        if (auto drawn = drawing.run(folders)) return *drawn;
        if (auto served = serve.run(folders)) return *served;
#endif
    } catch (const std::exception& error) {
        std::cerr << "gaugehost: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
