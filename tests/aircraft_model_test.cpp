// The aircraft model: what each key event does to the host variables, at once and over cycles,
// the radios' bands and wrap-around, a user's value left alone, and every event that the built
// modules send answered or knowingly ignored.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "aircraft_model.h"
#include "host_variables.h"
#include "key_events.h"
#include "support/bench.h"
#include "variables.h"

namespace {

using gaugehost::AircraftModel;
using gaugehost::KeyEvent;
using Token = gauge::HostVariableToken;
namespace key = gauge::key;
namespace var = gauge::var;

class AircraftModelTest : public benchtest::BenchTest {
protected:
    void send(gauge::KeyEventId event) { model.react(KeyEvent{.id = event, .parameter = 0}); }
    double value(Token variable) const { return model.value(variable); }
    void set(Token variable, double value) { host.variables().set(variable, value); }
    void cycles(int count) {
        for (int cycle = 0; cycle < count; ++cycle) model.advance();
    }

    AircraftModel model{host};
};

std::string eventName(gauge::KeyEventId event) { return std::string(key::nameOf(event)); }

// One event's effect on one variable, from a value before to the value right after.
struct RowCase {
    gauge::KeyEventId event;
    Token variable;
    double before, after;
};

constexpr double kLever = AircraftModel::kLeverStep;
constexpr double kFull = AircraftModel::kFullTravel;
constexpr double kHandleFull = AircraftModel::kFlapHandleFull;
constexpr double kTrim = AircraftModel::kTrimStep;
constexpr double kAltimeter = AircraftModel::kAltimeterStep;

const RowCase kRowCases[] = {
    {key::STROBE_LIGHTS_TOGGLE, var::STROBE_LIGHT_SWITCH, 0, 1},
    {key::CARB_HEAT_TOGGLE, var::CARBURETTOR_HEAT, 1, 0},
    {key::AUTOPILOT_MASTER_TOGGLE, var::AUTOPILOT_MASTER_ENGAGED, 0, 1},
    {key::FLAPS_UP, var::FLAP_HANDLE_POSITION, kHandleFull, 0},
    {key::FLAPS_DETENT_2, var::FLAP_HANDLE_POSITION, 0, kHandleFull / 3},
    {key::FLAPS_DETENT_3, var::FLAP_HANDLE_POSITION, 0, kHandleFull * 2 / 3},
    {key::FLAPS_FULL, var::FLAP_HANDLE_POSITION, 0, kHandleFull},
    {key::THROTTLE_INCREASE, var::THROTTLE_LEVER_POSITION, 0, kLever},
    {key::THROTTLE_INCREASE, var::THROTTLE_LEVER_POSITION, kFull - 1, kFull},
    {key::THROTTLE_DECREASE, var::THROTTLE_LEVER_POSITION, kFull, kFull - kLever},
    {key::THROTTLE_DECREASE, var::THROTTLE_LEVER_POSITION, 1, 0},
    {key::PROPELLER_INCREASE, var::PROPELLER_LEVER_POSITION, kFull, kFull},
    {key::PROPELLER_DECREASE, var::PROPELLER_LEVER_POSITION, kFull, kFull - kLever},
    {key::MIXTURE_INCREASE, var::MIXTURE_LEVER_POSITION, 0, kLever},
    {key::MIXTURE_DECREASE, var::MIXTURE_LEVER_POSITION, 0, 0},
    {key::ELEVATOR_TRIM_WHEEL_UPPER_HALF, var::ELEVATOR_TRIM_POSITION, 0, kTrim},
    {key::ELEVATOR_TRIM_WHEEL_UPPER_HALF, var::ELEVATOR_TRIM_POSITION, AircraftModel::kElevatorTrimLimit,
     AircraftModel::kElevatorTrimLimit},
    {key::ELEVATOR_TRIM_WHEEL_LOWER_HALF, var::ELEVATOR_TRIM_POSITION, 0, -kTrim},
    {key::RUDDER_TRIM_WHEEL_LEFT_HALF, var::RUDDER_TRIM_POSITION, 0, -kTrim},
    {key::RUDDER_TRIM_WHEEL_LEFT_HALF, var::RUDDER_TRIM_POSITION, -AircraftModel::kRudderTrimLimit,
     -AircraftModel::kRudderTrimLimit},
    {key::RUDDER_TRIM_WHEEL_RIGHT_HALF, var::RUDDER_TRIM_POSITION, 0, kTrim},
    {key::IGNITION_KEY_LEFT, var::IGNITION_KEY_POSITION, 3, 2},
    {key::IGNITION_KEY_LEFT, var::IGNITION_KEY_POSITION, 0, 0},
    {key::IGNITION_KEY_RIGHT, var::IGNITION_KEY_POSITION, 2, 3},
    {key::IGNITION_KEY_RIGHT, var::IGNITION_KEY_POSITION, 3, 4},
    {key::COM1_WHOLE_MHZ_DOWN, var::COM1_STANDBY_FREQUENCY, 0x2190, 0x2090},
    {key::COM1_WHOLE_MHZ_UP, var::COM1_STANDBY_FREQUENCY, 0x2190, 0x2290},
    {key::COM1_FRACTION_DOWN, var::COM1_STANDBY_FREQUENCY, 0x2190, 0x2185},
    {key::COM1_FRACTION_UP, var::COM1_STANDBY_FREQUENCY, 0x2190, 0x2195},
    {key::NAV1_WHOLE_MHZ_DOWN, var::NAV1_STANDBY_FREQUENCY, 0x1130, 0x1030},
    {key::NAV1_WHOLE_MHZ_UP, var::NAV1_STANDBY_FREQUENCY, 0x1130, 0x1230},
    {key::NAV1_FRACTION_DOWN, var::NAV1_STANDBY_FREQUENCY, 0x1130, 0x1125},
    {key::NAV1_FRACTION_UP, var::NAV1_STANDBY_FREQUENCY, 0x1130, 0x1135},
    {key::NAV2_WHOLE_MHZ_DOWN, var::NAV2_ACTIVE_FREQUENCY, 0x1150, 0x1050},
    {key::NAV2_WHOLE_MHZ_UP, var::NAV2_ACTIVE_FREQUENCY, 0x1150, 0x1250},
    {key::NAV2_FRACTION_DOWN, var::NAV2_ACTIVE_FREQUENCY, 0x1150, 0x1145},
    {key::NAV2_FRACTION_UP, var::NAV2_ACTIVE_FREQUENCY, 0x1150, 0x1155},
    {key::COM2_WHOLE_MHZ_DOWN, var::COM2_ACTIVE_FREQUENCY, 0x2300, 0x2200},
    {key::COM2_WHOLE_MHZ_UP, var::COM2_ACTIVE_FREQUENCY, 0x2300, 0x2400},
    {key::COM2_FRACTION_DOWN, var::COM2_ACTIVE_FREQUENCY, 0x2300, 0x2395},
    {key::COM2_FRACTION_UP, var::COM2_ACTIVE_FREQUENCY, 0x2300, 0x2305},
    {key::ADF_HUNDREDS_UP, var::ADF_FREQUENCY, 0x0350, 0x0450},
    {key::ADF_HUNDREDS_DOWN, var::ADF_FREQUENCY, 0x0350, 0x0250},
    {key::ADF_TENS_UP, var::ADF_FREQUENCY, 0x0350, 0x0360},
    {key::ADF_TENS_DOWN, var::ADF_FREQUENCY, 0x0350, 0x0340},
    {key::ADF_UNITS_UP, var::ADF_FREQUENCY, 0x0350, 0x0351},
    {key::ADF_UNITS_DOWN, var::ADF_FREQUENCY, 0x0351, 0x0350},
    {key::ADF_TENTHS_UP, var::ADF_FREQUENCY_EXTENSION, 0x0100, 0x0101},
    {key::ADF_TENTHS_DOWN, var::ADF_FREQUENCY_EXTENSION, 0x0105, 0x0104},
    {key::TRANSPONDER_THOUSANDS_UP, var::TRANSPONDER_CODE, 0x1200, 0x2200},
    {key::TRANSPONDER_HUNDREDS_UP, var::TRANSPONDER_CODE, 0x1200, 0x1300},
    {key::TRANSPONDER_TENS_UP, var::TRANSPONDER_CODE, 0x1200, 0x1210},
    {key::TRANSPONDER_UNITS_UP, var::TRANSPONDER_CODE, 0x1200, 0x1201},
    {key::VOR1_COURSE_DOWN, var::NAV1_SELECTED_COURSE, 0, 359},
    {key::VOR1_COURSE_UP, var::NAV1_SELECTED_COURSE, 359, 0},
    {key::HEADING_INDICATOR_LEFT_KNOB_UP, var::HEADING_INDICATOR_HEADING, 90, 91},
    {key::HEADING_INDICATOR_LEFT_KNOB_DOWN, var::HEADING_INDICATOR_HEADING, 0, 359},
    {key::HEADING_INDICATOR_RIGHT_KNOB_UP, var::HEADING_BUG_SETTING, 359.5, 0.5},
    {key::HEADING_INDICATOR_RIGHT_KNOB_DOWN, var::HEADING_BUG_SETTING, 10, 9},
    {key::ALTIMETER_SETTING_UP, var::ALTIMETER_SETTING, 29.92, 29.92 + kAltimeter},
    {key::ALTIMETER_SETTING_UP, var::ALTIMETER_SETTING, AircraftModel::kAltimeterHighest, AircraftModel::kAltimeterHighest},
    {key::ALTIMETER_SETTING_DOWN, var::ALTIMETER_SETTING, 29.92, 29.92 - kAltimeter},
    {key::ALTIMETER_SETTING_DOWN, var::ALTIMETER_SETTING, AircraftModel::kAltimeterLowest, AircraftModel::kAltimeterLowest},
    {key::AUTOPILOT_NAV_INT, var::AUTOPILOT_NAV_INTERCEPT_ENGAGED, 0, 1},
    {key::AUTOPILOT_BACK_CRS, var::AUTOPILOT_BACK_COURSE_ENGAGED, 0, 1},
    {key::AUTOPILOT_NAV_TRK, var::AUTOPILOT_NAV_MODE_ENGAGED, 1, 0},
    {key::AUTOPILOT_HDG_SEL, var::AUTOPILOT_HEADING_SELECT_ENGAGED, 0, 1},
    {key::AUTOPILOT_HI_SENS, var::AUTOPILOT_HIGH_SENSITIVITY_OFF, 1, 0},
    {key::PANEL_LIGHTS_TOGGLE, var::PANEL_LIGHT_SWITCH, 0, 1},
    {key::LANDING_LIGHT_TOGGLE, var::LANDING_LIGHT_SWITCH, 0, 1},
    {key::NAV1_IDENT_TOGGLE, var::NAV1_AUDIO_ON, 0, 1},
    {key::NAV2_IDENT_TOGGLE, var::NAV2_AUDIO_ON, 1, 0},
    {key::DME1_IDENT_TOGGLE, var::DME_AUDIO_ON, 0, 1},
    {key::ADF_IDENT_TOGGLE, var::ADF_AUDIO_ON, 0, 1},
    {key::MARKER_SOUND_TOGGLE, var::MARKER_AUDIO_ON, 0, 1},
    {key::COM_RECEIVE_ALL_TOGGLE, var::COM_RECEIVE_ALL, 0, 1},
    {key::PITOT_HEAT_TOGGLE, var::PITOT_HEAT_SWITCH, 0, 1},
    {key::FUEL_SELECTOR_DOWN, var::FUEL_TANK_SELECTOR_POSITION, 1, AircraftModel::kFuelSelectorDown},
    {key::FUEL_SELECTOR_LEFT, var::FUEL_TANK_SELECTOR_POSITION, 3, AircraftModel::kFuelSelectorLeft},
    {key::FUEL_SELECTOR_RIGHT, var::FUEL_TANK_SELECTOR_POSITION, 1, AircraftModel::kFuelSelectorRight},
    {key::GEAR_UP, var::GEAR_HANDLE_POSITION, kFull, 0},
    {key::GEAR_DOWN, var::GEAR_HANDLE_POSITION, 0, kFull},
    {key::GEAR_COMPANION_TOGGLE, var::GEAR_LEVER_COMPANION, 0, 1},
    {key::FUEL_PUMP_TOGGLE, var::FUEL_PUMP_SWITCH, 0, 1},
    {key::PRIMER, var::PRIMER_STATE, 0, 1},
    {key::BEACON_TOGGLE, var::BEACON_LIGHT_SWITCH, 0, 1},
    {key::TAXI_LIGHT_TOGGLE, var::TAXI_LIGHT_SWITCH, 0, 1},
    {key::MASTER_SWITCH_RIGHT_HALF_TOGGLE, var::MASTER_SWITCH_RIGHT_HALF, 0, 1},
    {key::MASTER_SWITCH_LEFT_HALF_TOGGLE, var::MASTER_SWITCH_LEFT_HALF, 1, 0},
    {key::COWL_FLAP_KNOB_UP, var::COWL_FLAP_POSITION, 0, AircraftModel::kCowlFlapStep},
    {key::COWL_FLAP_KNOB_UP, var::COWL_FLAP_POSITION, 1, 1},
    {key::COWL_FLAP_KNOB_DOWN, var::COWL_FLAP_POSITION, 1, 1 - AircraftModel::kCowlFlapStep},
    {key::AVIONICS_MASTER_TOGGLE, var::AVIONICS_MASTER_SWITCH, 0, 1},
    {key::GPS_DRIVES_NAV_TOGGLE, var::GPS_DRIVES_NAV_INDICATOR, 0, 1},
    {key::NAV_LIGHTS_TOGGLE, var::NAVIGATION_LIGHTS_SWITCH, 0, 1},
};

TEST_F(AircraftModelTest, EachRowChangesItsVariableAtOnce) {
    for (const RowCase& row : kRowCases) {
        SCOPED_TRACE(eventName(row.event) + " from " + std::to_string(row.before));
        set(row.variable, row.before);
        send(row.event);
        EXPECT_DOUBLE_EQ(value(row.variable), row.after);
    }
    EXPECT_TRUE(model.unheardEvents().empty());
}

TEST_F(AircraftModelTest, SwapsExchangeActiveAndStandbyAndBackAgain) {
    const std::pair<Token, Token> swaps[] = {
        {var::COM1_ACTIVE_FREQUENCY, var::COM1_STANDBY_FREQUENCY},
        {var::NAV1_ACTIVE_FREQUENCY, var::NAV1_STANDBY_FREQUENCY},
        {var::COM2_ACTIVE_FREQUENCY, AircraftModel::kCom2StandbyFrequency},
        {var::NAV2_ACTIVE_FREQUENCY, AircraftModel::kNav2StandbyFrequency},
    };
    const gauge::KeyEventId events[] = {key::COM1_SWAP, key::NAV1_SWAP, key::COM2_SWAP, key::NAV2_SWAP};
    for (std::size_t i = 0; i < std::size(events); ++i) {
        SCOPED_TRACE(eventName(events[i]));
        const auto [active, standby] = swaps[i];
        const double wasActive = value(active), wasStandby = value(standby);
        ASSERT_NE(wasActive, wasStandby);
        send(events[i]);
        EXPECT_EQ(value(active), wasStandby);
        EXPECT_EQ(value(standby), wasActive);
        send(events[i]);
        EXPECT_EQ(value(active), wasActive);
    }
}

// The COM2/NAV2 radio tunes its drums, then swaps the tuned frequency away into its memory.
TEST_F(AircraftModelTest, DrumRadioKeepsATunedFrequencyInItsMemory) {
    send(key::COM2_WHOLE_MHZ_UP);
    const double tuned = value(var::COM2_ACTIVE_FREQUENCY);
    send(key::COM2_SWAP);
    EXPECT_EQ(value(AircraftModel::kCom2StandbyFrequency), tuned);
    send(key::COM2_SWAP);
    EXPECT_EQ(value(var::COM2_ACTIVE_FREQUENCY), tuned);
}

struct TuneCase {
    gauge::KeyEventId event;
    Token variable;
    std::uint32_t before, after;
};

// Band edges wrap within the band and never carry into the next digit group; values off the grid
// or outside the band (set by the user) come back onto it.
const TuneCase kTuneCases[] = {
    {key::COM1_WHOLE_MHZ_UP, var::COM1_STANDBY_FREQUENCY, 0x3650, 0x1850},     // 136.50 -> 118.50
    {key::COM1_WHOLE_MHZ_DOWN, var::COM1_STANDBY_FREQUENCY, 0x1850, 0x3650},   // 118.50 -> 136.50
    {key::COM1_FRACTION_UP, var::COM1_STANDBY_FREQUENCY, 0x2295, 0x2200},      // .95 -> .00, MHz kept
    {key::COM1_FRACTION_DOWN, var::COM1_STANDBY_FREQUENCY, 0x2200, 0x2295},    // .00 -> .95, MHz kept
    {key::COM1_FRACTION_UP, var::COM1_STANDBY_FREQUENCY, 0x2222, 0x2225},      // off the grid: to the next step
    {key::COM1_FRACTION_DOWN, var::COM1_STANDBY_FREQUENCY, 0x2222, 0x2220},
    {key::COM1_FRACTION_UP, var::COM1_STANDBY_FREQUENCY, 0x3697, 0x3600},      // above the last step
    {key::COM1_FRACTION_DOWN, var::COM1_STANDBY_FREQUENCY, 0x3697, 0x3695},
    {key::COM1_WHOLE_MHZ_UP, var::COM1_STANDBY_FREQUENCY, 0x0000, 0x1800},     // below the band
    {key::COM1_WHOLE_MHZ_DOWN, var::COM1_STANDBY_FREQUENCY, 0x0000, 0x3600},
    {key::COM1_WHOLE_MHZ_UP, var::COM1_STANDBY_FREQUENCY, 0x2F50, 0x3650},     // a nibble past 9 reads as 15
    {key::COM2_WHOLE_MHZ_UP, var::COM2_ACTIVE_FREQUENCY, 0x3600, 0x1800},
    {key::COM2_FRACTION_UP, var::COM2_ACTIVE_FREQUENCY, 0x3695, 0x3600},
    {key::NAV1_WHOLE_MHZ_UP, var::NAV1_STANDBY_FREQUENCY, 0x1795, 0x0895},     // 117.95 -> 108.95
    {key::NAV1_WHOLE_MHZ_DOWN, var::NAV1_STANDBY_FREQUENCY, 0x0800, 0x1700},   // 108.00 -> 117.00
    {key::NAV1_FRACTION_UP, var::NAV1_STANDBY_FREQUENCY, 0x1795, 0x1700},
    {key::NAV2_WHOLE_MHZ_UP, var::NAV2_ACTIVE_FREQUENCY, 0x1750, 0x0850},
    {key::NAV2_FRACTION_DOWN, var::NAV2_ACTIVE_FREQUENCY, 0x0800, 0x0895},
    {key::ADF_HUNDREDS_UP, var::ADF_FREQUENCY, 0x0950, 0x0050},                // each digit wraps alone
    {key::ADF_HUNDREDS_DOWN, var::ADF_FREQUENCY, 0x0050, 0x0950},
    {key::ADF_TENS_UP, var::ADF_FREQUENCY, 0x0390, 0x0300},
    {key::ADF_UNITS_DOWN, var::ADF_FREQUENCY, 0x0350, 0x0359},
    {key::ADF_TENTHS_UP, var::ADF_FREQUENCY_EXTENSION, 0x0109, 0x0100},        // the thousands digit kept
    {key::ADF_TENTHS_DOWN, var::ADF_FREQUENCY_EXTENSION, 0x0100, 0x0109},
    {key::TRANSPONDER_THOUSANDS_UP, var::TRANSPONDER_CODE, 0x7777, 0x0777},    // octal digits
    {key::TRANSPONDER_HUNDREDS_UP, var::TRANSPONDER_CODE, 0x7777, 0x7077},
    {key::TRANSPONDER_TENS_UP, var::TRANSPONDER_CODE, 0x7777, 0x7707},
    {key::TRANSPONDER_UNITS_UP, var::TRANSPONDER_CODE, 0x7777, 0x7770},
    {key::TRANSPONDER_UNITS_UP, var::TRANSPONDER_CODE, 0x1208, 0x1200},        // 8 is no squawk digit
};

TEST_F(AircraftModelTest, TuningWrapsWithinTheBand) {
    for (const TuneCase& tune : kTuneCases) {
        std::ostringstream trace;
        trace << eventName(tune.event) << " from 0x" << std::hex << tune.before;
        SCOPED_TRACE(trace.str());
        host.variables().setInteger(tune.variable, static_cast<std::int32_t>(tune.before));
        send(tune.event);
        EXPECT_EQ(static_cast<std::uint32_t>(value(tune.variable)), tune.after);
    }
}

// Every setting of a group comes once in a full turn of its knob, and the turn ends where it began.
struct KnobTurn {
    gauge::KeyEventId event;
    Token variable;
    int settings;
};

const KnobTurn kKnobTurns[] = {
    {key::COM1_WHOLE_MHZ_UP, var::COM1_STANDBY_FREQUENCY, 19},  // 118 to 136
    {key::COM1_FRACTION_UP, var::COM1_STANDBY_FREQUENCY, 20},   // .00 to .95
    {key::NAV1_WHOLE_MHZ_DOWN, var::NAV1_STANDBY_FREQUENCY, 10},  // 108 to 117
    {key::ADF_TENS_UP, var::ADF_FREQUENCY, 10},
    {key::TRANSPONDER_TENS_UP, var::TRANSPONDER_CODE, 8},
};

TEST_F(AircraftModelTest, AFullTurnOfATuningKnobComesBackToItsStart) {
    for (const KnobTurn& turn : kKnobTurns) {
        SCOPED_TRACE(eventName(turn.event));
        const double start = value(turn.variable);
        std::vector<double> seen;
        for (int step = 0; step < turn.settings; ++step) {
            send(turn.event);
            seen.push_back(value(turn.variable));
        }
        EXPECT_EQ(seen.back(), start);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "a setting came twice within one turn";
    }
}

struct TravelCase {
    gauge::KeyEventId event;
    Token variable;
    double from, to, perCycle;
};

const TravelCase kTravelCases[] = {
    {key::FLAPS_DETENT_2, var::FLAP_POSITION, 0, kFull / 3, AircraftModel::kFlapTravelPerCycle},
    {key::FLAPS_DETENT_3, var::FLAP_POSITION, 0, kFull * 2 / 3, AircraftModel::kFlapTravelPerCycle},
    {key::FLAPS_FULL, var::FLAP_POSITION, 0, kFull, AircraftModel::kFlapTravelPerCycle},
    {key::FLAPS_UP, var::FLAP_POSITION, kFull, 0, AircraftModel::kFlapTravelPerCycle},
    {key::GEAR_UP, var::GEAR_EXTENSION, kFull, 0, AircraftModel::kGearTravelPerCycle},
    {key::GEAR_DOWN, var::GEAR_EXTENSION, 0, kFull, AircraftModel::kGearTravelPerCycle},
};

TEST_F(AircraftModelTest, FlapsAndGearTravelOverCycles) {
    for (const TravelCase& travel : kTravelCases) {
        SCOPED_TRACE(eventName(travel.event));
        set(travel.variable, travel.from);
        send(travel.event);
        EXPECT_EQ(value(travel.variable), travel.from) << "nothing moves before the next cycle";
        const int cycles = static_cast<int>(std::ceil(std::abs(travel.to - travel.from) / travel.perCycle));
        ASSERT_GT(cycles, 2);
        this->cycles(1);
        EXPECT_NEAR(value(travel.variable), travel.from + std::copysign(travel.perCycle, travel.to - travel.from), 1e-9);
        this->cycles(cycles - 2);
        EXPECT_NE(value(travel.variable), travel.to);
        this->cycles(1);
        EXPECT_EQ(value(travel.variable), travel.to);
        this->cycles(3);
        EXPECT_EQ(value(travel.variable), travel.to);
    }
}

// A gear selected up while it runs out goes back from where it stands.
TEST_F(AircraftModelTest, GearReversesFromWhereItStands) {
    set(var::GEAR_EXTENSION, 0);
    send(key::GEAR_DOWN);
    cycles(10);
    const double halfway = value(var::GEAR_EXTENSION);
    EXPECT_NEAR(halfway, 10 * AircraftModel::kGearTravelPerCycle, 1e-9);
    send(key::GEAR_UP);
    EXPECT_EQ(value(var::GEAR_HANDLE_POSITION), 0);
    cycles(1);
    EXPECT_NEAR(value(var::GEAR_EXTENSION), halfway - AircraftModel::kGearTravelPerCycle, 1e-9);
}

TEST_F(AircraftModelTest, NeverFightsAValueTheUserSets) {
    set(var::GEAR_EXTENSION, 0);
    send(key::GEAR_DOWN);
    cycles(5);
    set(var::GEAR_EXTENSION, 5000);
    set(var::FLAP_POSITION, 0);
    send(key::FLAPS_FULL);
    cycles(3);
    set(var::FLAP_POSITION, 100);
    send(key::IGNITION_KEY_RIGHT);  // from the parked OFF: no spring
    set(var::IGNITION_KEY_POSITION, 3);
    send(key::IGNITION_KEY_RIGHT);  // to START
    set(var::IGNITION_KEY_POSITION, 2);
    cycles(1000);
    EXPECT_EQ(value(var::GEAR_EXTENSION), 5000);
    EXPECT_EQ(value(var::FLAP_POSITION), 100);
    EXPECT_EQ(value(var::IGNITION_KEY_POSITION), 2);
}

// Continuous values the pilot does not set keep what they hold through events and cycles.
TEST_F(AircraftModelTest, LeavesWhatThePilotDoesNotSetAlone) {
    const Token continuous[] = {var::OIL_TEMPERATURE, var::FUEL_FLOW, var::ELECTRICAL_BUS_VOLTAGE, var::SUCTION_PRESSURE,
                                var::INDICATED_AIRSPEED, var::INDICATED_ALTITUDE, var::BANK_ANGLE};
    for (Token variable : continuous) set(variable, 12.5);
    for (gauge::KeyEventId event : {key::THROTTLE_INCREASE, key::MASTER_SWITCH_LEFT_HALF_TOGGLE, key::AUTOPILOT_MASTER_TOGGLE,
                                    key::AUTOPILOT_ROLL_COMMAND, key::AUTOPILOT_TURN_KNOB_TURNED, key::FLAPS_FULL}) {
        send(event);
    }
    cycles(200);
    for (Token variable : continuous) EXPECT_EQ(value(variable), 12.5) << var::nameOf(variable);
}

TEST_F(AircraftModelTest, IgnitionKeySpringsBackFromStartOnceLetGo) {
    set(var::IGNITION_KEY_POSITION, AircraftModel::kIgnitionBoth);
    send(key::IGNITION_KEY_RIGHT);
    for (int held = 0; held < 20; ++held) {  // the held button repeats the turn every cycle
        cycles(1);
        EXPECT_EQ(value(var::IGNITION_KEY_POSITION), AircraftModel::kIgnitionStart);
        send(key::IGNITION_KEY_RIGHT);
    }
    cycles(AircraftModel::kIgnitionSpringCycles);
    EXPECT_EQ(value(var::IGNITION_KEY_POSITION), AircraftModel::kIgnitionStart);
    cycles(1);
    EXPECT_EQ(value(var::IGNITION_KEY_POSITION), AircraftModel::kIgnitionBoth);
}

TEST_F(AircraftModelTest, PrimerPlungerSpringsBack) {
    send(key::PRIMER);
    cycles(AircraftModel::kPrimerStrokeCycles);
    EXPECT_EQ(value(var::PRIMER_STATE), 1);
    cycles(1);
    EXPECT_EQ(value(var::PRIMER_STATE), 0);
}

TEST_F(AircraftModelTest, LateralAutopilotModesEngageOneAtATime) {
    send(key::AUTOPILOT_HDG_SEL);
    send(key::AUTOPILOT_BACK_CRS);
    send(key::AUTOPILOT_NAV_TRK);
    EXPECT_EQ(value(var::AUTOPILOT_NAV_MODE_ENGAGED), 1);
    EXPECT_EQ(value(var::AUTOPILOT_HEADING_SELECT_ENGAGED), 0);
    EXPECT_EQ(value(var::AUTOPILOT_BACK_COURSE_ENGAGED), 1) << "back course goes with the nav modes";
    send(key::AUTOPILOT_NAV_INT);
    EXPECT_EQ(value(var::AUTOPILOT_NAV_INTERCEPT_ENGAGED), 1);
    EXPECT_EQ(value(var::AUTOPILOT_NAV_MODE_ENGAGED), 0);
    send(key::AUTOPILOT_NAV_INT);
    EXPECT_EQ(value(var::AUTOPILOT_NAV_INTERCEPT_ENGAGED), 0);
    EXPECT_EQ(value(var::AUTOPILOT_HEADING_SELECT_ENGAGED), 0) << "releasing a mode engages no other";
}

TEST_F(AircraftModelTest, AudioPanelSelectsOneCom) {
    send(key::COM2_SELECT);
    EXPECT_EQ(value(var::COM2_RECEIVE_SELECTED), 1);
    EXPECT_EQ(value(var::COM1_RECEIVE_SELECTED), 0);
    send(key::COM1_SELECT);
    EXPECT_EQ(value(var::COM1_RECEIVE_SELECTED), 1);
    EXPECT_EQ(value(var::COM2_RECEIVE_SELECTED), 0);
}

TEST_F(AircraftModelTest, BeaconReferenceTakesTheSwitchValue) {
    set(var::BEACON_LIGHT_SWITCH, 1);
    send(key::BEACON_COMPANION_SYNC);
    send(key::BEACON_COMPANION_SYNC);  // sent again until the update sees them agree: no flip back
    EXPECT_EQ(value(var::BEACON_LIGHT_REFERENCE), 1);
}

TEST_F(AircraftModelTest, UnknownEventsAreHeardAsUnknownAndChangeNothing) {
    std::vector<double> before;
    for (const auto& variable : gaugehost::hostVariables()) before.push_back(value(variable.token));
    send(0x10001);
    send(key::AUTOPILOT_ROLL_COMMAND);
    EXPECT_EQ(model.unheardEvents(), std::set<gauge::KeyEventId>{0x10001});
    EXPECT_FALSE(AircraftModel::knows(0x10001));
    EXPECT_FALSE(AircraftModel::withoutEffect(key::AUTOPILOT_ROLL_COMMAND).empty());
    EXPECT_TRUE(AircraftModel::withoutEffect(key::GEAR_UP).empty());
    std::size_t i = 0;
    for (const auto& variable : gaugehost::hostVariables()) EXPECT_EQ(value(variable.token), before[i++]) << variable.name();
}

// A clicked COM transfer button swaps the frequencies the radio shows, only while the model runs.
TEST_F(AircraftModelTest, RunsInTheHostOnlyWhileRunning) {
    constexpr int kComTransferX = 100, kComTransferY = 85;
    auto& radio = create("VeskarZ3VRadios", "RadioCom1Nav1Z3V");
    host.runCycles(1);
    const std::string active = element(radio, 2).text, standby = element(radio, 3).text;
    ASSERT_NE(active, standby);

    host.press(radio, kComTransferX, kComTransferY);
    host.release();
    host.runCycles(1);
    EXPECT_EQ(element(radio, 2).text, active) << "the model is off by default";

    model.setRunning(true);
    host.press(radio, kComTransferX, kComTransferY);
    host.release();
    host.runCycles(1);
    EXPECT_EQ(element(radio, 2).text, standby);
    EXPECT_EQ(element(radio, 3).text, active);

    set(var::GEAR_EXTENSION, 0);
    send(key::GEAR_DOWN);
    host.runCycles(2);
    EXPECT_NEAR(value(var::GEAR_EXTENSION), 2 * AircraftModel::kGearTravelPerCycle, 1e-9) << "the host's cycles advance it";

    model.setRunning(false);
    host.press(radio, kComTransferX, kComTransferY);
    host.release();
    host.runCycles(3);
    EXPECT_EQ(element(radio, 2).text, standby);
    EXPECT_NEAR(value(var::GEAR_EXTENSION), 2 * AircraftModel::kGearTravelPerCycle, 1e-9);
}

// The gear lever's click runs the lamps from LAND through PUMP ON to WATER, one state after another.
TEST_F(AircraftModelTest, GearLeverRunsTheLampsThroughPumpOn) {
    constexpr int kLeverUpX = 367, kLeverUpY = 100;
    enum { kLever = 1, kLand = 2, kWater = 3, kPump = 4 };
    auto& gear = create("VeskarZ3V5", "GearPos");
    model.setRunning(true);
    host.press(gear, kLeverUpX, kLeverUpY);
    host.release();
    std::vector<std::string> states;
    for (int cycle = 0; cycle < 400; ++cycle) {
        host.runCycles(1);
        std::string lit;
        if (element(gear, kLand).picture) lit += "LAND ";
        if (element(gear, kPump).picture) lit += "PUMP ";
        if (element(gear, kWater).picture) lit += "WATER ";
        if (states.empty() || states.back() != lit) states.push_back(lit);
    }
    EXPECT_EQ(element(gear, kLever).picture, 0) << "lever up";
    EXPECT_EQ(states, (std::vector<std::string>{"LAND ", "LAND PUMP ", "PUMP ", "PUMP WATER ", "WATER "}));
    EXPECT_EQ(value(var::GEAR_LEVER_COMPANION), 1) << "the lever keeps its companion at 1 while selected up";
}

struct SwitchClick {
    const char* module;
    const char* gauge;
    int element;
    int x, y;
    int pictureAfter;  // -1: none
};

// In order, on one copy of each gauge: a switch's picture, or the fuel handle's, changes with its click.
const SwitchClick kSwitchClicks[] = {
    {"VeskarZ3V3", "Avionics", 1, 10, 10, 1},
    {"VeskarZ3V3", "Avionics", 1, 10, 10, 0},
    {"VeskarZ3V3", "PanelFuel", 1, 350, 65, 2},   // right tank
    {"VeskarZ3V3", "PanelFuel", 1, 220, 145, 0},  // down
    {"VeskarZ3V3", "PanelFuel", 1, 100, 65, 1},   // left tank
    {"VeskarZ3VRadios", "RadioAudioZ3V", 4, 330, 25, 0},  // the NAV1 button lights its bar
    {"VeskarZ3VRadios", "RadioCom1Nav1Z3V", 8, 257, 99, 0},  // the PULL IDENT knob, the same audio
};

TEST_F(AircraftModelTest, SwitchPicturesFollowTheirClicks) {
    model.setRunning(true);
    std::map<std::string, gaugehost::GaugeInstance*> gauges;
    for (const SwitchClick& click : kSwitchClicks) {
        SCOPED_TRACE(std::string(click.gauge) + " at " + std::to_string(click.x) + "," + std::to_string(click.y));
        gaugehost::GaugeInstance*& created = gauges[click.gauge];
        if (created == nullptr) created = &create(click.module, click.gauge);
        auto& gauge = *created;
        host.runCycles(1);
        const int before = element(gauge, click.element).picture.value_or(-1);
        host.press(gauge, click.x, click.y);
        host.release();
        host.runCycles(1);
        EXPECT_NE(before, click.pictureAfter);
        EXPECT_EQ(element(gauge, click.element).picture.value_or(-1), click.pictureAfter);
    }
}

std::vector<std::string> builtModules() {
    std::vector<std::string> modules;
    std::istringstream list(benchtest::requiredEnvironment("GAUGE_MODULES"));
    for (std::string module; std::getline(list, module, ',');) {
        if (!module.empty()) modules.push_back(module);
    }
    return modules;
}

// A point of the background where the area itself takes the click, if any.
std::optional<std::pair<int, int>> pointOf(const gaugehost::GaugeInstance& gauge, const gaugehost::ResolvedArea& area) {
    for (int y = area.box.y; y < area.box.y + area.box.height; ++y) {
        for (int x = area.box.x; x < area.box.x + area.box.width; ++x) {
            if (gauge.mouseMap().childAt(x, y) == &area) return std::pair{x, y};
        }
    }
    return std::nullopt;
}

// Every module built: every key-bound area and every function area of every gauge clicked (and
// dragged up and down where it drags), with the gauges' own updates running between; every event
// they send must be one the model answers or knowingly ignores.
TEST_F(AircraftModelTest, AnswersEveryEventTheBuiltGaugesSend) {
    model.setRunning(true);
    for (const std::string& module : builtModules()) {
        host.loadModule(module);
        for (const auto* header : host.findModule(module)->gauges()) host.createGauge(module, header->gaugeName);
    }
    ASSERT_FALSE(host.instances().empty());
    int keyAreas = 0;
    for (const auto& gauge : host.instances()) {
        for (const auto& area : gauge->mouseMap().areas()) {
            if (area.kind != gauge::kChild || (area.area->keyEvent == 0 && area.area->function.callback == nullptr)) continue;
            const auto point = pointOf(*gauge, area);
            if (!point) continue;
            SCOPED_TRACE(gauge->alias() + " area " + std::to_string(area.listIndex));
            const std::size_t sent = host.keyEvents().size();
            host.press(*gauge, point->first, point->second);
            if (area.area->keyEvent != 0) {
                ASSERT_GT(host.keyEvents().size(), sent);
                EXPECT_EQ(host.keyEvents()[sent].id, area.area->keyEvent);
                ++keyAreas;
            }
            if (area.area->mouseFlags & gauge::mouse_flag::kDrag) {
                host.moveTo(point->first, point->second - 5);
                host.moveTo(point->first, point->second + 5);
            }
            host.runCycles(2);
            host.release();
            host.runCycles(2);
        }
    }
    EXPECT_GT(keyAreas, 0);
    for (const KeyEvent& event : host.keyEvents()) {
        EXPECT_TRUE(AircraftModel::knows(event.id)) << std::hex << "0x" << event.id << " " << key::nameOf(event.id);
    }
    EXPECT_TRUE(model.unheardEvents().empty());
}

}  // namespace
