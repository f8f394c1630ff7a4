// The switch row of VeskarZ3V4. Nine rockers and push buttons show a host switch and send its toggle
// event, one gauge made from each row of the table below; the split master rocker does the same for
// each of its halves; SWpanel0 and SWpanel1 are push buttons that keep a state of their own.
// The host-bound switches run no code: the host draws the picture the switch's value selects and
// sends the area's event itself, and the picture follows once the simulation has changed the value.
//
// Reads:    LANDING_LIGHT_SWITCH, NAVIGATION_LIGHTS_SWITCH, STROBE_LIGHT_SWITCH, PITOT_HEAT_SWITCH,
//           BEACON_LIGHT_SWITCH, AVIONICS_MASTER_SWITCH, TAXI_LIGHT_SWITCH, PANEL_LIGHT_SWITCH,
//           FUEL_PUMP_SWITCH, MASTER_SWITCH_LEFT_HALF, MASTER_SWITCH_RIGHT_HALF (bound into the icons)
// Sends:    LANDING_LIGHT_TOGGLE, NAV_LIGHTS_TOGGLE, STROBE_LIGHTS_TOGGLE, PITOT_HEAT_TOGGLE,
//           BEACON_TOGGLE, AVIONICS_MASTER_TOGGLE, TAXI_LIGHT_TOGGLE, PANEL_LIGHTS_TOGGLE,
//           FUEL_PUMP_TOGGLE, MASTER_SWITCH_LEFT_HALF_TOGGLE, MASTER_SWITCH_RIGHT_HALF_TOGGLE
//           (all by the host, from key-bound areas)
// Windows:  none
// Module data: SWpanel0On, SWpanel1On
#include "switch_gauges.h"
#include "switches_layout.h"

using namespace gauge;

