// Loading modules and checking them before any of their code runs: the exports, Linkage, each gauge
// header, element tree and mouse list, and the pictures a gauge draws. A module that fails a check
// is refused with a message naming what is wrong, and nothing of it stays loaded.
#include <algorithm>

#include "hex_text.h"
#include "module_checks.h"
#include "panel_host.h"

namespace gaugehost {
namespace {

// Deeper trees or longer lists than these are taken for a corrupted module.
constexpr int kDeepestTree = 32;
constexpr int kMostElements = 1024;

// Visits a tree in drawing order: a parent before its children, the children in list order.
template <class Visit>
void walkTree(gauge::Element* element, int depth, int& count, const std::string& where, Visit&& visit) {
    if (depth > kDeepestTree || ++count > kMostElements) throw HostError(where + ": element tree is too deep or too large");
    visit(element, depth);
    if (element->children == nullptr) return;
    for (gauge::Element* const* child = element->children; *child != nullptr; ++child) {
        walkTree(*child, depth + 1, count, where, visit);
    }
}

template <class Visit>
void walkTree(const gauge::GaugeHeader& header, Visit&& visit) {
    int count = 0;
    walkTree(header.elementList[0], 0, count, std::string("gauge ") + header.gaugeName, visit);
}

// A text of the module up to its NUL, which must lie within the image.
std::string imageText(const char* text, const ModuleImage& image, const std::string& where) {
    for (const char* character = text;; ++character) {
        if (!image.holds(character)) throw HostError(where + ": a text runs past the module's image");
        if (*character == '\0') return {text, character};
    }
}

std::size_t elementSize(gauge::UINT32 kind) {
    switch (kind) {
        case gauge::kStaticImage: return sizeof(gauge::StaticImageElement);
        case gauge::kNeedle: return sizeof(gauge::NeedleElement);
        case gauge::kString: return sizeof(gauge::StringElement);
        case gauge::kSlider: return sizeof(gauge::SliderElement);
        case gauge::kIcon: return sizeof(gauge::IconElement);
        case gauge::kMovingImage: return sizeof(gauge::MovingImageElement);
        default: return sizeof(gauge::SpriteElement);
    }
}

// The element, all of its kind's fields and its children list up to the NULL lie within the image.
void checkElementInImage(const gauge::Element* element, const ModuleImage& image, const std::string& where) {
    const auto refuse = [&] { return HostError(where + ": an element or its children list runs past the module's image"); };
    if (!image.holds(element)) throw refuse();
    if (element->kind > gauge::kSprite) throw HostError(where + ": element of unknown kind " + std::to_string(element->kind));
    if (!image.holds(reinterpret_cast<const std::byte*>(element), elementSize(element->kind))) throw refuse();
    if (element->children == nullptr) return;
    for (gauge::Element* const* child = element->children;; ++child) {
        if (!image.holds(child)) throw refuse();
        if (*child == nullptr) return;
        if (!image.holds(*child)) throw refuse();
    }
}

void checkMouseListInImage(const gauge::MouseArea* list, const ModuleImage& image, const std::string& where) {
    if (list == nullptr) return;
    for (const gauge::MouseArea* entry = list;; ++entry) {
        if (!image.holds(entry)) throw HostError(where + ": mouse area list runs past the module's image");
        if (entry->kind == gauge::kEndOfList) return;
    }
}

// Returns the gauge's name.
std::string validateHeader(const gauge::GaugeHeader& header, const std::string& module, const ModuleImage& image) {
    if (header.gaugeName == nullptr) throw HostError("module " + module + ": a gauge header has no name");
    const auto name = imageText(header.gaugeName, image, "module " + module);
    const auto where = "module " + module + " gauge " + name;
    if (header.headerVersion != gauge::kGaugeHeaderVersion) {
        throw HostError(where + ": header version " + std::to_string(header.headerVersion) + ", expected 800");
    }
    if (header.elementList == nullptr || !image.holds(header.elementList, 2) || header.elementList[0] == nullptr ||
        header.elementList[1] != nullptr) {
        throw HostError(where + ": element list must hold exactly one root");
    }
    checkElementInImage(header.elementList[0], image, where);
    if (header.elementList[0]->kind != gauge::kStaticImage) throw HostError(where + ": root is not a static image");
    if (!header.query || !header.install || !header.initialize || !header.update || !header.generate ||
        !header.draw || !header.kill) {
        throw HostError(where + ": a routine slot is empty");
    }
    walkTree(header, [&](gauge::Element* element, int) {
        checkElementInImage(element, image, where);
        if (element->gauge != &header) throw HostError(where + ": an element names another gauge as its owner");
    });
    checkMouseListInImage(header.mouseAreas, image, where);
    MouseMap(header.mouseAreas, 1, 1);  // rejects a malformed list now rather than at the first click
    return name;
}

}  // namespace

std::vector<gauge::GaugeHeader*> checkModuleData(const gauge::ImportTable& imports, const gauge::ModuleLinkage& linkage,
                                                 const std::string& module, const ModuleImage& image) {
    if (!image.holds(&imports) || !image.holds(&linkage)) {
        throw HostError("module " + module + ": ImportTable or Linkage lies outside the module's image");
    }
    if (imports.panelServices.id != gauge::kPanelServicesImportId || imports.end.id != 0) {
        throw HostError("module " + module + ": ImportTable is malformed");
    }
    if (linkage.moduleId != gauge::kModuleId || linkage.version != gauge::kLinkageVersion ||
        linkage.moduleInit == nullptr || linkage.moduleDeinit == nullptr) {
        throw HostError("module " + module + ": Linkage is malformed (module id " + hex(linkage.moduleId) +
                        ", version " + hex(linkage.version) + ")");
    }
    std::vector<gauge::GaugeHeader*> gauges;
    std::vector<std::string> names;
    for (std::size_t i = 0; linkage.gauges[i] != nullptr; ++i) {
        if (i == gauge::kMaxGaugesPerModule) throw HostError("module " + module + ": gauge list is not ended");
        if (!image.holds(linkage.gauges[i])) throw HostError("module " + module + ": a gauge header lies outside the module's image");
        const auto name = validateHeader(*linkage.gauges[i], module, image);
        if (std::ranges::find(names, name) != names.end()) {
            throw HostError("module " + module + ": two gauges are named " + name);
        }
        names.push_back(name);
        gauges.push_back(linkage.gauges[i]);
    }
    if (gauges.empty()) throw HostError("module " + module + ": Linkage lists no gauge");
    return gauges;
}

// ---------------------------------------------------------------------------------------------
// Module

std::vector<TreeEntry> drawingOrder(const gauge::GaugeHeader& header) {
    std::vector<TreeEntry> entries;
    walkTree(header, [&](gauge::Element* element, int depth) { entries.push_back({element, depth}); });
    return entries;
}

gauge::GaugeHeader* Module::gauge(const std::string& name) const {
    for (auto* header : gauges_) {
        if (name == header->gaugeName) return header;
    }
    return nullptr;
}

bool Module::hasPicture(std::uint32_t id) const {
    auto it = pictures_.find(id);
    if (it == pictures_.end()) it = pictures_.emplace(id, library_->picture(id)).first;
    return it->second.has_value();
}

const Bitmap& Module::picture(std::uint32_t id) const {
    if (!hasPicture(id)) throw HostError("module " + name_ + " has no picture " + hex(id));
    return *pictures_.at(id);
}

std::vector<std::uint32_t> Module::iconPictureIds(const gauge::IconElement& icon) const {
    std::vector<std::uint32_t> ids;
    const auto count = static_cast<std::size_t>(std::max(icon.pictureCount, 0));
    bool passedOver = false;
    for (std::uint32_t id = icon.common.resourceId; ids.size() < count; ++id) {
        const bool inside = !ids.empty() && ids.size() + 1 < count;
        if (inside && !passedOver && !hasPicture(id)) {
            passedOver = true;
            continue;
        }
        ids.push_back(id);
    }
    return ids;
}

std::vector<std::uint32_t> Module::pictureIds(const gauge::GaugeHeader& header) const {
    std::vector<std::uint32_t> ids;
    walkTree(header, [&](gauge::Element* element, int) {
        const auto id = element->resourceId;
        switch (element->kind) {
            case gauge::kString: break;
            case gauge::kIcon: {
                const auto series = iconPictureIds(*reinterpret_cast<const gauge::IconElement*>(element));
                ids.insert(ids.end(), series.begin(), series.end());
                break;
            }
            case gauge::kMovingImage:
            case gauge::kSprite:
                ids.push_back(id);
                ids.push_back(id + 1);  // the mask
                break;
            default: ids.push_back(id);
        }
    });
    return ids;
}

// ---------------------------------------------------------------------------------------------
// Loading

void PanelHost::addModuleFolder(const std::filesystem::path& folder) { moduleFolders_.push_back(folder); }

std::filesystem::path PanelHost::findModuleFile(const std::string& nameOrPath) const {
    const std::filesystem::path given(nameOrPath);
    if (given.has_extension() || given.has_parent_path()) {
        // A path names that very file, never a library of the system's search path.
        if (std::filesystem::is_regular_file(given)) return std::filesystem::absolute(given);
        throw HostError("no module file " + nameOrPath);
    }
    for (const auto& folder : moduleFolders_) {
        const auto file = folder / (nameOrPath + ModuleLibrary::kFileExtension);
        if (std::filesystem::exists(file)) return file;
    }
    std::string searched;
    for (const auto& folder : moduleFolders_) searched += " " + folder.string();
    throw HostError("unknown module " + nameOrPath + " (searched:" + (searched.empty() ? " no folders" : searched) + ")");
}

Module* PanelHost::findModule(const std::string& name) {
    for (auto& module : modules_) {
        if (module->name() == name) return module.get();
    }
    return nullptr;
}

Module& PanelHost::loadModule(const std::string& nameOrPath) {
    const auto file = findModuleFile(nameOrPath);
    const auto name = file.stem().string();
    if (Module* loaded = findModule(name)) return *loaded;

    auto module = std::make_unique<Module>();
    module->name_ = name;
    module->library_ = std::make_unique<ModuleLibrary>(file);
    module->importTable_ = static_cast<gauge::ImportTable*>(module->library_->symbol("ImportTable"));
    module->linkage_ = static_cast<gauge::ModuleLinkage*>(module->library_->symbol("Linkage"));
    if (module->importTable_ == nullptr || module->linkage_ == nullptr) {
        throw HostError("module " + name + " does not export both ImportTable and Linkage");
    }
    module->gauges_ = checkModuleData(*module->importTable_, *module->linkage_, name, module->library_->image());

    // The services must be in place before any module code runs.
    module->importTable_->panelServices.services = const_cast<gauge::PanelServices*>(&services_);
    module->linkage_->moduleInit();
    modules_.push_back(std::move(module));
    return *modules_.back();
}

void PanelHost::unloadModule(const std::string& name) {
    Module* module = findModule(name);
    if (module == nullptr) throw HostError("module " + name + " is not loaded");
    if (held_ && &held_->gauge->module() == module) held_.reset();
    std::erase_if(instances_, [&](const auto& instance) { return instance->module_ == module; });
    module->linkage_->moduleDeinit();
    std::erase_if(modules_, [&](const auto& loaded) { return loaded.get() == module; });
}

}  // namespace gaugehost
