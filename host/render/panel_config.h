// The aircraft's panel configuration as the simulator reads it: [WindowNN] sections (and the
// virtual cockpit's [VcockpitNN] surfaces) holding a size, an ident and gaugeNN=Module!Gauge lines.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image.h"

namespace gaugehost::render {

struct GaugePlacement {
    std::string key;  // "gauge00"
    std::string module, gauge;
    int x = 0, y = 0;
    // At the gauge's background size when both are absent; with a width only, the height keeps
    // the background's aspect.
    std::optional<int> width, height;
    int line = 0;
};

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct PanelWindow {
    std::string section;  // "Window00", "Vcockpit01"
    std::string ident;    // the window's ident, or its section name when it has none
    int width = 0, height = 0;  // size_mm: the window's design units, drawn one pixel each
    std::optional<int> position;
    std::optional<Rgba> backgroundColour;
    std::vector<GaugePlacement> gauges;  // in file order, the order they are drawn in
    KeyValues otherKeys;  // keys the bench does not draw, kept as written
    int line = 0;         // of the section header
};

struct PanelSection {
    std::string name;
    KeyValues keys;
};

struct PanelConfig {
    std::vector<PanelWindow> windows;  // in file order
    std::vector<PanelSection> otherSections;  // [Window Titles], [Views], … kept and not drawn

    // By ident or section name, either case; nullptr when there is none.
    const PanelWindow* findWindow(std::string_view identOrSection) const;
};

// Throws HostError "<file>:<line>: <what is wrong>" for a malformed line.
PanelConfig parsePanelConfig(std::string_view text, const std::string& fileName);
PanelConfig readPanelConfig(const std::filesystem::path& file);

}  // namespace gaugehost::render
