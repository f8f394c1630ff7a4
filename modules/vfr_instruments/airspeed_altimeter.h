// Asi and Altimetro, the airspeed indicator and the three-pointer altimeter with its setting card,
// as both VeskarZ3VVFR and VeskarZ3VM build them: one source, made for each module's gauges by a
// traits struct per gauge. A VFR gauge adds a green readout and the click area on the lower half of
// the dial that shows or hides it; a main-panel gauge has neither.
//
//   struct VfrAsi {
//       static constexpr gauge::GaugeHeader* gauge = &asi;
//       static constexpr bool kReadout = true;
//       static constexpr gauge::SINT8& readoutOn = AsiReadoutOn;  // only with a readout
//   };
//
// A module includes this once, in the file that defines its two gauge headers with asiHeader and
// altimetroHeader.
//
// Reads:    INDICATED_AIRSPEED (the needle, the readout), INDICATED_ALTITUDE (the pointers),
//           ALTIMETER_SETTING (the card, the readout)
// Sends:    ALTIMETER_SETTING_DOWN, ALTIMETER_SETTING_UP (the setting knob's halves)
// Windows:  none
// Module data: the readout switches AsiReadoutOn and AltimetroReadoutOn of a build with readouts
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

#include "dial_layout.h"
#include "module.h"
#include "readouts.h"
#include "rows.h"

