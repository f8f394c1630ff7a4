// The scenario commands: what each line does to the bench host, one reader per command.
#include <algorithm>
#include <cstring>
#include <vector>

#include "module_files.h"
#include "scenario_steps.h"
#include "value_text.h"

namespace gaugehost::scenario {
namespace {

Step load(LineReader& in, const Location&, const std::string&) {
    const std::string module = in.word("a module name or file");
    in.end();
    return [=](Runner& run) { loadModuleNamed(run.host, run.options.moduleFolders, module); };
}

Step createGauge(LineReader& in, const Location&, const std::string&) {
    const std::string alias = in.word("a name for the gauge");
    in.mark("=");
    const Location nameAt = in.here();
    const std::string full = in.word("Module!Gauge");
    const auto bang = full.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == full.size()) {
        throw ScenarioFault(nameAt, "expected Module!Gauge, found \"" + full + "\"");
    }
    in.end();
    in.defineAlias(alias);
    return [=](Runner& run) {
        if (run.gauges.contains(alias)) throw HostError("a gauge is already called " + alias);
        run.gauges[alias] = &run.host.createGauge(full.substr(0, bang), full.substr(bang + 1), alias);
    };
}

// A value for a host variable, in the variable's own form, read as `--set` reads it.
Step setVariable(LineReader& in, const Location&, const std::string&) {
    const std::uint32_t token = in.hostVariable();
    const Token& raw = in.take("a value");
    VariableValue value;
    try {
        if (raw.quoted) throw HostError("expected a value, found " + quote(raw.text));
        value = readVariableValue(token, raw.text);
    } catch (const HostError& error) {
        in.failAt(raw, error.what());
    }
    in.end();
    return [value](Runner& run) { value.applyTo(run.host.variables()); };
}

Step tick(LineReader& in, const Location&, const std::string&) {
    const double tick = in.real("a tick count");
    in.end();
    return [=](Runner& run) { run.host.setTick(tick); };
}

Step cycle(LineReader& in, const Location&, const std::string&) {
    const int cycles = in.atEnd() ? 1 : in.count("a number of cycles");
    in.end();
    return [=](Runner& run) { run.host.runCycles(cycles); };
}

Step code(LineReader& in, const Location&, const std::string&) {
    const auto alias = in.alias();
    const auto code = static_cast<gauge::ServiceCode>(in.bits("a service code"));
    const auto extra = in.atEnd() ? 0 : in.bits("an extra value");
    in.end();
    return [=](Runner& run) { run.host.sendServiceCode(run.gauge(alias), code, extra); };
}

// `press` keeps the button down; `click` lets it go again.
Step press(LineReader& in, const Location&, const std::string& word) {
    const auto alias = in.alias();
    const Point p = in.point();
    in.end();
    const bool release = word == "click";
    return [=](Runner& run) {
        run.host.press(run.gauge(alias), p.x, p.y);
        if (release) run.host.release();
    };
}

void requireHeldButton(Runner& run) {
    if (!run.host.buttonHeld()) throw HostError("no button is held; press on a mouse area first");
}

Step hold(LineReader& in, const Location&, const std::string&) {
    const int cycles = in.count("a number of cycles");
    in.end();
    return [=](Runner& run) {
        requireHeldButton(run);
        run.host.runCycles(cycles);
    };
}

Step move(LineReader& in, const Location&, const std::string&) {
    const Point p = in.point();
    in.end();
    return [=](Runner& run) {
        requireHeldButton(run);
        run.host.moveTo(p.x, p.y);
    };
}

Step release(LineReader& in, const Location&, const std::string&) {
    in.end();
    return [](Runner& run) { run.host.release(); };
}

Step drag(LineReader& in, const Location&, const std::string&) {
    const auto alias = in.alias();
    std::vector<Point> points{in.point()};
    while (!in.atEnd()) points.push_back(in.point());
    if (points.size() < 2) in.fail("expected at least two points: where the press starts and where it moves");
    return [=](Runner& run) {
        run.host.press(run.gauge(alias), points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) run.host.moveTo(points[i].x, points[i].y);
        run.host.release();
    };
}

Step gps(LineReader& in, const Location&, const std::string&) {
    const Token& action = in.take("provide, resize, withhold, u32 or f64");
    if (action.text == "provide" || action.text == "resize") {
        const int size = in.count("a record size in bytes");
        in.end();
        const bool keep = action.text == "resize";
        return [=](Runner& run) {
            std::vector<std::uint8_t> old;
            if (keep && run.host.gpsRecord() != nullptr) {
                old.assign(run.host.gpsRecord(), run.host.gpsRecord() + run.host.gpsRecordSize());
            }
            run.host.provideGpsRecord(static_cast<std::size_t>(size));
            if (!old.empty()) {
                std::memcpy(run.host.gpsRecord(), old.data(), std::min(old.size(), static_cast<std::size_t>(size)));
            }
        };
    }
    if (action.text == "withhold") {
        in.end();
        return [](Runner& run) { run.host.withholdGpsRecord(); };
    }
    if (action.text == "u32" || action.text == "f64") {
        const int offset = in.count("a byte offset");
        const bool real = action.text == "f64";
        const double value = real ? in.real("a number") : 0;
        const std::uint32_t bits = real ? 0 : in.bits("a whole number");
        in.end();
        return [=](Runner& run) {
            const std::size_t width = real ? 8 : 4;
            if (run.host.gpsRecord() == nullptr) throw HostError("no GPS data record is provided; use \"gps provide SIZE\"");
            if (static_cast<std::size_t>(offset) + width > run.host.gpsRecordSize()) {
                throw HostError("the field at offset " + std::to_string(offset) + " lies beyond the " +
                                std::to_string(run.host.gpsRecordSize()) + "-byte GPS data record");
            }
            std::memcpy(run.host.gpsRecord() + offset, real ? static_cast<const void*>(&value) : &bits, width);
        };
    }
    in.failAt(action, "expected provide, resize, withhold, u32 or f64, found \"" + action.text + "\"");
}

Step named(LineReader& in, const Location&, const std::string&) {
    const std::string name = in.word("a named variable");
    in.mark("=");
    const double value = in.anyReal("a number");
    in.end();
    return [=](Runner& run) { run.host.setNamedVariable(name, value); };
}

Step window(LineReader& in, const Location&, const std::string&) {
    const Token& action = in.take("open, close or toggle");
    if (action.quoted || (action.text != "open" && action.text != "close" && action.text != "toggle")) {
        in.failAt(action, "expected open, close or toggle, found \"" + action.text + "\"");
    }
    const std::uint32_t window = in.windowId();
    in.end();
    const std::string what = action.text;
    // Changes made from outside are not the gauges' calls: the call log is left as it was.
    return [=](Runner& run) {
        if (what == "open") run.host.openWindow(window);
        else if (what == "close") run.host.closeWindow(window);
        else run.host.toggleWindow(window);
        run.windowCallsChecked = run.host.windowCalls().size();
    };
}

Step model(LineReader& in, const Location&, const std::string&) {
    const Token& state = in.take("on or off");
    if (state.quoted || (state.text != "on" && state.text != "off")) {
        in.failAt(state, "expected on or off, found \"" + state.text + "\"");
    }
    in.end();
    const bool running = state.text == "on";
    return [=](Runner& run) { run.model.setRunning(running); };
}

Step snapshot(LineReader& in, const Location&, const std::string&) {
    const auto alias = in.alias();
    const std::string file = in.text("a PNG file name");
    in.end();
    return [=](Runner& run) {
        if (!run.options.snapshot) throw HostError("this build of gaugehost cannot draw; snapshot needs the native build");
        // A relative file lies in the snapshot folder; an absolute one stays as it is.
        const std::filesystem::path target = run.options.snapshotFolder / std::filesystem::path(file);
        if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path());
        run.options.snapshot(run.host, run.gauge(alias), target);
    };
}

