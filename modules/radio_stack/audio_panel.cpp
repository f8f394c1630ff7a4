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
// RadioAudioZ3V

// The marker value 1, 2 or 3 lights O, M or A; 0 lights none.
IconElement mainMarkerLamps = {
    .common = {.kind = kIcon, .resourceId = 0x11B, .position = {3, 11}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x162}, .switchType = 0, .pictureCount = 3, .updateCallback = FlagLamp,
};
IconElement mainCom1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {148, 12}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36A}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainCom2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {197, 12}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36B}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainNav1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {315, 10}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36D}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainNav2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {365, 10}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36E}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainDmeBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {416, 10}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36F}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainAdfBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {465, 10}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x370}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainMarkerMuteBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {94, 12}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x371}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement mainReceiveAllBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {315, 53}, .gauge = &radioAudio,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36C}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};

Element* const mainChildren[] = {
    &mainMarkerLamps.common, &mainCom1Bar.common, &mainCom2Bar.common,       &mainNav1Bar.common,
    &mainNav2Bar.common,     &mainDmeBar.common,  &mainAdfBar.common,        &mainMarkerMuteBar.common,
    &mainReceiveAllBar.common, nullptr,
};
StaticImageElement mainBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x11A, .position = {0, 0}, .gauge = &radioAudio,
               .children = mainChildren, .imageFlags = 0x1},
};
Element* const mainElements[] = {&mainBackground.common, nullptr};

// The outermost parent stays open up to the end of the list.
const MouseArea mainMouseAreas[] = {
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

// ---------------------------------------------------------------------------------------------
// RadioAudioZ3VVFR: the same panel on the VFR panel's face, with its own mouse areas and tooltip texts.

IconElement vfrMarkerLamps = {
    .common = {.kind = kIcon, .resourceId = 0x11B, .position = {3, 11}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x162}, .switchType = 0, .pictureCount = 3, .updateCallback = FlagLamp,
};
IconElement vfrCom1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {148, 12}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36A}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrCom2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {197, 12}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36B}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrNav1Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {315, 10}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36D}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrNav2Bar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {365, 10}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36E}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrDmeBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {416, 10}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36F}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrAdfBar = {
    .common = {.kind = kIcon, .resourceId = 0x11F, .position = {465, 10}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x370}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrMarkerMuteBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {94, 12}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x371}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};
IconElement vfrReceiveAllBar = {
    .common = {.kind = kIcon, .resourceId = 0x11E, .position = {315, 53}, .gauge = &radioAudioVfr,
               .failures = lampFailures, .imageFlags = 0x7},
    .source = {.token = 0x36C}, .switchType = 0, .pictureCount = 1, .updateCallback = FlagLamp,
};

Element* const vfrChildren[] = {
    &vfrMarkerLamps.common, &vfrCom1Bar.common, &vfrCom2Bar.common,       &vfrNav1Bar.common,
    &vfrNav2Bar.common,     &vfrDmeBar.common,  &vfrAdfBar.common,        &vfrMarkerMuteBar.common,
    &vfrReceiveAllBar.common, nullptr,
};
StaticImageElement vfrBackground = {
    .common = {.kind = kStaticImage, .resourceId = 0x14E, .position = {0, 0}, .gauge = &radioAudioVfr,
               .children = vfrChildren, .imageFlags = 0x1},
};
Element* const vfrElements[] = {&vfrBackground.common, nullptr};

const MouseArea vfrMouseAreas[] = {
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
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3V", .elementList = mainElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mainMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader radioAudioVfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3VVFR", .elementList = vfrElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = vfrMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