namespace dial_instruments {
namespace {

using namespace gauge;

// The pointers turn once over the table: its two points stand one pixel apart on either side of
// twelve o'clock above the pivot, and the dial prints its digits by that.
static_assert(layout::kAltitudePoints[0].x == layout::kPointerPivot.x + 1 &&
              layout::kAltitudePoints[1].x == layout::kPointerPivot.x &&
              layout::kAltitudePoints[0].y == layout::kAltitudePoints[1].y &&
              layout::kAltitudePoints[0].y < layout::kPointerPivot.y);
// The card prints 28.1 at three o'clock, where the window stands.
static_assert(layout::kSettingWindowAt.x > layout::kSettingCardCentre.x &&
              layout::kSettingWindowAt.y < layout::kSettingCardCentre.y &&
              layout::kSettingWindowAt.y + layout::kSettingWindow.height > layout::kSettingCardCentre.y);

// ---------------------------------------------------------------------------------------------
// Callbacks

FLOAT64 GAUGE_CALL AirspeedClamp(NeedleElement* needle) {
    return std::clamp(realValue(needle->source), 0.0, layout::kAirspeedHighest);
}

// Each pointer turns once over 0 … 999 of its own value.
FLOAT64 GAUGE_CALL HundredsPointer(NeedleElement* pointer) {
    return truncateToInt32(realValue(pointer->source)) % 1000;
}

FLOAT64 GAUGE_CALL ThousandsPointer(NeedleElement* pointer) {
    return truncateToInt32(realValue(pointer->source)) % 10000 / 10;
}

FLOAT64 GAUGE_CALL TenThousandsPointer(NeedleElement* pointer) {
    return truncateToInt32(realValue(pointer->source)) / 100;
}

// The angle the card turns counterclockwise by, which brings the setting's label into the window.
FLOAT64 GAUGE_CALL SettingCard(SpriteElement* card) {
    const FLOAT64 setting = std::min(std::max(realValue(card->rotationSource), layout::kLowestSetting),
                                     layout::kHighestSetting);
    return (setting - layout::kLowestSetting) * layout::kCardDegreesPerInch;
}

template <const SINT8& readoutOn>
FLOAT64 GAUGE_CALL SettingReadout(StringElement* text) {
    const FLOAT64 setting = realValue(text->sources[0]);
    if (readoutOn == 1) {
        writeText(text, "%5.2f", setting);
    } else {
        writeText(text, "%s", vfr_instruments::kBlankText);
    }
    return setting;
}

// ---------------------------------------------------------------------------------------------
// Mouse lists are joined from rows and from the rows only one build has.

template <std::size_t count>
constexpr const std::array<MouseArea, count>& rowsOf(const std::array<MouseArea, count>& rows) {
    return rows;
}
constexpr std::array<MouseArea, 1> rowsOf(const MouseArea& row) { return {row}; }

template <std::size_t... counts>
constexpr auto joined(const std::array<MouseArea, counts>&... parts) {
    std::array<MouseArea, (counts + ... + 0)> list{};
    std::size_t next = 0;
    ((std::copy(parts.begin(), parts.end(), list.begin() + next), next += counts), ...);
    return list;
}

template <class... Rows>
constexpr auto mouseList(const Rows&... rows) {
    return joined(rowsOf(rows)...);
}

// The click on the dial that shows or hides the gauge's readout; no row where there is no readout.
template <class Gauge>
constexpr auto readoutToggle(layout::Area area) {
    if constexpr (Gauge::kReadout) {
        return std::array{functionArea(box(area), cursor::kHand, mouse_flag::kClick, vfr_instruments::ToggleReadout<Gauge::readoutOn>)};
    } else {
        return std::array<MouseArea, 0>{};
    }
}

// ---------------------------------------------------------------------------------------------
// Asi: the dial, the needle and, where the build has one, the readout as the needle's child.

constinit const FailureRecord airspeedFailures[] = {failure(6, 1), failure(3, 1), kEndOfFailures};
constinit auto airspeedTable = nonlinearityTable(layout::kAirspeedPoints);

template <class Gauge>
constinit StringElement airspeedReadout =
    vfr_instruments::readout(box(layout::kAirspeedReadout), Gauge::gauge, var::INDICATED_AIRSPEED, 3,
                             vfr_instruments::WholeNumberReadout<Gauge::readoutOn>);
template <class Gauge>
constinit Element* const airspeedReadoutList[] = {&airspeedReadout<Gauge>.common, nullptr};

template <class Gauge>
constexpr Element* const* airspeedNeedleChildren() {
    if constexpr (Gauge::kReadout) {
        return airspeedReadoutList<Gauge>;
    } else {
        return nullptr;
    }
}

template <class Gauge>
constinit NeedleElement airspeedNeedle = {
    .common = {.kind = kNeedle, .resourceId = layout::kAirspeedNeedle.id, .position = at(layout::kAirspeedPivot),
               .offset = at(layout::kAirspeedNeedleHub), .gauge = Gauge::gauge,
               .children = airspeedNeedleChildren<Gauge>(), .failures = airspeedFailures,
               .imageFlags = image_flag::kTransparentEraseSmooth},
    .source = {.token = var::INDICATED_AIRSPEED}, .table = airspeedTable.data(), .tableLength = airspeedTable.size(),
    .maxRotationRate = 6, .updateCallback = AirspeedClamp,
};
template <class Gauge>
constinit Element* const airspeedDialChildren[] = {&airspeedNeedle<Gauge>.common, nullptr};
template <class Gauge>
constinit StaticImageElement airspeedDial = background(layout::kAirspeedDial.id, Gauge::gauge, airspeedDialChildren<Gauge>);
template <class Gauge>
constinit Element* const asiElements[] = {&airspeedDial<Gauge>.common, nullptr};

template <class Gauge>
constinit const auto asiMouseAreas = mouseList(
    parentArea(kWholeGauge, 0xAB02),
    readoutToggle<Gauge>(layout::kAirspeedReadoutToggle),
    endOfParent(),
    endOfList());

// ---------------------------------------------------------------------------------------------
// Altimetro: the face, the setting card behind its window, the three pointers from the shortest to
// the longest and, where the build has one, the setting readout as the long pointer's child.

constinit const FailureRecord altimeterFailures[] = {failure(7, 1), failure(3, 1), kEndOfFailures};
// The three pointers share it: each turns once over 0 … 999.
constinit auto altitudeTable = nonlinearityTable(layout::kAltitudePoints);

template <class Gauge>
constinit StringElement settingReadout =
    vfr_instruments::readout(box(layout::kSettingReadout), Gauge::gauge, var::ALTIMETER_SETTING, 5,
                             SettingReadout<Gauge::readoutOn>);
template <class Gauge>
constinit Element* const settingReadoutList[] = {&settingReadout<Gauge>.common, nullptr};

template <class Gauge>
constexpr Element* const* hundredsPointerChildren() {
    if constexpr (Gauge::kReadout) {
        return settingReadoutList<Gauge>;
    } else {
        return nullptr;
    }
}

template <class Gauge>
constexpr NeedleElement altitudePointer(const layout::Picture& picture, layout::Spot hub, Element* const* children,
                                        UpdateCallback<NeedleElement> callback) {
    return {.common = {.kind = kNeedle, .resourceId = picture.id, .position = at(layout::kPointerPivot),
                       .offset = at(hub), .gauge = Gauge::gauge, .children = children, .failures = altimeterFailures,
                       .imageFlags = image_flag::kTransparentErase},
            .source = {.token = var::INDICATED_ALTITUDE}, .table = altitudeTable.data(),
            .tableLength = altitudeTable.size(), .maxRotationRate = 0, .updateCallback = callback};
}

template <class Gauge>
constinit NeedleElement hundredsPointer = altitudePointer<Gauge>(layout::kHundredsPointer, layout::kHundredsHub,
                                                                 hundredsPointerChildren<Gauge>(), HundredsPointer);
template <class Gauge>
constinit Element* const thousandsPointerChildren[] = {&hundredsPointer<Gauge>.common, nullptr};
template <class Gauge>
constinit NeedleElement thousandsPointer = altitudePointer<Gauge>(layout::kThousandsPointer, layout::kThousandsHub,
                                                                  thousandsPointerChildren<Gauge>, ThousandsPointer);
template <class Gauge>
constinit Element* const tenThousandsPointerChildren[] = {&thousandsPointer<Gauge>.common, nullptr};
template <class Gauge>
constinit NeedleElement tenThousandsPointer = altitudePointer<Gauge>(
    layout::kTenThousandsPointer, layout::kTenThousandsHub, tenThousandsPointerChildren<Gauge>, TenThousandsPointer);
template <class Gauge>
constinit Element* const settingCardChildren[] = {&tenThousandsPointer<Gauge>.common, nullptr};
template <class Gauge>
constinit SpriteElement settingCard = {
    .common = {.kind = kSprite, .resourceId = layout::kSettingCard.id, .position = at(layout::kSettingWindowAt),
               .offset = at(layout::kSettingCardCentre), .gauge = Gauge::gauge, .children = settingCardChildren<Gauge>,
               .failures = altimeterFailures, .imageFlags = image_flag::kTransparentSmooth},
    .xSource = {.token = 0}, .xScale = 0, .ySource = {.token = 0}, .yScale = 0,
    .rotationSource = {.token = var::ALTIMETER_SETTING}, .rotationScale = 1.0,
    .textureScaleX = layout::kSettingCardScale, .textureScaleY = layout::kSettingCardScale,
    .xUpdateCallback = nullptr, .yUpdateCallback = nullptr, .rotationUpdateCallback = SettingCard,
};
template <class Gauge>
constinit Element* const altimeterFaceChildren[] = {&settingCard<Gauge>.common, nullptr};
template <class Gauge>
constinit StaticImageElement altimeterFace = background(layout::kAltimeterFace.id, Gauge::gauge, altimeterFaceChildren<Gauge>);
template <class Gauge>
constinit Element* const altimetroElements[] = {&altimeterFace<Gauge>.common, nullptr};

// The knob's halves are relative to the knob's parent.
template <class Gauge>
constinit const auto altimetroMouseAreas = mouseList(
    parentArea(kWholeGauge, 0xAB07),
    readoutToggle<Gauge>(layout::kAltimeterReadoutToggle),
    parentArea(box(layout::kSettingKnob), 0xAB08),
    keyArea({0, 0, 32, 64}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::ALTIMETER_SETTING_DOWN),
    keyArea({32, 0, 32, 64}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::ALTIMETER_SETTING_UP),
    endOfParent(),
    endOfParent(),
    endOfList());

// The two gauge headers a module defines from its traits.
template <class Gauge>
constexpr GaugeHeader asiHeader() {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = "Asi", .elementList = asiElements<Gauge>,
            GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 115, .mouseAreas = asiMouseAreas<Gauge>.data(),
            .gaugeCallback = nullptr};
}

template <class Gauge>
constexpr GaugeHeader altimetroHeader() {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = "Altimetro", .elementList = altimetroElements<Gauge>,
            GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 115, .mouseAreas = altimetroMouseAreas<Gauge>.data(),
            .gaugeCallback = nullptr};
}

}  // namespace
}  // namespace dial_instruments
