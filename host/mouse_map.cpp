#include "mouse_map.h"

#include "host_error.h"

namespace gaugehost {
namespace {
// No list in the set comes close; a list without its end entry is caught before reading far past it.
constexpr int kLongestList = 512;
}  // namespace

bool ResolvedBox::contains(int px, int py, int gaugeWidth, int gaugeHeight) const {
    if (wholeGauge) return px >= 0 && py >= 0 && px < gaugeWidth && py < gaugeHeight;
    return px >= x && py >= y && px < x + width && py < y + height;
}

MouseMap::MouseMap(const gauge::MouseArea* list, int gaugeWidth, int gaugeHeight)
    : gaugeWidth_(gaugeWidth), gaugeHeight_(gaugeHeight) {
    if (list == nullptr) return;
    if (list[0].kind != gauge::kParent) throw HostError("mouse area list does not start with a parent");
    std::vector<int> open;  // indices of the parents still open
    for (int i = 0;; ++i) {
        if (i == kLongestList) throw HostError("mouse area list has no end-of-list entry");
        const gauge::MouseArea& entry = list[i];
        const auto where = "mouse area " + std::to_string(i + 1) + ": ";
        if (entry.kind == gauge::kEndOfList) break;
        const int originX = open.empty() ? 0 : areas_[open.back()].box.x;
        const int originY = open.empty() ? 0 : areas_[open.back()].box.y;
        const int depth = static_cast<int>(open.size());
        switch (entry.kind) {
            case gauge::kParent:
            case gauge::kChild: {
                if (entry.kind == gauge::kChild && open.empty()) throw HostError(where + "child outside any parent");
                if (entry.kind == gauge::kChild && entry.keyEvent != 0 && entry.function.callback != nullptr) {
                    throw HostError(where + "child has both a key event and a function");
                }
                if (entry.kind == gauge::kParent && !open.empty() && entry.box.width == 0 && entry.box.height == 0) {
                    throw HostError(where + "inner parent has an empty box");
                }
                ResolvedArea area{
                    .listIndex = i,
                    .kind = static_cast<gauge::MouseAreaKind>(entry.kind),
                    .box = {.x = originX + entry.box.x, .y = originY + entry.box.y,
                            .width = entry.box.width, .height = entry.box.height,
                            .wholeGauge = open.empty() && entry.box.width == 0 && entry.box.height == 0},
                    .depth = depth,
                    .parent = open.empty() ? -1 : open.back(),
                    .area = &entry,
                };
                areas_.push_back(area);
                if (entry.kind == gauge::kParent) open.push_back(static_cast<int>(areas_.size()) - 1);
                break;
            }
            case gauge::kEndOfParent:
                if (open.empty()) throw HostError(where + "end of parent without an open parent");
                open.pop_back();
                break;
            case gauge::kTooltipText:
                if (open.empty()) throw HostError(where + "tooltip text outside any parent");
                areas_[open.back()].tooltipText = entry.function.tooltipText;
                break;
            default:
                throw HostError(where + "unknown area kind " + std::to_string(entry.kind));
        }
    }
    // The end of the list also ends every parent still open.
}

const ResolvedArea* MouseMap::childAt(int x, int y) const {
    const ResolvedArea* best = nullptr;
    for (const auto& area : areas_) {
        if (area.kind != gauge::kChild || !area.box.contains(x, y, gaugeWidth_, gaugeHeight_)) continue;
        if (best == nullptr || area.depth > best->depth) best = &area;
    }
    return best;
}

std::optional<Tooltip> MouseMap::tooltipAt(int x, int y) const {
    int parent = -1;
    if (const ResolvedArea* child = childAt(x, y)) {
        parent = child->parent;
    } else {
        for (int i = 0; i < static_cast<int>(areas_.size()); ++i) {
            const auto& area = areas_[i];
            if (area.kind != gauge::kParent || !area.box.contains(x, y, gaugeWidth_, gaugeHeight_)) continue;
            if (parent == -1 || area.depth > areas_[parent].depth) parent = i;
        }
    }
    for (; parent != -1; parent = areas_[parent].parent) {
        const auto& area = areas_[parent];
        if (area.tooltipText != nullptr) return Tooltip{.id = 0, .text = area.tooltipText};
        if (area.area->tooltipId != 0) return Tooltip{.id = area.area->tooltipId, .text = {}};
    }
    return std::nullopt;
}

int MouseMap::cursorAt(int x, int y) const {
    const ResolvedArea* child = childAt(x, y);
    return child != nullptr ? child->area->cursor : gauge::cursor::kNone;
}

}  // namespace gaugehost
