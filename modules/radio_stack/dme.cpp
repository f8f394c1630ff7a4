// RadioDME: the Bendix/King DME indicator. It shows the ground speed and distance of the receiver
// that its NAV 1 / NAV 2 switch selects, with dashes when there is nothing to show.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

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

const FailureRecord textFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 13, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

extern StringElement distanceText;
extern StringElement speedText;

Element* const sourceSwitchChildren[] = {&distanceText.common, nullptr};
Element* const distanceTextChildren[] = {&speedText.common, nullptr};

IconElement powerSwitch = {
    .common = {.kind = kIcon, .resourceId = 0x13C, .position = {365, 77}, .gauge = &radioDme, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<dmePower>,
};
IconElement sourceSwitch = {
    .common = {.kind = kIcon, .resourceId = 0x13A, .position = {376, 33}, .gauge = &radioDme,
               .children = sourceSwitchChildren, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<dmeNavSource>,
};
// Token 0x163 rides along as the third source of both texts and is never read.
StringElement distanceText = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {150, 25}, .gauge = &radioDme,
               .children = distanceTextChildren, .failures = textFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x1F}, {.token = 0x23}, {.token = 0x163}}, .boxWidth = 144, .boxHeight = 35,
    RADIO_TEXT_STYLE, .maxCharacters = 8, .highlights = nullptr, .updateCallback = DistanceText,
};
StringElement speedText = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {20, 25}, .gauge = &radioDme,
               .failures = textFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x20}, {.token = 0x24}, {.token = 0x163}}, .boxWidth = 126, .boxHeight = 35,
    RADIO_TEXT_STYLE, .maxCharacters = 7, .highlights = nullptr, .updateCallback = SpeedText,
};

Element* const children[] = {&powerSwitch.common, &sourceSwitch.common, nullptr};
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = 0x138, .position = {0, 0}, .gauge = &radioDme,
               .children = children, .imageFlags = 0x1},
};
Element* const elements[] = {&background.common, nullptr};

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0xA704},
    {.kind = kChild, .box = {367, 77, 29, 30}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOffClick<dmePower>}},
    {.kind = kChild, .box = {397, 77, 29, 30}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOnClick<dmePower>}},
    {.kind = kParent, .box = {376, 33, 60, 30}, .cursor = cursor::kNone, .tooltipId = 0xA708},
    {.kind = kChild, .box = {0, 0, 59, 29}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = SourceSwitchClick}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioDme = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioDME", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 200, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
