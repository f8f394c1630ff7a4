#include "drawing_commands.h"

#include "aircraft_model.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <set>

#include "gauge_renderer.h"
#include "host_variables.h"
#include "nearest_names.h"
#include "panel_drawing.h"
#include "png_file.h"

namespace gaugehost::render {
namespace {

// "-" as the output: the PNG goes to standard output, and what is said about it to standard error.
constexpr const char* kStandardOutput = "-";

// A CLI11 check made of one of our readers: its HostError becomes the usage error.
template <class Read>
CLI::Validator checkedBy(const char* description, Read read) {
    return CLI::Validator(
        [read](std::string& text) -> std::string {
            try {
                read(text);
                return {};
            } catch (const HostError& error) {
                return error.what();
            }
        },
        description);
}

std::optional<std::uint32_t> selectionId(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const auto value = readWholeNumber(text);
    if (!value || *value < 1) throw HostError(text + ": expected a selection id from 1 to 0xFFFFFFFF");
    return static_cast<std::uint32_t>(*value);
}

struct Press {
    int x, y;
};

Press readPress(const std::string& text) {
    const auto coordinate = [&](std::string_view part) {
        const auto value = readWholeNumber(part);
        if (!value || *value < INT32_MIN || *value > INT32_MAX) throw HostError(text + ": expected X,Y in whole gauge pixels");
        return static_cast<int>(*value);
    };
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return {coordinate({}), 0};
    return {coordinate(std::string_view(text).substr(0, comma)), coordinate(std::string_view(text).substr(comma + 1))};
}

// The selection ids the gauge's text readouts highlight.
std::set<std::uint32_t> selectionsOf(const GaugeInstance& gauge) {
    std::set<std::uint32_t> selections;
    for (const TreeEntry& entry : drawingOrder(gauge.header())) {
        if (entry.element->kind != gauge::kString) continue;
        const auto& text = reinterpret_cast<const gauge::StringElement&>(*entry.element);
        for (const auto* range = text.highlights; range != nullptr && range->selectionId != 0; ++range) {
            selections.insert(range->selectionId);
        }
    }
    return selections;
}

// The active selection, which one of the drawn gauges must highlight.
void selectFor(PanelHost& host, const std::string& text, const std::vector<const GaugeInstance*>& gauges) {
    const auto selection = selectionId(text);
    if (!selection) return;
    std::set<std::uint32_t> known;
    for (const GaugeInstance* gauge : gauges) known.merge(selectionsOf(*gauge));
    if (!known.contains(*selection)) {
        std::string ids;
        for (std::uint32_t id : known) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "0x%X", id);
            ids += (ids.empty() ? "" : ", ") + std::string(hex);
        }
        throw HostError("--select " + text + ": no gauge drawn highlights that selection (" +
                        (ids.empty() ? std::string("none highlights any") : "they highlight " + ids) + ")");
    }
    host.setActiveSelection(selection);
}

void prepareHost(PanelHost& host, const ModuleFolders& folders, const std::vector<std::string>& settings) {
    for (const auto& folder : folders) host.addModuleFolder(folder);
    for (const auto& setting : settings) readSetting(setting).applyTo(host.variables());
}

void write(const Image& image, const std::string& file, const std::string& title = {}) {
    const std::string size = std::to_string(image.width()) + "x" + std::to_string(image.height());
    if (file == kStandardOutput) {
        writePng(image, stdout, "standard output");
        std::cerr << "wrote the PNG to standard output (" << size << ")\n";
        return;
    }
    writePng(image, file);
    std::cout << "wrote " << file << " (" << (title.empty() ? "" : title + ", ") << size << ")\n";
}

// Each window's file name: its ident with anything but letters, digits, '-' and '_' made '_'.
// Names that would meet, as they do on a file system that ignores case, take the section name too,
// then a number: no window overwrites another.
std::vector<std::string> windowFileNames(const std::vector<const PanelWindow*>& windows) {
    const auto safe = [](std::string name) {
        std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c) && c != '-' && c != '_'; }, '_');
        return name;
    };
    const auto folded = [](std::string name) {
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        return name;
    };
    std::set<std::string> taken;
    std::vector<std::string> names;
    for (const PanelWindow* window : windows) {
        std::string stem = "panel-" + safe(window->ident);
        if (taken.contains(folded(stem))) stem += "-" + safe(window->section);
        std::string name = stem;
        for (int copy = 2; taken.contains(folded(name)); ++copy) name = stem + "-" + std::to_string(copy);
        taken.insert(folded(name));
        names.push_back(name + ".png");
    }
    return names;
}

}  // namespace

