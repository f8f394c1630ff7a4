// RadioDME: the Bendix/King DME indicator. It shows the ground speed and distance of the receiver
// that its NAV 1 / NAV 2 switch selects, with dashes when there is nothing to show.
//
// Reads:    DME_NAV1_GROUND_SPEED, DME_NAV2_GROUND_SPEED, DME_NAV1_DISTANCE, DME_NAV2_DISTANCE,
//           DME_WINDOW_SPARE_SOURCE (bound, never read)
// Sends:    nothing
// Windows:  none
// Module data: dmePower, dmeNavSource
#include "dme_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = dme_layout;

constinit SINT8 dmePower = 1;
constinit SINT8 dmeNavSource = 0;  // 0 NAV1, 1 NAV2

// The speed readout shows 1 to 649 knots, the distance readout three places of whole miles.
constexpr UINT32 kFirstUnshownSpeed = 650;
constexpr FLOAT64 kFirstUnshownDistance = 1000.0;

FLOAT64 GAUGE_CALL SpeedText(StringElement* text) {
    const UINT32 nav1Speed = truncateToLow16(realValue(text->sources[0]));
    const UINT32 nav2Speed = truncateToLow16(realValue(text->sources[1]));
    if (dmePower == 0) {
        writeBlank(text);
    } else {
        const UINT32 speed = dmeNavSource == 0 ? nav1Speed : nav2Speed;
        if (speed > 0 && speed < kFirstUnshownSpeed) {
            writeText(text, "%4d KT", static_cast<int>(speed));
        } else {
            writeText(text, "---- KT");
        }
    }
    return nav1Speed;
}

// Cut, not rounded, to tenths. The host's value for no reception, -1.0, shows the dashes, and so
// does every other distance that the readout cannot show (negative, NaN, 1000 miles or more)
// rather than a garbled number.
FLOAT64 GAUGE_CALL DistanceText(StringElement* text) {
    const FLOAT64 nav1Distance = realValue(text->sources[0]);
    const FLOAT64 nav2Distance = realValue(text->sources[1]);
    if (dmePower == 0) {
        writeBlank(text);
    } else {
        const FLOAT64 distance = dmeNavSource == 0 ? nav1Distance : nav2Distance;
        if (!(distance >= 0.0 && distance < kFirstUnshownDistance)) {
            writeText(text, "---.- NM");
        } else {
            const SINT32 wholeMiles = truncateToInt32(distance);
            const SINT32 tenths = truncateToInt32((distance - wholeMiles) * 10);
            writeText(text, "%3d.%1d NM", wholeMiles, tenths);
        }
    }
    return nav1Distance;
}

BOOL GAUGE_CALL SourceSwitchClick(Point*, UINT32) {
    dmeNavSource = static_cast<SINT8>(1 - dmeNavSource);
    return kFalse;
}

constinit const FailureRecord textFailures[] = {failure(20, 3), failure(21, 3), failure(13, 0), kEndOfFailures};

// The source switch carries the distance readout, which carries the speed readout; the spare
// source rides along as the third of both and is never read.
constinit StringElement speedText =
    readout(box(layout::kSpeedText), &radioDme,
            {var::DME_NAV1_GROUND_SPEED, var::DME_NAV2_GROUND_SPEED, var::DME_WINDOW_SPARE_SOURCE}, 7, SpeedText,
            textFailures);
constinit Element* const distanceTextChildren[] = {&speedText.common, nullptr};
constinit StringElement distanceText = withChildren(
    readout(box(layout::kDistanceText), &radioDme,
            {var::DME_NAV1_DISTANCE, var::DME_NAV2_DISTANCE, var::DME_WINDOW_SPARE_SOURCE}, 8, DistanceText,
            textFailures),
    distanceTextChildren);
constinit Element* const sourceSwitchChildren[] = {&distanceText.common, nullptr};

constinit IconElement powerSwitch = icon(layout::kPowerSwitch.id, 2, at(layout::kPowerSwitch), &radioDme, 0,
                                         StatePicture<dmePower>, image_flag::kBlackTransparent);
constinit IconElement sourceSwitch =
    withChildren(icon(layout::kSourceSwitch.id, 2, at(layout::kSourceSwitch), &radioDme, 0,
                      StatePicture<dmeNavSource>, image_flag::kBlackTransparent),
                 sourceSwitchChildren);

constinit Element* const children[] = {&powerSwitch.common, &sourceSwitch.common, nullptr};
constinit StaticImageElement face = background(layout::kFace, &radioDme, children);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge, 0xA704),
    functionArea({367, 77, 29, 30}, cursor::kDownArrow, mouse_flag::kClick, PowerOffClick<dmePower>),
    functionArea({397, 77, 29, 30}, cursor::kUpArrow, mouse_flag::kClick, PowerOnClick<dmePower>),
    parentArea({376, 33, 60, 30}, 0xA708),
    functionArea({0, 0, 59, 29}, cursor::kHand, mouse_flag::kClick, SourceSwitchClick),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioDme = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioDME", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
