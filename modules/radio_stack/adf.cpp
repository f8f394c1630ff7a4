// RadioAdfZ3V: the King KR 87 ADF. The USE window shows the host's ADF frequency to the tenth of a
// kilohertz, the tuning areas send the host its digit-group events, the OFF/VOL knob switches the
// display, and the left end of the unit toggles panel window 50. The STBY/TIMER window stays dark.
//
// Reads:    ADF_FREQUENCY, ADF_FREQUENCY_EXTENSION (the USE window, and with lookup_var when the
//           gauge is created), ADF_WINDOW_SPARE_SOURCE (bound, never read)
// Sends:    bound to areas: ADF_HUNDREDS_UP/DOWN, ADF_TENS_UP/DOWN, ADF_UNITS_UP/DOWN,
//           ADF_TENTHS_UP/DOWN
// Windows:  50 toggled by the left end of the unit
// Module data: adfPower, adfFrequencyVar, adfExtensionVar
#include "adf_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = adf_layout;

constinit SINT8 adfPower = 1;
// The ADF frequency as it was when the ADF gauge was created.
constinit ModuleVariable adfFrequencyVar = {.token = var::ADF_FREQUENCY};
constinit ModuleVariable adfExtensionVar = {.token = var::ADF_FREQUENCY_EXTENSION};

constexpr PanelWindowId kRadioWindow = 50;

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

constinit const FailureRecord windowFailures[] = {failure(20, 3), failure(21, 3), failure(5, 0), kEndOfFailures};

// Thousands and hundreds, tens, units and tenths; character 4 is the point.
constinit const HighlightRange useWindowHighlights[] = {
    highlight(0x13, 0, 1), highlight(0x14, 2, 2), highlight(0x15, 3, 3), highlight(0x1D, 5, 5), kEndOfHighlights,
};

constinit IconElement powerKnob = icon(layout::kPowerKnob.id, 2, at(layout::kPowerKnob), &radioAdf, 0,
                                       StatePicture<adfPower>, image_flag::kBlackTransparent);
// The spare source rides along as the third and is never read.
constinit StringElement useWindow =
    readout(box(layout::kUseWindow), &radioAdf,
            {var::ADF_FREQUENCY, var::ADF_FREQUENCY_EXTENSION, var::ADF_WINDOW_SPARE_SOURCE}, 6, FrequencyText,
            windowFailures, useWindowHighlights);
constinit StringElement standbyWindow =
    readout(box(layout::kStandbyWindow), &radioAdf, {}, 6, StandbyWindow, windowFailures);

constinit Element* const children[] = {&powerKnob.common, &useWindow.common, &standbyWindow.common, nullptr};
constinit StaticImageElement face = background(layout::kFace, &radioAdf, children);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea({438, 90, 15, 30}, cursor::kDownArrow, mouse_flag::kClick, PowerOffClick<adfPower>),
    functionArea({454, 90, 15, 30}, cursor::kUpArrow, mouse_flag::kClick, PowerOnClick<adfPower>),
    // Tuning: the upper row raises, the lower row lowers hundreds, tens, units and tenths.
    parentArea({115, 70, 150, 70}, 0xA709),
    keyArea({0, 0, 30, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::ADF_HUNDREDS_UP),
    keyArea({0, 30, 30, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::ADF_HUNDREDS_DOWN),
    keyArea({50, 0, 30, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::ADF_TENS_UP),
    keyArea({50, 30, 30, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::ADF_TENS_DOWN),
    keyArea({80, 0, 30, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::ADF_UNITS_UP),
    keyArea({80, 30, 30, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::ADF_UNITS_DOWN),
    keyArea({110, 0, 30, 29}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::ADF_TENTHS_UP),
    keyArea({110, 30, 30, 29}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::ADF_TENTHS_DOWN),
    endOfParent(),
    functionArea({0, 0, 110, 140}, cursor::kHand, mouse_flag::kClick, RadioWindowClick),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioAdf = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAdfZ3V", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = AdfCallback,
};

}  // namespace radio_stack
