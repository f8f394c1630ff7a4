// RadioAudioZ3V and RadioAudioZ3VVFR: the audio panel of the main and the VFR panel, a pure mirror
// of host state. Every lamp and indicator bar shows a host value by the lamp rule, and the buttons'
// key events, sent by the host itself, toggle those values.
//
// Reads:    MARKER_BEACON_RECEIVED, COM1_RECEIVE_SELECTED, COM2_RECEIVE_SELECTED, NAV1_AUDIO_ON,
//           NAV2_AUDIO_ON, DME_AUDIO_ON, ADF_AUDIO_ON, MARKER_AUDIO_ON, COM_RECEIVE_ALL
// Sends:    bound to areas: COM1_SELECT, COM2_SELECT, NAV1_IDENT_TOGGLE, NAV2_IDENT_TOGGLE,
//           DME1_IDENT_TOGGLE, MARKER_SOUND_TOGGLE, ADF_IDENT_TOGGLE, COM_RECEIVE_ALL_TOGGLE
// Windows:  none
// Module data: none
#include "audio_panel_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = audio_panel_layout;

constinit const FailureRecord lampFailures[] = {failure(20, 2), failure(21, 2), kEndOfFailures};

// ---------------------------------------------------------------------------------------------
// Both panels draw the same elements over their own face. An element belongs to one gauge and
// carries the host's drawing state, so each gauge has its own; they share the failure and mouse
// lists.

struct MainPanel {
    static constexpr GaugeHeader* gauge = &radioAudio;
    static constexpr UINT32 face = layout::kMainFace;
};
struct VfrPanel {
    static constexpr GaugeHeader* gauge = &radioAudioVfr;
    static constexpr UINT32 face = layout::kVfrFace;
};

// An indicator bar lit by its host value.
template <class Gauge>
constexpr IconElement bar(UINT32 colour, layout::Spot corner, HostVariableToken source) {
    return lamp(colour, at(corner), Gauge::gauge, source, FlagLamp, lampFailures);
}

// The marker value 1, 2 or 3 lights O, M or A; 0 lights none.
template <class Gauge>
constinit IconElement markerLamps =
    icon(layout::kMarkerLamps.id, layout::kMarkerPictureCount, at(layout::kMarkerLamps), Gauge::gauge,
         var::MARKER_BEACON_RECEIVED, FlagLamp, image_flag::kTransparentEraseBright, lampFailures);
template <class Gauge>
constinit IconElement com1Bar = bar<Gauge>(layout::kAmberBar, layout::kCom1, var::COM1_RECEIVE_SELECTED);
template <class Gauge>
constinit IconElement com2Bar = bar<Gauge>(layout::kAmberBar, layout::kCom2, var::COM2_RECEIVE_SELECTED);
template <class Gauge>
constinit IconElement nav1Bar = bar<Gauge>(layout::kGreenBar, layout::kNav1, var::NAV1_AUDIO_ON);
template <class Gauge>
constinit IconElement nav2Bar = bar<Gauge>(layout::kGreenBar, layout::kNav2, var::NAV2_AUDIO_ON);
template <class Gauge>
constinit IconElement dmeBar = bar<Gauge>(layout::kGreenBar, layout::kDme, var::DME_AUDIO_ON);
template <class Gauge>
constinit IconElement adfBar = bar<Gauge>(layout::kGreenBar, layout::kAdf, var::ADF_AUDIO_ON);
template <class Gauge>
constinit IconElement markerMuteBar = bar<Gauge>(layout::kAmberBar, layout::kMarkerMute, var::MARKER_AUDIO_ON);
template <class Gauge>
constinit IconElement receiveAllBar = bar<Gauge>(layout::kAmberBar, layout::kReceiveAll, var::COM_RECEIVE_ALL);

template <class Gauge>
constinit Element* const children[] = {
    &markerLamps<Gauge>.common, &com1Bar<Gauge>.common, &com2Bar<Gauge>.common,
    &nav1Bar<Gauge>.common,     &nav2Bar<Gauge>.common, &dmeBar<Gauge>.common,
    &adfBar<Gauge>.common,      &markerMuteBar<Gauge>.common, &receiveAllBar<Gauge>.common,
    nullptr,
};
template <class Gauge>
constinit StaticImageElement face = background(Gauge::face, Gauge::gauge, children<Gauge>);
template <class Gauge>
constinit Element* const elements[] = {&face<Gauge>.common, nullptr};

// ---------------------------------------------------------------------------------------------
// The mouse areas of both panels. The outermost parent stays open up to the end of the list.

constexpr Box button(layout::Spot corner) {
    return {corner.x, corner.y, layout::kButtonWidth, layout::kButtonHeight};
}
constexpr Box kWholeButton{0, 0, layout::kButtonWidth, layout::kButtonHeight};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    parentArea({3, 11, 24, 25}, 0xAB49), endOfParent(),  // A lamp
    parentArea({28, 11, 24, 25}, 0xAB47), endOfParent(),  // O lamp
    parentArea({53, 11, 24, 25}, 0xAB48), endOfParent(),  // M lamp
    parentArea(button(layout::kCom1), 0x324E),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::COM1_SELECT),
    endOfParent(),
    parentArea(button(layout::kCom2), 0x324F),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::COM2_SELECT),
    endOfParent(),
    parentArea(button(layout::kNav1)),
    tooltipText("NAV1 SOUND TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::NAV1_IDENT_TOGGLE),
    endOfParent(),
    parentArea(button(layout::kNav2)),
    tooltipText("NAV2 SOUND TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::NAV2_IDENT_TOGGLE),
    endOfParent(),
    parentArea(button(layout::kDme)),
    tooltipText("DME1 SOUND TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::DME1_IDENT_TOGGLE),
    endOfParent(),
    parentArea(button(layout::kMarkerMute)),
    tooltipText("MARKER SOUND TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::MARKER_SOUND_TOGGLE),
    endOfParent(),
    parentArea(button(layout::kAdf)),
    tooltipText("ADF SOUND TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::ADF_IDENT_TOGGLE),
    endOfParent(),
    parentArea(button(layout::kReceiveAll)),
    tooltipText("COM RECEIVE ALL TOGGLE"),
    keyArea(kWholeButton, cursor::kHand, mouse_flag::kClick, key::COM_RECEIVE_ALL_TOGGLE),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioAudio = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3V", .elementList = elements<MainPanel>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

GaugeHeader radioAudioVfr = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioAudioZ3VVFR", .elementList = elements<VfrPanel>,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
