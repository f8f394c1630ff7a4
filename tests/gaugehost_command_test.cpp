// The gaugehost command as people run it: exit codes and usage lines, help and version, options
// before or after the subcommand, the default module folder, PNG on standard output, the host
// variable table and names beside numbers; and the readers of values it shares with scenarios.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host_error.h"
#include "support/bench.h"
#include "value_text.h"

namespace {

using benchtest::requiredEnvironment;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs gaugehost with the arguments (shell words) under the test's environment, `environment`
// prefixed as `env` arguments.
Outcome gaugehost(const std::string& arguments, const std::string& environment = {}) {
    // Of this process alone: the native and sanitizer builds may run the test at once.
    const auto errors = std::filesystem::path(testing::TempDir()) / ("gaugehost_command_test." + std::to_string(getpid()) + ".err");
    const std::string command =
        "env " + environment + " '" + GAUGEHOST_EXECUTABLE + "' " + arguments + " 2>'" + errors.string() + "'";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.out.append(buffer, read);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errors);
    outcome.err.assign(std::istreambuf_iterator<char>(in), {});
    return outcome;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

struct UsageCase {
    const char* arguments;
    const char* complaint;
    const char* usage;
};

class UsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ExitsTwoWithTheMessageAndTheUsageLine) {
    const Outcome outcome = gaugehost(GetParam().arguments);
    EXPECT_EQ(outcome.status, 2) << outcome.err;
    EXPECT_TRUE(contains(outcome.err, GetParam().complaint)) << outcome.err;
    EXPECT_TRUE(contains(outcome.err, std::string(GetParam().usage) + "\n")) << outcome.err;
    EXPECT_TRUE(outcome.out.empty()) << outcome.out;
}

constexpr const char* kRenderUsage = "Usage: gaugehost render [OPTIONS] gauge";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, UsageError,
    testing::Values(
        UsageCase{"", "A subcommand is required", "Usage: gaugehost [OPTIONS] SUBCOMMAND"},
        UsageCase{"rendr x", "there is no subcommand rendr; did you mean render?", "Usage: gaugehost [OPTIONS] SUBCOMMAND"},
        UsageCase{"render", "gauge is required", kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --cycles 1000001 -o x.png", "--cycles: Value 1000001 not in range 0 to 1000000",
                  kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --set COM1_ACTIVE_FREQUENCY=2250 -o x.png",
                  "COM1_ACTIVE_FREQUENCY=2250: expected a BCD value in hexadecimal such as 0x2250, found \"2250\"", kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --set FUEL_TANK_SELECTOR_POSITION=1.5 -o x.png",
                  "FUEL_TANK_SELECTOR_POSITION=1.5: expected a whole number, found \"1.5\"", kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --set GEAR_EXTENSON=1 -o x.png", "did you mean GEAR_EXTENSION?", kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --press 5000000000,1 -o x.png", "5000000000,1: expected X,Y", kRenderUsage},
        UsageCase{"render 'VeskarZ3V5!GearPos' --select 0 -o x.png", "0: expected a selection id", kRenderUsage},
        UsageCase{"panel modules/panel.cfg", "Exactly 1 option from [-o,--output,--out-dir] is required", "Usage: gaugehost panel [OPTIONS] config"},
        UsageCase{"vars --module-dir", "--module-dir", "Usage: gaugehost vars [OPTIONS] [pattern]"}));

TEST(GaugehostCommand, ErrorsOfWhatTheCommandFindsExitOneNamingTheNearestNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"list VeskarZ3Radio", "gaugehost: unknown module VeskarZ3Radio; did you mean VeskarZ3VRadios?"},
        {"render 'VeskarZ3V5!GearPoz' -o x.png", "gaugehost: module VeskarZ3V5 has no gauge GearPoz; did you mean GearPos"},
        {"render 'VeskarZ3V5!GearPos' --select 1 -o x.png",
         "gaugehost: --select 1: no gauge drawn highlights that selection (none highlights any)"},
        {"vars GEAR_EXTENSON", "gaugehost: no host variable matches GEAR_EXTENSON; did you mean GEAR_EXTENSION?"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome outcome = gaugehost(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_TRUE(contains(outcome.err, message)) << arguments << ": " << outcome.err;
    }
}

