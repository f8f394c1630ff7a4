// FuelFlow: the circular fuel-flow computer. The lower readout shows the fuel flow; the upper one
// either the totaliser (fuel remaining, or used since the reference) or the page the selector knob
// chooses: NM/GAL., GAL. TO DESTINATION, GAL. RESERVE or ENDURANCE HRS:MIN. The destination pages
// take the distance from the host's GPS data record. Every copy of the gauge shares one mode, page
// and reference.
//
// Reads:    FUEL_FLOW, TOTAL_FUEL_QUANTITY, FUEL_COMPUTER_SPARE_SOURCE, AIRCRAFT_SPEED (the readouts' own
//           variables); FUEL_FLOW and TOTAL_FUEL_QUANTITY (with lookup_var); "FS2002 GPS DATA" (bound
//           at the first PreDraw that yields a record)
// Sends:    nothing
// Windows:  1040 toggled by the band across FUEL FLOW
// Module data: ReadoutMode, ComputerPage, TotaliserReadout, FuelAtReset, GpsRecord, FuelQuantityVar,
//              FuelFlowVar
#include <cmath>
#include <cstring>
#include <optional>

#include "engine_cabin_gauges.h"
#include "fuel_flow_layout.h"
#include "rows.h"

using namespace gauge;

namespace engine_cabin {

namespace {

namespace layout = fuel_flow_layout;

constexpr SINT8 kComputerDisplay = -1;
constexpr SINT8 kTotaliserDisplay = 1;
constexpr SINT8 kNmPerGallonPage = 0;
constexpr SINT8 kGallonsToDestinationPage = 1;
constexpr SINT8 kGallonsReservePage = 2;
constexpr SINT8 kEndurancePage = 3;
constexpr SINT8 kFuelRemaining = 0;
constexpr SINT8 kFuelUsed = 1;
constexpr FLOAT64 kNoReference = -1.0;

// -1: the upper readout shows the computer page; 1: the totaliser.
constinit SINT8 ReadoutMode = kComputerDisplay;
constinit SINT8 ComputerPage = kNmPerGallonPage;
constinit SINT8 TotaliserReadout = kFuelRemaining;
// The fuel quantity at the last reset; exactly -1.0 until the first PreInitialize captures it.
constinit FLOAT64 FuelAtReset = kNoReference;
// The host's GPS data record, once a PreDraw has bound it.
constinit const unsigned char* GpsRecord = nullptr;
constinit ModuleVariable FuelQuantityVar = {.token = var::TOTAL_FUEL_QUANTITY};
constinit ModuleVariable FuelFlowVar = {.token = var::FUEL_FLOW};

constexpr PanelWindowId kFuelWindow = 1040;
constexpr const char* kGpsRecordName = "FS2002 GPS DATA";
// A record shorter than this does not reach the fields read here.
constexpr UINT32 kGpsRecordMinimumSize = 176;
constexpr std::size_t kGpsSizeOffset = 0;
constexpr std::size_t kGpsDestinationOffset = 68;
constexpr std::size_t kGpsDistanceOffset = 128;
constexpr FLOAT64 kNauticalMilesPerMetre = 0.000539957;
constexpr FLOAT64 kSecondsPerHour = 3600;
constexpr FLOAT64 kMetresPerKilometre = 1000;
constexpr FLOAT64 kKilometresPerNauticalMile = 1.852;
// Two decimals of minutes per hour.
constexpr FLOAT64 kMinutesPerHourDecimal = 0.6;
// The pages show values above 0 and below this; five characters hold them.
constexpr FLOAT64 kFirstUnshownPageValue = 99.99;

template <class Field>
Field gpsField(std::size_t offset) {
    Field value;
    std::memcpy(&value, GpsRecord + offset, sizeof value);
    return value;
}

bool GpsDestinationActive() {
    return GpsRecord != nullptr && gpsField<UINT32>(kGpsSizeOffset) >= kGpsRecordMinimumSize &&
           gpsField<UINT32>(kGpsDestinationOffset) != 0;
}

FLOAT64 GpsDistanceNm() {
    return GpsDestinationActive() ? gpsField<FLOAT64>(kGpsDistanceOffset) * kNauticalMilesPerMetre : 0;
}

// The value of the selected page, or none. Readings that are not finite give none, and so does a
// zero speed on the destination pages, whose distance is divided by the miles per gallon.
std::optional<FLOAT64> pageValue(FLOAT64 quantity, FLOAT64 knots, FLOAT64 flow) {
    if (!std::isfinite(quantity) || !std::isfinite(knots) || !std::isfinite(flow)) return std::nullopt;
    switch (ComputerPage) {
        case kNmPerGallonPage:
            if (flow == 0) return std::nullopt;
            return knots / flow;
        case kGallonsToDestinationPage:
        case kGallonsReservePage: {
            if (!GpsDestinationActive() || flow <= 0) return std::nullopt;
            const FLOAT64 distance = GpsDistanceNm();
            const FLOAT64 milesPerGallon = knots / flow;
            if (!std::isfinite(distance) || milesPerGallon == 0) return std::nullopt;
            const FLOAT64 gallonsNeeded = distance / milesPerGallon;
            if (ComputerPage == kGallonsToDestinationPage) return gallonsNeeded;
            if (quantity - gallonsNeeded < 0) return std::nullopt;
            return quantity - gallonsNeeded;
        }
        default: {
            if (flow == 0) return std::nullopt;
            const FLOAT64 hours = quantity / flow;
            const SINT32 wholeHours = truncateToInt32(hours);
            return wholeHours + (hours - wholeHours) * kMinutesPerHourDecimal;
        }
    }
}

FLOAT64 GAUGE_CALL KnobPicture(IconElement*) { return ComputerPage; }

FLOAT64 GAUGE_CALL FuelFlowText(StringElement* text) {
    const FLOAT64 flow = realValue(text->sources[0]);
    writeText(text, "%4.1f", flow);
    return flow;
}

FLOAT64 GAUGE_CALL UpperText(StringElement* text) {
    const FLOAT64 quantity = realValue(text->sources[0]);
    const FLOAT64 knots = realValue(text->sources[2]) * kSecondsPerHour / kMetresPerKilometre / kKilometresPerNauticalMile;
    lookup(FuelFlowVar);
    const FLOAT64 flow = realValue(FuelFlowVar);
    if (ReadoutMode != kComputerDisplay) {
        writeText(text, "%5.2f", TotaliserReadout == kFuelRemaining ? quantity : FuelAtReset - quantity);
        return quantity;
    }
    const std::optional<FLOAT64> value = pageValue(quantity, knots, flow);
    if (value && std::isfinite(*value) && *value > 0 && *value < kFirstUnshownPageValue) {
        writeText(text, "%5.2f", *value);
    } else {
        writeText(text, "--.--");
    }
    return quantity;
}

BOOL GAUGE_CALL RemainingClick(Point*, UINT32) {
    ReadoutMode = kTotaliserDisplay;
    TotaliserReadout = kFuelRemaining;
    return kFalse;
}

BOOL GAUGE_CALL UsedClick(Point*, UINT32) {
    ReadoutMode = kTotaliserDisplay;
    TotaliserReadout = kFuelUsed;
    return kFalse;
}

// The reference is the whole number of gallons, truncated toward zero.
BOOL GAUGE_CALL EnterClick(Point*, UINT32) {
    lookup(FuelQuantityVar);
    FuelAtReset = truncateToInt32(realValue(FuelQuantityVar));
    return kFalse;
}

// Either half of the knob brings the computer page back, even at the end of its travel.
BOOL GAUGE_CALL PageDownClick(Point*, UINT32) {
    ReadoutMode = kComputerDisplay;
    if (ComputerPage > kNmPerGallonPage) --ComputerPage;
    return kFalse;
}

BOOL GAUGE_CALL PageUpClick(Point*, UINT32) {
    ReadoutMode = kComputerDisplay;
    if (ComputerPage < kEndurancePage) ++ComputerPage;
    return kFalse;
}

// The reference is captured once a load; the GPS record is bound at the first PreDraw that has one.
void GAUGE_CALL FuelFlowCallback(GaugeHeader*, ServiceCode code, UINT32) {
    if (code == service_code::kPreInitialize && FuelAtReset == kNoReference) {
        lookup(FuelQuantityVar);
        FuelAtReset = realValue(FuelQuantityVar);
    }
    if (code == service_code::kPreDraw && GpsRecord == nullptr) {
        ModuleVariable binding = {.token = 0};
        host().initialize_var_by_name(&binding, kGpsRecordName);
        GpsRecord = static_cast<const unsigned char*>(binding.data);
    }
}

constinit const FailureRecord readoutFailures[] = {failure(20, 3), failure(21, 3), kEndOfFailures};

constexpr StringElement readout(const layout::Area& place, HostVariableToken first, HostVariableToken second,
                                HostVariableToken third, SINT32 maxCharacters, UpdateCallback<StringElement> callback) {
    return {.common = {.kind = kString, .resourceId = kNoResource, .position = {place.x, place.y}, .gauge = &fuelFlow,
                       .failures = readoutFailures, .imageFlags = image_flag::kTransparentEraseBright},
            .sources = {{.token = first}, {.token = second}, {.token = third}}, .boxWidth = place.width,
            .boxHeight = place.height, .textColour = 0x0060D0, .backgroundColour = 0x000000,
            .highlightColour = 0xFFFFFF, .fontName = "Quartz", .fontWeight = 400, .characterSet = 1,
            .textFormatFlags = 0x25, .maxCharacters = maxCharacters, .highlights = nullptr,
            .updateCallback = callback};
}

constinit IconElement selectorKnob = {
    .common = {.kind = kIcon, .resourceId = layout::kFirstKnob, .position = {layout::kKnob.x, layout::kKnob.y},
               .gauge = &fuelFlow, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = 0}, .switchType = 0, .pictureCount = layout::kKnobPositions, .updateCallback = KnobPicture,
};
constinit StringElement fuelFlowReadout = readout(layout::kFuelFlowReadout, var::FUEL_FLOW, 0, 0, 4, FuelFlowText);
// The second variable rides along unread.
constinit StringElement upperReadout = readout(layout::kUpperReadout, var::TOTAL_FUEL_QUANTITY,
                                               var::FUEL_COMPUTER_SPARE_SOURCE, var::AIRCRAFT_SPEED, 5, UpperText);

constinit Element* const faceChildren[] = {&selectorKnob.common, &fuelFlowReadout.common, &upperReadout.common,
                                           nullptr};
constinit StaticImageElement face = background(layout::kFace, &fuelFlow, faceChildren);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kRemainingButton), cursor::kHand, mouse_flag::kClick, RemainingClick),
    functionArea(box(layout::kUsedButton), cursor::kHand, mouse_flag::kClick, UsedClick),
    functionArea(box(layout::kEnterButton), cursor::kHand, mouse_flag::kClick, EnterClick),
    functionArea(box(layout::kKnobLeftArea), cursor::kDownArrow, mouse_flag::kClick, PageDownClick),
    functionArea(box(layout::kKnobRightArea), cursor::kUpArrow, mouse_flag::kClick, PageUpClick),
    functionArea(box(layout::kWindowBand), cursor::kHand, mouse_flag::kClick, ToggleWindowClick<kFuelWindow>),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader fuelFlow = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "FuelFlow", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 100, .mouseAreas = mouseAreas, .gaugeCallback = FuelFlowCallback,
};

}  // namespace engine_cabin
