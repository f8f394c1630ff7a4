// What a scenario's lines become: steps run against a bench host of the scenario's own. Each command
// and each expectation is one entry of a table that reads its line into a step; the tables give
// the help text and the "expected one of …" lists too.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <map>
#include <ostream>
#include <span>
#include <string>

#include "aircraft_model.h"
#include "frame_names.h"
#include "host_error.h"
#include "panel_host.h"
#include "scenario.h"
#include "scenario_reading.h"

namespace gaugehost::scenario {

struct Runner {
    Runner(const ScenarioOptions& options, std::ostream& report) : options(options), report(report) {
        for (const auto& folder : options.moduleFolders) host.addModuleFolder(folder);
    }

    // Errors of a running step are HostErrors, reported at the step's first column.
    GaugeInstance& gauge(const std::string& alias) {
        auto it = gauges.find(alias);
        if (it == gauges.end()) throw HostError("no gauge " + quote(alias));
        return *it->second;
    }

    // The element at that index, of one of the kinds an expectation reads (any kind when none is named).
    const ElementState& element(const std::string& alias, int index, std::initializer_list<gauge::ElementKind> kinds = {}) {
        const auto& elements = gauge(alias).elements();
        if (static_cast<std::size_t>(index) >= elements.size()) {
            throw HostError("gauge " + alias + " has no element " + std::to_string(index) + "; its elements are 0 to " +
                            std::to_string(elements.size() - 1));
        }
        const ElementState& state = elements[static_cast<std::size_t>(index)];
        if (kinds.size() != 0 && std::find(kinds.begin(), kinds.end(), state.kind) == kinds.end()) {
            const auto named = [](gauge::ElementKind kind) {
                const std::string name = elementKindName(kind);
                return (std::string("aeiou").find(name[0]) == std::string::npos ? "a " : "an ") + name;
            };
            throw HostError(alias + " element " + std::to_string(index) + " is " + named(state.kind) + ", not " +
                            named(*kinds.begin()));
        }
        return state;
    }

    void check(bool held, const Location& at, const std::string& expected, const std::string& actual) {
        result.checks.push_back({.where = at.text(), .expected = expected, .got = held ? "" : actual, .error = false});
        if (held) {
            ++result.passed;
            if (options.verbose) report << at.text() << ": holds: " << expected << '\n';
            return;
        }
        ++result.failed;
        report << at.text() << ": expected " << expected << ", got " << actual << '\n';
    }

    const ScenarioOptions& options;
    std::ostream& report;
    PanelHost host;
    AircraftModel model{host};  // answers the gauges' key events once a scenario turns it on
    std::map<std::string, GaugeInstance*> gauges;
    std::size_t keyEventsChecked = 0;
    std::size_t windowCallsChecked = 0;
    ScenarioResult result;
};

using Step = std::function<void(Runner&)>;

// One command or expectation: the word its lines start with, how a line is written and what it
// does (for the help text), and the reader that makes the rest of the line into a step. `at` is
// where the word stands.
struct StepReader {
    const char* word;
    const char* syntax;
    const char* meaning;
    Step (*read)(LineReader& in, const Location& at, const std::string& word);
};

std::span<const StepReader> commands();
std::span<const StepReader> expectations();

// The words of a table in its order, "load, gauge, …".
std::string wordsOf(std::span<const StepReader> table);
const StepReader* readerFor(std::span<const StepReader> table, const std::string& word);

// A whole line: its command and the rest of it.
Step readCommand(LineReader& in);
// The rest of an `expect` line.
Step readExpectation(LineReader& in, const Location& at, const std::string& word);

}  // namespace gaugehost::scenario
