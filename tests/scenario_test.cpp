// Broken scenarios report each kind of error where it lies. Each file in tests/scenarios/broken
// carries the report it must give in its `#!` lines ({file} stands for the file's path). Lines and
// files that are no scenario are refused with a message naming where; `gaugehost run` reports per
// file, verbosely, as JUnit XML, and puts snapshots beside the scenario.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "module_library.h"
#include "scenario.h"
#include "support/bench.h"

namespace {

gaugehost::ScenarioOptions benchOptions() {
    gaugehost::ScenarioOptions options;
    options.moduleFolders = {benchtest::requiredEnvironment("GAUGE_MODULE_PATH")};
    return options;
}

std::string reportOf(const std::string& text) {
    std::ostringstream report;
    gaugehost::runScenario(text, "t.scn", benchOptions(), report);
    return report.str();
}

std::filesystem::path writeFile(const std::string& name, const std::string& text) {
    const auto file = std::filesystem::path(testing::TempDir()) / name;
    std::ofstream(file, std::ios::binary) << text;
    return file;
}

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
    const auto result = gaugehost::runScenarioFile(file, benchOptions(), report);
    EXPECT_EQ(linesOf(report.str()), expected);
    EXPECT_EQ(result.failed, static_cast<int>(expected.size()));
}

INSTANTIATE_TEST_SUITE_P(Files, BrokenScenario,
                         ::testing::Values("mistyped_command.scn", "unknown_token.scn", "gauge_not_created.scn",
                                           "module_not_loaded.scn", "failed_expectations.scn", "empty.scn",
                                           "nul_byte.scn", "unbounded_numbers.scn"),
                         [](const auto& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             return name;
                         });

TEST(Scenario, PassesOnlyWhenEveryExpectationHolds) {
    std::ostringstream report;
    const auto options = benchOptions();
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
    const auto options = benchOptions();
    // The fuel selector is an enumeration: a fraction is refused where it is written.
    const auto result = gaugehost::runScenario("set FUEL_TANK_SELECTOR_POSITION 1.5\n", "form.scn", options, report);
    EXPECT_EQ(report.str(), "form.scn:1:33: expected a whole number, found \"1.5\"\n");
    EXPECT_EQ(result.failed, 1);
}

// Each line is refused where it stands before anything runs: numbers beyond their field, tolerances
// that are no finite number >= 0, names with the nearest ones, a NUL byte, a token too long to echo.
TEST(Scenario, RefusesALineWhereItStands) {
    const std::pair<std::string, std::string> cases[] = {
        {"click g 2147483648 1", "2:9: expected an x coordinate from -2147483648 to 2147483647, found \"2147483648\""},
        {"press g 1,0x100000005", "2:11: expected a y coordinate from -2147483648 to 2147483647, found \"0x100000005\""},
        {"expect picture g 4294967297 = none", "2:18: expected an element index from 0 to 2147483647, found \"4294967297\""},
        {"expect hidden g -1 = no", "2:17: expected an element index from 0 to 2147483647, found \"-1\""},
        {"expect cursor g 1 1 = 0xFFFFFFFF", "2:23: expected a cursor number or none from -2147483648 to 2147483647, found \"0xFFFFFFFF\""},
        {"window open -1", "2:13: expected a panel window id from 0 to 4294967295, found \"-1\""},
        {"expect open-windows = 4294967296", "2:23: expected a panel window id from 0 to 4294967295, found \"4294967296\""},
        {"cycle 4294967297", "2:7: expected a number of cycles from 0 to 1000000, found \"4294967297\""},
        {"code g 2 0x1FFFFFFFF", "2:10: expected an extra value (32 bits, -2147483648 to 0xFFFFFFFF), found \"0x1FFFFFFFF\""},
        {"expect value g 1 = 0 ~ -1", "2:24: expected a tolerance, a finite number >= 0, found \"-1\""},
        {"expect angle g 1 = 0 ~ inf", "2:24: expected a tolerance, a finite number >= 0, found \"inf\""},
        {"set GEAR_EXTENSION inf", "2:20: expected a finite number, found \"inf\""},
        {"expect keys = GEAR_UPP(1)",
         "2:15: unknown key event \"GEAR_UPP\"; did you mean GEAR_UP? (expected a key event name such as GEAR_UP or a "
         "hexadecimal id such as 0x1021F)"},
        {"set COM1_ACTIVE_FREQUENCY 2250", "2:27: expected a BCD value in hexadecimal such as 0x2250, found \"2250\""},
        {std::string("cycle\0 1", 8), "2:6: a NUL byte; a scenario is a text file"},
        {"named " + std::string(2000, 'x') + " = 1", "2:7: a word of 2000 characters; at most 1000 are read"},
        {"snapshot g \"" + std::string(1001, 'x') + "\"", "2:12: a text of 1001 characters; at most 1000 are read"},
    };
    for (const auto& [line, message] : cases) {
        EXPECT_EQ(reportOf("gauge g = VeskarZ3V5!GearPos\n" + line + "\n"), "t.scn:" + message + "\n") << line;
    }
}

