// Every key event the gauges send or bind, named by the role the gauges give it. The ids are the
// host's; each is written here once.
#pragma once

#include <string_view>

#include "gauge.h"

// X(name, id): one row per key event, ordered by id.
#define GAUGE_KEY_EVENTS(X)                                                                               \
    X(STROBE_LIGHTS_TOGGLE, 0x10018)                                                                      \
    X(CARB_HEAT_TOGGLE, 0x10023)                                                                          \
    X(AUTOPILOT_MASTER_TOGGLE, 0x1002C)                                                                   \
    X(FLAPS_UP, 0x1003B)                                                                                  \
    X(FLAPS_DETENT_2, 0x1003D)                                                                            \
    X(THROTTLE_INCREASE, 0x1003E)                                                                         \
    X(FLAPS_DETENT_3, 0x1003F)                                                                            \
    X(THROTTLE_DECREASE, 0x10042)                                                                         \
    X(FLAPS_FULL, 0x10043)                                                                                \
    X(ELEVATOR_TRIM_WHEEL_UPPER_HALF, 0x10047)                                                            \
    X(ELEVATOR_TRIM_WHEEL_LOWER_HALF, 0x1004F)                                                            \
    X(IGNITION_KEY_LEFT, 0x10062)                                                                         \
    X(IGNITION_KEY_RIGHT, 0x10063)                                                                        \
    X(COM1_WHOLE_MHZ_DOWN, 0x10064)                                                                       \
    X(COM1_WHOLE_MHZ_UP, 0x10065)                                                                         \
    X(COM1_FRACTION_DOWN, 0x10066)                                                                        \
    X(COM1_FRACTION_UP, 0x10067)                                                                          \
    X(NAV1_WHOLE_MHZ_DOWN, 0x10068)                                                                       \
    X(NAV1_WHOLE_MHZ_UP, 0x10069)                                                                         \
    X(NAV1_FRACTION_DOWN, 0x1006A)                                                                        \
    X(NAV1_FRACTION_UP, 0x1006B)                                                                          \
    X(NAV2_WHOLE_MHZ_DOWN, 0x1006C)                                                                       \
    X(NAV2_WHOLE_MHZ_UP, 0x1006D)                                                                         \
    X(NAV2_FRACTION_DOWN, 0x1006E)                                                                        \
    X(NAV2_FRACTION_UP, 0x1006F)                                                                          \
    X(ADF_HUNDREDS_UP, 0x10070)                                                                           \
    X(ADF_TENS_UP, 0x10071)                                                                               \
    X(ADF_UNITS_UP, 0x10072)                                                                              \
    X(TRANSPONDER_THOUSANDS_UP, 0x10073)                                                                  \
    X(TRANSPONDER_HUNDREDS_UP, 0x10074)                                                                   \
    X(TRANSPONDER_TENS_UP, 0x10075)                                                                       \
    X(TRANSPONDER_UNITS_UP, 0x10076)                                                                      \
    X(VOR1_COURSE_DOWN, 0x1007E)                                                                          \
    X(VOR1_COURSE_UP, 0x1007F)                                                                            \
    X(ADF_HUNDREDS_DOWN, 0x10082)                                                                         \
    X(ADF_TENS_DOWN, 0x10083)                                                                             \
    X(ADF_UNITS_DOWN, 0x10084)                                                                            \
    X(AUTOPILOT_ROLL_COMMAND, 0x1009F)             /* parameter: the signed command, positive toward L */ \
    X(AUTOPILOT_NAV_INT, 0x100BC)                                                                         \
    X(AUTOPILOT_BACK_CRS, 0x100C0)                                                                        \
    X(AUTOPILOT_NAV_TRK, 0x100C1)                                                                         \
    X(PANEL_LIGHTS_TOGGLE, 0x100D6)                                                                       \
    X(LANDING_LIGHT_TOGGLE, 0x100D7)                                                                      \
    X(PROPELLER_INCREASE, 0x100E9)                                                                        \
    X(PROPELLER_DECREASE, 0x100EB)                                                                        \
    X(MIXTURE_INCREASE, 0x100EF)                                                                          \
    X(MIXTURE_DECREASE, 0x100F1)                                                                          \
    X(AUTOPILOT_HI_SENS, 0x10101)                                                                         \
    X(AUTOPILOT_HDG_SEL, 0x10106)                                                                         \
    X(AUTOPILOT_TURN_KNOB_PUSHED, 0x10111)                                                                \
    X(AUTOPILOT_TURN_KNOB_TURNED, 0x10119)                                                                \
    X(NAV1_IDENT_TOGGLE, 0x10132)                                                                         \
    X(NAV2_IDENT_TOGGLE, 0x10133)                                                                         \
    X(DME1_IDENT_TOGGLE, 0x10134)                                                                         \
    X(ADF_IDENT_TOGGLE, 0x10136)                                                                          \
    X(PITOT_HEAT_TOGGLE, 0x10142)                                                                         \
    X(HEADING_INDICATOR_LEFT_KNOB_UP, 0x10155)                                                            \
    X(HEADING_INDICATOR_LEFT_KNOB_DOWN, 0x10156)                                                          \
    X(HEADING_INDICATOR_RIGHT_KNOB_UP, 0x10157)                                                           \
    X(HEADING_INDICATOR_RIGHT_KNOB_DOWN, 0x10158)                                                         \
    X(ALTIMETER_SETTING_UP, 0x1015B)                                                                      \
    X(ALTIMETER_SETTING_DOWN, 0x1015C)                                                                    \
    X(FUEL_SELECTOR_DOWN, 0x101A3)                                                                        \
    X(FUEL_SELECTOR_LEFT, 0x101A5)                                                                        \
    X(FUEL_SELECTOR_RIGHT, 0x101A6)                                                                       \
    X(GEAR_UP, 0x1021F)                                                                                   \
    X(GEAR_DOWN, 0x10220)                                                                                 \
    X(FUEL_PUMP_TOGGLE, 0x102BD)                                                                          \
    X(PRIMER, 0x102BE)                                                                                    \
    X(BEACON_TOGGLE, 0x102BF)                                                                             \
    X(TAXI_LIGHT_TOGGLE, 0x102C0)                                                                         \
    X(MASTER_SWITCH_RIGHT_HALF_TOGGLE, 0x102C1)                                                           \
    X(MASTER_SWITCH_LEFT_HALF_TOGGLE, 0x102C2)                                                            \
    X(COWL_FLAP_KNOB_UP, 0x102C3)                                                                         \
    X(COWL_FLAP_KNOB_DOWN, 0x102C4)                                                                       \
    X(RUDDER_TRIM_WHEEL_LEFT_HALF, 0x102E6)                                                               \
    X(RUDDER_TRIM_WHEEL_RIGHT_HALF, 0x102E7)                                                              \
    X(AVIONICS_MASTER_TOGGLE, 0x102F5)                                                                    \
    X(COM1_SWAP, 0x10344)                                                                                 \
    X(GPS_DRIVES_NAV_TOGGLE, 0x10347)              /* also the autopilot's NAV 1/2 rocker */              \
    X(BEACON_COMPANION_SYNC, 0x10349)              /* sent while host values 0x26E and 0x170 differ */    \
    X(NAV_LIGHTS_TOGGLE, 0x1034B)                                                                         \
    X(COM2_WHOLE_MHZ_DOWN, 0x10384)                                                                       \
    X(COM2_WHOLE_MHZ_UP, 0x10385)                                                                         \
    X(COM2_FRACTION_DOWN, 0x10386)                                                                        \
    X(COM2_FRACTION_UP, 0x10388)                                                                          \
    X(COM2_SWAP, 0x1038C)                                                                                 \
    X(NAV1_SWAP, 0x10390)                                                                                 \
    X(NAV2_SWAP, 0x10394)                                                                                 \
    X(ADF_TENTHS_DOWN, 0x10395)                                                                           \
    X(ADF_TENTHS_UP, 0x10396)                                                                             \
    X(COM1_SELECT, 0x1039F)                                                                               \
    X(COM2_SELECT, 0x103A0)                                                                               \
    X(COM_RECEIVE_ALL_TOGGLE, 0x103A1)                                                                    \
    X(MARKER_SOUND_TOGGLE, 0x103AD)                                                                       \
    X(GEAR_COMPANION_TOGGLE, 0x103B2)              /* toggles host value 0x387 */

namespace gauge::key {
#define GAUGE_KEY_EVENT_CONSTANT(name, id) inline constexpr KeyEventId name = id;
GAUGE_KEY_EVENTS(GAUGE_KEY_EVENT_CONSTANT)
#undef GAUGE_KEY_EVENT_CONSTANT

// The name an id is known by, or an empty text for an id no gauge sends.
constexpr std::string_view nameOf(KeyEventId event) {
#define GAUGE_KEY_EVENT_NAME(name, id) \
    if (event == (id)) return #name;
    GAUGE_KEY_EVENTS(GAUGE_KEY_EVENT_NAME)
#undef GAUGE_KEY_EVENT_NAME
    return {};
}

// The id of a named key event, or 0 for a name no gauge sends.
constexpr KeyEventId idOf(std::string_view name) {
#define GAUGE_KEY_EVENT_ID(event, id) \
    if (name == #event) return id;
    GAUGE_KEY_EVENTS(GAUGE_KEY_EVENT_ID)
#undef GAUGE_KEY_EVENT_ID
    return 0;
}

}  // namespace gauge::key
