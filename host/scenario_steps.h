// What a scenario's lines become: steps run against a bench host of the scenario's own. Each command
// and each expectation is one entry of a table that reads its line into a step; the tables give
// the help text and the "expected one of …" lists too.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <span>
#include <string>

#include "aircraft_model.h"
#include "panel_host.h"
#include "scenario.h"
#include "scenario_reading.h"

namespace gaugehost::scenario {

struct Runner {
    Runner(const ScenarioOptions& options, std::ostream& report) : options(options), report(report) {
        for (const auto& folder : options.moduleFolders) host.addModuleFolder(folder);
    }

    GaugeInstance& gauge(const std::string& alias, const Location& at) {
        auto it = gauges.find(alias);
        if (it == gauges.end()) throw ScenarioFault(at, "no gauge " + quote(alias));
        return *it->second;
    }

    const ElementState& element(const std::string& alias, int index, const Location& at) {
        const auto& elements = gauge(alias, at).elements();
        if (index < 0 || static_cast<std::size_t>(index) >= elements.size()) {
            throw ScenarioFault(at, "gauge " + alias + " has no element " + std::to_string(index) + "; its elements are 0 to " +
                                        std::to_string(elements.size() - 1));
        }
        return elements[static_cast<std::size_t>(index)];
    }

    void check(bool held, const Location& at, const std::string& expected, const std::string& actual) {
        if (held) {
            ++result.passed;
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
