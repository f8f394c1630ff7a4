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
    const auto fail = [&](const Location& at, const std::string& message, ScenarioResult result) {
        report << at.text() << ": " << message << '\n';
        result.checks.push_back({.where = at.text(), .expected = message, .got = {}, .error = true});
        ++result.failed;
        return result;
    };
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a UTF-8 byte order mark
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
            // Where the step starts, taken before its reader moves on: the step's errors stand there.
            const Location start = reader.here();
            steps.emplace_back(start, readCommand(reader));
        }
    } catch (const ScenarioFault& fault) {
        return fail(fault.at, fault.what(), {});
    }
    if (steps.empty()) return fail({fileName, 1, 1}, "the scenario holds no command", {});

    Runner run(options, report);
    for (auto& [at, step] : steps) {
        try {
            step(run);
        } catch (const std::exception& error) {
            return fail(at, error.what(), std::move(run.result));
        }
    }
    return run.result;
}

ScenarioResult runScenarioFile(const std::filesystem::path& file, const ScenarioOptions& options, std::ostream& report) {
    const auto refuse = [&](const std::string& message) {
        report << file.string() << ": " << message << '\n';
        return ScenarioResult{.passed = 0, .failed = 1, .checks = {{.where = file.string(), .expected = message, .got = {}, .error = true}}};
    };
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return refuse("not a scenario file (not a regular file)");
    const auto size = std::filesystem::file_size(file, error);
    if (error) return refuse("cannot read the scenario file: " + error.message());
    if (size > kLargestScenarioFile) {
        return refuse("a scenario file of " + std::to_string(size) + " bytes; at most " + std::to_string(kLargestScenarioFile) +
                      " are read");
    }
    std::ifstream in(file, std::ios::binary);
    // Exactly the size found, so a file that grows meanwhile is never read past the limit.
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(text.data(), static_cast<std::streamsize>(size))) return refuse("cannot read the scenario file");
    ScenarioOptions own = options;
    if (own.snapshotFolder.empty()) own.snapshotFolder = file.parent_path();
    return runScenario(text, file.string(), own, report);
}

}  // namespace gaugehost
