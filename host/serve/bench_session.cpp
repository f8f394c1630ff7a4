#include "bench_session.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame_names.h"
#include "hex_text.h"
#include "host_variables.h"
#include "key_events.h"
#include "value_text.h"

namespace gaugehost::serve {
namespace {

// The most steps one recording keeps: a long session of drags stays within a few megabytes.
constexpr std::size_t kMostSteps = 100000;
constexpr std::size_t kLongestName = 64;

// A number as a scenario reads it back exactly.
std::string exact(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') result += '\\';
        result += c;
    }
    return result + "\"";
}

// The PanelWindowId the gauges address the window by: its numeric ident, 0 for the main panel.
// Windows without one (the virtual cockpit's surfaces) are always shown.
std::optional<std::uint32_t> windowId(const render::PanelWindow& window) {
    std::string ident = window.ident;
    std::transform(ident.begin(), ident.end(), ident.begin(), [](unsigned char c) { return std::toupper(c); });
    if (ident == "MAIN_PANEL") return 0;
    const auto number = readWholeNumber(window.ident);
    if (!number || *number < 0) return std::nullopt;
    return static_cast<std::uint32_t>(*number);
}

bool visibleAtStart(const render::PanelWindow& window) {
    return std::ranges::any_of(window.otherKeys, [](const auto& key) { return key.first == "visible" && key.second == "1"; });
}

std::string keyText(const KeyEvent& event) { return keyEventName(event.id) + "(" + std::to_string(event.parameter) + ")"; }

const char* callName(WindowCall call) {
    switch (call) {
        case WindowCall::Toggle: return "toggle";
        case WindowCall::Open: return "open";
        case WindowCall::Close: return "close";
    }
    return "";
}

// A BCD value as what it holds: a COM or NAV frequency in MHz (0x2250 is 122.50), an ADF
// frequency in kHz, the transponder's four-digit code.
std::string bcdText(const HostVariableInfo& info, std::uint32_t bits) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04X", bits & 0xFFFF);
    const std::string_view name = info.name();
    if (name.starts_with("COM") || name.starts_with("NAV")) {
        return "1" + std::string(digits, 2) + "." + std::string(digits + 2, 2) + " MHz";
    }
    if (name.starts_with("ADF")) {
        const std::string_view kilohertz(digits);
        return std::string(kilohertz.substr(std::min(kilohertz.find_first_not_of('0'), kilohertz.size() - 1))) + " kHz";
    }
    return digits;
}

// A window point to the gauge's background pixels.
int toGauge(int at, int place, int placeSize, int gaugeSize) {
    return static_cast<int>(std::floor(static_cast<double>(at - place) * gaugeSize / std::max(placeSize, 1)));
}

// What the window's gauges show, element by element: a window whose gauges show the same is not
// drawn again, which spares most frames the drawing's cost.
std::string drawnState(const render::WindowLayout& layout, std::optional<std::uint32_t> activeSelection) {
    std::string state = activeSelection ? std::to_string(*activeSelection) : "-";
    for (const auto& placed : layout.gauges) {
        if (placed.gauge == nullptr) continue;
        for (const ElementState& element : placed.gauge->elements()) {
            char values[256];
            std::snprintf(values, sizeof values, "|%d %d %d %a %a %a %a %a %a %a %a %a ", element.kind, element.hidden,
                          element.picture.value_or(-2), element.needleValue, element.needleAngle, element.sliderX, element.sliderY,
                          element.stripX, element.stripY, element.spriteX, element.spriteY, element.spriteRotation);
            state += values + element.text;
        }
    }
    return state;
}

std::string elementExpectations(const GaugeInstance& gauge) {
    std::string lines;
    for (const ElementState& state : gauge.elements()) {
        const std::string at = gauge.alias() + " " + std::to_string(state.index);
        switch (state.kind) {
            case gauge::kString: lines += "expect text " + at + " = " + quoted(state.text) + "\n"; break;
            case gauge::kIcon:
                lines += "expect picture " + at + " = " + (state.picture ? std::to_string(*state.picture) : "none") + "\n";
                break;
            case gauge::kNeedle:
                if (std::isfinite(state.needleAngle)) lines += "expect angle " + at + " = " + exact(state.needleAngle) + " ~ 1e-6\n";
                break;
            default: break;
        }
    }
    return lines;
}

}  // namespace

