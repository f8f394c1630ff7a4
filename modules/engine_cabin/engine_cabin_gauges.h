// The gauges of VeskarZ3V2 that its Linkage lists, and the window click that several of its units
// share. The single-window toggles, the icon strips and the sequence buttons are each made from a
// row of their unit's table, so they are arrays addressed by the rows' names.
#pragma once

#include <array>
#include <cstddef>

#include "module.h"

namespace engine_cabin {

extern gauge::GaugeHeader engineL;
extern gauge::GaugeHeader engineR;
extern gauge::GaugeHeader carbheat;
extern gauge::GaugeHeader fuelFlow;
extern gauge::GaugeHeader start;
extern gauge::GaugeHeader cowlFlap;
extern gauge::GaugeHeader openPanel;
extern gauge::GaugeHeader swBeaconReco;

// The gauges that toggle one window each, in the order of their rows.
enum WindowToggleRow : std::size_t {
    kToggle10, kToggle20, kToggle25, kToggle30, kToggle40, kToggle45, kToggle50, kToggle55, kToggle65,
    kToggle75, kToggle200, kToggle1009, kToggle1040, kToggle1100, kToggle1110, kToggleRadio,
    kWindowToggleCount
};
extern std::array<gauge::GaugeHeader, kWindowToggleCount> windowToggles;

// The two strips of three window buttons.
enum IconStripRow : std::size_t { kToggleIcon, kToggleIconVFR, kIconStripCount };
extern std::array<gauge::GaugeHeader, kIconStripCount> iconStrips;

// The buttons that close and open a fixed series of windows.
enum SequenceButtonRow : std::size_t { kToggleOpen1012, kToggleOpen, kToggleClose, kSequenceButtonCount };
extern std::array<gauge::GaugeHeader, kSequenceButtonCount> sequenceButtons;

namespace {

// A window button answers what the host answered to its toggle.
template <gauge::PanelWindowId window>
gauge::BOOL GAUGE_CALL ToggleWindowClick(gauge::Point*, gauge::UINT32) {
    return gauge::host().panel_window_toggle(window);
}

}  // namespace

}  // namespace engine_cabin
