// The live bench behind `gaugehost serve`: one panel configuration's windows on a host of their
// own, the aircraft model answering, update cycles run by a clock, the user's mouse and settings
// applied between cycles, everything the gauges produce logged with its tick, and the session's
// steps kept so that they can be written out as a scenario.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "aircraft_model.h"
#include "gauge_renderer.h"
#include "module_files.h"
#include "panel_config.h"
#include "panel_drawing.h"
#include "panel_host.h"

namespace gaugehost::serve {

// What the page sends that the bench cannot follow: answered with 400 and the message.
class RequestError : public HostError {
public:
    using HostError::HostError;
};

// The GPS data record the bench provides from the start, with its size field filled, so the
// gauges that read it find a record without a destination.
inline constexpr std::size_t kGpsRecordSize = 512;
inline constexpr int kMostSpeed = 64;     // cycles per clock tick at the highest speed
inline constexpr std::size_t kMostLogEntries = 10000;

struct LogEntry {
    std::uint64_t id = 0;
    std::uint32_t tick = 0;
    std::string kind;  // "key", "window", "named", "bench"
    std::string text;
};

struct WindowPixels {
    int width = 0, height = 0;
    std::uint64_t version = 0;
    std::string rgba;  // width × height straight RGBA bytes
};

class BenchSession {
public:
    // Lays out every window of the configuration; the aircraft model runs unless `model` is false.
    // Throws HostError when the configuration or a module cannot be read.
    BenchSession(ModuleFolders moduleFolders, std::filesystem::path config, bool model);
    ~BenchSession();
    BenchSession(const BenchSession&) = delete;
    BenchSession& operator=(const BenchSession&) = delete;

    // One tick of the 18 Hz clock: the speed's cycles unless paused.
    void clockTick();
    // Reloads the panel when a module file changed since it was loaded; true when it did.
    bool reloadChangedModules();

    // The page's view: tick, pause and speed, windows with their versions, the log after `logAfter`.
    nlohmann::json state(std::uint64_t logAfter);
    // The window's pixels as they stand; nullopt for a window the configuration does not have.
    std::optional<WindowPixels> pixels(const std::string& section);
    // The cursor and tooltip at a window point.
    nlohmann::json hover(const std::string& section, int x, int y);
    // "press", "move" or "release" at a window point.
    void mouse(const std::string& section, const std::string& action, int x, int y);
    void pause(bool paused);
    void setSpeed(int cyclesPerTick);
    void step(int cycles);
    void setModel(bool on);
    void window(const std::string& action, std::uint32_t id);
    // A host variable by name or token, its value in its own form, as a scenario's `set`.
    void setVariable(const std::string& variable, const std::string& value);
    void setNamed(const std::string& name, const std::string& value);
    // A field of the GPS data record: "u32" or "f64" at a byte offset.
    void setGpsField(const std::string& type, const std::string& offset, const std::string& value);
    // Every host variable with its live value, the named variables and the GPS record's fields.
    nlohmann::json variables();
    // The steps since the panel was (re)loaded as a scenario, with what the gauges show now.
    std::string scenario();

private:
    struct Bench;
    struct PlacedAt {
        const render::PlacedGauge* placed;
        int x, y;  // background pixels of the gauge
    };

    void load();
    const render::WindowLayout& layoutOf(const std::string& section) const;
    std::optional<PlacedAt> gaugeAt(const std::string& section, int x, int y) const;
    void runCycle();
    void record(std::string step);
    void flushCycles();
    void collectLog();
    void log(std::string kind, std::string text);
    void redraw();
    bool isOpen(const render::PanelWindow& window) const;

    ModuleFolders moduleFolders_;
    std::filesystem::path configFile_;
    render::PanelConfig config_;
    std::unique_ptr<Bench> bench_;
    std::mutex mutex_;

    bool paused_ = false;
    int speed_ = 1;
    bool model_ = true;
    bool modelAtLoad_ = true;
    std::map<std::filesystem::path, std::filesystem::file_time_type> moduleTimes_;

    std::deque<LogEntry> log_;
    std::uint64_t nextLogId_ = 1;
    std::size_t keysLogged_ = 0, windowCallsLogged_ = 0;

    std::vector<std::string> steps_;
    int pendingCycles_ = 0;
    std::optional<PlacedAt> pressed_;

    std::uint64_t changes_ = 0, drawnChanges_ = ~std::uint64_t{0};
    std::map<std::string, WindowPixels> frames_;
    std::map<std::string, std::string> drawnStates_;  // what each window's gauges showed when it was drawn
    std::optional<render::GaugeRenderer> renderer_;
};

}  // namespace gaugehost::serve
