// Succion, Garmin and GarminVFR: the vacuum gauge, and the control unit of the panel-mounted GPS for
// the main and the VFR panel. A unit shows whether the GPS drives the navigation indicator (NAV or
// GPS) and the approach state (ARM or ACTV), switches the indicator's source, couples the autopilot
// to the approach with its GPS APR button, and on the main panel opens and closes the GPS display.
// Both units read the host's GPS data record through the one pointer the module keeps.
//
// Reads:    SUCTION_PRESSURE (the needle), GPS_DRIVES_NAV_INDICATOR (the NAV/GPS lamp, and with
//           lookup_var), GPS_APPROACH_LAMP_SOURCE (bound, unused), AUTOPILOT_MASTER_ENGAGED,
//           AUTOPILOT_NAV_MODE_ENGAGED (with lookup_var); the GPS data record's approach fields
// Sends:    AUTOPILOT_NAV_TRK, AUTOPILOT_MASTER_TOGGLE (GPS APR); GPS_DRIVES_NAV_TOGGLE (by the host,
//           from the NAV GPS area)
// Windows:  1012 toggled by Garmin's annunciator row
// Module data: GpsDataRecord, GpsApproachState, GarminVars, GarminVfrVars
#include <cmath>
#include <cstring>

#include "suction_gps_layout.h"
#include "switch_gauges.h"

using namespace gauge;

