// The live bench's HTTP interface, driven with the server library's own client: the state, clicks,
// holds, drags, settings and steps, the checks on where a request comes from and what it holds,
// and the session saved as a scenario that `gaugehost run` replays with the same result.
#include <gtest/gtest.h>
#include <httplib.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

#include "bench_server.h"
#include "modules/radio_stack/com1_nav1_layout.h"
#include "support/bench.h"

namespace {

using gaugehost::serve::BenchServer;
using gaugehost::serve::BenchSession;
using nlohmann::json;

// A copy of the build's modules of the test's own: the reload test changes a module file's time,
// which must not reload the benches of other tests running beside it.
const std::filesystem::path& moduleCopy() {
    static const std::filesystem::path copy = [] {
        const char* path = std::getenv("GAUGE_MODULE_PATH");
        const auto folder = std::filesystem::temp_directory_path() / ("serve_test_modules_" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::copy(path != nullptr ? path : "", folder, std::filesystem::copy_options::recursive);
        return folder;
    }();
    return copy;
}

gaugehost::ModuleFolders moduleFolders() { return {moduleCopy()}; }

class ServeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        session_ = new BenchSession(moduleFolders(), std::filesystem::path(GAUGE_SOURCE_DIR) / "modules/panel.cfg", true);
        server_ = new BenchServer(*session_);
        port_ = server_->bind("127.0.0.1", 0);
        thread_ = new std::thread([] { server_->run(); });
    }
    static void TearDownTestSuite() {
        server_->stop();
        thread_->join();
        delete thread_;
        delete server_;
        delete session_;
        std::filesystem::remove_all(moduleCopy());
    }

    void SetUp() override {
        // The clock stands still: every cycle is a step the test asks for.
        ASSERT_EQ(post("/api/control", {{"action", "pause"}})->status, 200);
    }

    static httplib::Client client() {
        httplib::Client client("127.0.0.1", port_);
        client.set_read_timeout(60, 0);
        return client;
    }
    static httplib::Result post(const std::string& path, const httplib::Params& params) {
        return client().Post((path + "?" + httplib::detail::params_to_query_str(params)).c_str());
    }
    static json get(const std::string& path) {
        auto result = client().Get(path.c_str());
        EXPECT_EQ(result->status, 200) << result->body;
        return json::parse(result->body);
    }
    static void step(int cycles) {
        ASSERT_EQ(post("/api/control", {{"action", "step"}, {"cycles", std::to_string(cycles)}})->status, 200);
    }

    // A gauge's background point as a point of the window that shows it.
    struct WindowPoint {
        std::string window;
        int x, y;
    };
    static WindowPoint pointOf(const std::string& window, const std::string& gauge, int x, int y) {
        const json state = get("/api/state");
        for (const auto& each : state["windows"]) {
            if (each["section"] != window) continue;
            for (const auto& placed : each["gauges"]) {
                if (placed["name"] != gauge) continue;
                const double scaleX = placed["width"].get<double>() / placed["gaugeWidth"].get<double>();
                const double scaleY = placed["height"].get<double>() / placed["gaugeHeight"].get<double>();
                return {window, placed["x"].get<int>() + static_cast<int>(std::floor((x + 0.5) * scaleX)),
                        placed["y"].get<int>() + static_cast<int>(std::floor((y + 0.5) * scaleY))};
            }
        }
        ADD_FAILURE() << window << " shows no " << gauge;
        return {};
    }
    static void mouse(const char* action, const WindowPoint& at) {
        const auto result = post("/api/mouse", {{"window", at.window}, {"action", action}, {"x", std::to_string(at.x)}, {"y", std::to_string(at.y)}});
        ASSERT_EQ(result->status, 200) << result->body;
    }

    // The log's texts of one kind after the entry `after`.
    static std::vector<std::string> logged(const std::string& kind, std::uint64_t after) {
        std::vector<std::string> texts;
        const json state = get("/api/state?log=" + std::to_string(after));
        for (const auto& entry : state["log"]) {
            if (entry["kind"] == kind) texts.push_back(entry["text"]);
        }
        return texts;
    }
    static std::uint64_t lastLogId() {
        const auto log = get("/api/state")["log"];
        return log.empty() ? 0 : log.back()["id"].get<std::uint64_t>();
    }
    static std::string variable(const std::string& name) {
        const json all = get("/api/variables");
        for (const auto& each : all["host"]) {
            if (each["name"] == name) return each["value"];
        }
        ADD_FAILURE() << "no variable " << name;
        return {};
    }

    static inline BenchSession* session_ = nullptr;
    static inline BenchServer* server_ = nullptr;
    static inline std::thread* thread_ = nullptr;
    static inline int port_ = 0;
};

constexpr const char* kComRadio = "VeskarZ3VRadios!RadioCom1Nav1Z3V";

