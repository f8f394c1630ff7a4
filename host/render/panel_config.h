// The aircraft's panel configuration as the simulator reads it: [WindowNN] sections (and the
// virtual cockpit's [VcockpitNN] surfaces) holding a size, a background bitmap, an ident and
// gaugeNN=Module!Gauge lines. Real files are forgiving: what the simulator would pass over is read
// with a warning naming its line, and only a file without a single window is refused.
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
    int number = 0;   // the NN of gaugeNN
    std::string module, gauge;
    int x = 0, y = 0;  // in the window's size_mm units
    // Absent: the header's default width; with the width alone the height keeps the background's aspect.
    std::optional<int> width, height;
    std::string parameter;  // the sixth field, as written; the bench's gauges take none
    int line = 0;
};

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct PanelWindow {
    std::string section;  // "Window00", "Vcockpit01"
    std::string ident;    // the window's ident, or its section name when it has none
    std::string title;    // from [Window Titles]; empty when it has none
    // size_mm: the window's design units, drawn one pixel each. The height may be left out.
    std::optional<int> width, height;
    // file= and file_1024=: background bitmaps beside the configuration, empty when not given.
    std::string file, file1024;
    std::optional<int> position;
    std::optional<Rgba> backgroundColour;
    std::vector<GaugePlacement> gauges;  // in file order, the order they are drawn in
    KeyValues otherKeys;  // keys that do not change the drawing (visible, zorder, window_pos, …), kept as written
    int line = 0;         // of the section header

    // The background bitmaps in the order they are looked for: the finer file_1024= first.
    std::vector<std::string> backgrounds() const {
        std::vector<std::string> names;
        for (const std::string* name : {&file1024, &file}) {
            if (!name->empty()) names.push_back(*name);
        }
        return names;
    }
};

struct PanelSection {
    std::string name;
    KeyValues keys;
};

struct PanelConfig {
    std::string fileName;  // as given; warnings and errors name it
    std::vector<PanelWindow> windows;         // in file order
    std::vector<PanelSection> otherSections;  // [Views], [Default View], … kept and not drawn
    // "<file>:<line>: <what was passed over>", in file order.
    std::vector<std::string> warnings;

    // The folder the configuration lies in: its bitmaps are looked for there.
    std::filesystem::path folder() const { return std::filesystem::path(fileName).parent_path(); }
    // By ident or section name, either case; nullptr when there is none.
    const PanelWindow* findWindow(std::string_view identOrSection) const;
};

// Throws HostError "<file>: has no [WindowNN] or [VcockpitNN] section" when there is no window.
PanelConfig parsePanelConfig(std::string_view text, const std::string& fileName);
// Also throws HostError when the file cannot be read.
PanelConfig readPanelConfig(const std::filesystem::path& file);

}  // namespace gaugehost::render
