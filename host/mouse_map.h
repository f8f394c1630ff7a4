// A gauge's mouse area list resolved into background coordinates: which child takes a click at a
// point, and which tooltip and cursor the point shows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gauge.h"

namespace gaugehost {

struct ResolvedBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool wholeGauge = false;  // the outermost parent's (0, 0, 0, 0)
    bool contains(int px, int py, int gaugeWidth, int gaugeHeight) const;
};

struct ResolvedArea {
    int listIndex = 0;  // position in the module's list, from 0
    gauge::MouseAreaKind kind = gauge::kParent;
    ResolvedBox box;
    int depth = 0;       // 0 for the outermost parent
    int parent = -1;     // index into MouseMap::areas of the enclosing parent
    const gauge::MouseArea* area = nullptr;
    const char* tooltipText = nullptr;  // a parent's TooltipTextArea text
};

struct Tooltip {
    gauge::TooltipId id = 0;
    std::string text;
    bool operator==(const Tooltip&) const = default;
};

class MouseMap {
public:
    MouseMap() = default;
    // Throws HostError when the list is malformed (no leading parent, an end without a parent,
    // a child with both a key event and a function, or no end of list within reach).
    MouseMap(const gauge::MouseArea* list, int gaugeWidth, int gaugeHeight);

    // The innermost child under the point (the first in list order among children of one depth).
    const ResolvedArea* childAt(int x, int y) const;
    std::optional<Tooltip> tooltipAt(int x, int y) const;
    int cursorAt(int x, int y) const;
    const std::vector<ResolvedArea>& areas() const { return areas_; }

private:
    std::vector<ResolvedArea> areas_;
    int gaugeWidth_ = 0, gaugeHeight_ = 0;
};

}  // namespace gaugehost
