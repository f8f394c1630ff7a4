// Module files in the module folders, found by name the way Windows finds files: in any case.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "panel_host.h"

namespace gaugehost {

using ModuleFolders = std::vector<std::filesystem::path>;

// Every module file of the folders by name, sorted, each name once.
std::vector<std::string> modulesIn(const ModuleFolders& folders);

// The module file of that name, in any case, in the first folder that has one.
std::optional<std::filesystem::path> findModuleFile(const ModuleFolders& folders, const std::string& name);

// Loads a module by its name in any case, or by the path of its file. Throws HostError naming the
// folders searched and the nearest module names when there is none.
Module& loadModuleNamed(PanelHost& host, const ModuleFolders& folders, const std::string& nameOrPath);

// The module's gauge of that name, in any case. Throws HostError naming the nearest gauge names
// when there is none.
const gauge::GaugeHeader& gaugeNamed(const Module& module, const std::string& name);

}  // namespace gaugehost
