// Scenarios: small line-based scripts that load modules, drive gauges through the bench host and
// state what must come out. The language is described in host/scenario-language.md.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "panel_host.h"

namespace gaugehost {

// One expectation checked or one error, for reports: `got` is empty when it held.
struct ScenarioCheck {
    std::string where;  // file:line:column
    std::string expected;
    std::string got;
    bool error = false;  // an error that ended the scenario; `expected` holds its message
};

struct ScenarioResult {
    int passed = 0;
    int failed = 0;
    std::vector<ScenarioCheck> checks;
};

struct ScenarioOptions {
    std::vector<std::filesystem::path> moduleFolders;
    // Draws a gauge to a PNG file; builds without a renderer leave it empty and `snapshot` is refused.
    std::function<void(PanelHost&, GaugeInstance&, const std::filesystem::path&)> snapshot;
    // Where relative snapshot files go: empty for the folder of the scenario file (the current
    // folder for a scenario given as text).
    std::filesystem::path snapshotFolder;
    // Every expectation that holds is reported too.
    bool verbose = false;
};

// Scenario files larger than this are refused unread.
inline constexpr std::uintmax_t kLargestScenarioFile = 1 << 20;

// Runs one scenario in a host of its own. Every failed expectation and every error is reported as
// `file:line:column: message`; an error ends the scenario and counts as one failure.
ScenarioResult runScenario(std::string_view text, const std::string& fileName, const ScenarioOptions& options,
                           std::ostream& report);
// A file that is not a regular file (a folder, a device), is larger than kLargestScenarioFile or
// holds no command is an error. A UTF-8 byte order mark is passed over.
ScenarioResult runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& report);

// `gaugehost run`: each file, then a line of its counts; at the end the total. With a `junitFile`,
// a JUnit XML report of every file is written there too. Returns the exit status: 0 when nothing failed.
int runScenarioFiles(const std::vector<std::string>& files, const ScenarioOptions& options, std::ostream& report,
                     const std::filesystem::path& junitFile);

// Every command and expectation with how it is written and what it does, for `gaugehost run --help`.
std::string scenarioLanguageHelp();

}  // namespace gaugehost