TEST(GaugehostCommand, VersionAndEachSubcommandsHelpWithItsExample) {
    const Outcome version = gaugehost("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "gaugehost 1.0.0\n");
    for (const char* command : {"gauges", "list", "vars", "run", "render", "panel", "sheet"}) {
        const Outcome help = gaugehost(std::string(command) + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(contains(help.out, std::string("Example: gaugehost ") + command + " ")) << help.out;
    }
    EXPECT_TRUE(contains(gaugehost("render --help").out, "--cycles INT:INT in [0 - 1000000]=1")) << "the default shown";
}

TEST(GaugehostCommand, GlobalOptionsStandBeforeOrAfterTheSubcommand) {
    const std::string fixtures = requiredEnvironment("GAUGE_FIXTURE_PATH");
    for (const std::string& arguments : {"--module-dir '" + fixtures + "' gauges BenchFixture",
                                        "gauges BenchFixture --module-dir '" + fixtures + "'"}) {
        const Outcome outcome = gaugehost(arguments, "-u GAUGE_MODULE_PATH");
        EXPECT_EQ(outcome.status, 0) << arguments << ": " << outcome.err;
        EXPECT_TRUE(contains(outcome.out, "BenchFixture     Instruments")) << outcome.out;
    }
}

TEST(GaugehostCommand, ModulesBesideTheExecutableWhenNoFolderIsNamed) {
    const Outcome outcome = gaugehost("gauges", "-u GAUGE_MODULE_PATH");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(contains(outcome.out, "VeskarZ3V5       GearPos")) << outcome.out;
}

TEST(GaugehostCommand, DashWritesThePngToStandardOutput) {
    const Outcome outcome = gaugehost("render 'VeskarZ3V5!GearPos' -o -");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    ASSERT_GT(outcome.out.size(), 24u);
    EXPECT_EQ(outcome.out.substr(0, 8), "\x89PNG\r\n\x1a\n");
    // IHDR: the width and height, big-endian, after the signature and the chunk's length and type.
    const auto number = [&](std::size_t at) {
        return static_cast<unsigned char>(outcome.out[at]) << 24 | static_cast<unsigned char>(outcome.out[at + 1]) << 16 |
               static_cast<unsigned char>(outcome.out[at + 2]) << 8 | static_cast<unsigned char>(outcome.out[at + 3]);
    };
    EXPECT_EQ(number(16), 444);
    EXPECT_EQ(number(20), 452);
    EXPECT_TRUE(contains(outcome.err, "wrote the PNG to standard output (444x452)")) << outcome.err;
}

// Raising the gear lever draws the lever up once the model answers the click; without the model the
// host's gear handle stays down and the picture is that of a parked aircraft.
TEST(GaugehostCommand, ModelAnswersTheClicksBeforeTheDrawing) {
    const std::string raiseTheGear = "render 'VeskarZ3V5!GearPos' --press 367,100 --cycles 30 -o -";
    const Outcome parked = gaugehost(raiseTheGear);
    const Outcome modelled = gaugehost(raiseTheGear + " --model");
    const Outcome leverUp = gaugehost("render 'VeskarZ3V5!GearPos' --set GEAR_HANDLE_POSITION=0 -o -");
    ASSERT_EQ(modelled.status, 0) << modelled.err;
    EXPECT_NE(modelled.out, parked.out);
    EXPECT_EQ(parked.out, gaugehost("render 'VeskarZ3V5!GearPos' -o -").out) << "without the model the click moves nothing";
    EXPECT_NE(leverUp.out, parked.out);
}

TEST(GaugehostCommand, VarsListsTheMatchingHostVariablesWithFormUnitDefaultAndRole) {
    const Outcome outcome = gaugehost("vars 'com1*frequency'");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(contains(outcome.out, "COM1_ACTIVE_FREQUENCY            0x17    BCD         BCD frequency          0x2250     COM1 active"))
        << outcome.out;
    EXPECT_TRUE(contains(outcome.out, "COM1_STANDBY_FREQUENCY")) << outcome.out;
    EXPECT_FALSE(contains(outcome.out, "NAV1_")) << outcome.out;
    EXPECT_TRUE(contains(gaugehost("vars EXTENSION").out, "GEAR_EXTENSION ")) << "a part of the name";
}

TEST(GaugehostCommand, ListPrintsNamesBesideNumbers) {
    const Outcome text = gaugehost("list VeskarZ3VRadios");
    EXPECT_EQ(text.status, 0) << text.err;
    for (const char* named : {"cursor=up-arrow(1) flags=click-repeat(0x20200000) keyEvent=TRANSPONDER_THOUSANDS_UP(0x10073)",
                              "cursor=none(-1)", "cursor=hand(5) flags=click(0x20000000)"}) {
        EXPECT_TRUE(contains(text.out, named)) << named;
    }
    const Outcome json = gaugehost("list veskarz3vradios --json");
    EXPECT_TRUE(contains(json.out, "\"keyEventName\": \"TRANSPONDER_THOUSANDS_UP\"")) << "a module name in any case";
    EXPECT_TRUE(contains(json.out, "\"cursorName\": \"up-arrow\""));
}

// ---------------------------------------------------------------------------------------------
// Values as people write them

TEST(ValueText, WholeNumbersFitThirtyTwoBitsSignedOrUnsigned) {
    using gaugehost::readWholeNumber;
    EXPECT_EQ(readWholeNumber("0xFFFFFFFF"), 0xFFFFFFFF);
    EXPECT_EQ(readWholeNumber("-2147483648"), -2147483648LL);
    EXPECT_EQ(readWholeNumber("0X1f"), 31);
    for (const char* refused : {"0x100000000", "4294967296", "-2147483649", "-0x80000001", "1.5", "", "-", "0x", "12a", "+"}) {
        EXPECT_EQ(readWholeNumber(refused), std::nullopt) << refused;
    }
}

TEST(ValueText, RealsAreFiniteNumbers) {
    using gaugehost::readReal;
    EXPECT_EQ(readReal("+1.5"), 1.5);
    EXPECT_EQ(readReal("-2e3"), -2000);
    EXPECT_EQ(readReal("0x10"), 16);
    for (const char* refused : {"inf", "-inf", "nan", "1e999", "1.5x", "", "0x1.8"}) EXPECT_EQ(readReal(refused), std::nullopt) << refused;
}

TEST(ValueText, EachVariableTakesItsOwnForm) {
    using gaugehost::readVariableValue;
    namespace var = gauge::var;
    EXPECT_EQ(readVariableValue(var::COM1_ACTIVE_FREQUENCY, "0x2250").value, (std::variant<double, std::int32_t>{0x2250}));
    EXPECT_EQ(readVariableValue(var::FUEL_TANK_SELECTOR_POSITION, "0x3").value, (std::variant<double, std::int32_t>{3}));
    EXPECT_EQ(readVariableValue(var::GEAR_EXTENSION, "8000").value, (std::variant<double, std::int32_t>{8000.0}));
    EXPECT_EQ(readVariableValue(var::FUEL_TANK_SELECTOR_POSITION, "0xFFFFFFFF").value, (std::variant<double, std::int32_t>{-1}))
        << "the 32 bits as written";
    EXPECT_THROW(readVariableValue(var::COM1_ACTIVE_FREQUENCY, "2250"), gaugehost::HostError);
    EXPECT_THROW(readVariableValue(var::FUEL_TANK_SELECTOR_POSITION, "2.0"), gaugehost::HostError);
    EXPECT_EQ(gaugehost::readHostVariable("gear_extension"), var::GEAR_EXTENSION);
    EXPECT_EQ(gaugehost::readHostVariable("0x14d"), var::GEAR_EXTENSION);
    EXPECT_THROW(gaugehost::readHostVariable("0x0"), gaugehost::HostError);
}

// ---------------------------------------------------------------------------------------------
// gaugehost run

TEST(GaugehostRun, CountsEachFileWritesJUnitAndPutsSnapshotsInTheFolderGiven) {
    const auto folder = std::filesystem::path(testing::TempDir()) / ("gaugehost_run." + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto scenario = folder / "draw.scn";
    std::ofstream(scenario) << "load VeskarZ3V5\ngauge gear = VeskarZ3V5!GearPos\nexpect picture gear 4 = none\n"
                               "snapshot gear \"gear.png\"\n";
    const Outcome outcome = gaugehost("run -v --junit '" + (folder / "report.xml").string() + "' --out-dir '" +
                                      (folder / "out").string() + "' '" + scenario.string() + "'");
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, scenario.string() + ":3:8: holds: picture none on gear element 4\n" + scenario.string() +
                               ": 1 passed, 0 failed\n1 passed, 0 failed\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "out" / "gear.png"));
    EXPECT_FALSE(std::filesystem::exists(folder / "gear.png"));
    std::ifstream report(folder / "report.xml");
    const std::string xml{std::istreambuf_iterator<char>(report), {}};
    EXPECT_TRUE(contains(xml, "<testsuites name=\"gaugehost run\" tests=\"1\" failures=\"0\">")) << xml;
    std::filesystem::remove_all(folder);
}

TEST(GaugehostRun, ADeviceIsRefusedUnread) {
    const Outcome outcome = gaugehost("run /dev/zero");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "/dev/zero: not a scenario file (not a regular file)\n/dev/zero: 0 passed, 1 failed\n0 passed, 1 failed\n");
}

}  // namespace