struct BenchSession::Bench {
    PanelHost host;
    AircraftModel model{host};
    std::unique_ptr<render::PanelLayout> layout;
    std::vector<render::WindowLayout> windows;
};

BenchSession::BenchSession(ModuleFolders moduleFolders, std::filesystem::path config, bool model)
    : moduleFolders_(std::move(moduleFolders)),
      configFile_(std::move(config)),
      config_(render::readPanelConfig(configFile_)),
      model_(model) {
    renderer_.emplace();
    load();
}

BenchSession::~BenchSession() = default;

void BenchSession::load() {
    bench_.reset();  // one host is active at a time: the old one goes first
    bench_ = std::make_unique<Bench>();
    PanelHost& host = bench_->host;
    for (const auto& folder : moduleFolders_) host.addModuleFolder(folder);
    keysLogged_ = windowCallsLogged_ = 0;
    steps_.clear();
    pendingCycles_ = 0;
    pressed_.reset();
    frames_.clear();
    drawnStates_.clear();

    host.provideGpsRecord(kGpsRecordSize);
    const auto size = static_cast<std::uint32_t>(kGpsRecordSize);
    std::memcpy(host.gpsRecord(), &size, sizeof size);
    host.setNamedVariableWriteReaction([this](const std::string& name, double value) { log("named", name + " = " + exact(value)); });
    bench_->model.setRunning(model_);
    modelAtLoad_ = model_;
    for (const auto& window : config_.windows) {
        const auto id = windowId(window);
        if (id && visibleAtStart(window)) host.openWindow(*id);
    }
    windowCallsLogged_ = host.windowCalls().size();  // the bench's own, not the gauges'

    bench_->layout = std::make_unique<render::PanelLayout>(host, moduleFolders_, config_);
    moduleTimes_.clear();
    for (const auto& window : config_.windows) {
        bench_->windows.push_back(bench_->layout->layOut(window));
        for (const auto& placed : bench_->windows.back().gauges) {
            if (placed.gauge == nullptr) continue;
            std::error_code error;
            moduleTimes_[placed.gauge->module().file()] = std::filesystem::last_write_time(placed.gauge->module().file(), error);
        }
    }
    for (const auto& warning : bench_->layout->warnings()) log("bench", "warning: " + warning);
    collectLog();
    ++changes_;
}

bool BenchSession::reloadChangedModules() {
    std::lock_guard lock(mutex_);
    std::string changed;
    for (const auto& [file, time] : moduleTimes_) {
        std::error_code error;
        const auto now = std::filesystem::last_write_time(file, error);
        if (!error && now != time) changed += (changed.empty() ? "" : ", ") + file.filename().string();
    }
    if (changed.empty()) return false;
    try {
        load();
        log("bench", changed + " changed: the panel was reloaded, every gauge made anew, and the modules' data started afresh");
    } catch (const HostError& error) {
        log("bench", changed + " changed and could not be reloaded: " + error.what());
        moduleTimes_.clear();  // nothing to watch until the page is reloaded by hand
    }
    return true;
}

void BenchSession::log(std::string kind, std::string text) {
    log_.push_back({.id = nextLogId_++, .tick = bench_ ? bench_->host.tick() : 0, .kind = std::move(kind), .text = std::move(text)});
    if (log_.size() > kMostLogEntries) log_.pop_front();
}

void BenchSession::collectLog() {
    const PanelHost& host = bench_->host;
    for (; keysLogged_ < host.keyEvents().size(); ++keysLogged_) log("key", keyText(host.keyEvents()[keysLogged_]));
    for (; windowCallsLogged_ < host.windowCalls().size(); ++windowCallsLogged_) {
        const auto& call = host.windowCalls()[windowCallsLogged_];
        log("window", std::string(callName(call.call)) + " " + std::to_string(call.window) + (call.result ? "" : " (refused)"));
    }
}

void BenchSession::flushCycles() {
    if (pendingCycles_ > 0 && steps_.size() < kMostSteps) steps_.push_back("cycle " + std::to_string(pendingCycles_));
    pendingCycles_ = 0;
}

