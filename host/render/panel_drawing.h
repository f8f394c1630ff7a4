// Gauges drawn together: the windows of a panel configuration, and the contact sheet of every
// gauge the modules carry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gauge_renderer.h"
#include "image.h"
#include "panel_config.h"
#include "panel_host.h"

namespace gaugehost::render {

struct PlacedGauge {
    const GaugeInstance* gauge = nullptr;
    int x = 0, y = 0, width = 0, height = 0;  // on the window, in its pixels
};

// Creates the window's gauges on the host, loading their modules by name; each instance is called
// "<section>.<key>" (e.g. "Window00.gauge03"). Throws HostError naming the line of a gauge that
// cannot be created.
std::vector<PlacedGauge> createWindowGauges(PanelHost& host, const PanelWindow& window, const std::string& fileName);

// The window's background colour (black when it names none) with its gauges over it, each
// resized to its place, in file order.
Image drawWindow(const PanelWindow& window, const std::vector<PlacedGauge>& gauges, GaugeRenderer& renderer,
                 std::optional<std::uint32_t> activeSelection);

// Every gauge in rows, shrunk where it is large, each labelled with its Module!Gauge name and size.
Image drawContactSheet(const std::vector<const GaugeInstance*>& gauges, GaugeRenderer& renderer);

}  // namespace gaugehost::render