// The window of the state with this ident.
json windowWithIdent(const json& state, const std::string& ident) {
    for (const json& window : state["windows"]) {
        if (window["ident"] == ident) return window;
    }
    ADD_FAILURE() << "no window " << ident;
    return {};
}

TEST_F(ServeTest, StateListsEveryWindowWithItsGaugesAndDrawsTheOpenOnes) {
    const json state = get("/api/state");
    ASSERT_EQ(state["windows"].size(), 31u) << "29 panel windows and two virtual-cockpit surfaces";
    const json& main = state["windows"][0];
    EXPECT_EQ(main["ident"], "0");
    EXPECT_TRUE(main["open"]);
    EXPECT_GE(main["version"].get<int>(), 1);
    EXPECT_FALSE(windowWithIdent(state, "1011")["open"]) << "the gear window starts closed";

    const auto pixels = client().Get("/api/pixels?window=Window00");
    ASSERT_EQ(pixels->status, 200);
    EXPECT_EQ(pixels->body.size(), main["width"].get<std::size_t>() * main["height"].get<std::size_t>() * 4)
        << "RGBA, a row after another";
    EXPECT_EQ(client().Get("/api/pixels?window=Window99")->status, 400);
}

TEST_F(ServeTest, RefusesRequestsNotAddressedToItself) {
    const std::string own = "127.0.0.1:" + std::to_string(port_);
    struct Case {
        std::string host, origin;
        int status;
    };
    const Case cases[] = {
        {own, "", 200},
        {"localhost:" + std::to_string(port_), "", 200},
        {own, "http://" + own, 200},
        {"attacker.example:" + std::to_string(port_), "", 403},  // a name rebound to this machine
        {own, "http://attacker.example", 403},
        {own, "null", 403},
    };
    for (const Case& each : cases) {
        httplib::Headers headers{{"Host", each.host}};
        if (!each.origin.empty()) headers.emplace("Origin", each.origin);
        EXPECT_EQ(client().Get("/api/state", headers)->status, each.status) << each.host << " " << each.origin;
    }
    const std::string large(gaugehost::serve::kMostRequestBytes + 1, 'x');
    EXPECT_EQ(client().Post("/api/set", large, "text/plain")->status, 413);
}

TEST_F(ServeTest, ValuesFromThePageAreCheckedAsTheScenarioReaderChecksThem) {
    const std::vector<std::pair<httplib::Params, std::string>> refused = {
        {{{"name", "INDICATED_AIRSPEED"}, {"value", "fast"}}, "expected"},
        {{{"name", "INDICATED_AIRSPED"}, {"value", "1"}}, "INDICATED_AIRSPEED"},
        {{{"name", "COM1_ACTIVE_FREQUENCY"}, {"value", "122.5"}}, "expected"},
        {{{"kind", "named"}, {"name", "a b"}, {"value", "1"}}, "named variable"},
        {{{"kind", "named"}, {"name", "VC_Click"}, {"value", "nan"}}, "expected a number"},
        {{{"kind", "gps"}, {"type", "u32"}, {"offset", "510"}, {"value", "1"}}, "offset"},
        {{{"kind", "file"}, {"name", "/etc/passwd"}, {"value", "1"}}, "kind"},
    };
    for (const auto& [params, message] : refused) {
        const auto result = post("/api/set", params);
        EXPECT_EQ(result->status, 400);
        EXPECT_NE(result->body.find(message), std::string::npos) << result->body;
    }
    EXPECT_EQ(post("/api/control", {{"action", "step"}, {"cycles", "0"}})->status, 400);
    EXPECT_EQ(post("/api/control", {{"action", "speed"}, {"speed", "1000"}})->status, 400);
}

TEST_F(ServeTest, ClickOnTheComTransferButtonSwapsTheFrequencies) {
    namespace layout = radio_stack::com1_nav1_layout;
    const std::string active = variable("COM1_ACTIVE_FREQUENCY"), standby = variable("COM1_STANDBY_FREQUENCY");
    const auto before = lastLogId();
    const auto button = pointOf("Window00", kComRadio, layout::kComTransfer.x + layout::kComTransfer.width / 2,
                                layout::kComTransfer.y + layout::kComTransfer.height / 2);
    const json hover = get("/api/hover?window=Window00&x=" + std::to_string(button.x) + "&y=" + std::to_string(button.y));
    EXPECT_EQ(hover["gauge"], kComRadio);
    EXPECT_EQ(hover["cursorName"], "hand");
    mouse("press", button);
    mouse("release", button);
    step(1);
    EXPECT_EQ(logged("key", before), std::vector<std::string>{"COM1_SWAP(1)"});
    EXPECT_EQ(variable("COM1_ACTIVE_FREQUENCY"), standby);
    EXPECT_EQ(variable("COM1_STANDBY_FREQUENCY"), active);
}

