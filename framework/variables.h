// Every host variable the gauges read, by the name each is known by across the set. The tokens
// are the host's; each is written here once. Its form, unit and parked-aircraft default are the
// bench host's to know.
#pragma once

#include <string_view>

#include "gauge.h"

// X(name, token): one row per host variable, ordered by token.
#define GAUGE_HOST_VARIABLES(X)                   \
    X(HOST_TICK_COUNT, 0x1)                       \
    X(PANEL_LIGHT_SWITCH, 0xA)                    \
    X(STROBE_LIGHT_SWITCH, 0xB)                   \
    X(PITOT_HEAT_SWITCH, 0xD)                     \
    X(LANDING_LIGHT_SWITCH, 0xE)                  \
    X(ADF_FREQUENCY, 0x10)                        \
    X(ADF_WINDOW_SPARE_SOURCE, 0x11)              \
    X(ADF_FREQUENCY_EXTENSION, 0x12)              \
    X(COM1_ACTIVE_FREQUENCY, 0x17)                \
    X(NAV1_ACTIVE_FREQUENCY, 0x18)                \
    X(NAV2_ACTIVE_FREQUENCY, 0x1B)                \
    X(DME_NAV1_DISTANCE, 0x1F)                    \
    X(DME_NAV1_GROUND_SPEED, 0x20)                \
    X(DME_NAV2_DISTANCE, 0x23)                    \
    X(DME_NAV2_GROUND_SPEED, 0x24)                \
    X(TRANSPONDER_CODE, 0x26)                     \
    X(NAV1_TO_FROM_STATE, 0x2B)                   \
    X(NAV1_GLIDESLOPE_RECEIVED, 0x2C)             \
    X(INDICATED_AIRSPEED, 0x3D)                   \
    X(VERTICAL_SPEED, 0x41)                       \
    X(TURN_BALL_DEFLECTION, 0x45)                 \
    X(TURN_RATE, 0x46)                            \
    X(INDICATED_ALTITUDE, 0x4A)                   \
    X(ALTIMETER_SETTING, 0x4C)                    \
    X(BANK_ANGLE, 0x50)                           \
    X(HEADING_INDICATOR_HEADING, 0x54)            \
    X(AUTOPILOT_MASTER_ENGAGED, 0x67)             \
    X(AUTOPILOT_NAV_MODE_ENGAGED, 0x69)           \
    X(AUTOPILOT_HEADING_SELECT_ENGAGED, 0x6A)     \
    X(HEADING_BUG_SETTING, 0x6B)                  \
    X(AUTOPILOT_NAV_INTERCEPT_ENGAGED, 0x70)      \
    X(AUTOPILOT_BACK_COURSE_ENGAGED, 0x71)        \
    X(AUTOPILOT_HIGH_SENSITIVITY_OFF, 0x72)       \
    X(THROTTLE_LEVER_POSITION, 0x80)              \
    X(PROPELLER_LEVER_POSITION, 0x81)             \
    X(MIXTURE_LEVER_POSITION, 0x82)               \
    X(IGNITION_KEY_POSITION, 0x84)                \
    X(FUEL_FLOW, 0x89)                            \
    X(TURN_COORDINATOR_OFF_FLAG, 0x117)           \
    X(RIGHT_TANK_FUEL_QUANTITY, 0x12F)            \
    X(LEFT_TANK_FUEL_QUANTITY, 0x130)             \
    X(FUEL_TANK_SELECTOR_POSITION, 0x133)         \
    X(FLAP_HANDLE_POSITION, 0x148)                \
    X(FLAP_POSITION, 0x149)                       \
    X(GEAR_HANDLE_POSITION, 0x14B)                \
    X(GEAR_EXTENSION, 0x14D)                      \
    X(AMMETER_CURRENT, 0x160)                     \
    X(SUCTION_PRESSURE, 0x161)                    \
    X(MARKER_BEACON_RECEIVED, 0x162)              \
    X(DME_WINDOW_SPARE_SOURCE, 0x163)             \
    X(AUTO_CLOSE_WATCHED_STATE, 0x164)            \
    X(PRIMER_STATE, 0x169)                        \
    X(MASTER_SWITCH_LEFT_HALF, 0x16B)             \
    X(MASTER_SWITCH_RIGHT_HALF, 0x16C)            \
    X(CARBURETTOR_HEAT, 0x16D)                    \
    X(FUEL_PUMP_SWITCH, 0x16F)                    \
    X(BEACON_LIGHT_SWITCH, 0x170)                 \
    X(TAXI_LIGHT_SWITCH, 0x171)                   \
    X(TOTAL_FUEL_QUANTITY, 0x182)                 \
    X(COWL_FLAP_POSITION, 0x18B)                  \
    X(EXHAUST_GAS_TEMPERATURE, 0x19D)             \
    X(CYLINDER_HEAD_TEMPERATURE, 0x19F)           \
    X(OIL_TEMPERATURE, 0x1A0)                     \
    X(OIL_PRESSURE, 0x1A2)                        \
    X(FUEL_COMPUTER_SPARE_SOURCE, 0x1A7)          \
    X(COM1_STANDBY_FREQUENCY, 0x269)              \
    X(NAVIGATION_LIGHTS_SWITCH, 0x26B)            \
    X(BEACON_LIGHT_REFERENCE, 0x26E)              \
    X(AVIONICS_MASTER_SWITCH, 0x2E4)              \
    X(ELECTRICAL_BUS_VOLTAGE, 0x2F0)              \
    X(ELEVATOR_TRIM_POSITION, 0x30F)              \
    X(RUDDER_TRIM_POSITION, 0x313)                \
    X(GPS_APPROACH_LAMP_SOURCE, 0x33F)            \
    X(AIRCRAFT_SPEED, 0x340)                      \
    X(GPS_DRIVES_NAV_INDICATOR, 0x350)            \
    X(NAV1_COURSE_DEVIATION, 0x351)               \
    X(NAV1_GLIDESLOPE_DEVIATION, 0x352)           \
    X(NAV1_GLIDESLOPE_FLAG_SOURCE, 0x354)         \
    X(NAV1_TO_FROM_FLAG_SOURCE, 0x355)            \
    X(NAV1_SELECTED_COURSE, 0x356)                \
    X(COM2_ACTIVE_FREQUENCY, 0x366)               \
    X(NAV1_STANDBY_FREQUENCY, 0x368)              \
    X(COM1_RECEIVE_SELECTED, 0x36A)               \
    X(COM2_RECEIVE_SELECTED, 0x36B)               \
    X(COM_RECEIVE_ALL, 0x36C)                     \
    X(NAV1_AUDIO_ON, 0x36D)                       \
    X(NAV2_AUDIO_ON, 0x36E)                       \
    X(DME_AUDIO_ON, 0x36F)                        \
    X(ADF_AUDIO_ON, 0x370)                        \
    X(MARKER_AUDIO_ON, 0x371)                     \
    X(GEAR_LEVER_COMPANION, 0x387)

namespace gauge::var {
#define GAUGE_HOST_VARIABLE_CONSTANT(name, token) inline constexpr HostVariableToken name = token;
GAUGE_HOST_VARIABLES(GAUGE_HOST_VARIABLE_CONSTANT)
#undef GAUGE_HOST_VARIABLE_CONSTANT

// The name a token is known by, or an empty text for a token no gauge reads.
constexpr std::string_view nameOf(HostVariableToken token) {
#define GAUGE_HOST_VARIABLE_NAME(name, number) \
    if (token == (number)) return #name;
    GAUGE_HOST_VARIABLES(GAUGE_HOST_VARIABLE_NAME)
#undef GAUGE_HOST_VARIABLE_NAME
    return {};
}

}  // namespace gauge::var
