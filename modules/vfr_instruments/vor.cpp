// VeskarZ3VVFR: the VFR panel's flight instruments. Vor1 shows the first nav receiver: the course
// card turned by the OBS knob, the course and glideslope bars, the TO/FROM/NAV and GS flags and a
// course readout shown or hidden by a click on the dial's centre. AutoClose, which shows nothing,
// closes the VFR panel while the host reports one of two states. Asi and Altimetro: vfr_dials.cpp.
//
// Reads:    NAV1_SELECTED_COURSE (the card, the readout), NAV1_COURSE_DEVIATION,
//           NAV1_GLIDESLOPE_DEVIATION, NAV1_TO_FROM_FLAG_SOURCE and NAV1_GLIDESLOPE_FLAG_SOURCE (the
//           icons' sources, unused); with lookup_var: NAV1_TO_FROM_STATE, NAV1_GLIDESLOPE_RECEIVED,
//           GPS_DRIVES_NAV_INDICATOR (the flags), AUTO_CLOSE_WATCHED_STATE (AutoClose)
// Sends:    VOR1_COURSE_DOWN, VOR1_COURSE_UP (the OBS knob's halves)
// Windows:  25 closed by AutoClose
// Module data: Vor1ReadoutOn, ToFromStateVar, GlideslopeReceivedVar, GpsDrivesNavVar, WatchedStateVar
#include <algorithm>

#include "module.h"
#include "readouts.h"
#include "rows.h"
#include "vor_layout.h"

using namespace gauge;

