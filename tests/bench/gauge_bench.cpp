// How fast the gauges run and draw, measured in one run and set against goals as ratios:
// one update cycle of every gauge of every module, a one-hour flight at 18 cycles a second, drawing
// the main panel window into memory against a memcpy of the same framebuffer, a click, a frame of
// the live bench, and loading every module. Run by `make bench`; no test depends on a time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "bench_session.h"
#include "panel_drawing.h"
#include "support/every_gauge.h"

namespace {

constexpr int kCyclesPerHour = 18 * 3600;

std::unique_ptr<gaugehost::PanelHost> hostWithEveryGauge() {
    auto host = std::make_unique<gaugehost::PanelHost>();
    host->addModuleFolder(GAUGE_BENCH_MODULE_DIR);
    benchtest::createEveryGauge(*host, benchtest::moduleNames(GAUGE_MODULE_LIST));
    return host;
}

void CycleOfEveryGauge(benchmark::State& state) {
    const auto host = hostWithEveryGauge();
    for (auto _ : state) host->runCycles(1);
    state.counters["gauges"] = static_cast<double>(host->instances().size());
}
BENCHMARK(CycleOfEveryGauge)->Unit(benchmark::kMicrosecond);

void OneHourFlight(benchmark::State& state) {
    const auto host = hostWithEveryGauge();
    for (auto _ : state) host->runCycles(kCyclesPerHour);
}
BENCHMARK(OneHourFlight)->Unit(benchmark::kMillisecond)->Iterations(3);

// The aircraft's main panel, laid out as `gaugehost panel` lays it out, after one cycle.
struct MainPanel {
    gaugehost::PanelHost host;
    gaugehost::render::PanelConfig config = gaugehost::render::readPanelConfig(GAUGE_BENCH_PANEL_CONFIG);
    gaugehost::render::PanelLayout layout{host, {GAUGE_BENCH_MODULE_DIR}, config};
    gaugehost::render::WindowLayout window = layout.layOut(config.windows.front());
    gaugehost::render::GaugeRenderer renderer;

    MainPanel() { host.runCycles(1); }
};

void DrawMainPanel(benchmark::State& state) {
    MainPanel panel;
    for (auto _ : state) {
        auto image = gaugehost::render::drawWindow(panel.window, panel.renderer, std::nullopt);
        benchmark::DoNotOptimize(image.pixels().data());
    }
    state.counters["pixels"] = static_cast<double>(panel.window.width) * panel.window.height;
}
BENCHMARK(DrawMainPanel)->Unit(benchmark::kMillisecond);

void MemcpyOfMainPanelFramebuffer(benchmark::State& state) {
    const MainPanel panel;
    const std::size_t bytes = static_cast<std::size_t>(panel.window.width) * panel.window.height * sizeof(gaugehost::render::Rgba);
    std::vector<unsigned char> from(bytes, 1), to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(MemcpyOfMainPanelFramebuffer)->Unit(benchmark::kMicrosecond);

// The gear lever pressed and released: the mouse callback, its key event, the host's bookkeeping.
void Click(benchmark::State& state) {
    gaugehost::PanelHost host;
    host.addModuleFolder(GAUGE_BENCH_MODULE_DIR);
    host.loadModule("VeskarZ3V5");
    auto& gauge = host.createGauge("VeskarZ3V5", "GearPos");
    const gaugehost::ResolvedArea* lever = nullptr;
    for (const auto& area : gauge.mouseMap().areas()) {
        if (area.kind != gauge::kParent && !area.box.wholeGauge) lever = &area;
    }
    if (lever == nullptr) {
        state.SkipWithError("GearPos has no mouse area");
        return;
    }
    for (auto _ : state) {
        host.press(gauge, lever->box.x + lever->box.width / 2, lever->box.y + lever->box.height / 2);
        host.release();
    }
}
BENCHMARK(Click)->Unit(benchmark::kMicrosecond);

// One frame of the live bench on the aircraft's panel: a cycle run, and the main window's pixels
// fetched as the page fetches them. With the airspeed changing every frame the main window is drawn
// anew each time; with nothing changing it is not drawn at all.
void LiveBenchFrame(benchmark::State& state, bool mainWindowChanges) {
    gaugehost::serve::BenchSession session({GAUGE_BENCH_MODULE_DIR}, GAUGE_BENCH_PANEL_CONFIG, true);
    session.pause(true);
    int frame = 0;
    for (auto _ : state) {
        if (mainWindowChanges) session.setVariable("INDICATED_AIRSPEED", std::to_string(60 + frame++ % 2 * 40));
        session.step(1);
        benchmark::DoNotOptimize(session.pixels("Window00"));
    }
}
BENCHMARK_CAPTURE(LiveBenchFrame, main_window_changes, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LiveBenchFrame, nothing_changes, false)->Unit(benchmark::kMillisecond);

void LoadEveryModule(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(hostWithEveryGauge());
}
BENCHMARK(LoadEveryModule)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's processor time per iteration, in nanoseconds, for the goals: what one core
// spends, which a machine busy with other work does not inflate as it does the wall-clock time.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred) nanoseconds_[run.run_name.function_name] = run.GetAdjustedCPUTime() / unitsPerNanosecond(run.time_unit);
        }
    }
    double nanoseconds(const std::string& name) const {
        const auto found = nanoseconds_.find(name);
        return found != nanoseconds_.end() ? found->second : 0;
    }

private:
    static double unitsPerNanosecond(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond: return 1;
            case benchmark::kMicrosecond: return 1e-3;
            case benchmark::kMillisecond: return 1e-6;
            case benchmark::kSecond: return 1e-9;
        }
        return 1;
    }
    std::map<std::string, double> nanoseconds_;
};

void printGoal(const char* what, double measured, double goal, const char* unit) {
    std::printf("%-44s %12.2f %-8s goal %10.2f %-8s %s (%.2f of the goal)\n", what, measured, unit, goal, unit,
                measured <= goal ? "met" : "MISSED", measured / goal);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nGoals, in processor time as measured in this run:\n");
    const double cycle = reporter.nanoseconds("CycleOfEveryGauge");
    const double hour = reporter.nanoseconds("OneHourFlight");
    const double draw = reporter.nanoseconds("DrawMainPanel");
    const double copy = reporter.nanoseconds("MemcpyOfMainPanelFramebuffer");
    if (cycle > 0) printGoal("one cycle of every gauge", cycle / 1e3, 20, "us");
    if (hour > 0) printGoal("one-hour flight (64,800 cycles), headless", hour / 1e9, 2, "s");
    if (draw > 0 && copy > 0) printGoal("main panel drawn, in memcpys of its framebuffer", draw / copy, 10, "memcpys");
    // The page holds as many frames a second as the server can make; the simulator updates 18 times.
    for (const char* frame : {"LiveBenchFrame/main_window_changes", "LiveBenchFrame/nothing_changes"}) {
        const double nanoseconds = reporter.nanoseconds(frame);
        if (nanoseconds > 0) {
            std::printf("%-44s %12.2f ms     %.1f frames a second (the simulator's 18)\n", frame, nanoseconds / 1e6,
                        1e9 / nanoseconds);
        }
    }
    benchmark::Shutdown();
    return 0;
}