VariableValue readSetting(std::string_view setting) {
    const std::string where = std::string(setting) + ": ";
    const std::size_t equals = setting.find('=');
    try {
        if (equals == std::string_view::npos) throw HostError("expected TOKEN=VALUE");
        return readVariableValue(readHostVariable(setting.substr(0, equals)), setting.substr(equals + 1));
    } catch (const HostError& error) {
        throw HostError(where + error.what());
    }
}

DrawingCommands::DrawingCommands(CLI::App& app) {
    const auto addHostOptions = [this](CLI::App* command) {
        command->add_option("--set", settings_, "TOKEN=VALUE: a host variable by name or hex token, its value in its own form (repeatable)")
            ->check(checkedBy("TOKEN=VALUE", [](const std::string& text) { readSetting(text); }));
        command->add_option("--cycles", cycles_, "update cycles to run before drawing")
            ->check(CLI::Range(0, kMostCycles))
            ->capture_default_str();
        command->add_flag("--model", model_, "the aircraft model answers the gauges' key events during the presses and cycles");
    };
    const auto addSelection = [this](CLI::App* command) {
        command->add_option("--select", selection_, "selection id whose highlight ranges are drawn highlighted")
            ->check(checkedBy("ID", [](const std::string& text) { selectionId(text); }));
    };

    render_ = app.add_subcommand("render", "draw one gauge as it stands after its cycles to a PNG file");
    render_->add_option("gauge", gauge_, "Module!Gauge")->required();
    addHostOptions(render_);
    render_->add_option("--press", presses_, "X,Y: a click at gauge pixel X,Y before the cycles (repeatable)")
        ->check(checkedBy("X,Y", [](const std::string& text) { readPress(text); }));
    addSelection(render_);
    render_->add_option("-o,--output", output_, "PNG file to write, - for standard output")->required();
    render_->footer("Example: gaugehost render 'VeskarZ3V5!GearPos' --set GEAR_EXTENSION=8000 -o gear.png\n");

    panel_ = app.add_subcommand("panel", "draw windows of a panel configuration to PNG files");
    panel_->add_option("config", panelFile_, "panel configuration (panel.cfg)")->required();
    panel_->add_option("--window", window_, "the window by ident or section name; the first window when not given");
    addHostOptions(panel_);
    addSelection(panel_);
    panel_->add_flag("--overlay", overlay_, "mark each gauge's box and name, and its mouse areas with tooltips and cursors");
    panel_->add_flag("--strict", strict_, "treat the configuration's warnings as errors and draw nothing");
    auto* destination = panel_->add_option_group("destination", "exactly one of");
    destination->add_option("-o,--output", output_, "PNG file for the one window, - for standard output");
    destination->add_option("--out-dir", outputFolder_, "folder for panel-<ident>.png of every window (or of --window only)");
    destination->require_option(1);
    panel_->footer("Example: gaugehost panel modules/panel.cfg --out-dir dist --overlay\n");

    sheet_ = app.add_subcommand("sheet", "draw every gauge of the modules, labelled, to one PNG file");
    sheet_->add_option("modules", modules_, "module names or module files; every module in the folders when none");
    addHostOptions(sheet_);
    sheet_->add_option("-o,--output", output_, "PNG file to write, - for standard output")->required();
    sheet_->footer("Example: gaugehost sheet -o dist/sheet.png\n");
}

std::optional<int> DrawingCommands::run(const ModuleFolders& moduleFolders) const {
    if (*render_) return renderGauge(moduleFolders);
    if (*panel_) return renderPanel(moduleFolders);
    if (*sheet_) return renderSheet(moduleFolders);
    return std::nullopt;
}