// An error of a running step stands at the step's first column; an expectation that cannot read its
// element (an angle of a static image, a text of an icon) is such an error, never a pass.
TEST(Scenario, StepErrorsStandAtTheStepsFirstColumn) {
    const std::pair<std::string, std::string> cases[] = {
        {"  expect angle gear 0 = 0", "3:3: gear element 0 is a static image, not a needle"},
        {"expect text gear 3 = \"\"", "3:1: gear element 3 is an icon, not a string"},
        {"expect text-length gear 3 <= 4", "3:1: gear element 3 is an icon, not a string"},
        {"expect rotation gear 1 = 0", "3:1: gear element 1 is an icon, not a sprite"},
        {"expect slider gear 3 = 0 0", "3:1: gear element 3 is an icon, not a slider"},
        {"expect strip gear 3 = 0 0", "3:1: gear element 3 is an icon, not a moving image"},
        {"expect picture gear 0 = none", "3:1: gear element 0 is a static image, not an icon"},
        {"expect hidden gear 5 = no", "3:1: gauge gear has no element 5; its elements are 0 to 4"},
        {"gauge gear = VeskarZ3V5!GearPosVC", "3:1: a gauge is already called gear"},
    };
    for (const auto& [line, message] : cases) {
        EXPECT_EQ(reportOf("load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\n" + line + "\n"), "t.scn:" + message + "\n")
            << line;
    }
}

TEST(Scenario, RefusesWhatIsNoScenarioFileWithoutReadingIt) {
    std::vector<std::pair<std::filesystem::path, std::string>> cases = {
        {testing::TempDir(), "not a scenario file (not a regular file)"},
        {writeFile("large.scn", std::string(gaugehost::kLargestScenarioFile + 1, '#')),
         "a scenario file of 1048577 bytes; at most 1048576 are read"},
    };
#if !defined(_WIN32)
    cases.emplace_back("/dev/zero", "not a scenario file (not a regular file)");
#endif
    for (const auto& [file, message] : cases) {
        std::ostringstream report;
        const auto result = gaugehost::runScenarioFile(file, benchOptions(), report);
        EXPECT_EQ(report.str(), file.string() + ": " + message + "\n");
        EXPECT_EQ(result.failed, 1);
    }
}

// A relative path is that file, as the loader would otherwise look for it on the system's search path.
TEST(Scenario, ARelativeModulePathIsThatFile) {
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(benchtest::requiredEnvironment("GAUGE_MODULE_PATH"));
    const std::string loadByFile = std::string("load VeskarZ3V5") + gaugehost::ModuleLibrary::kFileExtension +
                                   "\ngauge gear = VeskarZ3V5!GearPos\nexpect picture gear 4 = none\n";
    std::ostringstream report;
    gaugehost::ScenarioOptions noFolders;
    const auto result = gaugehost::runScenario(loadByFile, "t.scn", noFolders, report);
    std::filesystem::current_path(before);
    EXPECT_EQ(report.str(), "");
    EXPECT_EQ(result.passed, 1);
}

// The run of several files: each file's counts before the total, every expectation with -v, a JUnit
// report, and snapshots beside the scenario file or in the folder given.
TEST(ScenarioRun, ReportsEachFileThenTheTotal) {
    const auto passing = writeFile("passing.scn", "load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\nexpect picture gear 4 = none\n");
    const auto failing = writeFile("failing & more.scn", "load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\nexpect picture gear 4 = 0\n"
                                                      "expect hidden gear 9 = no\n");
    const auto junit = std::filesystem::path(testing::TempDir()) / "report.xml";
    auto options = benchOptions();
    options.verbose = true;
    std::ostringstream report;
    EXPECT_EQ(gaugehost::runScenarioFiles({passing.string(), failing.string()}, options, report, junit), 1);
    EXPECT_EQ(report.str(), passing.string() + ":3:8: holds: picture none on gear element 4\n" + passing.string() +
                                ": 1 passed, 0 failed\n" + failing.string() + ":3:8: expected picture 0 on gear element 4, got none\n" +
                                failing.string() + ":4:1: gauge gear has no element 9; its elements are 0 to 4\n" +
                                failing.string() + ": 0 passed, 2 failed\n1 passed, 2 failed\n");
    std::ifstream in(junit);
    const std::string xml{std::istreambuf_iterator<char>(in), {}};
    for (const char* part : {"<testsuites name=\"gaugehost run\" tests=\"3\" failures=\"2\">", "failing &amp; more.scn\" tests=\"2\" failures=\"2\">",
                             ":3:8: picture none on gear element 4\"/>",
                             "<failure type=\"expectation\" message=\"expected picture 0 on gear element 4, got none\"/>",
                             "<failure type=\"error\" message=\"gauge gear has no element 9; its elements are 0 to 4\"/>"}) {
        EXPECT_NE(xml.find(part), std::string::npos) << part << " in\n" << xml;
    }
}

TEST(ScenarioRun, SnapshotsLieBesideTheScenarioOrInTheFolderGiven) {
    const auto folder = std::filesystem::path(testing::TempDir()) / "snapshots";
    std::filesystem::create_directories(folder / "scenario");
    const auto file = folder / "scenario" / "draw.scn";
    std::ofstream(file) << "load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\nsnapshot gear \"pictures/gear.png\"\n";
    auto options = benchOptions();
    std::filesystem::path written;
    options.snapshot = [&](gaugehost::PanelHost&, gaugehost::GaugeInstance&, const std::filesystem::path& to) { written = to; };
    std::ostringstream report;
    gaugehost::runScenarioFile(file, options, report);
    EXPECT_EQ(written, folder / "scenario" / "pictures" / "gear.png") << report.str();
    options.snapshotFolder = folder / "out";
    gaugehost::runScenarioFile(file, options, report);
    EXPECT_EQ(written, folder / "out" / "pictures" / "gear.png") << report.str();
    EXPECT_TRUE(std::filesystem::is_directory(folder / "out" / "pictures"));
}

}  // namespace
