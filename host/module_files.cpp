#include "module_files.h"

#include <algorithm>
#include <cctype>

#include "nearest_names.h"

namespace gaugehost {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool isModuleFile(const std::filesystem::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && sameIgnoringCase(entry.path().extension().string(), ModuleLibrary::kFileExtension);
}

template <class Visit>
void forEachModuleFile(const ModuleFolders& folders, Visit&& visit) {
    for (const auto& folder : folders) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            if (isModuleFile(*it) && visit(it->path())) return;
        }
    }
}

}  // namespace

std::vector<std::string> modulesIn(const ModuleFolders& folders) {
    std::vector<std::string> names;
    forEachModuleFile(folders, [&](const std::filesystem::path& file) {
        const std::string name = file.stem().string();
        if (std::none_of(names.begin(), names.end(), [&](const std::string& known) { return sameIgnoringCase(known, name); })) {
            names.push_back(name);
        }
        return false;
    });
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::filesystem::path> findModuleFile(const ModuleFolders& folders, const std::string& name) {
    std::optional<std::filesystem::path> found;
    // An exact name first, as a folder may hold files differing only in case.
    for (const auto& folder : folders) {
        const auto exact = folder / (name + ModuleLibrary::kFileExtension);
        std::error_code error;
        if (std::filesystem::is_regular_file(exact, error)) return exact;
    }
    forEachModuleFile(folders, [&](const std::filesystem::path& file) {
        if (sameIgnoringCase(file.stem().string(), name)) found = file;
        return found.has_value();
    });
    return found;
}

Module& loadModuleNamed(PanelHost& host, const ModuleFolders& folders, const std::string& nameOrPath) {
    const std::filesystem::path given(nameOrPath);
    if (given.has_extension() || given.has_parent_path()) {
        // A path names that very file, never a library of the system's search path.
        return host.loadModule(std::filesystem::absolute(given).string());
    }
    if (const auto file = findModuleFile(folders, nameOrPath)) return host.loadModule(std::filesystem::absolute(*file).string());
    std::string searched;
    for (const auto& folder : folders) searched += " " + folder.string();
    throw HostError("unknown module " + nameOrPath + didYouMean(nameOrPath, modulesIn(folders)) +
                    " (searched:" + (searched.empty() ? " no folders" : searched) + ")");
}

const gauge::GaugeHeader& gaugeNamed(const Module& module, const std::string& name) {
    std::vector<std::string> names;
    for (const gauge::GaugeHeader* header : module.gauges()) {
        if (sameIgnoringCase(header->gaugeName, name)) return *header;
        names.emplace_back(header->gaugeName);
    }
    throw HostError("module " + module.name() + " has no gauge " + name + didYouMean(name, names));
}

}  // namespace gaugehost
