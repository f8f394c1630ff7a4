#include "serve_command.h"

#include <CLI/CLI.hpp>

#include <iostream>

#include "bench_server.h"

namespace gaugehost::serve {

ServeCommand::ServeCommand(CLI::App& app) {
    serve_ = app.add_subcommand("serve", "run a panel configuration live in a browser: click, hold and drag the gauges, "
                                         "inspect and set variables, watch the events, save the session as a scenario");
    serve_->add_option("config", config_, "panel configuration (panel.cfg)")->default_str(GAUGEHOST_PANEL_CONFIG);
    serve_->add_option("--port", port_, "TCP port; 0 takes any free port")->check(CLI::Range(0, 65535))->capture_default_str();
    serve_->add_option("--address", address_,
                       "address to listen on; another than this machine's own lets other machines drive the bench, "
                       "which then answers requests addressed to that address only")
        ->capture_default_str();
    serve_->add_flag("--no-model", noModel_, "the aircraft model does not answer the gauges' key events");
    serve_->footer("Example: gaugehost serve modules/panel.cfg --port 8018\n");
}

std::optional<int> ServeCommand::run(const ModuleFolders& moduleFolders) const {
    if (!*serve_) return std::nullopt;
    BenchSession session(moduleFolders, config_.empty() ? GAUGEHOST_PANEL_CONFIG : config_, !noModel_);
    BenchServer server(session);
    const int port = server.bind(address_, port_);
    const std::string host = address_.find(':') != std::string::npos ? "[" + address_ + "]" : address_;
    std::cout << "gaugehost serve: http://" << host << ":" << port << "/ (Ctrl-C stops)" << std::endl;
    server.run();
    return 0;
}

}  // namespace gaugehost::serve
