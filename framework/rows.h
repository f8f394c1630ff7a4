// Builders for the rows that recur in every gauge's data, so that one element or mouse area reads
// as one line of its table: the background and its element list, lamps, failure records and every
// kind of mouse area. Everything here is constexpr; the gauges' data stays statically initialised.
#pragma once

#include <array>
#include <cstddef>

#include "gauge.h"
#include "key_events.h"
#include "layout.h"
#include "variables.h"

namespace gauge {

// ---------------------------------------------------------------------------------------------
// Places from a unit's layout header, as the records take them

namespace layout {
constexpr Point at(const Spot& spot) { return {spot.x, spot.y}; }
constexpr Point at(const PictureBox& picture) { return {picture.x, picture.y}; }
constexpr Box box(const Area& area) { return {area.x, area.y, area.width, area.height}; }
}  // namespace layout

// ---------------------------------------------------------------------------------------------
// Elements

// The root of every gauge: its background picture at (0, 0) carrying the children.
constexpr StaticImageElement background(UINT32 resourceId, GaugeHeader* gauge, Element* const* children,
                                        UINT32 imageFlags = image_flag::kBlackTransparent) {
    return {.common = {.kind = kStaticImage, .resourceId = resourceId, .position = {0, 0}, .gauge = gauge,
                       .children = children, .imageFlags = imageFlags}};
}

// A one-picture icon lit by its callback: the picture at `position`, or nothing.
constexpr IconElement lamp(UINT32 resourceId, Point position, GaugeHeader* gauge, HostVariableToken source,
                           UpdateCallback<IconElement> callback, const FailureRecord* failures = nullptr,
                           UINT32 imageFlags = image_flag::kTransparentEraseBright) {
    return {.common = {.kind = kIcon, .resourceId = resourceId, .position = position, .gauge = gauge,
                       .failures = failures, .imageFlags = imageFlags},
            .source = {.token = source}, .switchType = 0, .pictureCount = 1, .updateCallback = callback};
}

// One record of a failure list; kEndOfFailures closes the list.
constexpr FailureRecord failure(UINT32 key, UINT32 action) { return {.key = key, .action = action, .reserved = 0}; }
inline constexpr FailureRecord kEndOfFailures{.key = 0, .action = 0, .reserved = 0};

// A needle's table from the calibration points that a layout header shares with the dial's art;
// the host fills in the angles.
template <std::size_t count>
constexpr std::array<NonlinearityEntry, count> nonlinearityTable(const layout::CalibrationPoint (&points)[count]) {
    std::array<NonlinearityEntry, count> table{};
    for (std::size_t i = 0; i < count; ++i) {
        table[i] = {.x = points[i].x, .y = points[i].y, .value = points[i].value, .angle = 0};
    }
    return table;
}

// One selection's characters drawn in the highlight colour; kEndOfHighlights closes the list.
constexpr HighlightRange highlight(UINT32 selectionId, UINT32 firstCharacter, UINT32 lastCharacter) {
    return {.selectionId = selectionId, .firstCharacter = firstCharacter, .lastCharacter = lastCharacter};
}
inline constexpr HighlightRange kEndOfHighlights{.selectionId = 0, .firstCharacter = 0, .lastCharacter = 0};

// ---------------------------------------------------------------------------------------------
// Mouse areas

// The outermost parent's box: the whole gauge, so its children's boxes are background coordinates.
inline constexpr Box kWholeGauge{0, 0, 0, 0};

constexpr MouseArea parentArea(Box box, TooltipId tooltipId = 0) {
    return {.kind = kParent, .box = box, .cursor = cursor::kNone, .tooltipId = tooltipId};
}

// A child whose event the host sends by itself.
constexpr MouseArea keyArea(Box box, SINT32 cursorShape, UINT32 mouseFlags, KeyEventId keyEvent) {
    return {.kind = kChild, .box = box, .cursor = cursorShape, .mouseFlags = mouseFlags, .keyEvent = keyEvent};
}

// A child that calls the module's function.
constexpr MouseArea functionArea(Box box, SINT32 cursorShape, UINT32 mouseFlags, MouseCallback callback) {
    return {.kind = kChild, .box = box, .cursor = cursorShape, .mouseFlags = mouseFlags,
            .function = {.callback = callback}};
}

// The tooltip text of the parent it stands first in.
constexpr MouseArea tooltipText(const char* text) {
    return {.kind = kTooltipText, .box = kWholeGauge, .cursor = cursor::kNone, .function = {.tooltipText = text}};
}

constexpr MouseArea endOfParent() { return {.kind = kEndOfParent, .cursor = cursor::kNone}; }
constexpr MouseArea endOfList() { return {.kind = kEndOfList, .cursor = cursor::kNone}; }

// ---------------------------------------------------------------------------------------------
// Icons of several pictures and text readouts

// An icon whose callback, or else its host value, picks one of `pictureCount` pictures.
constexpr IconElement icon(UINT32 resourceId, SINT32 pictureCount, Point position, GaugeHeader* gauge,
                           HostVariableToken source, UpdateCallback<IconElement> callback, UINT32 imageFlags,
                           const FailureRecord* failures = nullptr) {
    return {.common = {.kind = kIcon, .resourceId = resourceId, .position = position, .gauge = gauge,
                       .failures = failures, .imageFlags = imageFlags},
            .source = {.token = source}, .switchType = 0, .pictureCount = pictureCount, .updateCallback = callback};
}

// The host variables a readout's callback reads; 0 where a slot drives nothing.
struct ReadoutSources {
    HostVariableToken first{}, second{}, third{};
};

// The one style of the set's readouts: orange "Quartz" on black with a white highlight, centred on
// one line.
inline constexpr Colour kReadoutOrange = 0x0060D0;
inline constexpr Colour kReadoutBlack = 0x000000;
inline constexpr Colour kReadoutHighlight = 0xFFFFFF;
inline constexpr SINT32 kReadoutFontWeight = 400;
inline constexpr SINT32 kReadoutCharacterSet = 1;
inline constexpr UINT32 kReadoutCentredOneLine = 0x25;

// A text readout in `box` (its place and size on the background) written by its callback.
constexpr StringElement readout(Box box, GaugeHeader* gauge, ReadoutSources sources, SINT32 maxCharacters,
                                UpdateCallback<StringElement> callback, const FailureRecord* failures = nullptr,
                                const HighlightRange* highlights = nullptr,
                                UINT32 imageFlags = image_flag::kTransparentEraseBright) {
    return {.common = {.kind = kString, .resourceId = kNoResource, .position = {box.x, box.y}, .gauge = gauge,
                       .failures = failures, .imageFlags = imageFlags},
            .sources = {{.token = sources.first}, {.token = sources.second}, {.token = sources.third}},
            .boxWidth = box.width, .boxHeight = box.height, .textColour = kReadoutOrange,
            .backgroundColour = kReadoutBlack, .highlightColour = kReadoutHighlight, .fontName = "Quartz",
            .fontWeight = kReadoutFontWeight, .characterSet = kReadoutCharacterSet,
            .textFormatFlags = kReadoutCentredOneLine, .maxCharacters = maxCharacters, .highlights = highlights,
            .updateCallback = callback};
}

// An element made by one of the builders above, carrying its children (a NULL-ended list).
template <class ElementType>
constexpr ElementType withChildren(ElementType element, Element* const* children) {
    element.common.children = children;
    return element;
}

}  // namespace gauge
