// Broken scenarios report each kind of error where it lies. Each file in tests/scenarios/broken
// carries the report it must give in its `#!` lines ({file} stands for the file's path).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenario.h"
#include "support/bench.h"

namespace {

std::vector<std::string> expectedReport(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("#! ", 0) != 0) continue;
        line = line.substr(3);
        if (auto at = line.find("{file}"); at != std::string::npos) line.replace(at, 6, file.string());
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class BrokenScenario : public ::testing::TestWithParam<std::string> {};

TEST_P(BrokenScenario, ReportsWhereAndWhatWasExpected) {
    const std::filesystem::path file =
        std::filesystem::path(benchtest::requiredEnvironment("GAUGE_SCENARIO_DIR")) / "broken" / GetParam();
    const auto expected = expectedReport(file);
    ASSERT_FALSE(expected.empty()) << file << " states no report";
    std::ostringstream report;
    const gaugehost::ScenarioOptions options{.moduleFolders = {benchtest::requiredEnvironment("GAUGE_MODULE_PATH")},
                                             .snapshot = {}};
    const auto result = gaugehost::runScenarioFile(file, options, report);
    EXPECT_EQ(linesOf(report.str()), expected);
    EXPECT_EQ(result.failed, static_cast<int>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenScenario,
                         ::testing::Values("mistyped_command.scn", "unknown_token.scn", "gauge_not_created.scn",
                                           "module_not_loaded.scn", "failed_expectations.scn"),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             return name;
                         });

TEST(Scenario, PassesOnlyWhenEveryExpectationHolds) {
    std::ostringstream report;
    const gaugehost::ScenarioOptions options{.moduleFolders = {benchtest::requiredEnvironment("GAUGE_MODULE_PATH")},
                                             .snapshot = {}};
    // The token is written in hexadecimal here, as the language allows beside the table's names.
    const auto result = gaugehost::runScenario(
        "load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\nset 0x14D 8000\ncycle 2\nexpect picture gear 4 = 0\n"
        "expect value gear 4 = 0 ~ 0.5\nexpect keys = none\n",
        "inline.scn", options, report);
    EXPECT_EQ(report.str(), "");
    EXPECT_EQ(result.passed, 3);
    EXPECT_EQ(result.failed, 0);
}

TEST(Scenario, ValuesAreWrittenInTheVariablesOwnForm) {
    std::ostringstream report;
    const gaugehost::ScenarioOptions options{.moduleFolders = {benchtest::requiredEnvironment("GAUGE_MODULE_PATH")},
                                             .snapshot = {}};
    // The fuel selector is an enumeration: a fraction is refused where it is written.
    const auto result = gaugehost::runScenario("set FUEL_TANK_SELECTOR_POSITION 1.5\n", "form.scn", options, report);
    EXPECT_EQ(report.str(), "form.scn:1:33: expected a whole number, found \"1.5\"\n");
    EXPECT_EQ(result.failed, 1);
}

}  // namespace
