// The fuel-flow computer of VeskarZ3V2 through the bench host, where scenarios cannot reach:
// values that are not numbers and divisions by zero with the floating-point traps armed, the
// ENTER reference beyond a byte and beyond 32 bits, and the readouts' bounds.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#if defined(__GLIBC__)
#include <fenv.h>
#endif

#include "support/bench.h"
#include "support/module_memory.h"
#include "variables.h"

namespace {

using benchtest::BenchTest;
using gaugehost::GaugeInstance;
namespace var = gauge::var;

constexpr const char* kModule = "VeskarZ3V2";
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kUpperReadout = 3;
constexpr int kFuelFlowReadout = 2;
// 120 knots in metres per second.
constexpr double k120Knots = 61.733333333333334;

class FuelComputer : public BenchTest {
protected:
    FuelComputer() : gauge(create(kModule, "FuelFlow")) {}

    void click(int x, int y) {
        host.press(gauge, x, y);
        host.release();
    }
    void showPage(int page) {
        for (int step = 0; step < 3; ++step) click(70, 250);
        for (int step = 0; step < page; ++step) click(100, 250);
    }
    void enter() { click(147, 265); }
    void showFuelUsed() { click(250, 100); }
    void showFuelRemaining() { click(50, 100); }
    // A record with a destination at the given distance in metres.
    void provideDestination(double metres) {
        host.provideGpsRecord(176);
        const std::uint32_t size = 176, active = 1;
        std::memcpy(host.gpsRecord(), &size, sizeof size);
        std::memcpy(host.gpsRecord() + 68, &active, sizeof active);
        std::memcpy(host.gpsRecord() + 128, &metres, sizeof metres);
    }
    void setReadings(double quantity, double knotsAsMetres, double flow) {
        host.variables().set(var::TOTAL_FUEL_QUANTITY, quantity);
        host.variables().set(var::AIRCRAFT_SPEED, knotsAsMetres);
        host.variables().set(var::FUEL_FLOW, flow);
    }
    // One update with division by zero and invalid operations trapping where the platform can arm them.
    void cycleWithTrapsArmed() {
#if defined(__GLIBC__)
        feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(FE_DIVBYZERO | FE_INVALID);
        host.runCycles(1);
        fedisableexcept(FE_DIVBYZERO | FE_INVALID);
#else
        host.runCycles(1);
#endif
    }
    std::string upperText() const { return element(gauge, kUpperReadout).text; }

    GaugeInstance& gauge;
};

struct DashCase {
    const char* what;
    int page;
    double quantity, speed, flow, distance;
};

// Every case is a page without a finite value, among them 0 / 0 and n / 0.
const DashCase kDashCases[] = {
    {"no speed and no distance to go", 1, 45, 0, 10, 0},
    {"no speed, a destination ahead", 1, 45, 0, 10, 111120},
    {"reserve with no speed", 2, 45, 0, 10, 111120},
    {"no flow", 0, 45, k120Knots, 0, 111120},
    {"no flow, endurance", 3, 0, k120Knots, 0, 111120},
    {"quantity not a number", 2, kNaN, k120Knots, 10, 111120},
    {"quantity not a number, endurance", 3, kNaN, k120Knots, 10, 111120},
    {"speed not a number", 0, 45, kNaN, 10, 111120},
    {"infinite speed", 1, 45, kInfinity, 10, 111120},
    {"flow not a number", 3, 45, k120Knots, kNaN, 111120},
    {"infinite flow", 0, 45, k120Knots, kInfinity, 111120},
    {"distance not a number", 1, 45, k120Knots, 10, kNaN},
    {"infinite distance", 2, 45, k120Knots, 10, kInfinity},
    {"huge endurance", 3, 1e300, k120Knots, 1e-300, 111120},
};

TEST_F(FuelComputer, PagesWithoutAFiniteValueShowDashesAndRaiseNoTrap) {
    for (const DashCase& dash : kDashCases) {
        SCOPED_TRACE(dash.what);
        provideDestination(dash.distance);
        setReadings(dash.quantity, dash.speed, dash.flow);
        showPage(dash.page);
        cycleWithTrapsArmed();
        EXPECT_EQ(upperText(), "--.--");
    }
    // The same pages with sound readings do show their values.
    provideDestination(111120);
    setReadings(45, k120Knots, 10);
    showPage(2);
    cycleWithTrapsArmed();
    EXPECT_EQ(upperText(), "40.00");
}

struct EnterCase {
    double entered;
    double later;
    const char* used;
};

// The reference is the entered quantity's whole gallons, truncated toward zero; beyond the 32-bit
// range it holds the nearest 32-bit value, and a quantity that is not a number gives 0.
const EnterCase kEnterCases[] = {
    {127.9, 100, "27.00"},
    {-128.5, -130, " 2.00"},
    {-0.5, -5, " 5.00"},
    {128.2, 100, "28.00"},
    {255.99, 250, " 5.00"},
    {1e10, 2147483640, " 7.00"},
    {-1e10, -2147483640, "-8.00"},
    {kNaN, -5, " 5.00"},
};

TEST_F(FuelComputer, EnterKeepsTheWholeGallonsEvenBeyondAByte) {
    for (const EnterCase& enterCase : kEnterCases) {
        SCOPED_TRACE(enterCase.entered);
        host.variables().set(var::TOTAL_FUEL_QUANTITY, enterCase.entered);
        enter();
        host.variables().set(var::TOTAL_FUEL_QUANTITY, enterCase.later);
        showFuelUsed();
        host.runCycles(1);
        EXPECT_EQ(upperText(), enterCase.used);
    }
}

// The reference is captured by the first PreInitialize of the load, not by a later copy's.
TEST_F(FuelComputer, OnlyTheFirstInitialisationCapturesTheReference) {
    host.variables().set(var::TOTAL_FUEL_QUANTITY, 20);
    create(kModule, "FuelFlow", "second");
    host.sendServiceCode(gauge, 4);
    host.variables().set(var::TOTAL_FUEL_QUANTITY, 40);
    showFuelUsed();
    host.runCycles(1);
    EXPECT_EQ(upperText(), "20.00") << "60 gallons, the bench's default, were captured at the first creation";
}

TEST_F(FuelComputer, LongTextsAreCutToTheirReadouts) {
    setReadings(-12345.678, k120Knots, -1234.5);
    showFuelRemaining();
    host.runCycles(1);
    EXPECT_EQ(upperText(), "-1234");
    EXPECT_EQ(element(gauge, kFuelFlowReadout).text, "-123");
}

// Only codes 4 and 10 do anything; the others leave every byte of module data as it was.
TEST_F(FuelComputer, UnhandledServiceCodesChangeNothing) {
    auto& openPanel = create(kModule, "OpenPanel");
    auto& beacon = create(kModule, "SWbeaconReco");
    host.variables().set(var::BEACON_LIGHT_SWITCH, 1);
    host.provideGpsRecord(176);
    const auto before = benchtest::moduleDataSnapshot(*host.findModule(kModule));
    const std::size_t windowCalls = host.windowCalls().size();
    takeKeyEvents();
    for (GaugeInstance* each : {&gauge, &openPanel, &beacon}) {
        for (int code : {0, 1, 2, 3, 5, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17}) host.sendServiceCode(*each, code);
    }
    EXPECT_EQ(benchtest::moduleDataSnapshot(*host.findModule(kModule)), before);
    EXPECT_EQ(host.windowCalls().size(), windowCalls);
    EXPECT_TRUE(takeKeyEvents().empty());
}

}  // namespace