namespace switch_panel {

namespace {

// A switch's icon over its whole gauge: picture 0 off, picture 1 on. Without a callback the host
// shows the picture that the source's value selects.
constexpr IconElement switchIcon(const layout::PictureBox& box, GaugeHeader* gauge, HostVariableToken source,
                                 UpdateCallback<IconElement> picture) {
    return {.common = {.kind = kIcon, .resourceId = box.id, .position = at(box), .gauge = gauge,
                       .imageFlags = image_flag::kTransparentErase},
            .source = {.token = source}, .switchType = 0, .pictureCount = 2, .updateCallback = picture};
}

// ---------------------------------------------------------------------------------------------
// The host-bound switches: one row each.

struct HostSwitch {
    const char* name;
    UINT32 widthMm;
    layout::PictureBox plate;
    layout::PictureBox icon;
    HostVariableToken source;
    TooltipId tooltip;
    Box clickBox;
    KeyEventId toggle;
};

// The six white rockers share one set of pictures.
constexpr HostSwitch whiteRocker(const char* name, HostVariableToken source, TooltipId tooltip, KeyEventId toggle) {
    return {.name = name, .widthMm = 30, .plate = layout::kRockerPlate, .icon = layout::kRocker, .source = source,
            .tooltip = tooltip, .clickBox = {0, 0, 57, 101}, .toggle = toggle};
}

struct SwLand {
    static constexpr GaugeHeader* gauge = &swLand;
    static constexpr HostSwitch row =
        whiteRocker("SWland", var::LANDING_LIGHT_SWITCH, 0xAB3E, key::LANDING_LIGHT_TOGGLE);
};
struct SwNav {
    static constexpr GaugeHeader* gauge = &swNav;
    static constexpr HostSwitch row = whiteRocker("SWnav", var::NAVIGATION_LIGHTS_SWITCH, 0xAB3F, key::NAV_LIGHTS_TOGGLE);
};
struct SwStrobe {
    static constexpr GaugeHeader* gauge = &swStrobe;
    static constexpr HostSwitch row =
        whiteRocker("SWstrobe", var::STROBE_LIGHT_SWITCH, 0xAB42, key::STROBE_LIGHTS_TOGGLE);
};
struct SwPitotHeat {
    static constexpr GaugeHeader* gauge = &swPitotHeat;
    static constexpr HostSwitch row =
        whiteRocker("SWpitotheat", var::PITOT_HEAT_SWITCH, 0xAB57, key::PITOT_HEAT_TOGGLE);
};
struct SwBeacon {
    static constexpr GaugeHeader* gauge = &swBeacon;
    static constexpr HostSwitch row = whiteRocker("SWbeacon", var::BEACON_LIGHT_SWITCH, 0xAB3D, key::BEACON_TOGGLE);
};
struct SwAvionics {
    static constexpr GaugeHeader* gauge = &swAvionics;
    static constexpr HostSwitch row = {
        .name = "SWavionics", .widthMm = 20, .plate = layout::kAvionicsPlate, .icon = layout::kAvionicsRocker,
        .source = var::AVIONICS_MASTER_SWITCH, .tooltip = 0xAB0F, .clickBox = {0, 0, 51, 101},
        .toggle = key::AVIONICS_MASTER_TOGGLE};
};
struct SwTaxi {
    static constexpr GaugeHeader* gauge = &swTaxi;
    static constexpr HostSwitch row = whiteRocker("SWtaxi", var::TAXI_LIGHT_SWITCH, 0xAB43, key::TAXI_LIGHT_TOGGLE);
};
struct SwPanelLight {
    static constexpr GaugeHeader* gauge = &swPanelLight;
    static constexpr HostSwitch row = {
        .name = "SWpanellight", .widthMm = 70, .plate = layout::kPushButtonPlate, .icon = layout::kPushButton,
        .source = var::PANEL_LIGHT_SWITCH, .tooltip = 0xAB40, .clickBox = {0, 0, 100, 100},
        .toggle = key::PANEL_LIGHTS_TOGGLE};
};
struct SwFuelPump {
    static constexpr GaugeHeader* gauge = &swFuelPump;
    static constexpr HostSwitch row = {
        .name = "SWfuelp", .widthMm = 15, .plate = layout::kFuelPumpPlate, .icon = layout::kFuelPumpRocker,
        .source = var::FUEL_PUMP_SWITCH, .tooltip = 0xAB67, .clickBox = {0, 0, 15, 51},
        .toggle = key::FUEL_PUMP_TOGGLE};
};

template <class Switch>
constinit IconElement hostSwitchIcon = switchIcon(Switch::row.icon, Switch::gauge, Switch::row.source, nullptr);
template <class Switch>
constinit Element* const hostSwitchChildren[] = {&hostSwitchIcon<Switch>.common, nullptr};
template <class Switch>
constinit StaticImageElement hostSwitchPlate = background(Switch::row.plate.id, Switch::gauge, hostSwitchChildren<Switch>);
template <class Switch>
constinit Element* const hostSwitchElements[] = {&hostSwitchPlate<Switch>.common, nullptr};

template <class Switch>
constinit const MouseArea hostSwitchAreas[] = {
    parentArea(kWholeGauge, Switch::row.tooltip),
    keyArea(Switch::row.clickBox, cursor::kHand, mouse_flag::kClick, Switch::row.toggle),
    endOfParent(),
    endOfList(),
};

template <class Switch>
constexpr GaugeHeader hostSwitchGauge() {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = Switch::row.name,
            .elementList = hostSwitchElements<Switch>, GAUGE_FORWARDING_ROUTINES,
            .defaultWidthMm = Switch::row.widthMm, .mouseAreas = hostSwitchAreas<Switch>, .gaugeCallback = nullptr};
}

// ---------------------------------------------------------------------------------------------
// SWmaster: two host-bound halves on one red rocker, a dead split between them.

constexpr Box kMasterLeftParent{0, 0, 13, 49};
constexpr Box kMasterRightParent{15, 0, 14, 49};
constexpr Box kMasterHalfChild{0, 0, 13, 48};
static_assert(kMasterLeftParent.x + kMasterLeftParent.width == layout::kMasterSplitX,
              "the left half's area ends where the split begins");
static_assert(kMasterRightParent.x == layout::kMasterSplitX + layout::kMasterSplitWidth,
              "the right half's area begins where the split ends");

constinit IconElement masterLeftHalf =
    switchIcon(layout::kMasterLeftHalf, &swMaster, var::MASTER_SWITCH_LEFT_HALF, nullptr);
constinit IconElement masterRightHalf =
    switchIcon(layout::kMasterRightHalf, &swMaster, var::MASTER_SWITCH_RIGHT_HALF, nullptr);
constinit Element* const masterChildren[] = {&masterLeftHalf.common, &masterRightHalf.common, nullptr};
constinit StaticImageElement masterPlate = background(layout::kMasterPlate.id, &swMaster, masterChildren);
constinit Element* const masterElements[] = {&masterPlate.common, nullptr};

constinit const MouseArea masterAreas[] = {
    parentArea(kWholeGauge),
    parentArea(kMasterLeftParent, 0xAB04),
    keyArea(kMasterHalfChild, cursor::kHand, mouse_flag::kClick, key::MASTER_SWITCH_LEFT_HALF_TOGGLE),
    endOfParent(),
    parentArea(kMasterRightParent, 0xAB13),
    keyArea(kMasterHalfChild, cursor::kHand, mouse_flag::kClick, key::MASTER_SWITCH_RIGHT_HALF_TOGGLE),
    endOfParent(),
    endOfParent(),
    endOfList(),
};

// ---------------------------------------------------------------------------------------------
// SWpanel0 and SWpanel1: the panel-light push button's pictures over a state of their own, shared
// by every copy of the gauge. Nothing else reads them.

constinit SINT8 SWpanel0On = 0;
constinit SINT8 SWpanel1On = 0;

template <SINT8& on>
FLOAT64 GAUGE_CALL LocalSwitchPicture(IconElement*) {
    return on;
}

template <SINT8& on>
BOOL GAUGE_CALL LocalSwitchClick(Point*, UINT32) {
    on = static_cast<SINT8>(1 - on);
    return kFalse;
}

struct SwPanel0 {
    static constexpr GaugeHeader* gauge = &swPanel0;
    static constexpr const char* name = "SWpanel0";
    static constexpr SINT8& on = SWpanel0On;
};
struct SwPanel1 {
    static constexpr GaugeHeader* gauge = &swPanel1;
    static constexpr const char* name = "SWpanel1";
    static constexpr SINT8& on = SWpanel1On;
};

template <class Switch>
constinit IconElement localSwitchIcon =
    switchIcon(layout::kPushButton, Switch::gauge, 0, LocalSwitchPicture<Switch::on>);
template <class Switch>
constinit Element* const localSwitchChildren[] = {&localSwitchIcon<Switch>.common, nullptr};
template <class Switch>
constinit StaticImageElement localSwitchPlate =
    background(layout::kPushButtonPlate.id, Switch::gauge, localSwitchChildren<Switch>);
template <class Switch>
constinit Element* const localSwitchElements[] = {&localSwitchPlate<Switch>.common, nullptr};

template <class Switch>
constinit const MouseArea localSwitchAreas[] = {
    parentArea(kWholeGauge),
    functionArea({0, 0, 100, 100}, cursor::kHand, mouse_flag::kClick, LocalSwitchClick<Switch::on>),
    endOfParent(),
    endOfList(),
};

template <class Switch>
constexpr GaugeHeader localSwitchGauge() {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = Switch::name,
            .elementList = localSwitchElements<Switch>, GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 70,
            .mouseAreas = localSwitchAreas<Switch>, .gaugeCallback = nullptr};
}

}  // namespace

constinit GaugeHeader swLand = hostSwitchGauge<SwLand>();
constinit GaugeHeader swNav = hostSwitchGauge<SwNav>();
constinit GaugeHeader swStrobe = hostSwitchGauge<SwStrobe>();
constinit GaugeHeader swPitotHeat = hostSwitchGauge<SwPitotHeat>();
constinit GaugeHeader swBeacon = hostSwitchGauge<SwBeacon>();
constinit GaugeHeader swAvionics = hostSwitchGauge<SwAvionics>();
constinit GaugeHeader swTaxi = hostSwitchGauge<SwTaxi>();
constinit GaugeHeader swPanelLight = hostSwitchGauge<SwPanelLight>();
constinit GaugeHeader swFuelPump = hostSwitchGauge<SwFuelPump>();

constinit GaugeHeader swMaster = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "SWmaster", .elementList = masterElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 30, .mouseAreas = masterAreas, .gaugeCallback = nullptr,
};

constinit GaugeHeader swPanel0 = localSwitchGauge<SwPanel0>();
constinit GaugeHeader swPanel1 = localSwitchGauge<SwPanel1>();

}  // namespace switch_panel
