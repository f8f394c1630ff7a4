// Gauges drawn together: the windows of a panel configuration, and the contact sheet of every
// gauge the modules carry.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gauge_renderer.h"
#include "image.h"
#include "module_files.h"
#include "panel_config.h"
#include "panel_host.h"

namespace gaugehost::render {

// What the bench draws at most: a window of more pixels takes minutes and gigabytes.
inline constexpr int kLargestWindowSide = 8192;
inline constexpr std::int64_t kMostWindowPixels = std::int64_t{4096} * 4096;

// Throws HostError "<where>: WxH pixels is larger than the bench draws …" beyond those limits.
void checkDrawable(std::int64_t width, std::int64_t height, const std::string& where);

struct PlacedGauge {
    const GaugeInstance* gauge = nullptr;  // nullptr: a gauge the bench does not have, drawn as a labelled outline
    std::string name;                      // Module!Gauge
    int x = 0, y = 0, width = 0, height = 0;  // on the window, in its pixels
};

struct WindowLayout {
    const PanelWindow* window = nullptr;
    int width = 0, height = 0;
    std::optional<Image> background;  // the window's background bitmap, pure black transparent
    std::vector<PlacedGauge> gauges;
};

// Lays out the windows of one configuration on one host: finds the modules (in the module
// folders, then beside the configuration) and the background bitmaps, creates the gauges and
// sizes everything. What it passes over becomes a warning.
class PanelLayout {
public:
    PanelLayout(PanelHost& host, ModuleFolders moduleFolders, const PanelConfig& config);

    // Creates the window's gauges, each instance called "<section>.<key>" (e.g. "Window00.gauge03").
    // The window's size is its size_mm; with the width alone the height follows the background's
    // aspect; without size_mm it is the background's size, and without either as far as its
    // gauges reach. A gauge without a width takes its header's default width in the window's
    // units, its height in proportion to its background. Throws HostError naming the line of a
    // window or gauge larger than the bench draws, or of a module that cannot be loaded.
    WindowLayout layOut(const PanelWindow& window);

    // The configuration's warnings, then the layout's, each module the bench lacks listed once.
    std::vector<std::string> warnings() const;

private:
    std::optional<Image> background(const PanelWindow& window);
    PlacedGauge place(const PanelWindow& window, const GaugePlacement& placement);

    struct MissingModule {
        std::string name;  // as the configuration first gives it
        int firstLine = 0;
        std::vector<int> lines;
    };

    PanelHost& host_;
    ModuleFolders moduleFolders_;
    const PanelConfig& config_;
    std::vector<std::string> warnings_;
    std::map<std::string, MissingModule> missingModules_;  // by the lower-case name: one however it is written
};

// The window's background colour (black when it names none) under its background bitmap, with
// its gauges over them in file order, each resized to its place. The overlay adds each gauge's
// box with its Module!Gauge name, and its mouse areas with their tooltips and cursors.
Image drawWindow(const WindowLayout& layout, GaugeRenderer& renderer, std::optional<std::uint32_t> activeSelection,
                 bool overlay = false);

// Every gauge in rows, shrunk where it is large, each labelled with its Module!Gauge name and size.
Image drawContactSheet(const std::vector<const GaugeInstance*>& gauges, GaugeRenderer& renderer);

}  // namespace gaugehost::render
