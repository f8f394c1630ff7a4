// RadioAdfZ3V: the King KR 87 ADF. The USE window shows the host's ADF frequency to the tenth of a
// kilohertz, the tuning areas send the host its digit-group events, the OFF/VOL knob switches the
// display, and the left end of the unit toggles panel window 50. The STBY/TIMER window stays dark.
#include "radio_gauges.h"
#include "radio_state.h"

namespace radio_stack {

namespace {

constexpr PanelWindowId kRadioWindow = 0x32;

// Thousands and tenths come from the extension, hundreds, tens and units from the frequency; the
// thousands digit is always written.
FLOAT64 GAUGE_CALL FrequencyText(StringElement* window) {
    const UINT32 frequency = bcdBits(window->sources[0]);
    const UINT32 extension = bcdBits(window->sources[1]);
    if (adfPower == 1) {
        writeText(window, "%d%d%d%d.%d", bcdDigit(extension, 2), bcdDigit(frequency, 2), bcdDigit(frequency, 1),
                  bcdDigit(frequency, 0), bcdDigit(extension, 0));
    } else {
        writeBlank(window);
    }
    return frequency;
}

// Writes no text, so the window shows only its black background.
FLOAT64 GAUGE_CALL StandbyWindow(StringElement*) { return bcdBits(adfFrequencyVar); }

BOOL GAUGE_CALL RadioWindowClick(Point*, UINT32) {
    host().panel_window_toggle(kRadioWindow);
    return kFalse;
}

// Keeps the frequency of the moment the gauge is created.
void GAUGE_CALL AdfCallback(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreInstall) return;
    lookup(adfFrequencyVar);
    lookup(adfExtensionVar);
}

const FailureRecord windowFailures[] = {
    {.key = 20, .action = 3, .reserved = 0},
    {.key = 21, .action = 3, .reserved = 0},
    {.key = 5, .action = 0, .reserved = 0},
    {.key = 0, .action = 0, .reserved = 0},
};

// Thousands and hundreds, tens, units and tenths; character 4 is the point.
const HighlightRange useWindowHighlights[] = {
    {.selectionId = 0x13, .firstCharacter = 0, .lastCharacter = 1},
    {.selectionId = 0x14, .firstCharacter = 2, .lastCharacter = 2},
    {.selectionId = 0x15, .firstCharacter = 3, .lastCharacter = 3},
    {.selectionId = 0x1D, .firstCharacter = 5, .lastCharacter = 5},
    {.selectionId = 0, .firstCharacter = 0, .lastCharacter = 0},
};

IconElement powerKnob = {
    .common = {.kind = kIcon, .resourceId = 0x14C, .position = {438, 90}, .gauge = &radioAdf, .imageFlags = 0x1},
    .source = {.token = 0}, .switchType = 0, .pictureCount = 2, .updateCallback = StatePicture<adfPower>,
};
// Token 0x11 rides along as the third source and is never read.
StringElement useWindow = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {120, 25}, .gauge = &radioAdf,
               .failures = windowFailures, .imageFlags = 0x7},
    .sources = {{.token = 0x10}, {.token = 0x12}, {.token = 0x11}}, .boxWidth = 120, .boxHeight = 40,
    RADIO_TEXT_STYLE, .maxCharacters = 6, .highlights = useWindowHighlights, .updateCallback = FrequencyText,
};
StringElement standbyWindow = {
    .common = {.kind = kString, .resourceId = kNoResource, .position = {300, 25}, .gauge = &radioAdf,
               .failures = windowFailures, .imageFlags = 0x7},
    .sources = {{.token = 0}, {.token = 0}, {.token = 0}}, .boxWidth = 120, .boxHeight = 40,
    RADIO_TEXT_STYLE, .maxCharacters = 6, .highlights = nullptr, .updateCallback = StandbyWindow,
};

Element* const children[] = {&powerKnob.common, &useWindow.common, &standbyWindow.common, nullptr};
StaticImageElement background = {
    .common = {.kind = kStaticImage, .resourceId = 0x14A, .position = {0, 0}, .gauge = &radioAdf,
               .children = children, .imageFlags = 0x1},
};
Element* const elements[] = {&background.common, nullptr};

const MouseArea mouseAreas[] = {
    {.kind = kParent, .box = {0, 0, 0, 0}, .cursor = cursor::kNone, .tooltipId = 0},
    {.kind = kChild, .box = {438, 90, 15, 30}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOffClick<adfPower>}},
    {.kind = kChild, .box = {454, 90, 15, 30}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20000000,
     .function = {.callback = PowerOnClick<adfPower>}},
    // Tuning: the upper row raises, the lower row lowers hundreds, tens, units and tenths.
    {.kind = kParent, .box = {115, 70, 150, 70}, .cursor = cursor::kNone, .tooltipId = 0xA709},
    {.kind = kChild, .box = {0, 0, 30, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10070},
    {.kind = kChild, .box = {0, 30, 30, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10082},
    {.kind = kChild, .box = {50, 0, 30, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10071},
    {.kind = kChild, .box = {50, 30, 30, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10083},
    {.kind = kChild, .box = {80, 0, 30, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10072},
    {.kind = kChild, .box = {80, 30, 30, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10084},
    {.kind = kChild, .box = {110, 0, 30, 29}, .cursor = cursor::kUpArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10396},
    {.kind = kChild, .box = {110, 30, 30, 29}, .cursor = cursor::kDownArrow, .mouseFlags = 0x20200000, .keyEvent = 0x10395},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kChild, .box = {0, 0, 110, 140}, .cursor = cursor::kHand, .mouseFlags = 0x20000000,
     .function = {.callback = RadioWindowClick}},
    {.kind = kEndOfParent, .cursor = cursor::kNone},
    {.kind = kEndOfList, .cursor = cursor::kNone},
};

}  // namespace

GaugeHeader radioAdf = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAdfZ3V", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = AdfCallback,
};

}  // namespace radio_stack
