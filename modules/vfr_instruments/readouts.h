// The green digital readouts of the VFR panel's instruments: their one style, the switch that a
// click on the dial flips, and the readout texts. A switched-off readout formats the blank text.
#pragma once

#include "module.h"
#include "rows.h"

namespace vfr_instruments {

inline constexpr char kBlankText[] = "";

// A readout of the VFR panel: green "Quartz" on grey, centred on one line, driven by one host value.
constexpr gauge::StringElement readout(gauge::Box box, gauge::GaugeHeader* owner, gauge::HostVariableToken source,
                                       gauge::SINT32 maxCharacters,
                                       gauge::UpdateCallback<gauge::StringElement> callback) {
    using namespace gauge;
    return {.common = {.kind = kString, .resourceId = kNoResource, .position = {box.x, box.y}, .gauge = owner,
                       .imageFlags = image_flag::kTransparentEraseBright},
            .sources = {{.token = source}, {.token = 0}, {.token = 0}},
            .boxWidth = box.width, .boxHeight = box.height,
            .textColour = 0x00FF00, .backgroundColour = 0x646464, .highlightColour = 0x5C5C5C,
            .fontName = "Quartz", .fontWeight = 400, .characterSet = 1, .textFormatFlags = 0x25,
            .maxCharacters = maxCharacters, .highlights = nullptr, .updateCallback = callback};
}

// The click on a dial that shows or hides its readout.
template <gauge::SINT8& readoutOn>
gauge::BOOL GAUGE_CALL ToggleReadout(gauge::Point*, gauge::UINT32) {
    readoutOn = static_cast<gauge::SINT8>(1 - readoutOn);
    return gauge::kFalse;
}

// A whole-number readout ("%3d" of the value truncated toward zero); the value goes back unchanged.
template <const gauge::SINT8& readoutOn>
gauge::FLOAT64 GAUGE_CALL WholeNumberReadout(gauge::StringElement* text) {
    const gauge::FLOAT64 value = gauge::realValue(text->sources[0]);
    if (readoutOn == 1) {
        gauge::writeText(text, "%3d", gauge::truncateToInt32(value));
    } else {
        gauge::writeText(text, "%s", kBlankText);
    }
    return value;
}

}  // namespace vfr_instruments
