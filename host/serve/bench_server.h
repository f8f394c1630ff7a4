// The live bench over HTTP: the page, and the routes it drives the session with. It answers only
// requests addressed to itself (Host and Origin its own), so a web page elsewhere can neither read
// nor drive the bench, and it bounds what it reads.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "bench_session.h"

namespace httplib {
class Server;
}

namespace gaugehost::serve {

// The most bytes a request body may hold: the page sends a few short values.
inline constexpr std::size_t kMostRequestBytes = 4096;

class BenchServer {
public:
    explicit BenchServer(BenchSession& session);
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    // Binds the address; port 0 takes any free port. Returns the port; throws HostError when the
    // address cannot be bound.
    int bind(const std::string& address, int port);
    // Serves and runs the 18 Hz clock until stop().
    void run();
    void stop();

private:
    void routes();
    void clock();

    BenchSession& session_;
    std::unique_ptr<httplib::Server> server_;
    std::string address_;
    int port_ = 0;
    std::atomic<bool> running_{false};
    std::thread clock_;
};

}  // namespace gaugehost::serve
