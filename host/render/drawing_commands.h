// gaugehost's drawing subcommands: `render` (one gauge), `panel` (windows of a panel
// configuration) and `sheet` (every gauge of every module), each writing PNG files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "variable_store.h"

namespace CLI {
class App;
}

namespace gaugehost::render {

// Sets one host variable from "TOKEN=VALUE": the token in hexadecimal (0x14D) or by its name in
// the host variable table (GEAR_EXTENSION); the value a number, or in hexadecimal the raw 32 bits
// of an integer-form variable (0x7700 for a BCD code). Throws HostError naming the setting.
void applySetting(VariableStore& variables, std::string_view setting);

class DrawingCommands {
public:
    // Adds the three subcommands to the command line.
    explicit DrawingCommands(CLI::App& app);
    // The command line writes into this object's options.
    DrawingCommands(const DrawingCommands&) = delete;
    DrawingCommands& operator=(const DrawingCommands&) = delete;

    // Runs the subcommand the command line chose; nullopt when it chose none of these.
    // `moduleNames` lists every module of the folders, for the contact sheet.
    std::optional<int> run(const std::vector<std::filesystem::path>& moduleFolders,
                           const std::function<std::vector<std::string>()>& moduleNames) const;

private:
    int renderGauge(const std::vector<std::filesystem::path>& moduleFolders) const;
    int renderPanel(const std::vector<std::filesystem::path>& moduleFolders) const;
    int renderSheet(const std::vector<std::filesystem::path>& moduleFolders, const std::vector<std::string>& modules) const;

    CLI::App* render_ = nullptr;
    CLI::App* panel_ = nullptr;
    CLI::App* sheet_ = nullptr;

    std::string gauge_;
    std::string panelFile_;
    std::string window_;
    std::vector<std::string> settings_;
    std::vector<std::string> presses_;
    int cycles_ = 1;
    std::string selection_;
    std::string output_;
    std::string outputFolder_;
};

}  // namespace gaugehost::render
