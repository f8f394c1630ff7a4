// Egt: the exhaust gas temperature, with a yellow reference pointer that the pilot sets with the
// knob under the dial. Every copy of the gauge shows and sets the one reference.
//
// Reads:    EXHAUST_GAS_TEMPERATURE (the temperature pointer)
// Sends:    none
// Windows:  none
// Module data: EgtReference
#include <algorithm>
#include <cmath>

#include "egt_layout.h"
#include "gauges.h"
#include "rows.h"

using namespace gauge;

namespace trim_annunciators {

namespace {

namespace layout = egt_layout;

constexpr FLOAT64 kLowestReference = 0;
constexpr FLOAT64 kHighestReference = 16384;
constexpr int kReferenceStep = 512;
static_assert(layout::kReferenceScale[0].value == kLowestReference);
static_assert(layout::kReferenceScale[1].value == kHighestReference);

// Starts in the middle of its range.
constinit FLOAT64 EgtReference = 8192;

constexpr FLOAT64 kRankineToFahrenheit = 459.67;
constexpr FLOAT64 kColdest = layout::kTemperatureScale[0].value;
constexpr FLOAT64 kHottest = layout::kTemperatureScale[2].value;

// Held to the scale's two stops; a reading that is no number rests at the cold stop.
FLOAT64 GAUGE_CALL TemperaturePointer(NeedleElement* pointer) {
    const FLOAT64 fahrenheit = realValue(pointer->source) - kRankineToFahrenheit;
    if (fahrenheit > kHottest) return kHottest;
    if (fahrenheit < kColdest || std::isnan(fahrenheit)) return kColdest;
    return fahrenheit;
}

FLOAT64 GAUGE_CALL ReferencePointer(NeedleElement*) { return EgtReference; }

template <int step>
BOOL GAUGE_CALL MoveEgtReference(Point*, UINT32) {
    EgtReference = std::clamp(EgtReference + step, kLowestReference, kHighestReference);
    return kFalse;
}

// ---------------------------------------------------------------------------------------------
// A chain: the face, the temperature pointer, the reference pointer, and the cover over both.

constinit StaticImageElement cover = {
    .common = {.kind = kStaticImage, .resourceId = layout::kCover, .position = {0, 0}, .gauge = &egt,
               .imageFlags = image_flag::kTransparentErase},
};
constinit Element* const referenceChildren[] = {&cover.common, nullptr};

// The host writes each entry's angle when it creates the gauge.
constinit auto referenceTable = nonlinearityTable(layout::kReferenceScale);
constinit NeedleElement referencePointer = {
    .common = {.kind = kNeedle, .resourceId = layout::kReferencePointer.picture.id,
               .position = at(layout::kPointerCentre), .offset = at(layout::kReferencePointer.pivot), .gauge = &egt,
               .children = referenceChildren, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = 0}, .table = referenceTable.data(), .tableLength = referenceTable.size(), .maxRotationRate = 6,
    .updateCallback = ReferencePointer,
};
constinit Element* const temperatureChildren[] = {&referencePointer.common, nullptr};

constinit const FailureRecord temperatureFailures[] = {failure(20, 2), failure(2, 2), kEndOfFailures};
constinit auto temperatureTable = nonlinearityTable(layout::kTemperatureScale);
constinit NeedleElement temperaturePointer = {
    .common = {.kind = kNeedle, .resourceId = layout::kTemperaturePointer.picture.id,
               .position = at(layout::kPointerCentre), .offset = at(layout::kTemperaturePointer.pivot), .gauge = &egt,
               .children = temperatureChildren, .failures = temperatureFailures,
               .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::EXHAUST_GAS_TEMPERATURE}, .table = temperatureTable.data(),
    .tableLength = temperatureTable.size(), .maxRotationRate = 6, .updateCallback = TemperaturePointer,
};
constinit Element* const faceChildren[] = {&temperaturePointer.common, nullptr};
constinit StaticImageElement face = background(layout::kFace, &egt, faceChildren);
constinit Element* const egtElements[] = {&face.common, nullptr};

// The knob's left half lowers the reference, its right half raises it, again each cycle while held.
constinit const MouseArea egtMouseAreas[] = {
    parentArea(kWholeGauge, 0xAB1D),
    parentArea(box(layout::kKnobArea), 0xAB1D),
    functionArea(box(layout::kLowerHalf), cursor::kDownArrow, mouse_flag::kClickRepeat, MoveEgtReference<-kReferenceStep>),
    functionArea(box(layout::kRaiseHalf), cursor::kUpArrow, mouse_flag::kClickRepeat, MoveEgtReference<kReferenceStep>),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader egt = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Egt", .elementList = egtElements, GAUGE_FORWARDING_ROUTINES,
    .defaultWidthMm = 60, .mouseAreas = egtMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace trim_annunciators