TEST_F(ServeTest, HeldButtonOnARepeatingAreaRepeatsOnceACycle) {
    // COM whole megahertz up, under the COM standby window.
    const auto knob = pointOf("Window00", kComRadio, 110 + 25, 60 + 10);
    const auto before = lastLogId();
    mouse("press", knob);
    step(3);
    mouse("release", knob);
    step(1);
    EXPECT_EQ(logged("key", before), std::vector<std::string>(4, "COM1_WHOLE_MHZ_UP(0)"));
}

TEST_F(ServeTest, DragOnALeverSendsItsKeyEvents) {
    // The throttle knob of PanelC, dragged up.
    const auto before = lastLogId();
    mouse("press", pointOf("Window00", "VeskarZ3V4!PanelC", 80, 300));
    for (int y : {290, 280, 270}) mouse("move", pointOf("Window00", "VeskarZ3V4!PanelC", 80, y));
    mouse("release", pointOf("Window00", "VeskarZ3V4!PanelC", 80, 270));
    step(1);
    const auto keys = logged("key", before);
    ASSERT_FALSE(keys.empty());
    for (const auto& key : keys) EXPECT_TRUE(key.starts_with("THROTTLE_INCREASE")) << key;
}

TEST_F(ServeTest, UserOpensAWindowAndSetsVariablesAndTheLogSaysSo) {
    const auto before = lastLogId();
    ASSERT_EQ(post("/api/window", {{"action", "open"}, {"id", "1011"}})->status, 200);
    ASSERT_EQ(post("/api/set", {{"name", "INDICATED_AIRSPEED"}, {"value", "95"}})->status, 200);
    ASSERT_EQ(post("/api/set", {{"kind", "named"}, {"name", "VC_Click"}, {"value", "1"}})->status, 200);
    ASSERT_EQ(post("/api/set", {{"kind", "gps"}, {"type", "f64"}, {"offset", "128"}, {"value", "111120"}})->status, 200);
    step(2);
    EXPECT_TRUE(windowWithIdent(get("/api/state"), "1011")["open"]);
    EXPECT_EQ(variable("INDICATED_AIRSPEED"), "95");
    const json all = get("/api/variables");
    EXPECT_EQ(all["gps"][4]["value"], "111120");
    EXPECT_EQ(logged("bench", before).size(), 4u);
    EXPECT_TRUE(logged("window", before).empty()) << "the user's window change is not a gauge's call";
}

TEST_F(ServeTest, SessionSavedAsScenarioReplaysWithTheSameResult) {
    mouse("press", pointOf("Window00", kComRadio, 110 + 65, 60 + 10));  // COM fraction up, held
    step(2);
    mouse("release", pointOf("Window00", kComRadio, 110 + 65, 60 + 10));
    step(7);
    const auto saved = client().Get("/api/scenario");
    ASSERT_EQ(saved->status, 200);
    EXPECT_NE(saved->get_header_value("Content-Disposition").find("attachment"), std::string::npos);
    const std::string& text = saved->body;
    for (const char* line : {"model on\n", "press Window00.gauge31 ", "cycle 2\nrelease\n", "expect keys =",
                             "expect text Window00.gauge31 ", "expect open-windows = 0 "}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }

    const auto file = std::filesystem::temp_directory_path() / ("serve_test_" + std::to_string(port_) + ".scn");
    std::ofstream(file) << text;
    const std::string command = std::string(GAUGEHOST_EXECUTABLE) + " run " + file.string() + " > " + file.string() + ".out 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream outputFile(file.string() + ".out");
    const std::string output((std::istreambuf_iterator<char>(outputFile)), std::istreambuf_iterator<char>());
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find(" 0 failed"), std::string::npos) << output;
    std::filesystem::remove(file);
    std::filesystem::remove(file.string() + ".out");
}

// Last: the reload starts the session afresh.
TEST_F(ServeTest, ARebuiltModuleIsReloadedAndTheRecordingStartsAfresh) {
    mouse("press", pointOf("Window00", kComRadio, 110 + 65, 60 + 10));
    mouse("release", pointOf("Window00", kComRadio, 110 + 65, 60 + 10));
    EXPECT_FALSE(session_->reloadChangedModules()) << "nothing changed yet";

    const auto module = gaugehost::findModuleFile(moduleFolders(), "VeskarZ3V5");
    ASSERT_TRUE(module);
    const auto built = std::filesystem::last_write_time(*module);
    std::filesystem::last_write_time(*module, built + std::chrono::seconds(1));
    const auto before = lastLogId();
    session_->reloadChangedModules();  // unless the clock, which looks every second, was first
    const auto said = logged("bench", before);
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("started afresh"), std::string::npos) << said[0];
    EXPECT_EQ(logged("key", before), std::vector<std::string>{"FUEL_SELECTOR_LEFT(1)"}) << "the gauges were made anew";
    EXPECT_EQ(client().Get("/api/scenario")->body.find("\npress "), std::string::npos);
}

}  // namespace
