// EngineL and EngineR: two strips of three small dials whose long pointers sweep along straight
// scales near the top edge, their pivots hidden behind the frame strip of an overlay. EngineL shows
// cylinder head temperature, oil temperature and oil pressure; EngineR the left fuel tank, the
// ammeter and the right fuel tank. A click on either strip toggles window 200.
//
// Reads:    CYLINDER_HEAD_TEMPERATURE, OIL_TEMPERATURE, OIL_PRESSURE, LEFT_TANK_FUEL_QUANTITY,
//           AMMETER_CURRENT, RIGHT_TANK_FUEL_QUANTITY (the pointers' own variables)
// Sends:    nothing
// Windows:  200 toggled by both strips
// Module data: none
#include <array>
#include <cstddef>
#include <span>

#include "engine_cabin_gauges.h"
#include "rows.h"
#include "strips_layout.h"

using namespace gauge;

namespace engine_cabin {

namespace {

namespace layout = strips_layout;

constexpr PanelWindowId kEngineWindow = 200;
constexpr FLOAT64 kRankineToFahrenheit = 459.67;
constexpr FLOAT64 kSquareInchesPerSquareFoot = 144;
constexpr FLOAT64 kAmmeterUnitsPerQuotient = 65535;
constexpr SINT32 kPointerRate = 6;  // degrees per update

// A reading above the scale's last value shows that value, below its first value the first one.
FLOAT64 onScale(FLOAT64 reading, std::span<const layout::ScalePoint> scale) {
    if (reading > scale.back().value) return scale.back().value;
    if (reading < scale.front().value) return scale.front().value;
    return reading;
}

FLOAT64 GAUGE_CALL CylinderHeadTemperature(NeedleElement* pointer) {
    return onScale(realValue(pointer->source) - kRankineToFahrenheit, layout::kCylinderHeadScale);
}

FLOAT64 GAUGE_CALL OilTemperature(NeedleElement* pointer) {
    return onScale(realValue(pointer->source) - kRankineToFahrenheit, layout::kOilTemperatureScale);
}

FLOAT64 GAUGE_CALL OilPressure(NeedleElement* pointer) {
    return onScale(realValue(pointer->source) / kSquareInchesPerSquareFoot, layout::kOilPressureScale);
}

// Both tank dials read in their own scale units, E = 0 to F = 46.
FLOAT64 GAUGE_CALL FuelQuantity(NeedleElement* pointer) {
    static_assert(layout::kLeftFuelScale[2].value == layout::kRightFuelScale[2].value);
    return onScale(realValue(pointer->source), layout::kLeftFuelScale);
}

FLOAT64 GAUGE_CALL Ammeter(NeedleElement* pointer) {
    return onScale(realValue(pointer->source) * (1 / kAmmeterUnitsPerQuotient), layout::kAmmeterScale);
}

// A pointer's table: each scale point on the scale row. The host fills in the angles.
template <std::size_t length>
constexpr std::array<NonlinearityEntry, length> tableOf(const layout::ScalePoint (&scale)[length]) {
    std::array<NonlinearityEntry, length> table{};
    for (std::size_t point = 0; point < length; ++point) {
        table[point] = {.x = scale[point].x, .y = layout::kScaleRow, .value = scale[point].value, .angle = 0};
    }
    return table;
}

template <const auto& scale>
constinit std::array<NonlinearityEntry, std::size(scale)> pointerTable = tableOf(scale);

template <const auto& scale>
constexpr NeedleElement pointer(GaugeHeader* gauge, const layout::Dial& dial, HostVariableToken source,
                                UpdateCallback<NeedleElement> callback, const FailureRecord* failures,
                                Element* const* children) {
    return {.common = {.kind = kNeedle, .resourceId = layout::kPointer, .position = {dial.pivotX, layout::kPivotRow},
                       .offset = {layout::kPointerPivotX, layout::kPointerPivotY}, .gauge = gauge,
                       .children = children, .failures = failures, .imageFlags = image_flag::kTransparentErase},
            .source = {.token = source}, .table = pointerTable<scale>.data(),
            .tableLength = static_cast<UINT32>(std::size(scale)), .maxRotationRate = kPointerRate,
            .updateCallback = callback};
}

constexpr StaticImageElement overlay(GaugeHeader* gauge, const FailureRecord* failures) {
    return {.common = {.kind = kStaticImage, .resourceId = layout::kFrameOverlay, .position = {0, 0}, .gauge = gauge,
                       .failures = failures, .imageFlags = image_flag::kBlackTransparent}};
}

constexpr StaticImageElement face(UINT32 picture, GaugeHeader* gauge, Element* const* children,
                                  const FailureRecord* failures) {
    StaticImageElement root = background(picture, gauge, children, image_flag::kErase);
    root.common.failures = failures;
    return root;
}

constinit const MouseArea stripMouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea({0, 0, layout::kStripWidth, layout::kClickHeight}, cursor::kHand, mouse_flag::kClick,
                 ToggleWindowClick<kEngineWindow>),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// EngineL: face, oil temperature, cylinder head temperature, oil pressure, overlay; each element
// the only child of the one before.

constinit const FailureRecord engineLFailures[] = {failure(20, 2), failure(2, 2), kEndOfFailures};

extern StaticImageElement engineLOverlay;
extern NeedleElement oilPressurePointer;
extern NeedleElement cylinderHeadPointer;
extern NeedleElement oilTemperaturePointer;

constinit Element* const oilPressureChildren[] = {&engineLOverlay.common, nullptr};
constinit Element* const cylinderHeadChildren[] = {&oilPressurePointer.common, nullptr};
constinit Element* const oilTemperatureChildren[] = {&cylinderHeadPointer.common, nullptr};
constinit Element* const engineLFaceChildren[] = {&oilTemperaturePointer.common, nullptr};

constinit StaticImageElement engineLOverlay = overlay(&engineL, engineLFailures);
constinit NeedleElement oilPressurePointer = pointer<layout::kOilPressureScale>(
    &engineL, layout::kOilPressure, var::OIL_PRESSURE, OilPressure, engineLFailures, oilPressureChildren);
constinit NeedleElement cylinderHeadPointer = pointer<layout::kCylinderHeadScale>(
    &engineL, layout::kCylinderHead, var::CYLINDER_HEAD_TEMPERATURE, CylinderHeadTemperature, engineLFailures,
    cylinderHeadChildren);
constinit NeedleElement oilTemperaturePointer = pointer<layout::kOilTemperatureScale>(
    &engineL, layout::kOilTemperature, var::OIL_TEMPERATURE, OilTemperature, engineLFailures, oilTemperatureChildren);
constinit StaticImageElement engineLFace = face(layout::kEngineLFace, &engineL, engineLFaceChildren, engineLFailures);
constinit Element* const engineLElements[] = {&engineLFace.common, nullptr};

// ---------------------------------------------------------------------------------------------
// EngineR: face, left fuel, ammeter, right fuel, overlay. The ammeter keeps only the first failure.

constinit const FailureRecord engineRFailures[] = {failure(20, 2), failure(10, 2), kEndOfFailures};
constinit const FailureRecord ammeterFailures[] = {failure(20, 2), kEndOfFailures};

extern StaticImageElement engineROverlay;
extern NeedleElement rightFuelPointer;
extern NeedleElement ammeterPointer;
extern NeedleElement leftFuelPointer;

constinit Element* const rightFuelChildren[] = {&engineROverlay.common, nullptr};
constinit Element* const ammeterChildren[] = {&rightFuelPointer.common, nullptr};
constinit Element* const leftFuelChildren[] = {&ammeterPointer.common, nullptr};
constinit Element* const engineRFaceChildren[] = {&leftFuelPointer.common, nullptr};

constinit StaticImageElement engineROverlay = overlay(&engineR, engineRFailures);
constinit NeedleElement rightFuelPointer = pointer<layout::kRightFuelScale>(
    &engineR, layout::kRightFuel, var::RIGHT_TANK_FUEL_QUANTITY, FuelQuantity, engineRFailures, rightFuelChildren);
constinit NeedleElement ammeterPointer = pointer<layout::kAmmeterScale>(
    &engineR, layout::kAmmeter, var::AMMETER_CURRENT, Ammeter, ammeterFailures, ammeterChildren);
constinit NeedleElement leftFuelPointer = pointer<layout::kLeftFuelScale>(
    &engineR, layout::kLeftFuel, var::LEFT_TANK_FUEL_QUANTITY, FuelQuantity, engineRFailures, leftFuelChildren);
constinit StaticImageElement engineRFace = face(layout::kEngineRFace, &engineR, engineRFaceChildren, engineRFailures);
constinit Element* const engineRElements[] = {&engineRFace.common, nullptr};

}  // namespace

GaugeHeader engineL = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "EngineL", .elementList = engineLElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = stripMouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader engineR = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "EngineR", .elementList = engineRElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 250, .mouseAreas = stripMouseAreas, .gaugeCallback = nullptr,
};

}  // namespace engine_cabin