int DrawingCommands::renderGauge(const ModuleFolders& moduleFolders) const {
    const std::size_t bang = gauge_.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == gauge_.size()) throw HostError(gauge_ + " is not Module!Gauge");
    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    AircraftModel model{host};  // before the gauges are made, so that their start-up events are answered
    model.setRunning(model_);
    Module& module = loadModuleNamed(host, moduleFolders, gauge_.substr(0, bang));
    GaugeInstance& gauge = host.createGauge(module.name(), gaugeNamed(module, gauge_.substr(bang + 1)).gaugeName);
    checkDrawable(gauge.width(), gauge.height(), module.name() + "!" + gauge.header().gaugeName);
    for (const auto& text : presses_) {
        const Press press = readPress(text);
        host.press(gauge, press.x, press.y);
        host.release();
    }
    selectFor(host, selection_, {&gauge});
    host.runCycles(cycles_);
    GaugeRenderer renderer;
    write(renderer.draw(gauge, host.activeSelection()), output_);
    return 0;
}

int DrawingCommands::renderPanel(const ModuleFolders& moduleFolders) const {
    const PanelConfig config = readPanelConfig(panelFile_);
    std::vector<const PanelWindow*> windows;
    if (!window_.empty()) {
        const PanelWindow* window = config.findWindow(window_);
        if (window == nullptr) {
            std::vector<std::string> names;
            std::string known;
            for (const auto& each : config.windows) {
                known += " " + each.ident;
                names.push_back(each.ident);
                names.push_back(each.section);
            }
            throw HostError(panelFile_ + " has no window " + window_ + didYouMean(window_, names) + " (its windows:" + known + ")");
        }
        windows.push_back(window);
    } else if (outputFolder_.empty()) {
        windows.push_back(&config.windows.front());
    } else {
        for (const auto& window : config.windows) windows.push_back(&window);
    }

    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    AircraftModel model{host};  // before the gauges are made, so that their start-up events are answered
    model.setRunning(model_);
    PanelLayout layout(host, moduleFolders, config);
    std::vector<WindowLayout> laidOut;
    std::vector<const GaugeInstance*> gauges;
    for (const PanelWindow* window : windows) {
        laidOut.push_back(layout.layOut(*window));
        for (const PlacedGauge& placed : laidOut.back().gauges) {
            if (placed.gauge != nullptr) gauges.push_back(placed.gauge);
        }
    }
    const auto warnings = layout.warnings();
    for (const auto& warning : warnings) std::cerr << (strict_ ? "error: " : "warning: ") << warning << '\n';
    if (strict_ && !warnings.empty()) {
        throw HostError(std::to_string(warnings.size()) + " warning" + (warnings.size() == 1 ? " is an error" : "s are errors") +
                        " under --strict; nothing was drawn");
    }
    selectFor(host, selection_, gauges);
    host.runCycles(cycles_);

    GaugeRenderer renderer;
    if (!outputFolder_.empty()) std::filesystem::create_directories(outputFolder_);
    const auto fileNames = windowFileNames(windows);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Image image = drawWindow(laidOut[i], renderer, host.activeSelection(), overlay_);
        write(image, outputFolder_.empty() ? output_ : (std::filesystem::path(outputFolder_) / fileNames[i]).string(),
              windows[i]->title);
    }
    return 0;
}

int DrawingCommands::renderSheet(const ModuleFolders& moduleFolders) const {
    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    AircraftModel model{host};  // before the gauges are made, so that their start-up events are answered
    model.setRunning(model_);
    std::vector<const GaugeInstance*> gauges;
    for (const auto& name : modules_.empty() ? modulesIn(moduleFolders) : modules_) {
        Module& module = loadModuleNamed(host, moduleFolders, name);
        for (const auto* header : module.gauges()) {
            const std::string name = module.name() + "!" + header->gaugeName;
            gauges.push_back(&host.createGauge(module.name(), header->gaugeName, name));
            checkDrawable(gauges.back()->width(), gauges.back()->height(), name);
        }
    }
    if (gauges.empty()) throw HostError("no module found in the module folders");
    host.runCycles(cycles_);
    GaugeRenderer renderer;
    write(drawContactSheet(gauges, renderer), output_);
    return 0;
}

}  // namespace gaugehost::render