namespace switch_panel {

namespace {

// ---------------------------------------------------------------------------------------------
// Succion

constexpr FLOAT64 kSuctionLeast = 3;
constexpr FLOAT64 kSuctionMost = 7;

// The needle rests on its stops outside 3 to 7 inHg; a value without meaning rests it on the low stop.
FLOAT64 GAUGE_CALL SuctionClamp(NeedleElement* needle) {
    const FLOAT64 suction = realValue(needle->source);
    if (suction > kSuctionMost) return kSuctionMost;
    if (suction < kSuctionLeast || std::isnan(suction)) return kSuctionLeast;
    return suction;
}

static_assert(layout::kSuctionMarks[0].value == kSuctionLeast &&
              layout::kSuctionMarks[layout::kSuctionMarkCount - 1].value == kSuctionMost);

// The host writes each entry's angle.
constinit auto suctionTable = nonlinearityTable(layout::kSuctionMarks);
constinit const FailureRecord suctionFailures[] = {failure(20, 2), failure(2, 2), kEndOfFailures};

constinit NeedleElement suctionNeedle = {
    .common = {.kind = kNeedle, .resourceId = layout::kSuctionNeedle.id, .position = at(layout::kSuctionNeedle),
               .offset = {layout::kSuctionNeedlePivotX, layout::kSuctionNeedlePivotY}, .gauge = &succion,
               .failures = suctionFailures, .imageFlags = image_flag::kTransparentErase},
    .source = {.token = var::SUCTION_PRESSURE}, .table = suctionTable.data(), .tableLength = suctionTable.size(),
    .maxRotationRate = 6, .updateCallback = SuctionClamp,
};
constinit Element* const suctionChildren[] = {&suctionNeedle.common, nullptr};
constinit StaticImageElement suctionDial = background(layout::kSuctionDial.id, &succion, suctionChildren);
constinit Element* const suctionElements[] = {&suctionDial.common, nullptr};

constinit const MouseArea suctionAreas[] = {
    parentArea(kWholeGauge, 0xAB66),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// The GPS data record, bound at the first pre-draw of either unit at which the host has it.

constexpr char kGpsRecordName[] = "FS2002 GPS DATA";
// The approach fields lie within the first 176 bytes; a shorter record has none of them.
constexpr UINT32 kGpsRecordLeastSize = 0xB0;
constexpr std::size_t kFirstApproachField = 0x40;
constexpr std::size_t kSecondApproachField = 0x44;
constexpr std::size_t kThirdApproachField = 0x48;
static_assert(kThirdApproachField + sizeof(UINT32) <= kGpsRecordLeastSize);

constinit const unsigned char* GpsDataRecord = nullptr;
// The last approach annunciator result of either unit: -1 neither lamp, 0 ARM, 1 ACTV.
constinit SINT8 GpsApproachState = 1;

void GAUGE_CALL GpsBinding(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreDraw || GpsDataRecord != nullptr) return;
    ModuleVariable record{};
    host().initialize_var_by_name(&record, kGpsRecordName);
    GpsDataRecord = static_cast<const unsigned char*>(record.data);
}

UINT32 gpsRecordWord(std::size_t offset) {
    UINT32 word;
    std::memcpy(&word, GpsDataRecord + offset, sizeof word);
    return word;
}

// One field of the record, or 0 while there is no record or it is too short to hold the field.
template <std::size_t offset>
FLOAT64 GpsRecordField() {
    if (GpsDataRecord == nullptr || gpsRecordWord(0) < kGpsRecordLeastSize) return 0;
    return gpsRecordWord(offset);
}

// ---------------------------------------------------------------------------------------------
// Garmin and GarminVFR: each unit refreshes host values of its own.

struct UnitVariables {
    ModuleVariable autopilotMaster;
    ModuleVariable gpsDrivesNav;
    ModuleVariable navMode;
};
constinit UnitVariables GarminVars = {
    .autopilotMaster = {.token = var::AUTOPILOT_MASTER_ENGAGED},
    .gpsDrivesNav = {.token = var::GPS_DRIVES_NAV_INDICATOR},
    .navMode = {.token = var::AUTOPILOT_NAV_MODE_ENGAGED},
};
constinit UnitVariables GarminVfrVars = {
    .autopilotMaster = {.token = var::AUTOPILOT_MASTER_ENGAGED},
    .gpsDrivesNav = {.token = var::GPS_DRIVES_NAV_INDICATOR},
    .navMode = {.token = var::AUTOPILOT_NAV_MODE_ENGAGED},
};

struct GarminUnit {
    static constexpr GaugeHeader* gauge = &garmin;
    static constexpr UINT32 face = layout::kGarminFace.id;
    static constexpr UnitVariables& vars = GarminVars;
    // The main panel's ACTV also needs the autopilot in navigation mode.
    static constexpr bool activeNeedsNavMode = true;
};
struct GarminVfrUnit {
    static constexpr GaugeHeader* gauge = &garminVfr;
    static constexpr UINT32 face = layout::kGarminVfrFace.id;
    static constexpr UnitVariables& vars = GarminVfrVars;
    static constexpr bool activeNeedsNavMode = false;
};

constexpr PanelWindowId kGpsWindow = 1012;

FLOAT64 GAUGE_CALL NavGpsAnnunciator(IconElement* lamp) { return realValue(lamp->source); }

template <class Unit>
FLOAT64 GAUGE_CALL ApproachAnnunciator(IconElement*) {
    UnitVariables& vars = Unit::vars;
    lookup(vars.autopilotMaster);
    lookup(vars.gpsDrivesNav);
    if constexpr (Unit::activeNeedsNavMode) lookup(vars.navMode);
    SINT8 approach = -1;
    if (GpsRecordField<kFirstApproachField>() != 0 || GpsRecordField<kSecondApproachField>() != 0 ||
        GpsRecordField<kThirdApproachField>() != 0) {
        approach = 0;
    }
    const bool coupled = realValue(vars.autopilotMaster) == 1 && realValue(vars.gpsDrivesNav) == 1 &&
                         (!Unit::activeNeedsNavMode || realValue(vars.navMode) == 1);
    if (coupled) approach = 1;
    GpsApproachState = approach;
    return approach;
}

// GPS APR: with the GPS driving the indicator, engages what of the autopilot and its navigation
// mode is still off.
template <class Unit>
BOOL GAUGE_CALL ApproachButton(Point*, UINT32) {
    UnitVariables& vars = Unit::vars;
    lookup(vars.autopilotMaster);
    lookup(vars.navMode);
    lookup(vars.gpsDrivesNav);
    if (GpsApproachState == -1) return kFalse;
    const FLOAT64 master = realValue(vars.autopilotMaster);
    const FLOAT64 navMode = realValue(vars.navMode);
    if (realValue(vars.gpsDrivesNav) != 1) return kFalse;
    if (master == 1) {
        host().trigger_key_event(key::AUTOPILOT_NAV_TRK, 1);
        host().trigger_key_event(key::AUTOPILOT_MASTER_TOGGLE, 1);
    } else if (master == 0 && navMode == 1) {
        host().trigger_key_event(key::AUTOPILOT_MASTER_TOGGLE, 1);
    } else if (navMode == 0) {
        host().trigger_key_event(key::AUTOPILOT_NAV_TRK, 1);
    }
    return kFalse;
}

BOOL GAUGE_CALL GpsWindowClick(Point*, UINT32) {
    host().panel_window_toggle(kGpsWindow);
    return kFalse;
}

// Each unit draws its own pair of lamps; both share one failure list.
constinit const FailureRecord lampFailures[] = {failure(20, 3), failure(21, 3), failure(13, 0), kEndOfFailures};

constexpr IconElement unitLamp(const layout::PictureBox& box, GaugeHeader* gauge, HostVariableToken source,
                               UpdateCallback<IconElement> picture) {
    return {.common = {.kind = kIcon, .resourceId = box.id, .position = at(box), .gauge = gauge,
                       .failures = lampFailures, .imageFlags = image_flag::kTransparentEraseBright},
            .source = {.token = source}, .switchType = 0, .pictureCount = 2, .updateCallback = picture};
}

template <class Unit>
constinit IconElement navGpsLamp =
    unitLamp(layout::kNavGpsLamp, Unit::gauge, var::GPS_DRIVES_NAV_INDICATOR, NavGpsAnnunciator);
template <class Unit>
constinit IconElement approachLamp =
    unitLamp(layout::kApproachLamp, Unit::gauge, var::GPS_APPROACH_LAMP_SOURCE, ApproachAnnunciator<Unit>);
template <class Unit>
constinit Element* const unitChildren[] = {&navGpsLamp<Unit>.common, &approachLamp<Unit>.common, nullptr};
template <class Unit>
constinit StaticImageElement unitFace = background(Unit::face, Unit::gauge, unitChildren<Unit>);
template <class Unit>
constinit Element* const unitElements[] = {&unitFace<Unit>.common, nullptr};

constinit const MouseArea garminAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kApproachButton), cursor::kHand, mouse_flag::kClick, ApproachButton<GarminUnit>),
    parentArea(box(layout::kNavGpsButton), 0xAB4D),
    keyArea({0, 0, 59, 59}, cursor::kHand, mouse_flag::kClick, key::GPS_DRIVES_NAV_TOGGLE),
    endOfParent(),
    functionArea({0, 0, 400, 100}, cursor::kHand, mouse_flag::kClick, GpsWindowClick),
    endOfParent(),
    endOfList(),
};

constinit const MouseArea garminVfrAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kApproachButton), cursor::kHand, mouse_flag::kClick, ApproachButton<GarminVfrUnit>),
    parentArea(box(layout::kNavGpsButton), 0xAB4D),
    keyArea({0, 0, 59, 59}, cursor::kHand, mouse_flag::kClick, key::GPS_DRIVES_NAV_TOGGLE),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

}  // namespace

constinit GaugeHeader succion = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Succion", .elementList = suctionElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 70, .mouseAreas = suctionAreas, .gaugeCallback = nullptr,
};

constinit GaugeHeader garmin = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "Garmin", .elementList = unitElements<GarminUnit>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 100, .mouseAreas = garminAreas, .gaugeCallback = GpsBinding,
};

constinit GaugeHeader garminVfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "GarminVFR", .elementList = unitElements<GarminVfrUnit>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 100, .mouseAreas = garminVfrAreas, .gaugeCallback = GpsBinding,
};

}  // namespace switch_panel
