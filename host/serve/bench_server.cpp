#include "bench_server.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "serve_page.h"
#include "value_text.h"

namespace gaugehost::serve {
namespace {

// The simulator's update rate.
constexpr auto kCyclePeriod = std::chrono::microseconds(1000000 / 18);
// How often the module files are looked at for a rebuild.
constexpr int kCyclesBetweenModuleChecks = 18;

std::string parameter(const httplib::Request& request, const char* name) {
    if (!request.has_param(name)) throw RequestError(std::string("the request lacks ") + name);
    return request.get_param_value(name);
}

int wholeParameter(const httplib::Request& request, const char* name, int lowest, int highest) {
    const auto value = readWholeNumber(parameter(request, name));
    if (!value || *value < lowest || *value > highest) {
        throw RequestError(std::string(name) + ": expected a whole number from " + std::to_string(lowest) + " to " +
                           std::to_string(highest));
    }
    return static_cast<int>(*value);
}

// Window points reach as far as the largest window the bench draws, and a little beyond for drags.
constexpr int kFarthestPoint = 4 * 8192;

void json(httplib::Response& response, const nlohmann::json& body) {
    response.set_content(body.dump(), "application/json");
}

// A route's handler whose errors of the page's making are answered 400 with their message.
template <class Handle>
httplib::Server::Handler guarded(Handle handle) {
    return [handle](const httplib::Request& request, httplib::Response& response) {
        try {
            handle(request, response);
        } catch (const HostError& error) {
            response.status = 400;
            response.set_content(error.what(), "text/plain");
        }
    };
}

}  // namespace

BenchServer::BenchServer(BenchSession& session) : session_(session), server_(std::make_unique<httplib::Server>()) { routes(); }

BenchServer::~BenchServer() { stop(); }

int BenchServer::bind(const std::string& address, int port) {
    address_ = address;
    port_ = port == 0 ? server_->bind_to_any_port(address) : (server_->bind_to_port(address, port) ? port : -1);
    if (port_ <= 0) throw HostError("cannot listen on " + address + ":" + std::to_string(port));
    return port_;
}

void BenchServer::run() {
    running_ = true;
    clock_ = std::thread([this] { clock(); });
    server_->listen_after_bind();
    running_ = false;
    if (clock_.joinable()) clock_.join();
}

void BenchServer::stop() {
    running_ = false;
    server_->stop();
}

void BenchServer::clock() {
    auto next = std::chrono::steady_clock::now();
    for (int cycle = 1; running_; ++cycle) {
        next += kCyclePeriod;
        // A machine too busy to keep the rate runs slower rather than catching up in bursts.
        next = std::max(next, std::chrono::steady_clock::now() - kCyclePeriod);
        std::this_thread::sleep_until(next);
        session_.clockTick();
        if (cycle % kCyclesBetweenModuleChecks == 0) session_.reloadChangedModules();
    }
}

void BenchServer::routes() {
    auto& server = *server_;
    server.set_payload_max_length(kMostRequestBytes);
    // Only requests addressed to this bench by a name that means this machine: a page elsewhere
    // whose name was rebound to 127.0.0.1 still sends its own name as Host, and its own Origin.
    server.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        const std::string port = std::to_string(port_);
        std::set<std::string> hosts{"127.0.0.1:" + port, "localhost:" + port, "[::1]:" + port};
        hosts.insert((address_.find(':') != std::string::npos ? "[" + address_ + "]" : address_) + ":" + port);
        const std::string host = request.get_header_value("Host");
        const bool ownHost = hosts.contains(host);
        const bool ownOrigin = !request.has_header("Origin") || request.get_header_value("Origin") == "http://" + host;
        if (ownHost && ownOrigin) return httplib::Server::HandlerResponse::Unhandled;
        response.status = 403;
        response.set_content("this bench answers only requests addressed to " + *hosts.begin() + " from its own page", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
    });
    server.set_post_routing_handler([](const httplib::Request&, httplib::Response& response) {
        response.set_header("X-Content-Type-Options", "nosniff");
        response.set_header("Cache-Control", "no-store");
    });

    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Security-Policy",
                            "default-src 'self'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; img-src 'self' data:");
        response.set_content(std::string(kServePage), "text/html; charset=utf-8");
    });
    server.Get("/api/state", guarded([this](const httplib::Request& request, httplib::Response& response) {
        const auto after = request.has_param("log") ? readWholeNumber(request.get_param_value("log")) : std::optional<std::int64_t>(0);
        if (!after || *after < 0) throw RequestError("log: expected a whole number");
        json(response, session_.state(static_cast<std::uint64_t>(*after)));
    }));
    server.Get("/api/pixels", guarded([this](const httplib::Request& request, httplib::Response& response) {
        const auto frame = session_.pixels(parameter(request, "window"));
        if (!frame) throw RequestError("that window is not drawn");
        response.set_header("X-Width", std::to_string(frame->width));
        response.set_header("X-Height", std::to_string(frame->height));
        response.set_header("X-Version", std::to_string(frame->version));
        response.set_content(frame->rgba, "application/octet-stream");
    }));
    server.Get("/api/hover", guarded([this](const httplib::Request& request, httplib::Response& response) {
        json(response, session_.hover(parameter(request, "window"), wholeParameter(request, "x", -kFarthestPoint, kFarthestPoint),
                                      wholeParameter(request, "y", -kFarthestPoint, kFarthestPoint)));
    }));
    server.Get("/api/variables", guarded([this](const httplib::Request&, httplib::Response& response) { json(response, session_.variables()); }));
    server.Get("/api/scenario", guarded([this](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Disposition", "attachment; filename=\"bench-session.scn\"");
        response.set_content(session_.scenario(), "text/plain; charset=utf-8");
    }));

    server.Post("/api/mouse", guarded([this](const httplib::Request& request, httplib::Response& response) {
        session_.mouse(parameter(request, "window"), parameter(request, "action"),
                       wholeParameter(request, "x", -kFarthestPoint, kFarthestPoint),
                       wholeParameter(request, "y", -kFarthestPoint, kFarthestPoint));
        json(response, {{"ok", true}});
    }));
    server.Post("/api/control", guarded([this](const httplib::Request& request, httplib::Response& response) {
        const std::string action = parameter(request, "action");
        if (action == "pause") session_.pause(true);
        else if (action == "run") session_.pause(false);
        else if (action == "step") session_.step(wholeParameter(request, "cycles", 1, kMostCycles));
        else if (action == "speed") session_.setSpeed(wholeParameter(request, "speed", 1, kMostSpeed));
        else if (action == "model") session_.setModel(parameter(request, "on") == "1");
        else throw RequestError("expected pause, run, step, speed or model");
        json(response, {{"ok", true}});
    }));
    server.Post("/api/window", guarded([this](const httplib::Request& request, httplib::Response& response) {
        const auto id = readWholeNumber(parameter(request, "id"));
        if (!id || *id < 0) throw RequestError("id: expected a panel window id from 0 to 0xFFFFFFFF");
        session_.window(parameter(request, "action"), static_cast<std::uint32_t>(*id));
        json(response, {{"ok", true}});
    }));
    server.Post("/api/set", guarded([this](const httplib::Request& request, httplib::Response& response) {
        const std::string kind = request.has_param("kind") ? request.get_param_value("kind") : "host";
        if (kind == "host") session_.setVariable(parameter(request, "name"), parameter(request, "value"));
        else if (kind == "named") session_.setNamed(parameter(request, "name"), parameter(request, "value"));
        else if (kind == "gps") session_.setGpsField(parameter(request, "type"), parameter(request, "offset"), parameter(request, "value"));
        else throw RequestError("kind: expected host, named or gps");
        json(response, {{"ok", true}});
    }));
}

}  // namespace gaugehost::serve
