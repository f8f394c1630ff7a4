#include "module_listing.h"

#include <algorithm>

#include "frame_names.h"
#include "hex_text.h"
#include "host_variables.h"
#include "key_events.h"

namespace gaugehost {
namespace {

using Json = nlohmann::ordered_json;

Json source(const char* role, const gauge::ModuleVariable& variable) {
    Json json{{"role", role}, {"token", hex(variable.token)}};
    if (const auto* info = findHostVariable(variable.token)) json["name"] = std::string(info->name());
    return json;
}

Json point(gauge::Point p) { return Json::array({p.x, p.y}); }

Json element(const Module& module, const TreeEntry& entry, int index) {
    const gauge::Element& common = *entry.element;
    Json json{{"index", index}, {"depth", entry.depth}, {"kind", elementKindName(common.kind)}};
    Json resources = Json::array();
    if (common.kind != gauge::kString) {
        std::vector<std::uint32_t> ids{common.resourceId};
        if (common.kind == gauge::kIcon) ids = module.iconPictureIds(reinterpret_cast<const gauge::IconElement&>(common));
        if (common.kind == gauge::kMovingImage || common.kind == gauge::kSprite) ids.push_back(common.resourceId + 1);
        for (auto id : ids) resources.push_back(hex(id));
    }
    json["resources"] = resources;
    json["position"] = point(common.position);
    json["imageFlags"] = hex(common.imageFlags);
    Json sources = Json::array();
    Json callbacks = Json::array();
    auto addSource = [&](const char* role, const gauge::ModuleVariable& variable) {
        if (variable.token != 0) sources.push_back(source(role, variable));
    };
    auto addCallback = [&](const char* role, bool set) {
        if (set) callbacks.push_back(role);
    };
    switch (common.kind) {
        case gauge::kNeedle: {
            const auto& needle = reinterpret_cast<const gauge::NeedleElement&>(common);
            json["pivot"] = point(common.offset);
            addSource("value", needle.source);
            Json table = Json::array();
            for (gauge::UINT32 i = 0; needle.table != nullptr && i < needle.tableLength; ++i) {
                table.push_back({{"x", needle.table[i].x}, {"y", needle.table[i].y}, {"value", needle.table[i].value}});
            }
            json["table"] = table;
            json["maxRotationRate"] = needle.maxRotationRate;
            addCallback("value", needle.updateCallback != nullptr);
            break;
        }
        case gauge::kString: {
            const auto& text = reinterpret_cast<const gauge::StringElement&>(common);
            for (const auto& variable : text.sources) addSource("text", variable);
            json["box"] = Json::array({text.boxWidth, text.boxHeight});
            json["maxCharacters"] = text.maxCharacters;
            json["colours"] = {{"text", hex(text.textColour)}, {"background", hex(text.backgroundColour)},
                               {"highlight", hex(text.highlightColour)}};
            json["font"] = std::string(text.fontName, strnlen(text.fontName, sizeof text.fontName));
            Json highlights = Json::array();
            for (const auto* range = text.highlights; range != nullptr && range->selectionId != 0; ++range) {
                highlights.push_back({{"selection", hex(range->selectionId)}, {"first", range->firstCharacter},
                                      {"last", range->lastCharacter}});
            }
            json["highlights"] = highlights;
            addCallback("text", text.updateCallback != nullptr);
            break;
        }
        case gauge::kSlider: {
            const auto& slider = reinterpret_cast<const gauge::SliderElement&>(common);
            addSource("x", slider.xSource);
            addSource("y", slider.ySource);
            json["scale"] = Json::array({slider.xScale, slider.yScale});
            addCallback("x", slider.xUpdateCallback != nullptr);
            addCallback("y", slider.yUpdateCallback != nullptr);
            break;
        }
        case gauge::kIcon: {
            const auto& icon = reinterpret_cast<const gauge::IconElement&>(common);
            addSource("picture", icon.source);
            json["switchType"] = icon.switchType;
            json["pictureCount"] = icon.pictureCount;
            addCallback("picture", icon.updateCallback != nullptr);
            break;
        }
        case gauge::kMovingImage: {
            const auto& strip = reinterpret_cast<const gauge::MovingImageElement&>(common);
            addSource("x", strip.xSource);
            addSource("y", strip.ySource);
            json["range"] = {{"x", Json::array({strip.xMinimum, strip.xMaximum})},
                             {"y", Json::array({strip.yMinimum, strip.yMaximum})}};
            addCallback("x", strip.xUpdateCallback != nullptr);
            addCallback("y", strip.yUpdateCallback != nullptr);
            break;
        }
        case gauge::kSprite: {
            const auto& sprite = reinterpret_cast<const gauge::SpriteElement&>(common);
            json["textureCentre"] = point(common.offset);
            addSource("x", sprite.xSource);
            addSource("y", sprite.ySource);
            addSource("rotation", sprite.rotationSource);
            json["textureScale"] = Json::array({sprite.textureScaleX, sprite.textureScaleY});
            addCallback("x", sprite.xUpdateCallback != nullptr);
            addCallback("y", sprite.yUpdateCallback != nullptr);
            addCallback("rotation", sprite.rotationUpdateCallback != nullptr);
            break;
        }
        default: break;
    }
    json["sources"] = sources;
    Json failures = Json::array();
    for (const auto* record = common.failures; record != nullptr && record->key != 0; ++record) {
        failures.push_back({{"key", record->key}, {"action", record->action}});
    }
    json["failures"] = failures;
    json["callbacks"] = callbacks;
    return json;
}

const char* areaKindName(gauge::MouseAreaKind kind) { return kind == gauge::kParent ? "parent" : "child"; }

Json mouseArea(const ResolvedArea& area) {
    const gauge::MouseArea& entry = *area.area;
    Json json{{"entry", area.listIndex + 1}, {"kind", areaKindName(area.kind)}, {"depth", area.depth},
              {"box", Json::array({entry.box.x, entry.box.y, entry.box.width, entry.box.height})}};
    json["backgroundBox"] = area.box.wholeGauge ? Json("whole gauge")
                                                : Json::array({area.box.x, area.box.y, area.box.width, area.box.height});
    json["cursor"] = entry.cursor;
    json["cursorName"] = cursorName(entry.cursor);
    if (area.kind == gauge::kParent) {
        if (area.tooltipText != nullptr) json["tooltip"] = area.tooltipText;
        else json["tooltip"] = hex(entry.tooltipId);
    } else {
        json["flags"] = hex(entry.mouseFlags);
        json["flagsName"] = mouseFlagsName(entry.mouseFlags);
        if (entry.keyEvent != 0) {
            json["keyEvent"] = hex(entry.keyEvent);
            if (const auto name = gauge::key::nameOf(entry.keyEvent); !name.empty()) json["keyEventName"] = std::string(name);
        } else {
            json["function"] = entry.function.callback != nullptr;
        }
    }
    return json;
}

}  // namespace

Json describeModule(const Module& module) {
    Json gauges = Json::array();
    for (const auto* header : module.gauges()) {
        const auto& background = module.picture(header->elementList[0]->resourceId);
        Json elements = Json::array();
        int index = 0;
        for (const auto& entry : drawingOrder(*header)) elements.push_back(element(module, entry, index++));
        Json areas = Json::array();
        const MouseMap map(header->mouseAreas, background.width, background.height);
        for (const auto& area : map.areas()) {
            areas.push_back(mouseArea(area));
        }
        gauges.push_back({{"name", header->gaugeName},
                          {"defaultWidthMm", header->defaultWidthMm},
                          {"background", Json::array({background.width, background.height})},
                          {"gaugeCallback", header->gaugeCallback != nullptr},
                          {"elements", elements},
                          {"mouseAreas", areas}});
    }
    return {{"module", module.name()}, {"file", module.file().string()}, {"gauges", gauges}};
}

namespace {

std::string compact(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (!value.is_array() || value.empty() || !value[0].is_object()) return value.dump();
    // A list of records: each as its values joined by ':', the records by ','.
    std::string text;
    for (const auto& record : value) {
        std::string fields;
        for (const auto& [key, field] : record.items()) fields += (fields.empty() ? "" : ":") + compact(field);
        text += (text.empty() ? "" : ",") + fields;
    }
    return text;
}

// One line per element and per mouse area: the key facts first, the rest as key=value; a number
// with a name (fieldName beside field) as name(number).
void printFields(const Json& object, std::initializer_list<const char*> skip, std::ostream& out) {
    constexpr std::string_view kName = "Name";
    for (const auto& [key, value] : object.items()) {
        if (std::find(skip.begin(), skip.end(), key) != skip.end()) continue;
        if (value.is_array() && value.empty()) continue;
        if (key.ends_with(kName) && object.contains(key.substr(0, key.size() - kName.size()))) continue;
        if (const auto name = object.find(key + std::string(kName)); name != object.end()) {
            out << ' ' << key << '=' << compact(*name) << '(' << compact(value) << ')';
        } else {
            out << ' ' << key << '=' << compact(value);
        }
    }
}

}  // namespace

void printModule(const Json& description, std::ostream& out) {
    out << "module " << compact(description["module"]) << " (" << compact(description["file"]) << ")\n";
    for (const auto& gauge : description["gauges"]) {
        out << "\ngauge " << compact(gauge["name"]) << ": default width " << gauge["defaultWidthMm"].dump()
            << " mm, background " << gauge["background"][0].dump() << "x" << gauge["background"][1].dump()
            << ", gauge callback " << (gauge["gaugeCallback"].get<bool>() ? "yes" : "no") << "\n";
        out << "  elements (drawing order):\n";
        for (const auto& element : gauge["elements"]) {
            out << "    [" << element["index"].dump() << "] " << std::string(2 * element["depth"].get<int>(), ' ')
                << compact(element["kind"]);
            printFields(element, {"index", "depth", "kind"}, out);
            out << '\n';
        }
        if (gauge["mouseAreas"].empty()) {
            out << "  mouse areas: none\n";
            continue;
        }
        out << "  mouse areas (list order):\n";
        for (const auto& area : gauge["mouseAreas"]) {
            out << "    #" << area["entry"].dump() << ' ' << std::string(2 * area["depth"].get<int>(), ' ')
                << compact(area["kind"]);
            printFields(area, {"entry", "kind", "depth"}, out);
            out << '\n';
        }
    }
}

}  // namespace gaugehost