void BenchSession::record(std::string step) {
    if (steps_.size() >= kMostSteps) return;
    flushCycles();
    steps_.push_back(std::move(step));
    if (steps_.size() == kMostSteps) log("bench", "the recording is full: later steps are not saved as scenario");
}

void BenchSession::runCycle() {
    bench_->host.runCycles(1);
    if (pendingCycles_ == kMostCycles) flushCycles();  // the most one scenario line runs
    ++pendingCycles_;
    collectLog();
    ++changes_;
}

void BenchSession::clockTick() {
    std::lock_guard lock(mutex_);
    if (paused_) return;
    for (int i = 0; i < speed_; ++i) runCycle();
}

void BenchSession::step(int cycles) {
    if (cycles < 1 || cycles > kMostCycles) throw RequestError("expected a number of cycles from 1 to " + std::to_string(kMostCycles));
    std::lock_guard lock(mutex_);
    for (int i = 0; i < cycles; ++i) runCycle();
}

void BenchSession::pause(bool paused) {
    std::lock_guard lock(mutex_);
    paused_ = paused;
}

void BenchSession::setSpeed(int cyclesPerTick) {
    if (cyclesPerTick < 1 || cyclesPerTick > kMostSpeed) throw RequestError("expected a speed from 1 to " + std::to_string(kMostSpeed));
    std::lock_guard lock(mutex_);
    speed_ = cyclesPerTick;
}

void BenchSession::setModel(bool on) {
    std::lock_guard lock(mutex_);
    model_ = on;
    bench_->model.setRunning(on);
    record(on ? "model on" : "model off");
    log("bench", on ? "the aircraft model answers the key events" : "the aircraft model is off");
}

void BenchSession::window(const std::string& action, std::uint32_t id) {
    std::lock_guard lock(mutex_);
    PanelHost& host = bench_->host;
    if (action == "open") host.openWindow(id);
    else if (action == "close") host.closeWindow(id);
    else if (action == "toggle") host.toggleWindow(id);
    else throw RequestError("expected open, close or toggle, found \"" + action + "\"");
    windowCallsLogged_ = host.windowCalls().size();
    record("window " + action + " " + std::to_string(id));
    log("bench", "window " + action + " " + std::to_string(id) + " by the user");
    ++changes_;
}

void BenchSession::setVariable(const std::string& variable, const std::string& value) {
    if (variable.size() > kLongestName || value.size() > kLongestName) throw RequestError("the variable or value is too long");
    const std::uint32_t token = readHostVariable(variable);
    const VariableValue parsed = readVariableValue(token, value);
    std::lock_guard lock(mutex_);
    parsed.applyTo(bench_->host.variables());
    const auto* info = findHostVariable(token);
    const std::string name = info != nullptr ? std::string(info->name()) : hex(token);
    record("set " + name + " " + value);
    log("bench", "set " + name + " " + value);
    ++changes_;
}

void BenchSession::setNamed(const std::string& name, const std::string& value) {
    const bool wellFormed = !name.empty() && name.size() <= kLongestName && !std::strchr("=~,()", name[0]) &&
                            std::ranges::all_of(name, [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '.' || c == ':'; });
    if (!wellFormed) throw RequestError("a named variable's name is letters, digits, '_', '.' and ':', at most 64");
    const auto number = readReal(value);
    if (!number) throw RequestError("expected a number, found \"" + value.substr(0, kLongestName) + "\"");
    std::lock_guard lock(mutex_);
    bench_->host.setNamedVariable(name, *number);
    record("named " + name + " = " + exact(*number));
    log("bench", "named " + name + " = " + exact(*number));
    ++changes_;
}

