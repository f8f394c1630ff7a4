#include "drawing_commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iostream>

#include "gauge_renderer.h"
#include "host_variables.h"
#include "panel_drawing.h"
#include "png_file.h"

namespace gaugehost::render {
namespace {

using Folders = std::vector<std::filesystem::path>;

std::optional<std::uint32_t> hexadecimal(std::string_view text) {
    if (!(text.starts_with("0x") || text.starts_with("0X")) || text.size() == 2) return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> decimal(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::uint32_t> selectionId(const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (auto value = hexadecimal(text)) return value;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) throw HostError("--select " + text + ": not a selection id");
    return value;
}

void prepareHost(PanelHost& host, const Folders& folders, const std::vector<std::string>& settings) {
    for (const auto& folder : folders) host.addModuleFolder(folder);
    for (const auto& setting : settings) applySetting(host.variables(), setting);
}

void write(const Image& image, const std::filesystem::path& file) {
    writePng(image, file);
    std::cout << "wrote " << file.string() << " (" << image.width() << "x" << image.height() << ")\n";
}

// A window's file name: its ident with anything but letters, digits, '-' and '_' made '_'.
std::string windowFileName(const PanelWindow& window) {
    std::string name = window.ident;
    std::replace_if(name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c) && c != '-' && c != '_'; }, '_');
    return "panel-" + name + ".png";
}

}  // namespace

void applySetting(VariableStore& variables, std::string_view setting) {
    const std::string where = "--set " + std::string(setting) + ": ";
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos) throw HostError(where + "expected TOKEN=VALUE");
    const std::string_view name = setting.substr(0, equals), valueText = setting.substr(equals + 1);

    std::uint32_t token = 0;
    if (const auto number = hexadecimal(name)) {
        token = *number;
    } else {
        std::string upper(name);
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
        const HostVariableInfo* info = findHostVariable(std::string_view(upper));
        if (info == nullptr) throw HostError(where + "no host variable is called " + std::string(name));
        token = info->token;
    }
    if (token == 0) throw HostError(where + "token 0 drives nothing");

    if (const auto bits = hexadecimal(valueText)) {
        if (VariableStore::isIntegerForm(token)) {
            variables.setInteger(token, static_cast<std::int32_t>(*bits));
        } else {
            variables.set(token, *bits);
        }
    } else if (const auto value = decimal(valueText)) {
        variables.set(token, *value);
    } else {
        throw HostError(where + "\"" + std::string(valueText) + "\" is not a number");
    }
}

DrawingCommands::DrawingCommands(CLI::App& app) {
    const auto addHostOptions = [this](CLI::App* command) {
        command->add_option("--set", settings_, "TOKEN=VALUE: a host variable by hex token or table name (repeatable)");
        command->add_option("--cycles", cycles_, "update cycles to run before drawing")->check(CLI::NonNegativeNumber);
    };

    render_ = app.add_subcommand("render", "draw one gauge as it stands after its cycles to a PNG file");
    render_->add_option("gauge", gauge_, "Module!Gauge")->required();
    addHostOptions(render_);
    render_->add_option("--press", presses_, "X,Y: a click at gauge pixel X,Y before the cycles (repeatable)");
    render_->add_option("--select", selection_, "selection id whose highlight ranges are drawn highlighted");
    render_->add_option("-o,--output", output_, "PNG file to write")->required();

    panel_ = app.add_subcommand("panel", "draw windows of a panel configuration to PNG files");
    panel_->add_option("config", panelFile_, "panel configuration (panel.cfg)")->required()->check(CLI::ExistingFile);
    panel_->add_option("--window", window_, "the window by ident or section name; the first window when not given");
    addHostOptions(panel_);
    panel_->add_option("--select", selection_, "selection id whose highlight ranges are drawn highlighted");
    auto* destination = panel_->add_option_group("destination", "exactly one of");
    destination->add_option("-o,--output", output_, "PNG file for the one window");
    destination->add_option("--out-dir", outputFolder_, "folder for panel-<ident>.png of every window (or of --window only)");
    destination->require_option(1);

    sheet_ = app.add_subcommand("sheet", "draw every gauge of every module in the folders, labelled, to one PNG file");
    addHostOptions(sheet_);
    sheet_->add_option("-o,--output", output_, "PNG file to write")->required();
}

