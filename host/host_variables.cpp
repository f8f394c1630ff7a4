#include "host_variables.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gaugehost {
namespace {

using F = VariableForm;
namespace var = gauge::var;

// One row per HostVariableToken that a gauge of the set reads, sorted by
// token. Forms are what the gauges' callbacks read; units are
// those in which the host delivers the value. Defaults describe the aircraft
// parked at sea level on a standard day, engine off, battery and avionics off.
constexpr HostVariableInfo kHostVariables[] = {
    {.token = var::HOST_TICK_COUNT, .form = F::Real, .unit = "ticks", .defaultValue = 0.0,
     .role = "tick counter read by the radio press timers, transponder reply lamp and TEST spring"},
    {.token = var::PANEL_LIGHT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "panel light push button picture of SWpanellight"},
    {.token = var::STROBE_LIGHT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "strobe light rocker picture of SWstrobe"},
    {.token = var::PITOT_HEAT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "pitot heat rocker picture of SWpitotheat"},
    {.token = var::LANDING_LIGHT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "landing light rocker picture of SWland"},
    {.token = var::ADF_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x0350,
     .role = "ADF hundreds, tens and units of kHz (bits 8-11, 4-7, 0-3) for the USE window"},
    {.token = var::ADF_WINDOW_SPARE_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "third source of the ADF USE window, carried but never read"},
    {.token = var::ADF_FREQUENCY_EXTENSION, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x0000,
     .role = "ADF thousands (bits 8-11) and tenths (bits 0-3) of kHz for the USE window"},
    {.token = var::COM1_ACTIVE_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x2250,
     .role = "COM1 active frequency text, leading 1 omitted"},
    {.token = var::NAV1_ACTIVE_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x1080,
     .role = "NAV1 active frequency text, leading 1 omitted"},
    {.token = var::NAV2_ACTIVE_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x1150,
     .role = "NAV2 frequency on the COM2/NAV2 drum digits"},
    {.token = var::DME_NAV1_DISTANCE, .form = F::Real, .unit = "nautical miles", .defaultValue = -1.0,
     .role = "DME distance via NAV1; exactly -1.0 means no reception"},
    {.token = var::DME_NAV1_GROUND_SPEED, .form = F::Real, .unit = "knots", .defaultValue = 0.0,
     .role = "DME ground speed via NAV1"},
    {.token = var::DME_NAV2_DISTANCE, .form = F::Real, .unit = "nautical miles", .defaultValue = -1.0,
     .role = "DME distance via NAV2; exactly -1.0 means no reception"},
    {.token = var::DME_NAV2_GROUND_SPEED, .form = F::Real, .unit = "knots", .defaultValue = 0.0,
     .role = "DME ground speed via NAV2"},
    {.token = var::TRANSPONDER_CODE, .form = F::Bcd, .unit = "BCD code", .defaultValue = 0x1200,
     .role = "transponder code on the four digit drums"},
    {.token = var::NAV1_TO_FROM_STATE, .form = F::Enumeration, .unit = "enum", .defaultValue = 0,
     .role = "VOR TO/FROM indicator: 1 TO, 2 FROM, other no signal (NAV flag)"},
    {.token = var::NAV1_GLIDESLOPE_RECEIVED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "VOR GS flag hidden while non-zero"},
    {.token = var::INDICATED_AIRSPEED, .form = F::Real, .unit = "knots", .defaultValue = 0.0,
     .role = "airspeed needle and readout"},
    {.token = var::VERTICAL_SPEED, .form = F::Real, .unit = "1/256 metres per second", .defaultValue = 0.0,
     .role = "vertical speed needle, x 0.769 gives feet per minute"},
    {.token = var::TURN_BALL_DEFLECTION, .form = F::Real, .unit = "host units", .defaultValue = 0.0,
     .role = "turn coordinator inclinometer ball, positive to the right"},
    {.token = var::TURN_RATE, .form = F::Real, .unit = "1/65536 turn per second", .defaultValue = 0.0,
     .role = "turn coordinator aircraft symbol, 546 is standard rate"},
    {.token = var::INDICATED_ALTITUDE, .form = F::Real, .unit = "feet", .defaultValue = 0.0,
     .role = "altimeter pointers"},
    {.token = var::ALTIMETER_SETTING, .form = F::Real, .unit = "inches of mercury", .defaultValue = 29.92,
     .role = "altimeter setting card and readout"},
    {.token = var::BANK_ANGLE, .form = F::Real, .unit = "degrees", .defaultValue = 0.0,
     .role = "bank angle for the autopilot turn knob logic, positive toward L"},
    {.token = var::HEADING_INDICATOR_HEADING, .form = F::Real, .unit = "degrees", .defaultValue = 0.0,
     .role = "heading gyro compass card rotation and heading bug offset"},
    {.token = var::AUTOPILOT_MASTER_ENGAGED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "autopilot engaged while exactly 1.0: A/P rocker, turn logic, GPS approach logic"},
    {.token = var::AUTOPILOT_NAV_MODE_ENGAGED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "autopilot navigation (NAV TRK) mode: button lamp and GPS approach logic"},
    {.token = var::AUTOPILOT_HEADING_SELECT_ENGAGED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "HDG SEL button lamp of the autopilot"},
    {.token = var::HEADING_BUG_SETTING, .form = F::Real, .unit = "degrees", .defaultValue = 0.0,
     .role = "heading gyro heading bug"},
    {.token = var::AUTOPILOT_NAV_INTERCEPT_ENGAGED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "NAV INT button lamp of the autopilot"},
    {.token = var::AUTOPILOT_BACK_COURSE_ENGAGED, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "BACK CRS button lamp of the autopilot"},
    {.token = var::AUTOPILOT_HIGH_SENSITIVITY_OFF, .form = F::Real, .unit = "bool", .defaultValue = 1.0,
     .role = "HI SENS button lamp, drawn engaged while the value is not exactly 1.0"},
    {.token = var::THROTTLE_LEVER_POSITION, .form = F::Real, .unit = "part 0..16383", .defaultValue = 0.0,
     .role = "throttle knob slider of PanelC"},
    {.token = var::PROPELLER_LEVER_POSITION, .form = F::Real, .unit = "part 0..16383", .defaultValue = 16383.0,
     .role = "propeller knob slider of PanelC"},
    {.token = var::MIXTURE_LEVER_POSITION, .form = F::Real, .unit = "part 0..16383", .defaultValue = 0.0,
     .role = "mixture knob slider of PanelC"},
    {.token = var::IGNITION_KEY_POSITION, .form = F::Enumeration, .unit = "enum", .defaultValue = 0,
     .role = "ignition key picture of start, positions 0 to 4"},
    {.token = var::FUEL_FLOW, .form = F::Real, .unit = "gallons per hour", .defaultValue = 0.0,
     .role = "fuel flow readout and fuel computer pages of FuelFlow"},
    {.token = var::TURN_COORDINATOR_OFF_FLAG, .form = F::Flag, .unit = "bool", .defaultValue = 1,
     .role = "turn coordinator OFF flag: 0 normal, 1 off"},
    {.token = var::RIGHT_TANK_FUEL_QUANTITY, .form = F::Real, .unit = "gallons (dial: E 0, F 46)", .defaultValue = 30.0,
     .role = "right fuel dial of EngineR"},
    {.token = var::LEFT_TANK_FUEL_QUANTITY, .form = F::Real, .unit = "gallons (dial: E 0, F 46)", .defaultValue = 30.0,
     .role = "left fuel dial of EngineR"},
    {.token = var::FUEL_TANK_SELECTOR_POSITION, .form = F::Enumeration, .unit = "enum", .defaultValue = 1,
     .role = "fuel selector handle of PanelFuel: 0 down, 1 and 2 left, 3 right"},
    {.token = var::FLAP_HANDLE_POSITION, .form = F::Real, .unit = "part 0..16384 (detents 0, 5461, 10922, 16384)", .defaultValue = 0.0,
     .role = "flap handle detent picture of PanelC and Flap"},
    {.token = var::FLAP_POSITION, .form = F::Real, .unit = "part 0..16383", .defaultValue = 0.0,
     .role = "flap position indicator dot of PanelC and Flap"},
    {.token = var::GEAR_HANDLE_POSITION, .form = F::Real, .unit = "part 0..16383 (0 up, above 0 down)", .defaultValue = 16383.0,
     .role = "gear lever picture of GearPos"},
    {.token = var::GEAR_EXTENSION, .form = F::Real, .unit = "part 0..16383", .defaultValue = 16383.0,
     .role = "WATER, PUMP ON and LAND gear lamps of GearPos and GearPosVC"},
    {.token = var::AMMETER_CURRENT, .form = F::Real, .unit = "signed host units (/65535 spans -0.5..0.5)", .defaultValue = 0.0,
     .role = "ammeter needle of EngineR"},
    {.token = var::SUCTION_PRESSURE, .form = F::Real, .unit = "inches of mercury", .defaultValue = 0.0,
     .role = "suction gauge needle of Succion"},
    {.token = var::MARKER_BEACON_RECEIVED, .form = F::Enumeration, .unit = "enum", .defaultValue = 0,
     .role = "marker lamps of the audio panel: 0 none, 1 outer, 2 middle, 3 inner"},
    {.token = var::DME_WINDOW_SPARE_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "third source of both DME texts, carried but never read"},
    {.token = var::AUTO_CLOSE_WATCHED_STATE, .form = F::Real, .unit = "host state code", .defaultValue = 0.0,
     .role = "AutoClose closes window 25 while exactly 345218.0 or 345474.0"},
    {.token = var::PRIMER_STATE, .form = F::Real, .unit = "host units (above 0 displaced)", .defaultValue = 0.0,
     .role = "primer knob picture of Primer"},
    {.token = var::MASTER_SWITCH_LEFT_HALF, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "left half of the split master rocker SWmaster"},
    {.token = var::MASTER_SWITCH_RIGHT_HALF, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "right half of the split master rocker SWmaster"},
    {.token = var::CARBURETTOR_HEAT, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "carburettor heat knob of Carbheat: 0 pushed in, 1 pulled out"},
    {.token = var::FUEL_PUMP_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "fuel pump rocker picture of SWfuelp"},
    {.token = var::BEACON_LIGHT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "beacon rocker of SWbeacon and SWbeaconReco, compared with 0x26E"},
    {.token = var::TAXI_LIGHT_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "taxi light rocker picture of SWtaxi"},
    {.token = var::TOTAL_FUEL_QUANTITY, .form = F::Real, .unit = "gallons", .defaultValue = 60.0,
     .role = "fuel quantity for the FuelFlow totaliser, reserve and endurance pages"},
    {.token = var::COWL_FLAP_POSITION, .form = F::Real, .unit = "fraction 0..1", .defaultValue = 1.0,
     .role = "cowl flap knob picture of CowlFlap: exactly 1 top, 0 bottom"},
    {.token = var::EXHAUST_GAS_TEMPERATURE, .form = F::Real, .unit = "degrees Rankine", .defaultValue = 518.67,
     .role = "EGT needle of Egt"},
    {.token = var::CYLINDER_HEAD_TEMPERATURE, .form = F::Real, .unit = "degrees Rankine", .defaultValue = 518.67,
     .role = "cylinder head temperature needle of EngineL"},
    {.token = var::OIL_TEMPERATURE, .form = F::Real, .unit = "degrees Rankine", .defaultValue = 518.67,
     .role = "oil temperature needle of EngineL"},
    {.token = var::OIL_PRESSURE, .form = F::Real, .unit = "pounds per square foot", .defaultValue = 0.0,
     .role = "oil pressure needle of EngineL, shown in psi"},
    {.token = var::FUEL_COMPUTER_SPARE_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "second source of the FuelFlow upper readout, carried but never read"},
    {.token = var::COM1_STANDBY_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x2190,
     .role = "COM1 standby frequency text, leading 1 omitted"},
    {.token = var::NAVIGATION_LIGHTS_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "navigation lights rocker picture of SWnav"},
    {.token = var::BEACON_LIGHT_REFERENCE, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "second beacon value that SWbeaconReco keeps in step with 0x170"},
    {.token = var::AVIONICS_MASTER_SWITCH, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "avionics master pictures of SWavionics and Avionics"},
    {.token = var::ELECTRICAL_BUS_VOLTAGE, .form = F::Real, .unit = "volts", .defaultValue = 0.0,
     .role = "low-voltage lamps LowVolt and LowVoltVFR, lit at 23.0 or less"},
    {.token = var::ELEVATOR_TRIM_POSITION, .form = F::Real, .unit = "host trim units (tab 100 px per unit)", .defaultValue = 0.0,
     .role = "elevator trim wheel animation and ElevadorTrim tab"},
    {.token = var::RUDDER_TRIM_POSITION, .form = F::Real, .unit = "host trim units (tab 80 px per unit)", .defaultValue = 0.0,
     .role = "rudder trim wheel animation and RudderTrim tab"},
    {.token = var::GPS_APPROACH_LAMP_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "source of the Garmin approach annunciator, refreshed but never read"},
    {.token = var::AIRCRAFT_SPEED, .form = F::Real, .unit = "metres per second", .defaultValue = 0.0,
     .role = "speed for the FuelFlow NM/GAL, destination and reserve pages"},
    {.token = var::GPS_DRIVES_NAV_INDICATOR, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "GPS drives the nav indicator: NAV 1/2 rocker, Garmin NAV/GPS lamp and approach logic, VOR flags"},
    {.token = var::NAV1_COURSE_DEVIATION, .form = F::Real, .unit = "full scale at +/-1", .defaultValue = 0.0,
     .role = "VOR course deviation bar"},
    {.token = var::NAV1_GLIDESLOPE_DEVIATION, .form = F::Real, .unit = "full scale at +/-1", .defaultValue = 0.0,
     .role = "VOR glideslope bar, negative swings it up"},
    {.token = var::NAV1_GLIDESLOPE_FLAG_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "source of the VOR GS flag icon, refreshed but never read"},
    {.token = var::NAV1_TO_FROM_FLAG_SOURCE, .form = F::Real, .unit = "unknown", .defaultValue = 0.0,
     .role = "source of the VOR TO/FROM/NAV icon, refreshed but never read"},
    {.token = var::NAV1_SELECTED_COURSE, .form = F::Real, .unit = "degrees", .defaultValue = 0.0,
     .role = "VOR course card rotation and course readout"},
    {.token = var::COM2_ACTIVE_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x2300,
     .role = "COM2 frequency on the COM2/NAV2 drum digits"},
    {.token = var::NAV1_STANDBY_FREQUENCY, .form = F::Bcd, .unit = "BCD frequency", .defaultValue = 0x1130,
     .role = "NAV1 standby frequency text, leading 1 omitted"},
    {.token = var::COM1_RECEIVE_SELECTED, .form = F::Flag, .unit = "bool", .defaultValue = 1,
     .role = "COM1 indicator bar of the audio panel"},
    {.token = var::COM2_RECEIVE_SELECTED, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "COM2 indicator bar of the audio panel"},
    {.token = var::COM_RECEIVE_ALL, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "COM 1/2 (receive all) indicator bar of the audio panel"},
    {.token = var::NAV1_AUDIO_ON, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "NAV1 identifier audio: PULL IDENT knob and audio panel bar"},
    {.token = var::NAV2_AUDIO_ON, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "NAV2 identifier audio: NAV VOL knob and audio panel bar"},
    {.token = var::DME_AUDIO_ON, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "DME indicator bar of the audio panel"},
    {.token = var::ADF_AUDIO_ON, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "ADF indicator bar of the audio panel"},
    {.token = var::MARKER_AUDIO_ON, .form = F::Flag, .unit = "bool", .defaultValue = 0,
     .role = "MKR MUTE indicator bar of the audio panel"},
    {.token = var::GEAR_LEVER_COMPANION, .form = F::Real, .unit = "bool", .defaultValue = 0.0,
     .role = "two-state value GearPos keeps at 1 while gear selected up, 0 while down"},
};

constexpr bool tokensStrictlyAscending() {
    for (std::size_t i = 1; i < std::size(kHostVariables); ++i) {
        if (kHostVariables[i - 1].token >= kHostVariables[i].token) return false;
    }
    return true;
}
static_assert(tokensStrictlyAscending(), "host variable tokens must be strictly ascending (no duplicates)");

// Every token the framework names has its row here, and no row lacks a name.
constexpr bool rowsMatchTheFrameworkNames() {
    std::size_t named = 0;
#define GAUGE_COUNT_HOST_VARIABLE(name, token) ++named;
    GAUGE_HOST_VARIABLES(GAUGE_COUNT_HOST_VARIABLE)
#undef GAUGE_COUNT_HOST_VARIABLE
    for (const auto& v : kHostVariables) {
        if (v.name().empty()) return false;
    }
    return named == std::size(kHostVariables);
}
static_assert(rowsMatchTheFrameworkNames(), "every host variable named in the framework needs exactly one row");

constexpr bool integerDefaultsExact() {
    for (const auto& v : kHostVariables) {
        if (v.form == VariableForm::Real) continue;
        const double d = v.defaultValue;
        if (d != static_cast<double>(static_cast<std::int64_t>(d))) return false;
        if (d < -2147483648.0 || d > 4294967295.0) return false;
    }
    return true;
}
static_assert(integerDefaultsExact(), "integer-form defaults must be exact 32-bit integers");

}  // namespace

const char* formName(VariableForm form) {
    switch (form) {
        case VariableForm::Real: return "real";
        case VariableForm::Integer: return "integer";
        case VariableForm::Enumeration: return "enumeration";
        case VariableForm::Flag: return "flag";
        case VariableForm::Bcd: return "BCD";
    }
    return "";
}

std::span<const HostVariableInfo> hostVariables() { return kHostVariables; }

const HostVariableInfo* findHostVariable(std::uint32_t token) {
    const auto* first = std::begin(kHostVariables);
    const auto* last = std::end(kHostVariables);
    const auto* it = std::lower_bound(first, last, token,
                                      [](const HostVariableInfo& v, std::uint32_t t) { return v.token < t; });
    return (it != last && it->token == token) ? it : nullptr;
}

const HostVariableInfo* findHostVariable(std::string_view name) {
    for (const auto& v : kHostVariables) {
        if (v.name() == name) return &v;
    }
    return nullptr;
}

}  // namespace gaugehost
