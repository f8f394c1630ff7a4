// Scenarios: small line-based scripts that load modules, drive gauges through the bench host and
// state what must come out. The language is described in host/scenario-language.md.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "panel_host.h"

namespace gaugehost {

struct ScenarioResult {
    int passed = 0;
    int failed = 0;
};

struct ScenarioOptions {
    std::vector<std::filesystem::path> moduleFolders;
    // Draws a gauge to a PNG file; builds without a renderer leave it empty and `snapshot` is refused.
    std::function<void(PanelHost&, GaugeInstance&, const std::filesystem::path&)> snapshot;
};

// Runs one scenario in a host of its own. Every failed expectation and every error is reported as
// `file:line:column: message`; an error ends the scenario and counts as one failure.
ScenarioResult runScenario(std::string_view text, const std::string& fileName, const ScenarioOptions& options,
                           std::ostream& report);
ScenarioResult runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& report);

// Every command and expectation with how it is written and what it does, for `gaugehost run --help`.
std::string scenarioLanguageHelp();

}  // namespace gaugehost
