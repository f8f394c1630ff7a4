// RadioAudioZ3V and RadioAudioZ3VVFR: the audio panel of the main and the VFR panel, a pure mirror
// of host state. Every lamp and indicator bar shows a host value by the lamp rule, and the buttons'
// key events, sent by the host itself, toggle those values.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

const FailureRecord lampFailures[] = {
    {.key = 20, .action = 2, .reserved = 0},
    {.key = 21, .action = 2, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// ---------------------------------------------------------------------------------------------
// Both panels draw the same elements over their own face and have mouse lists of their own; each
// piece below is made once for each panel's gauge.

// The marker value 1, 2 or 3 lights O, M or A; 0 lights none.
template <GaugeHeader* panel>
IconElement markerLamps = {
    .common = {.kind = kIcon, .resourceId = 0x11B, .position = {3, 11}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x162}, .switchType = 0, .pictureCount = 3, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement com1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {148, 12}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36A}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement com2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {197, 12}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36B}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement nav1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {315, 10}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36D}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement nav2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {365, 10}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36E}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement dmeBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {416, 10}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36F}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement adfBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {465, 10}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x370}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement markerMuteBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {94, 12}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x371}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
template <GaugeHeader* panel>
IconElement receiveAllBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {315, 53}, .gauge = panel,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36C}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};

template <GaugeHeader* panel>
Element* const children[] = {
    &markerLamps<panel>.common, &com1Bar<panel>.common, &com2Bar<panel>.common,
    &nav1Bar<panel>.common,     &nav2Bar<panel>.common, &dmeBar<panel>.common,
    &adfBar<panel>.common,      &markerMuteBar<panel>.common, &receiveAllBar<panel>.common,
    nullptr,
};
template <GaugeHeader* panel, UINT32 face>
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = face, .position = {0, 0}, .gauge = panel,
               .children = children<panel>, .imageFlags = 0x1},
};
template <GaugeHeader* panel, UINT32 face>
Element* const elements[] = {&background<panel, face>.common, nullptr};

// The outermost parent stays open up to the end of the list. Each panel has a list of its own.
template <GaugeHeader* panel>
const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kParent, .box = {3, 11, 24, 25}, .cursor = cursor::kNone, .tooltipId = 0xAB49},  // A lamp
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {28, 11, 24, 25}, .cursor = cursor::kNone, .tooltipId = 0xAB47},  // O lamp
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {53, 11, 24, 25}, .cursor = cursor::kNone, .tooltipId = 0xAB48},  // M lamp
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {148, 12, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0x324E},  // COM1
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x1039F},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {197, 12, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0x324F},  // COM2
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x103A0},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {315, 10, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "NAV1 SOUND TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10132},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {365, 10, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "NAV2 SOUND TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10133},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {416, 10, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "DME1 SOUND TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10134},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {94, 12, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "MARKER SOUND TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x103AD},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {465, 10, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "ADF SOUND TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x10136},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kParent, .box = {315, 53, 40, 30}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kTooltipText, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .function = {.tooltipText = "COM RECEIVE ALL TOGGLE"}},
    {.kind = kChild, .box = {0, 0, 40, 30}, .cursor = cursor::kHand, .mouseFlags = 0x20000000, .keyEvent = 0x103A1},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioAudio = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3V",
    .elementList = elements<&radioAudio, 0x11A>, GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400,
    .mouseAreas = mouseAreas<&radioAudio>, .gaugeCallback = nullptr,
};

// The VFR panel's face, 0x14E, is the only difference.
GaugeHeader radioAudioVfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3VVFR",
    .elementList = elements<&radioAudioVfr, 0x14E>, GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400,
    .mouseAreas = mouseAreas<&radioAudioVfr>, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