void BenchSession::setGpsField(const std::string& type, const std::string& offsetText, const std::string& value) {
    const std::size_t width = type == "u32" ? 4 : type == "f64" ? 8 : 0;
    if (width == 0) throw RequestError("expected u32 or f64, found \"" + type.substr(0, kLongestName) + "\"");
    const auto offset = readWholeNumber(offsetText);
    if (!offset || *offset < 0 || static_cast<std::size_t>(*offset) + width > kGpsRecordSize) {
        throw RequestError("expected an offset inside the " + std::to_string(kGpsRecordSize) + "-byte GPS data record");
    }
    unsigned char bytes[8];
    std::string written;  // as the scenario's gps command reads it back
    if (width == 4) {
        const auto number = readWholeNumber(value);
        if (!number || *number < 0) throw RequestError("expected a whole number from 0 to 0xFFFFFFFF");
        const auto bits = static_cast<std::uint32_t>(*number);
        std::memcpy(bytes, &bits, width);
        written = std::to_string(bits);
    } else {
        const auto number = readReal(value);
        if (!number) throw RequestError("expected a number");
        std::memcpy(bytes, &*number, width);
        written = exact(*number);
    }
    std::lock_guard lock(mutex_);
    std::memcpy(bench_->host.gpsRecord() + *offset, bytes, width);
    record("gps " + type + " " + std::to_string(*offset) + " " + written);
    log("bench", "gps " + type + " " + std::to_string(*offset) + " = " + written);
    ++changes_;
}

const render::WindowLayout& BenchSession::layoutOf(const std::string& section) const {
    for (const auto& layout : bench_->windows) {
        if (layout.window->section == section) return layout;
    }
    throw RequestError("there is no window " + section.substr(0, kLongestName));
}

bool BenchSession::isOpen(const render::PanelWindow& window) const {
    const auto id = windowId(window);
    return !id || bench_->host.openWindows().contains(*id);
}

std::optional<BenchSession::PlacedAt> BenchSession::gaugeAt(const std::string& section, int x, int y) const {
    const auto& gauges = layoutOf(section).gauges;
    // The gauge drawn last lies on top; the mouse passes through a gauge with no area there, as
    // through the window sequences' invisible gauges.
    for (auto placed = gauges.rbegin(); placed != gauges.rend(); ++placed) {
        if (placed->gauge == nullptr || x < placed->x || y < placed->y || x >= placed->x + placed->width ||
            y >= placed->y + placed->height) {
            continue;
        }
        const PlacedAt at{&*placed, toGauge(x, placed->x, placed->width, placed->gauge->width()),
                          toGauge(y, placed->y, placed->height, placed->gauge->height())};
        const MouseMap& areas = placed->gauge->mouseMap();
        if (areas.childAt(at.x, at.y) != nullptr || areas.tooltipAt(at.x, at.y)) return at;
    }
    return std::nullopt;
}

void BenchSession::mouse(const std::string& section, const std::string& action, int x, int y) {
    std::lock_guard lock(mutex_);
    PanelHost& host = bench_->host;
    if (action == "press") {
        if (pressed_) {
            host.release();
            record("release");
        }
        pressed_ = gaugeAt(section, x, y);
        if (!pressed_) return;
        auto& gauge = const_cast<GaugeInstance&>(*pressed_->placed->gauge);
        host.press(gauge, pressed_->x, pressed_->y);
        record("press " + gauge.alias() + " " + std::to_string(pressed_->x) + " " + std::to_string(pressed_->y));
    } else if (action == "move") {
        if (!pressed_ || !host.buttonHeld()) return;
        const auto& placed = *pressed_->placed;
        const int gx = toGauge(x, placed.x, placed.width, placed.gauge->width());
        const int gy = toGauge(y, placed.y, placed.height, placed.gauge->height());
        if (gx == pressed_->x && gy == pressed_->y) return;
        pressed_->x = gx;
        pressed_->y = gy;
        host.moveTo(gx, gy);
        record("move " + std::to_string(gx) + " " + std::to_string(gy));
    } else if (action == "release") {
        if (!pressed_) return;
        pressed_.reset();
        if (host.buttonHeld()) host.release();
        record("release");
    } else {
        throw RequestError("expected press, move or release, found \"" + action.substr(0, kLongestName) + "\"");
    }
    collectLog();
    ++changes_;
}

