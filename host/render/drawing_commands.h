// gaugehost's drawing subcommands: `render` (one gauge), `panel` (windows of a panel
// configuration) and `sheet` (every gauge of every module), each writing PNG files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "module_files.h"
#include "value_text.h"

namespace CLI {
class App;
}

namespace gaugehost::render {

// One host variable from "TOKEN=VALUE": the variable by its table name or hexadecimal token, the
// value in the variable's own form as scenarios write it. Throws HostError "SETTING: what is wrong".
VariableValue readSetting(std::string_view setting);

class DrawingCommands {
public:
    // Adds the three subcommands to the command line.
    explicit DrawingCommands(CLI::App& app);
    // The command line writes into this object's options.
    DrawingCommands(const DrawingCommands&) = delete;
    DrawingCommands& operator=(const DrawingCommands&) = delete;

    // Runs the subcommand the command line chose; nullopt when it chose none of these.
    std::optional<int> run(const ModuleFolders& moduleFolders) const;

private:
    int renderGauge(const ModuleFolders& moduleFolders) const;
    int renderPanel(const ModuleFolders& moduleFolders) const;
    int renderSheet(const ModuleFolders& moduleFolders) const;

    CLI::App* render_ = nullptr;
    CLI::App* panel_ = nullptr;
    CLI::App* sheet_ = nullptr;

    std::string gauge_;
    std::string panelFile_;
    std::string window_;
    std::vector<std::string> settings_;
    std::vector<std::string> modules_;
    std::vector<std::string> presses_;
    int cycles_ = 1;
    std::string selection_;
    std::string output_;
    std::string outputFolder_;
    bool strict_ = false;
    bool overlay_ = false;
    bool model_ = false;
};

}  // namespace gaugehost::render
