// The buttons that move the pilot between panel windows: invisible spots that toggle one window
// each, the two strips of three window buttons, the radio window's close cross, the three buttons
// that close and open a fixed series of windows, and OpenPanel, which arranges the windows once
// when the panel first starts. Every toggle, strip and sequence button is made from its row.
//
// Reads:    nothing
// Sends:    nothing
// Windows:  toggles 10, 20, 25, 30, 40, 45, 50, 55, 65, 75, 200, 1009, 1040, 1100, 1110;
//           closes and opens 0, 20, 25, 30, 50, 65, 85, 200, 225, 1001 to 1008, 1010 to 1012, 1040,
//           1100, 1110 in the sequences below
// Module data: OpenPanelPending
#include <span>
#include <utility>

#include "engine_cabin_gauges.h"
#include "navigation_layout.h"
#include "rows.h"

using namespace gauge;

namespace engine_cabin {

namespace {

namespace layout = navigation_layout;

// 1 until the first PreInitialize of any OpenPanel after the module is loaded has arranged the windows.
constinit SINT32 OpenPanelPending = 1;

// One gauge drawn by a single picture with no other element.
template <auto& headers, std::size_t row, UINT32 picture>
constinit StaticImageElement soleBackground = background(picture, &headers[row], nullptr);
template <auto& headers, std::size_t row, UINT32 picture>
constinit Element* const soleElements[] = {&soleBackground<headers, row, picture>.common, nullptr};

constexpr GaugeHeader windowGauge(const char* name, Element* const* elements, UINT32 defaultWidthMm,
                                  const MouseArea* mouseAreas) {
    return {.headerVersion = kGaugeHeaderVersion, .gaugeName = name, .elementList = elements,
            GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = defaultWidthMm, .mouseAreas = mouseAreas,
            .gaugeCallback = nullptr};
}

// ---------------------------------------------------------------------------------------------
// Single-window toggles: one spot toggling one window.

struct WindowToggle {
    const char* name;
    PanelWindowId window;
    UINT32 picture;
    UINT32 defaultWidthMm;
};

constexpr WindowToggle kWindowToggles[] = {
    {"Toggle10", 10, layout::kInvisibleSpot, 30},     {"Toggle20", 20, layout::kInvisibleSpot, 30},
    {"Toggle25", 25, layout::kInvisibleSpot, 30},     {"Toggle30", 30, layout::kInvisibleSpot, 30},
    {"Toggle40", 40, layout::kInvisibleSpot, 30},     {"Toggle45", 45, layout::kInvisibleSpot, 30},
    {"Toggle50", 50, layout::kInvisibleSpot, 30},     {"Toggle55", 55, layout::kInvisibleSpot, 30},
    {"Toggle65", 65, layout::kInvisibleSpot, 30},     {"Toggle75", 75, layout::kInvisibleSpot, 30},
    {"Toggle200", 200, layout::kInvisibleSpot, 30},   {"Toggle1009", 1009, layout::kInvisibleSpot, 30},
    {"Toggle1040", 1040, layout::kInvisibleSpot, 30}, {"Toggle1100", 1100, layout::kInvisibleSpot, 30},
    {"Toggle1110", 1110, layout::kInvisibleSpot, 30}, {"ToggleRadio", 50, layout::kCloseCross, 18},
};
static_assert(std::size(kWindowToggles) == kWindowToggleCount);

template <std::size_t row>
constinit const MouseArea toggleMouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kSpotClickBox), cursor::kHand, mouse_flag::kClick,
                 ToggleWindowClick<kWindowToggles[row].window>),
    endOfParent(),
    endOfList(),
};

template <std::size_t... rows>
constexpr std::array<GaugeHeader, sizeof...(rows)> windowToggleGauges(std::index_sequence<rows...>) {
    return {windowGauge(kWindowToggles[rows].name, soleElements<windowToggles, rows, kWindowToggles[rows].picture>,
                        kWindowToggles[rows].defaultWidthMm, toggleMouseAreas<rows>)...};
}

// ---------------------------------------------------------------------------------------------
// Icon strips: E toggles 200, C toggles 45, the power button 65. Both strips answer alike.

struct IconStrip {
    const char* name;
    UINT32 picture;
};

constexpr IconStrip kIconStrips[] = {{"ToggleIcon", layout::kIconStrip}, {"ToggleIconVFR", layout::kIconStripDark}};
static_assert(std::size(kIconStrips) == kIconStripCount);

constinit const MouseArea iconStripMouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kStripButtons[0]), cursor::kHand, mouse_flag::kClick, ToggleWindowClick<200>),
    functionArea(box(layout::kStripButtons[1]), cursor::kHand, mouse_flag::kClick, ToggleWindowClick<45>),
    functionArea(box(layout::kStripButtons[2]), cursor::kHand, mouse_flag::kClick, ToggleWindowClick<65>),
    endOfParent(),
    endOfList(),
};