nlohmann::json BenchSession::hover(const std::string& section, int x, int y) {
    std::lock_guard lock(mutex_);
    const auto at = gaugeAt(section, x, y);
    if (!at) return {{"gauge", nullptr}};
    const GaugeInstance& gauge = *at->placed->gauge;
    nlohmann::json answer{{"gauge", at->placed->name}, {"alias", gauge.alias()}, {"x", at->x}, {"y", at->y},
                          {"cursor", gauge.mouseMap().cursorAt(at->x, at->y)}, {"cursorName", cursorName(gauge.mouseMap().cursorAt(at->x, at->y))}};
    if (const auto tooltip = gauge.mouseMap().tooltipAt(at->x, at->y)) {
        answer["tooltip"] = {{"id", tooltip->id}, {"text", tooltip->text}};
    }
    return answer;
}

void BenchSession::redraw() {
    if (drawnChanges_ == changes_) return;
    drawnChanges_ = changes_;
    for (const auto& layout : bench_->windows) {
        if (!isOpen(*layout.window)) continue;
        std::string shows = drawnState(layout, bench_->host.activeSelection());
        std::string& drawn = drawnStates_[layout.window->section];
        if (frames_.contains(layout.window->section) && drawn == shows) continue;
        drawn = std::move(shows);
        const render::Image image = render::drawWindow(layout, *renderer_, bench_->host.activeSelection());
        std::string rgba(reinterpret_cast<const char*>(image.pixels().data()), image.pixels().size() * sizeof(render::Rgba));
        WindowPixels& frame = frames_[layout.window->section];
        if (frame.rgba == rgba) continue;
        frame = {.width = image.width(), .height = image.height(), .version = frame.version + 1, .rgba = std::move(rgba)};
    }
}

nlohmann::json BenchSession::state(std::uint64_t logAfter) {
    std::lock_guard lock(mutex_);
    redraw();
    nlohmann::json windows = nlohmann::json::array();
    for (const auto& layout : bench_->windows) {
        const auto id = windowId(*layout.window);
        const auto frame = frames_.find(layout.window->section);
        nlohmann::json gauges = nlohmann::json::array();
        for (const auto& placed : layout.gauges) {
            if (placed.gauge == nullptr) continue;
            gauges.push_back({{"name", placed.name}, {"alias", placed.gauge->alias()}, {"x", placed.x}, {"y", placed.y},
                              {"width", placed.width}, {"height", placed.height}, {"gaugeWidth", placed.gauge->width()},
                              {"gaugeHeight", placed.gauge->height()}});
        }
        windows.push_back({{"section", layout.window->section},
                           {"ident", layout.window->ident},
                           {"title", layout.window->title},
                           {"id", id ? nlohmann::json(*id) : nlohmann::json(nullptr)},
                           {"open", isOpen(*layout.window)},
                           {"width", layout.width},
                           {"height", layout.height},
                           {"version", frame == frames_.end() ? 0 : frame->second.version},
                           {"gauges", gauges}});
    }
    nlohmann::json log = nlohmann::json::array();
    for (const auto& entry : log_) {
        if (entry.id > logAfter) log.push_back({{"id", entry.id}, {"tick", entry.tick}, {"kind", entry.kind}, {"text", entry.text}});
    }
    return {{"tick", bench_->host.tick()}, {"paused", paused_}, {"speed", speed_}, {"model", model_},
            {"held", bench_->host.buttonHeld()}, {"config", configFile_.filename().string()}, {"windows", windows}, {"log", log}};
}

std::optional<WindowPixels> BenchSession::pixels(const std::string& section) {
    std::lock_guard lock(mutex_);
    redraw();
    const auto frame = frames_.find(section);
    if (frame == frames_.end()) return std::nullopt;
    return frame->second;
}

