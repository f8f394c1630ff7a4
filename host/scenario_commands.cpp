// The scenario commands: what each line does to the bench host, one reader per command.
#include <algorithm>
#include <cstring>
#include <vector>

#include "host_variables.h"
#include "scenario_steps.h"

namespace gaugehost::scenario {
namespace {

Step load(LineReader& in, const Location&, const std::string&) {
    const std::string module = in.word("a module name or file");
    in.end();
    return [=](Runner& run) { run.host.loadModule(module); };
}

Step createGauge(LineReader& in, const Location& at, const std::string&) {
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
        if (run.gauges.contains(alias)) throw ScenarioFault(at, "a gauge is already called " + alias);
        try {
            run.gauges[alias] = &run.host.createGauge(full.substr(0, bang), full.substr(bang + 1), alias);
        } catch (const HostError& error) {
            throw ScenarioFault(nameAt, error.what());
        }
    };
}

// A value for a host variable, in the variable's own form.
Step setVariable(LineReader& in, const Location&, const std::string&) {
    const std::uint32_t token = in.hostVariable();
    const auto* info = findHostVariable(token);
    const auto form = info != nullptr ? info->form : VariableForm::Real;
    Step step;
    if (form == VariableForm::Real) {
        const double value = in.real("a number");
        step = [token, value](Runner& run) { run.host.variables().set(token, value); };
    } else if (form == VariableForm::Bcd) {
        const Token& raw = in.take("a BCD value in hexadecimal such as 0x2250");
        auto value = raw.quoted || !isHex(raw.text) ? std::nullopt : parseInteger(raw.text);
        if (!value) in.failAt(raw, "expected a BCD value in hexadecimal such as 0x2250, found \"" + raw.text + "\"");
        step = [token, bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(*value))](Runner& run) {
            run.host.variables().setInteger(token, bits);
        };
    } else {
        const auto value = in.integer("a whole number");
        step = [token, bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(value))](Runner& run) {
            run.host.variables().setInteger(token, bits);
        };
    }
    in.end();
    return step;
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

Step code(LineReader& in, const Location& at, const std::string&) {
    const auto alias = in.alias();
    const auto code = static_cast<gauge::ServiceCode>(in.integer("a service code"));
    const auto extra = in.atEnd() ? 0 : static_cast<std::uint32_t>(in.integer("an extra value"));
    in.end();
    return [=](Runner& run) { run.host.sendServiceCode(run.gauge(alias, at), code, extra); };
}

// `press` keeps the button down; `click` lets it go again.
Step press(LineReader& in, const Location& at, const std::string& word) {
    const auto alias = in.alias();
    const Point p = in.point();
    in.end();
    const bool release = word == "click";
    return [=](Runner& run) {
        run.host.press(run.gauge(alias, at), p.x, p.y);
        if (release) run.host.release();
    };
}

void requireHeldButton(Runner& run, const Location& at) {
    if (!run.host.buttonHeld()) throw ScenarioFault(at, "no button is held; press on a mouse area first");
}

Step hold(LineReader& in, const Location& at, const std::string&) {
    const int cycles = in.count("a number of cycles");
    in.end();
    return [=](Runner& run) {
        requireHeldButton(run, at);
        run.host.runCycles(cycles);
    };
}

Step move(LineReader& in, const Location& at, const std::string&) {
    const Point p = in.point();
    in.end();
    return [=](Runner& run) {
        requireHeldButton(run, at);
        run.host.moveTo(p.x, p.y);
    };
}

Step release(LineReader& in, const Location&, const std::string&) {
    in.end();
    return [](Runner& run) { run.host.release(); };
}

Step drag(LineReader& in, const Location& at, const std::string&) {
    const auto alias = in.alias();
    std::vector<Point> points{in.point()};
    while (!in.atEnd()) points.push_back(in.point());
    if (points.size() < 2) in.fail("expected at least two points: where the press starts and where it moves");
    return [=](Runner& run) {
        run.host.press(run.gauge(alias, at), points[0].x, points[0].y);
        for (std::size_t i = 1; i < points.size(); ++i) run.host.moveTo(points[i].x, points[i].y);
        run.host.release();
    };
}

Step gps(LineReader& in, const Location& at, const std::string&) {
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
        const Location valueAt = in.here();
        const bool real = action.text == "f64";
        const double value = real ? in.real("a number") : static_cast<double>(in.integer("a whole number"));
        in.end();
        return [=](Runner& run) {
            const std::size_t width = real ? 8 : 4;
            if (run.host.gpsRecord() == nullptr) throw ScenarioFault(at, "no GPS data record is provided; use \"gps provide SIZE\"");
            if (static_cast<std::size_t>(offset) + width > run.host.gpsRecordSize()) {
                throw ScenarioFault(valueAt, "the field at offset " + std::to_string(offset) + " lies beyond the " +
                                                 std::to_string(run.host.gpsRecordSize()) + "-byte GPS data record");
            }
            if (real) {
                std::memcpy(run.host.gpsRecord() + offset, &value, width);
            } else {
                const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(value));
                std::memcpy(run.host.gpsRecord() + offset, &bits, width);
            }
        };
    }
    in.failAt(action, "expected provide, resize, withhold, u32 or f64, found \"" + action.text + "\"");
}

Step named(LineReader& in, const Location&, const std::string&) {
    const std::string name = in.word("a named variable");
    in.mark("=");
    const double value = in.real("a number");
    in.end();
    return [=](Runner& run) { run.host.setNamedVariable(name, value); };
}

Step window(LineReader& in, const Location&, const std::string&) {
    const Token& action = in.take("open, close or toggle");
    if (action.quoted || (action.text != "open" && action.text != "close" && action.text != "toggle")) {
        in.failAt(action, "expected open, close or toggle, found \"" + action.text + "\"");
    }
    const auto window = static_cast<std::uint32_t>(in.integer("a panel window id"));
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

Step snapshot(LineReader& in, const Location& at, const std::string&) {
    const auto alias = in.alias();
    const std::string file = in.text("a PNG file name");
    in.end();
    return [=](Runner& run) {
        if (!run.options.snapshot) throw ScenarioFault(at, "this build of gaugehost cannot draw; snapshot needs the native build");
        run.options.snapshot(run.host, run.gauge(alias, at), file);
    };
}

const StepReader kCommands[] = {
    {"load", "load MODULE", "loads a module by name or file (loading it again does nothing)", load},
    {"model", "model on|off", "the aircraft model answers the gauges' key events as the simulator would", model},
    {"gauge", "gauge NAME = MODULE!GAUGE", "creates a gauge (codes 2 and 4 are sent) and names it", createGauge},
    {"set", "set VARIABLE VALUE", "sets a host variable, by name or hexadecimal token, in its own form", setVariable},
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
    {"snapshot", "snapshot NAME \"FILE.png\"", "draws the gauge as it is now into a PNG file (native build)", snapshot},
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