namespace vfr_instruments {

extern GaugeHeader asi;
extern GaugeHeader altimetro;
extern GaugeHeader vor1;
extern GaugeHeader autoClose;

namespace {

constinit SINT8 Vor1ReadoutOn = 0;
constinit ModuleVariable ToFromStateVar = {.token = var::NAV1_TO_FROM_STATE};
constinit ModuleVariable GlideslopeReceivedVar = {.token = var::NAV1_GLIDESLOPE_RECEIVED};
// While the GPS drives the indicator, the receiver's indications are flagged.
constinit ModuleVariable GpsDrivesNavVar = {.token = var::GPS_DRIVES_NAV_INDICATOR};
constinit ModuleVariable WatchedStateVar = {.token = var::AUTO_CLOSE_WATCHED_STATE};

constexpr PanelWindowId kVfrPanel = 25;
// The host states in which the VFR panel must stay closed.
constexpr FLOAT64 kClosingStates[] = {345218.0, 345474.0};

// TO/FROM icon pictures, and the GS icon's.
constexpr FLOAT64 kToPicture = 0, kFromPicture = 1, kNavFlagPicture = 2;
constexpr FLOAT64 kNoGlideslopeFlag = 0, kGlideslopeFlag = 1;
constexpr SINT32 kTo = 1, kFrom = 2;

FLOAT64 GAUGE_CALL DeviationClamp(NeedleElement* bar) { return std::clamp(realValue(bar->source), -1.0, 1.0); }

FLOAT64 GAUGE_CALL ToFrom(IconElement*) {
    lookup(ToFromStateVar);
    lookup(GpsDrivesNavVar);
    if (realValue(GpsDrivesNavVar) != 0.0) return kNavFlagPicture;
    switch (integerValue(ToFromStateVar)) {
        case kTo: return kToPicture;
        case kFrom: return kFromPicture;
        default: return kNavFlagPicture;
    }
}

FLOAT64 GAUGE_CALL GlideslopeFlag(IconElement*) {
    lookup(GlideslopeReceivedVar);
    lookup(GpsDrivesNavVar);
    if (realValue(GpsDrivesNavVar) != 0.0) return kGlideslopeFlag;
    return realValue(GlideslopeReceivedVar) != 0.0 ? kNoGlideslopeFlag : kGlideslopeFlag;
}

// Closes the VFR panel at every update for as long as the host reports a closing state.
void GAUGE_CALL WindowClose(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreUpdate) return;
    lookup(WatchedStateVar);
    const FLOAT64 state = realValue(WatchedStateVar);
    if (std::find(std::begin(kClosingStates), std::end(kClosingStates), state) != std::end(kClosingStates)) {
        host().panel_window_close_ident(kVfrPanel);
    }
}

// ---------------------------------------------------------------------------------------------
// Vor1: the face, the course card seen through the face's ring, the flags, the bars, the readout.

constinit const FailureRecord navFailures[] = {failure(20, 2), failure(21, 2), failure(14, 2), kEndOfFailures};
constinit auto courseBarTable = nonlinearityTable(layout::kCourseBarPoints);
constinit auto glideslopeBarTable = nonlinearityTable(layout::kGlideslopeBarPoints);

constinit StringElement courseReadout = readout(box(layout::kCourseReadout), &vor1, var::NAV1_SELECTED_COURSE, 3,
                                                WholeNumberReadout<Vor1ReadoutOn>);
constinit Element* const glideslopeBarChildren[] = {&courseReadout.common, nullptr};
// The bars' pivots lie outside their picture: each bar begins a few pixels beyond its pivot.
constinit NeedleElement glideslopeBar = {
    .common = {.kind = kNeedle, .resourceId = layout::kDeviationBar.id, .position = at(layout::kGlideslopeBarPivot),
               .offset = at(layout::kGlideslopeBarHub), .gauge = &vor1, .children = glideslopeBarChildren,
               .failures = navFailures, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::NAV1_GLIDESLOPE_DEVIATION}, .table = glideslopeBarTable.data(),
    .tableLength = glideslopeBarTable.size(), .maxRotationRate = 6, .updateCallback = DeviationClamp,
};
constinit Element* const courseBarChildren[] = {&glideslopeBar.common, nullptr};
constinit NeedleElement courseBar = {
    .common = {.kind = kNeedle, .resourceId = layout::kDeviationBar.id, .position = at(layout::kCourseBarPivot),
               .offset = at(layout::kCourseBarHub), .gauge = &vor1, .children = courseBarChildren,
               .failures = navFailures, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::NAV1_COURSE_DEVIATION}, .table = courseBarTable.data(),
    .tableLength = courseBarTable.size(), .maxRotationRate = 6, .updateCallback = DeviationClamp,
};
constinit Element* const glideslopeFlagChildren[] = {&courseBar.common, nullptr};
constinit IconElement glideslopeFlag = {
    .common = {.kind = kIcon, .resourceId = layout::kGlideslopeFlag.id, .position = at(layout::kGlideslopeFlagAt),
               .gauge = &vor1, .children = glideslopeFlagChildren, .failures = navFailures,
               .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::NAV1_GLIDESLOPE_FLAG_SOURCE}, .switchType = 0, .pictureCount = 2,
    .updateCallback = GlideslopeFlag,
};
constinit Element* const toFromChildren[] = {&glideslopeFlag.common, nullptr};
constinit IconElement toFrom = {
    .common = {.kind = kIcon, .resourceId = layout::kToFrom.id, .position = at(layout::kToFromAt), .gauge = &vor1,
               .children = toFromChildren, .failures = navFailures, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::NAV1_TO_FROM_FLAG_SOURCE}, .switchType = 0, .pictureCount = 3, .updateCallback = ToFrom,
};
constinit Element* const courseCardChildren[] = {&toFrom.common, nullptr};
// No callback: the card turns counterclockwise by the selected course, which stands at the top.
constinit SpriteElement courseCard = {
    .common = {.kind = kSprite, .resourceId = layout::kCourseCard.id, .position = {0, 0},
               .offset = at(layout::kVorCentre), .gauge = &vor1, .children = courseCardChildren,
               .imageFlags = image_flag::kTransparentEraseSmooth},
    .xSource = {.token = 0}, .xScale = 0, .ySource = {.token = 0}, .yScale = 0,
    .rotationSource = {.token = var::NAV1_SELECTED_COURSE}, .rotationScale = 1.0,
    .textureScaleX = layout::kCourseCardScale, .textureScaleY = layout::kCourseCardScale,
    .xUpdateCallback = nullptr, .yUpdateCallback = nullptr, .rotationUpdateCallback = nullptr,
};
constinit Element* const vorFaceChildren[] = {&courseCard.common, nullptr};
constinit StaticImageElement vorFace = background(layout::kVorFace.id, &vor1, vorFaceChildren);
constinit Element* const vor1Elements[] = {&vorFace.common, nullptr};

// The knob's halves are relative to the knob's parent.
constinit const MouseArea vor1MouseAreas[] = {
    parentArea(kWholeGauge, 0xAB72),
    parentArea(box(layout::kCourseKnob), 0xAB73),
    keyArea({0, 0, 32, 64}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::VOR1_COURSE_DOWN),
    keyArea({32, 0, 32, 64}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::VOR1_COURSE_UP),
    endOfParent(),
    functionArea(box(layout::kCourseReadoutToggle), cursor::kHand, mouse_flag::kClick, ToggleReadout<Vor1ReadoutOn>),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// AutoClose: a pure black plate and the gauge callback.

constinit StaticImageElement autoClosePlate = background(layout::kAutoClosePlate.id, &autoClose, nullptr);
constinit Element* const autoCloseElements[] = {&autoClosePlate.common, nullptr};

}  // namespace

GaugeHeader vor1 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Vor1", .elementList = vor1Elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 100, .mouseAreas = vor1MouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader autoClose = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "AutoClose", .elementList = autoCloseElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 70, .mouseAreas = nullptr, .gaugeCallback = WindowClose,
};

}  // namespace vfr_instruments

gauge::ModuleLinkage Linkage = {
    GAUGE_LINKAGE_FIELDS,
    .gauges = {&vfr_instruments::asi, &vfr_instruments::altimetro, &vfr_instruments::vor1,
               &vfr_instruments::autoClose, nullptr},
};
