// gaugehost's `serve` subcommand: the live bench in a browser (native build).
#pragma once

#include <optional>
#include <string>

#include "module_files.h"

namespace CLI {
class App;
}

namespace gaugehost::serve {

class ServeCommand {
public:
    // Adds the subcommand to the command line.
    explicit ServeCommand(CLI::App& app);
    ServeCommand(const ServeCommand&) = delete;
    ServeCommand& operator=(const ServeCommand&) = delete;

    // Serves until the process is stopped; nullopt when the command line chose another subcommand.
    std::optional<int> run(const ModuleFolders& moduleFolders) const;

private:
    CLI::App* serve_ = nullptr;
    std::string config_;
    std::string address_ = "127.0.0.1";
    int port_ = 8018;
    bool noModel_ = false;
};

}  // namespace gaugehost::serve
