// VeskarZ3VM's airspeed indicator and altimeter: the VFR panel's instruments built without their
// readouts, so without readout switches or the click areas that flip them.
//
// Reads:    INDICATED_AIRSPEED, INDICATED_ALTITUDE, ALTIMETER_SETTING
// Sends:    ALTIMETER_SETTING_DOWN, ALTIMETER_SETTING_UP
// Windows:  none
// Module data: none
#include "../vfr_instruments/airspeed_altimeter.h"

namespace flight_instruments {

extern gauge::GaugeHeader asi;
extern gauge::GaugeHeader altimetro;

namespace {

struct MainAsi {
    static constexpr gauge::GaugeHeader* gauge = &asi;
    static constexpr bool kReadout = false;
};
struct MainAltimetro {
    static constexpr gauge::GaugeHeader* gauge = &altimetro;
    static constexpr bool kReadout = false;
};

}  // namespace

gauge::GaugeHeader asi = dial_instruments::asiHeader<MainAsi>();
gauge::GaugeHeader altimetro = dial_instruments::altimetroHeader<MainAltimetro>();

}  // namespace flight_instruments