std::optional<int> DrawingCommands::run(const Folders& moduleFolders,
                                        const std::function<std::vector<std::string>()>& moduleNames) const {
    if (*render_) return renderGauge(moduleFolders);
    if (*panel_) return renderPanel(moduleFolders);
    if (*sheet_) return renderSheet(moduleFolders, moduleNames());
    return std::nullopt;
}

int DrawingCommands::renderGauge(const Folders& moduleFolders) const {
    const std::size_t bang = gauge_.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == gauge_.size()) throw HostError(gauge_ + " is not Module!Gauge");
    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    const std::string module = gauge_.substr(0, bang);
    host.loadModule(module);
    GaugeInstance& gauge = host.createGauge(module, gauge_.substr(bang + 1));
    for (const auto& press : presses_) {
        const std::size_t comma = press.find(',');
        const auto x = decimal(std::string_view(press).substr(0, comma));
        const auto y = comma == std::string::npos ? std::nullopt : decimal(std::string_view(press).substr(comma + 1));
        if (!x || !y || *x != std::trunc(*x) || *y != std::trunc(*y) || std::abs(*x) > 1e6 || std::abs(*y) > 1e6) {
            throw HostError("--press " + press + ": expected X,Y in whole gauge pixels");
        }
        host.press(gauge, static_cast<int>(*x), static_cast<int>(*y));
        host.release();
    }
    host.setActiveSelection(selectionId(selection_));
    host.runCycles(cycles_);
    GaugeRenderer renderer;
    write(renderer.draw(gauge, host.activeSelection()), output_);
    return 0;
}

int DrawingCommands::renderPanel(const Folders& moduleFolders) const {
    const PanelConfig config = readPanelConfig(panelFile_);
    std::vector<const PanelWindow*> windows;
    if (!window_.empty()) {
        const PanelWindow* window = config.findWindow(window_);
        if (window == nullptr) {
            std::string known;
            for (const auto& each : config.windows) known += " " + each.ident;
            throw HostError(panelFile_ + " has no window " + window_ + " (its windows:" + known + ")");
        }
        windows.push_back(window);
    } else if (outputFolder_.empty()) {
        if (config.windows.empty()) throw HostError(panelFile_ + " has no window");
        windows.push_back(&config.windows.front());
    } else {
        for (const auto& window : config.windows) windows.push_back(&window);
    }

    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    std::vector<std::vector<PlacedGauge>> placed;
    for (const PanelWindow* window : windows) placed.push_back(createWindowGauges(host, *window, panelFile_));
    host.setActiveSelection(selectionId(selection_));
    host.runCycles(cycles_);

    GaugeRenderer renderer;
    if (!outputFolder_.empty()) std::filesystem::create_directories(outputFolder_);
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const Image image = drawWindow(*windows[i], placed[i], renderer, host.activeSelection());
        write(image, outputFolder_.empty() ? std::filesystem::path(output_)
                                           : std::filesystem::path(outputFolder_) / windowFileName(*windows[i]));
    }
    return 0;
}

int DrawingCommands::renderSheet(const Folders& moduleFolders, const std::vector<std::string>& modules) const {
    PanelHost host;
    prepareHost(host, moduleFolders, settings_);
    std::vector<const GaugeInstance*> gauges;
    for (const auto& name : modules) {
        Module& module = host.loadModule(name);
        for (const auto* header : module.gauges()) {
            gauges.push_back(&host.createGauge(module.name(), header->gaugeName, module.name() + "!" + header->gaugeName));
        }
    }
    if (gauges.empty()) throw HostError("no module found in the module folders");
    host.runCycles(cycles_);
    GaugeRenderer renderer;
    write(drawContactSheet(gauges, renderer), output_);
    return 0;
}

}  // namespace gaugehost::render