const StepReader kCommands[] = {
    {"load", "load MODULE", "loads a module by name or file (loading it again does nothing)", load},
    {"model", "model on|off", "the aircraft model answers the gauges' key events as the simulator would", model},
    {"gauge", "gauge NAME = MODULE!GAUGE", "creates a gauge (codes 2 and 4 are sent) and names it", createGauge},
    {"set", "set VARIABLE VALUE", "sets a host variable, by name or hexadecimal token, in its own form (as --set)",
     setVariable},
    {"tick", "tick VALUE", "sets the tick counter; each cycle then advances it by one", tick},
    {"cycle", "cycle [N]", "runs N update cycles (1 without N)", cycle},
    {"code", "code NAME CODE [EXTRA]", "sends a service code to the gauge's callback", code},
    {"press", "press NAME X Y", "presses the left button at a point", press},
    {"hold", "hold N", "keeps the button down for N cycles", hold},
    {"move", "move X Y", "moves the held button", move},
    {"release", "release", "lets the button go", release},
    {"click", "click NAME X Y", "press and release", press},
    {"drag", "drag NAME X,Y X,Y ...", "press at the first point, move through the others, release", drag},
    {"gps", "gps provide|resize SIZE, gps withhold, gps u32|f64 OFFSET VALUE",
     "provides, withholds or writes the GPS data record of \"FS2002 GPS DATA\"", gps},
    {"named", "named NAME = VALUE", "sets a named variable, creating it when needed", named},
    {"window", "window open|close|toggle ID", "changes a panel window from outside", window},
    {"expect", "expect WHAT ...", "states what must come out (the expectations below)", readExpectation},
    {"snapshot", "snapshot NAME \"FILE.png\"", "draws the gauge as it is now into a PNG file beside the scenario, or in --out-dir (native build)", snapshot},
};

}  // namespace

std::span<const StepReader> commands() { return kCommands; }

Step readCommand(LineReader& in) {
    const Location at = in.here();
    const std::string verb = in.word("a command");
    if (const StepReader* reader = readerFor(commands(), verb)) return reader->read(in, at, verb);
    throw ScenarioFault(at, "unknown command \"" + verb + "\"; expected one of " + wordsOf(commands()));
}

}  // namespace gaugehost::scenario
