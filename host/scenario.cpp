// Running scenarios: every line is read into a step before anything runs, so a mistyped line is
// reported without running the file; then the steps run in order until an error ends them.
#include "scenario.h"

#include <fstream>
#include <sstream>

#include "scenario_steps.h"

namespace gaugehost {

namespace scenario {

std::string wordsOf(std::span<const StepReader> table) {
    std::string words;
    for (const StepReader& reader : table) words += (words.empty() ? "" : ", ") + std::string(reader.word);
    return words;
}

const StepReader* readerFor(std::span<const StepReader> table, const std::string& word) {
    for (const StepReader& reader : table) {
        if (word == reader.word) return &reader;
    }
    return nullptr;
}

}  // namespace scenario

std::string scenarioLanguageHelp() {
    std::string help = "Scenario commands:\n";
    auto list = [&help](std::span<const scenario::StepReader> table) {
        for (const scenario::StepReader& reader : table) {
            help += "  " + std::string(reader.syntax) + "\n      " + reader.meaning + "\n";
        }
    };
    list(scenario::commands());
    help += "Expectations:\n";
    list(scenario::expectations());
    return help;
}

ScenarioResult runScenario(std::string_view text, const std::string& fileName, const ScenarioOptions& options,
                           std::ostream& report) {
    using namespace scenario;
    std::vector<std::pair<Location, Step>> steps;
    std::set<std::string> aliases;
    std::istringstream lines{std::string(text)};
    int lineNumber = 0;
    try {
        for (std::string line; std::getline(lines, line);) {
            ++lineNumber;
            const Location at{fileName, lineNumber, 1};
            auto tokens = tokenize(line, at);
            if (tokens.empty()) continue;
            LineReader reader(std::move(tokens), at, aliases);
            steps.emplace_back(reader.here(), readCommand(reader));
        }
    } catch (const ScenarioFault& fault) {
        report << fault.at.text() << ": " << fault.what() << '\n';
        return {.passed = 0, .failed = 1};
    }

    Runner run(options, report);
    for (auto& [at, step] : steps) {
        try {
            step(run);
        } catch (const ScenarioFault& fault) {
            report << fault.at.text() << ": " << fault.what() << '\n';
            ++run.result.failed;
            break;
        } catch (const std::exception& error) {
            report << at.text() << ": " << error.what() << '\n';
            ++run.result.failed;
            break;
        }
    }
    return run.result;
}

ScenarioResult runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& report) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        report << file.string() << ": cannot read the scenario file\n";
        return {.passed = 0, .failed = 1};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return runScenario(text.str(), file.string(), options, report);
}

}  // namespace gaugehost
