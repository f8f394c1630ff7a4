// VeskarZ3VVFR's airspeed indicator and altimeter: the main panel's instruments with a green
// readout each, shown or hidden by a click on the lower half of the dial.
//
// Reads:    INDICATED_AIRSPEED, INDICATED_ALTITUDE, ALTIMETER_SETTING
// Sends:    ALTIMETER_SETTING_DOWN, ALTIMETER_SETTING_UP
// Windows:  none
// Module data: AsiReadoutOn, AltimetroReadoutOn
#include "airspeed_altimeter.h"

namespace vfr_instruments {

extern gauge::GaugeHeader asi;
extern gauge::GaugeHeader altimetro;

namespace {

// 1 while the readout is shown; shared by every copy of the gauge.
constinit gauge::SINT8 AsiReadoutOn = 0;
constinit gauge::SINT8 AltimetroReadoutOn = 0;

struct VfrAsi {
    static constexpr gauge::GaugeHeader* gauge = &asi;
    static constexpr bool kReadout = true;
    static constexpr gauge::SINT8& readoutOn = AsiReadoutOn;
};
struct VfrAltimetro {
    static constexpr gauge::GaugeHeader* gauge = &altimetro;
    static constexpr bool kReadout = true;
    static constexpr gauge::SINT8& readoutOn = AltimetroReadoutOn;
};

}  // namespace

gauge::GaugeHeader asi = dial_instruments::asiHeader<VfrAsi>();
gauge::GaugeHeader altimetro = dial_instruments::altimetroHeader<VfrAltimetro>();

}  // namespace vfr_instruments