nlohmann::json BenchSession::variables() {
    std::lock_guard lock(mutex_);
    PanelHost& host = bench_->host;
    nlohmann::json hostVariables = nlohmann::json::array();
    for (const auto& info : gaugehost::hostVariables()) {
        const double value = host.variables().value(info.token);
        std::string text;
        if (info.form == VariableForm::Bcd) {
            const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
            text = hex(bits);
            hostVariables.push_back({{"name", info.name()}, {"token", hex(info.token)}, {"form", formName(info.form)},
                                     {"unit", info.unit}, {"value", text}, {"shown", bcdText(info, bits)}});
            continue;
        }
        text = info.form == VariableForm::Real ? exact(value) : std::to_string(static_cast<std::int64_t>(value));
        hostVariables.push_back({{"name", info.name()}, {"token", hex(info.token)}, {"form", formName(info.form)},
                                 {"unit", info.unit}, {"value", text}, {"shown", text}});
    }
    nlohmann::json named = nlohmann::json::array();
    for (const auto& name : host.namedVariableNames()) named.push_back({{"name", name}, {"value", exact(*host.namedVariable(name))}});
    // The fields of the GPS data record the gauges read.
    struct GpsField {
        const char* name;
        const char* type;
        std::size_t offset;
    };
    constexpr GpsField kGpsFields[] = {{"record size", "u32", 0},          {"first approach indication", "u32", 0x40},
                                       {"destination active, second approach indication", "u32", 0x44},
                                       {"third approach indication", "u32", 0x48}, {"distance to destination (m)", "f64", 0x80}};
    nlohmann::json gps = nlohmann::json::array();
    for (const auto& field : kGpsFields) {
        std::string value;
        if (std::strcmp(field.type, "u32") == 0) {
            std::uint32_t bits;
            std::memcpy(&bits, host.gpsRecord() + field.offset, sizeof bits);
            value = std::to_string(bits);
        } else {
            double number;
            std::memcpy(&number, host.gpsRecord() + field.offset, sizeof number);
            value = exact(number);
        }
        gps.push_back({{"name", field.name}, {"type", field.type}, {"offset", field.offset}, {"value", value}});
    }
    return {{"host", hostVariables}, {"named", named}, {"gps", gps}};
}

std::string BenchSession::scenario() {
    std::lock_guard lock(mutex_);
    const PanelHost& host = bench_->host;
    std::string text = "# Recorded by gaugehost serve on " + configFile_.filename().string() + ": the steps since the panel was loaded,\n"
                       "# then what the gauges showed at tick " + std::to_string(host.tick()) + ".\n";
    text += std::string("model ") + (modelAtLoad_ ? "on" : "off") + "\n";
    text += "gps provide " + std::to_string(kGpsRecordSize) + "\ngps u32 0 " + std::to_string(kGpsRecordSize) + "\n";
    for (const auto& window : config_.windows) {
        const auto id = windowId(window);
        if (id && visibleAtStart(window)) text += "window open " + std::to_string(*id) + "\n";
    }
    std::vector<std::string> loaded;
    std::string gauges;
    for (const auto& layout : bench_->windows) {
        for (const auto& placed : layout.gauges) {
            if (placed.gauge == nullptr) continue;
            const Module& module = placed.gauge->module();
            if (std::ranges::find(loaded, module.name()) == loaded.end()) {
                loaded.push_back(module.name());
                // By name where the module folders find this very file; by its file otherwise (beside the configuration).
                const auto found = findModuleFile(moduleFolders_, module.name());
                std::error_code error;
                const bool byName = found && std::filesystem::equivalent(*found, module.file(), error);
                text += "load " + (byName ? module.name() : module.file().string()) + "\n";
            }
            gauges += "gauge " + placed.gauge->alias() + " = " + module.name() + "!" + placed.gauge->header().gaugeName + "\n";
        }
    }
    text += gauges;
    for (const auto& step : steps_) text += step + "\n";
    if (pendingCycles_ > 0) text += "cycle " + std::to_string(pendingCycles_) + "\n";

    text += "\n# What the gauges show now.\n";
    for (const auto& layout : bench_->windows) {
        for (const auto& placed : layout.gauges) {
            if (placed.gauge != nullptr) text += elementExpectations(*placed.gauge);
        }
    }
    std::string keys;
    for (const KeyEvent& event : host.keyEvents()) keys += " " + keyText(event);
    text += "expect keys =" + (keys.empty() ? std::string(" none") : keys) + "\n";
    std::string open;
    for (std::uint32_t id : host.openWindows()) open += " " + std::to_string(id);
    text += "expect open-windows =" + (open.empty() ? std::string(" none") : open) + "\n";
    for (const auto& name : host.namedVariableNames()) text += "expect named " + name + " = " + exact(*host.namedVariable(name)) + "\n";
    return text;
}

}  // namespace gaugehost::serve
