// LowVolt and LowVoltVFR: the low-voltage warning lamp of the main and the VFR panel. The lens lights
// while the bus voltage is 23 volts or less. The PRESS TO TEST and DIM legends are painted only:
// the lamp takes no clicks.
//
// Reads:    ELECTRICAL_BUS_VOLTAGE
// Sends:    none
// Windows:  none
// Module data: none
#include "gauges.h"
#include "low_volt_layout.h"
#include "rows.h"

using namespace gauge;

namespace trim_annunciators {

namespace {

namespace layout = low_volt_layout;

constexpr FLOAT64 kHighestLowVoltage = 23.0;

// A voltage that is no number is not above 23 volts either, and lights the lamp.
FLOAT64 GAUGE_CALL LowVoltLamp(IconElement* lens) {
    return realValue(lens->source) > kHighestLowVoltage ? -1 : 0;
}

// ---------------------------------------------------------------------------------------------
// Both lamps are one design over their own housing picture. An element belongs to one gauge and
// carries the host's drawing state, so each gauge has its own lens and housing; they share the
// failure list and the mouse list.

struct LowVoltGauge {
    static constexpr GaugeHeader* gauge = &lowVolt;
    static constexpr UINT32 housing = layout::kMainHousing;
};
struct LowVoltVfrGauge {
    static constexpr GaugeHeader* gauge = &lowVoltVfr;
    static constexpr UINT32 housing = layout::kVfrHousing;
};

constinit const FailureRecord lensFailures[] = {failure(20, 3), failure(21, 3), kEndOfFailures};

template <class Gauge>
constinit IconElement litLens =
    lamp(layout::kLitLens, {0, 0}, Gauge::gauge, var::ELECTRICAL_BUS_VOLTAGE, LowVoltLamp, lensFailures);
template <class Gauge>
constinit Element* const housingChildren[] = {&litLens<Gauge>.common, nullptr};
template <class Gauge>
constinit StaticImageElement housing = background(Gauge::housing, Gauge::gauge, housingChildren<Gauge>);
template <class Gauge>
constinit Element* const lampElements[] = {&housing<Gauge>.common, nullptr};

// A parent with no tooltip and no child: the lamp does not react to clicks.
constinit const MouseArea lampMouseAreas[] = {parentArea(kWholeGauge, 0), endOfParent(), endOfList()};

}  // namespace

GaugeHeader lowVolt = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "LowVolt", .elementList = lampElements<LowVoltGauge>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 20, .mouseAreas = lampMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader lowVoltVfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "LowVoltVFR", .elementList = lampElements<LowVoltVfrGauge>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 20, .mouseAreas = lampMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace trim_annunciators