template <std::size_t... rows>
constexpr std::array<GaugeHeader, sizeof...(rows)> iconStripGauges(std::index_sequence<rows...>) {
    return {windowGauge(kIconStrips[rows].name, soleElements<iconStrips, rows, kIconStrips[rows].picture>, 18,
                        iconStripMouseAreas)...};
}

// ---------------------------------------------------------------------------------------------
// Sequences of window calls, walked in order without asking whether a window is open.

enum class WindowAction { Close, Open };

struct WindowStep {
    WindowAction action;
    PanelWindowId window;
};

constexpr WindowStep shut(PanelWindowId window) { return {WindowAction::Close, window}; }
constexpr WindowStep show(PanelWindowId window) { return {WindowAction::Open, window}; }

// What the last opening answered.
BOOL runSequence(std::span<const WindowStep> steps) {
    BOOL lastOpened = kFalse;
    for (const WindowStep& step : steps) {
        if (step.action == WindowAction::Open) {
            lastOpened = host().panel_window_open_ident(step.window);
        } else {
            host().panel_window_close_ident(step.window);
        }
    }
    return lastOpened;
}

// Windows 0 and 25 are alternatives: each sequence closes the one before it opens the other.
constexpr WindowStep kToggleOpen1012Steps[] = {shut(25), shut(20), shut(0), show(1012)};
constexpr WindowStep kToggleOpenSteps[] = {
    shut(0),    shut(20),   shut(225),  shut(1100), shut(1110), shut(1001), shut(85),
    shut(1003), shut(1004), shut(1002), shut(1005), shut(1006), shut(1007), shut(1008),
    shut(1010), shut(1012), shut(1040), shut(1011), shut(30),   shut(200),  show(25),
};
constexpr WindowStep kToggleCloseSteps[] = {shut(20), shut(25), show(65), show(0)};
// Each window that must have been shown once is opened and closed again at once; 20 stays open
// under them until they are done, so only 0 and 65 are left open.
constexpr WindowStep kOpenPanelSteps[] = {
    show(20), show(25),  shut(25),  show(1100), shut(1100), show(1110), shut(1110),
    show(50), shut(50), show(200),  shut(200), shut(20),   show(0),    show(65),
};

struct SequenceButton {
    const char* name;
    std::span<const WindowStep> steps;
};

constexpr SequenceButton kSequenceButtons[] = {
    {"ToggleOpen1012", kToggleOpen1012Steps},
    {"ToggleOpen", kToggleOpenSteps},
    {"ToggleClose", kToggleCloseSteps},
};
static_assert(std::size(kSequenceButtons) == kSequenceButtonCount);

template <std::size_t row>
BOOL GAUGE_CALL SequenceClick(Point*, UINT32) {
    return runSequence(kSequenceButtons[row].steps);
}

template <std::size_t row>
constinit const MouseArea sequenceMouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea(box(layout::kSpotClickBox), cursor::kHand, mouse_flag::kClick, SequenceClick<row>),
    endOfParent(),
    endOfList(),
};

template <std::size_t... rows>
constexpr std::array<GaugeHeader, sizeof...(rows)> sequenceButtonGauges(std::index_sequence<rows...>) {
    return {windowGauge(kSequenceButtons[rows].name, soleElements<sequenceButtons, rows, layout::kInvisibleSpot>,
                        30, sequenceMouseAreas<rows>)...};
}

// ---------------------------------------------------------------------------------------------
// OpenPanel: no mouse areas; its first PreInitialize arranges the windows.

void GAUGE_CALL OpenPanelCallback(GaugeHeader*, ServiceCode code, UINT32) {
    if (code != service_code::kPreInitialize || OpenPanelPending != 1) return;
    runSequence(kOpenPanelSteps);
    OpenPanelPending = 0;
}

constinit StaticImageElement openPanelBackground = background(layout::kInvisibleSpot, &openPanel, nullptr);
constinit Element* const openPanelElements[] = {&openPanelBackground.common, nullptr};

}  // namespace

constinit std::array<GaugeHeader, kWindowToggleCount> windowToggles =
    windowToggleGauges(std::make_index_sequence<kWindowToggleCount>{});
constinit std::array<GaugeHeader, kIconStripCount> iconStrips =
    iconStripGauges(std::make_index_sequence<kIconStripCount>{});
constinit std::array<GaugeHeader, kSequenceButtonCount> sequenceButtons =
    sequenceButtonGauges(std::make_index_sequence<kSequenceButtonCount>{});

GaugeHeader openPanel = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "OpenPanel", .elementList = openPanelElements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 30, .mouseAreas = nullptr, .gaugeCallback = OpenPanelCallback,
};

}  // namespace engine_cabin
