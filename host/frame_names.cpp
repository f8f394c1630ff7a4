#include "frame_names.h"

#include "hex_text.h"
#include "key_events.h"

#include <cstdio>
#include <iterator>
#include <utility>

namespace gaugehost {

const char* elementKindName(std::uint32_t kind) {
    static const char* const names[] = {"static image", "needle", "string", "slider", "icon", "moving image", "sprite"};
    return kind < std::size(names) ? names[kind] : "unknown";
}

std::string cursorName(gauge::SINT32 cursor) {
    namespace c = gauge::cursor;
    constexpr std::pair<gauge::SINT32, const char*> kNames[] = {
        {c::kNone, "none"},        {c::kUpArrow, "up-arrow"}, {c::kDownArrow, "down-arrow"}, {c::kLeftArrow, "left-arrow"},
        {c::kRightArrow, "right-arrow"}, {c::kHand, "hand"}, {c::kGrab, "grab"},
    };
    for (const auto& [value, name] : kNames) {
        if (value == cursor) return name;
    }
    return "cursor " + std::to_string(cursor);
}

std::string mouseFlagsName(gauge::UINT32 flags) {
    namespace f = gauge::mouse_flag;
    if (flags == f::kClick) return "click";
    if (flags == f::kClickRepeat) return "click-repeat";
    if (flags == f::kClickDrag) return "click-drag";
    constexpr std::pair<gauge::UINT32, const char*> kBits[] = {{f::kLeftDown, "left-down"}, {f::kRepeat, "repeat"}, {f::kDrag, "drag"}};
    std::string text;
    for (const auto& [bit, name] : kBits) {
        if ((flags & bit) != 0) text += (text.empty() ? "" : "|") + std::string(name);
        flags &= ~bit;
    }
    if (flags != 0) {
        char rest[16];
        std::snprintf(rest, sizeof rest, "0x%X", flags);
        text += (text.empty() ? "" : "|") + std::string(rest);
    }
    return text.empty() ? "none" : text;
}

std::string keyEventName(gauge::KeyEventId event) {
    const std::string_view name = gauge::key::nameOf(event);
    return name.empty() ? hex(event) : std::string(name);
}

}  // namespace gaugehost
