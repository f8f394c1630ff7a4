#include "aircraft_model.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <limits>
#include <span>
#include <variant>

#include "key_events.h"
#include "panel_host.h"
#include "truncation.h"
#include "variable_store.h"
#include "variables.h"

namespace gaugehost {
namespace {

using Token = gauge::HostVariableToken;
using Model = AircraftModel;
namespace key = gauge::key;
namespace var = gauge::var;

struct Range {
    double low, high;
};

// One knob's digits of a four-digit BCD value: the decimal number in `digits` digits from bit
// `shift`, kept on a grid of `step` within [low, high] and wrapping around at either end.
struct DigitGroup {
    int shift, digits, low, high, step;
};

// The leading 1 of a COM or NAV frequency is left out; two fraction digits hold 50 kHz steps exactly.
constexpr DigitGroup kComWholeMegahertz{.shift = 8, .digits = 2, .low = 18, .high = 36, .step = 1};  // 118-136 MHz
constexpr DigitGroup kNavWholeMegahertz{.shift = 8, .digits = 2, .low = 8, .high = 17, .step = 1};   // 108-117 MHz
constexpr DigitGroup kFractionMegahertz{.shift = 0, .digits = 2, .low = 0, .high = 95, .step = 5};
// The ADF tunes by single digits: hundreds, tens and units of kHz, and the tenths in the extension.
constexpr DigitGroup kAdfHundreds{.shift = 8, .digits = 1, .low = 0, .high = 9, .step = 1};
constexpr DigitGroup kAdfTens{.shift = 4, .digits = 1, .low = 0, .high = 9, .step = 1};
constexpr DigitGroup kAdfUnitsOrTenths{.shift = 0, .digits = 1, .low = 0, .high = 9, .step = 1};
// Transponder digits are octal.
constexpr DigitGroup kSquawkDigit[] = {
    {.shift = 12, .digits = 1, .low = 0, .high = 7, .step = 1},
    {.shift = 8, .digits = 1, .low = 0, .high = 7, .step = 1},
    {.shift = 4, .digits = 1, .low = 0, .high = 7, .step = 1},
    {.shift = 0, .digits = 1, .low = 0, .high = 7, .step = 1},
};

constexpr Range kLeverTravel{.low = 0, .high = Model::kFullTravel};
constexpr Range kElevatorTrimTravel{.low = -Model::kElevatorTrimLimit, .high = Model::kElevatorTrimLimit};
constexpr Range kRudderTrimTravel{.low = -Model::kRudderTrimLimit, .high = Model::kRudderTrimLimit};
constexpr Range kAltimeterWindow{.low = Model::kAltimeterLowest, .high = Model::kAltimeterHighest};
constexpr Range kCowlFlapTravel{.low = 0, .high = 1};
constexpr Range kIgnitionPositions{.low = 0, .high = Model::kIgnitionStart};  // OFF, R, L, BOTH, START

// The flap handle's detents and the flap position each one sets.
constexpr double flapHandleDetent(int detent) { return Model::kFlapHandleFull * detent / 3; }
constexpr double flapPositionAt(int detent) { return Model::kFullTravel * detent / 3; }

// The lateral modes of the single-axis autopilot: one at a time.
constexpr Token kLateralModes[] = {var::AUTOPILOT_HEADING_SELECT_ENGAGED, var::AUTOPILOT_NAV_INTERCEPT_ENGAGED,
                                   var::AUTOPILOT_NAV_MODE_ENGAGED};

constexpr double kUp = 1, kDown = -1;
constexpr double kAtOnce = std::numeric_limits<double>::infinity();

// The kinds of rows.
struct Toggle {  // 0 becomes 1, anything else 0
    Token variable;
};
struct Set {
    Token variable;
    double value;
};
struct Copy {
    Token variable, from;
};
struct Swap {
    Token first, second;
};
struct Step {  // held within its range
    Token variable;
    double step;
    Range range;
};
struct Turn {  // degrees, wrapping around the compass
    Token variable;
    double step;
};
struct Tune {  // one digit group of a BCD value, a grid step up or down
    Token variable;
    DigitGroup group;
    double direction;
};
struct Move {  // runs toward the target over cycles
    Token variable;
    double target, perCycle;
};
struct Spring {  // standing at `from`, returns to `to` after some cycles
    Token variable;
    double from, to;
    int holdCycles;
};
struct Engage {  // toggles a mode; engaging it releases its rivals
    Token mode;
    std::span<const Token> rivals;
};

using Effect = std::variant<Toggle, Set, Copy, Swap, Step, Turn, Tune, Move, Spring, Engage>;

struct Reaction {
    gauge::KeyEventId event;
    Effect effect;
};

// What the aircraft does with each key event, in the order of the events' ids; an event with
// several rows runs them in order.
constexpr Reaction kReactions[] = {
    {key::STROBE_LIGHTS_TOGGLE, Toggle{var::STROBE_LIGHT_SWITCH}},
    {key::CARB_HEAT_TOGGLE, Toggle{var::CARBURETTOR_HEAT}},
    {key::AUTOPILOT_MASTER_TOGGLE, Toggle{var::AUTOPILOT_MASTER_ENGAGED}},
    {key::FLAPS_UP, Set{var::FLAP_HANDLE_POSITION, flapHandleDetent(0)}},
    {key::FLAPS_UP, Move{var::FLAP_POSITION, flapPositionAt(0), Model::kFlapTravelPerCycle}},
    {key::FLAPS_DETENT_2, Set{var::FLAP_HANDLE_POSITION, flapHandleDetent(1)}},
    {key::FLAPS_DETENT_2, Move{var::FLAP_POSITION, flapPositionAt(1), Model::kFlapTravelPerCycle}},
    {key::THROTTLE_INCREASE, Step{var::THROTTLE_LEVER_POSITION, Model::kLeverStep, kLeverTravel}},
    {key::FLAPS_DETENT_3, Set{var::FLAP_HANDLE_POSITION, flapHandleDetent(2)}},
    {key::FLAPS_DETENT_3, Move{var::FLAP_POSITION, flapPositionAt(2), Model::kFlapTravelPerCycle}},
    {key::THROTTLE_DECREASE, Step{var::THROTTLE_LEVER_POSITION, -Model::kLeverStep, kLeverTravel}},
    {key::FLAPS_FULL, Set{var::FLAP_HANDLE_POSITION, flapHandleDetent(3)}},
    {key::FLAPS_FULL, Move{var::FLAP_POSITION, flapPositionAt(3), Model::kFlapTravelPerCycle}},
    {key::ELEVATOR_TRIM_WHEEL_UPPER_HALF, Step{var::ELEVATOR_TRIM_POSITION, Model::kTrimStep, kElevatorTrimTravel}},
    {key::ELEVATOR_TRIM_WHEEL_LOWER_HALF, Step{var::ELEVATOR_TRIM_POSITION, -Model::kTrimStep, kElevatorTrimTravel}},
    {key::IGNITION_KEY_LEFT, Step{var::IGNITION_KEY_POSITION, -1, kIgnitionPositions}},
    {key::IGNITION_KEY_RIGHT, Step{var::IGNITION_KEY_POSITION, 1, kIgnitionPositions}},
    {key::IGNITION_KEY_RIGHT, Spring{var::IGNITION_KEY_POSITION, Model::kIgnitionStart, Model::kIgnitionBoth, Model::kIgnitionSpringCycles}},
    // The KX 155A tunes its standby frequencies and shows them before the swap.
    {key::COM1_WHOLE_MHZ_DOWN, Tune{var::COM1_STANDBY_FREQUENCY, kComWholeMegahertz, kDown}},
    {key::COM1_WHOLE_MHZ_UP, Tune{var::COM1_STANDBY_FREQUENCY, kComWholeMegahertz, kUp}},
    {key::COM1_FRACTION_DOWN, Tune{var::COM1_STANDBY_FREQUENCY, kFractionMegahertz, kDown}},
    {key::COM1_FRACTION_UP, Tune{var::COM1_STANDBY_FREQUENCY, kFractionMegahertz, kUp}},
    {key::NAV1_WHOLE_MHZ_DOWN, Tune{var::NAV1_STANDBY_FREQUENCY, kNavWholeMegahertz, kDown}},
    {key::NAV1_WHOLE_MHZ_UP, Tune{var::NAV1_STANDBY_FREQUENCY, kNavWholeMegahertz, kUp}},
    {key::NAV1_FRACTION_DOWN, Tune{var::NAV1_STANDBY_FREQUENCY, kFractionMegahertz, kDown}},
    {key::NAV1_FRACTION_UP, Tune{var::NAV1_STANDBY_FREQUENCY, kFractionMegahertz, kUp}},
    // The drum radio shows and tunes its active frequencies; its MEMORY buttons swap in the others.
    {key::NAV2_WHOLE_MHZ_DOWN, Tune{var::NAV2_ACTIVE_FREQUENCY, kNavWholeMegahertz, kDown}},
    {key::NAV2_WHOLE_MHZ_UP, Tune{var::NAV2_ACTIVE_FREQUENCY, kNavWholeMegahertz, kUp}},
    {key::NAV2_FRACTION_DOWN, Tune{var::NAV2_ACTIVE_FREQUENCY, kFractionMegahertz, kDown}},
    {key::NAV2_FRACTION_UP, Tune{var::NAV2_ACTIVE_FREQUENCY, kFractionMegahertz, kUp}},
    {key::ADF_HUNDREDS_UP, Tune{var::ADF_FREQUENCY, kAdfHundreds, kUp}},
    {key::ADF_TENS_UP, Tune{var::ADF_FREQUENCY, kAdfTens, kUp}},
    {key::ADF_UNITS_UP, Tune{var::ADF_FREQUENCY, kAdfUnitsOrTenths, kUp}},
    {key::TRANSPONDER_THOUSANDS_UP, Tune{var::TRANSPONDER_CODE, kSquawkDigit[0], kUp}},
    {key::TRANSPONDER_HUNDREDS_UP, Tune{var::TRANSPONDER_CODE, kSquawkDigit[1], kUp}},
    {key::TRANSPONDER_TENS_UP, Tune{var::TRANSPONDER_CODE, kSquawkDigit[2], kUp}},
    {key::TRANSPONDER_UNITS_UP, Tune{var::TRANSPONDER_CODE, kSquawkDigit[3], kUp}},
    {key::VOR1_COURSE_DOWN, Turn{var::NAV1_SELECTED_COURSE, -Model::kDegreeStep}},
    {key::VOR1_COURSE_UP, Turn{var::NAV1_SELECTED_COURSE, Model::kDegreeStep}},
    {key::ADF_HUNDREDS_DOWN, Tune{var::ADF_FREQUENCY, kAdfHundreds, kDown}},
    {key::ADF_TENS_DOWN, Tune{var::ADF_FREQUENCY, kAdfTens, kDown}},
    {key::ADF_UNITS_DOWN, Tune{var::ADF_FREQUENCY, kAdfUnitsOrTenths, kDown}},
    {key::AUTOPILOT_NAV_INT, Engage{var::AUTOPILOT_NAV_INTERCEPT_ENGAGED, kLateralModes}},
    {key::AUTOPILOT_BACK_CRS, Toggle{var::AUTOPILOT_BACK_COURSE_ENGAGED}},
    {key::AUTOPILOT_NAV_TRK, Engage{var::AUTOPILOT_NAV_MODE_ENGAGED, kLateralModes}},
    {key::PANEL_LIGHTS_TOGGLE, Toggle{var::PANEL_LIGHT_SWITCH}},
    {key::LANDING_LIGHT_TOGGLE, Toggle{var::LANDING_LIGHT_SWITCH}},
    {key::PROPELLER_INCREASE, Step{var::PROPELLER_LEVER_POSITION, Model::kLeverStep, kLeverTravel}},
    {key::PROPELLER_DECREASE, Step{var::PROPELLER_LEVER_POSITION, -Model::kLeverStep, kLeverTravel}},
    {key::MIXTURE_INCREASE, Step{var::MIXTURE_LEVER_POSITION, Model::kLeverStep, kLeverTravel}},
    {key::MIXTURE_DECREASE, Step{var::MIXTURE_LEVER_POSITION, -Model::kLeverStep, kLeverTravel}},
    {key::AUTOPILOT_HI_SENS, Toggle{var::AUTOPILOT_HIGH_SENSITIVITY_OFF}},
    {key::AUTOPILOT_HDG_SEL, Engage{var::AUTOPILOT_HEADING_SELECT_ENGAGED, kLateralModes}},
    {key::NAV1_IDENT_TOGGLE, Toggle{var::NAV1_AUDIO_ON}},
    {key::NAV2_IDENT_TOGGLE, Toggle{var::NAV2_AUDIO_ON}},
    {key::DME1_IDENT_TOGGLE, Toggle{var::DME_AUDIO_ON}},
    {key::ADF_IDENT_TOGGLE, Toggle{var::ADF_AUDIO_ON}},
    {key::PITOT_HEAT_TOGGLE, Toggle{var::PITOT_HEAT_SWITCH}},
    // The heading indicator's left knob sets the gyro's card, its right knob the heading bug.
    {key::HEADING_INDICATOR_LEFT_KNOB_UP, Turn{var::HEADING_INDICATOR_HEADING, Model::kDegreeStep}},
    {key::HEADING_INDICATOR_LEFT_KNOB_DOWN, Turn{var::HEADING_INDICATOR_HEADING, -Model::kDegreeStep}},
    {key::HEADING_INDICATOR_RIGHT_KNOB_UP, Turn{var::HEADING_BUG_SETTING, Model::kDegreeStep}},
    {key::HEADING_INDICATOR_RIGHT_KNOB_DOWN, Turn{var::HEADING_BUG_SETTING, -Model::kDegreeStep}},
    {key::ALTIMETER_SETTING_UP, Step{var::ALTIMETER_SETTING, Model::kAltimeterStep, kAltimeterWindow}},
    {key::ALTIMETER_SETTING_DOWN, Step{var::ALTIMETER_SETTING, -Model::kAltimeterStep, kAltimeterWindow}},
    {key::FUEL_SELECTOR_DOWN, Set{var::FUEL_TANK_SELECTOR_POSITION, Model::kFuelSelectorDown}},
    {key::FUEL_SELECTOR_LEFT, Set{var::FUEL_TANK_SELECTOR_POSITION, Model::kFuelSelectorLeft}},
    {key::FUEL_SELECTOR_RIGHT, Set{var::FUEL_TANK_SELECTOR_POSITION, Model::kFuelSelectorRight}},
    {key::GEAR_UP, Set{var::GEAR_HANDLE_POSITION, 0}},
    {key::GEAR_UP, Move{var::GEAR_EXTENSION, 0, Model::kGearTravelPerCycle}},
    {key::GEAR_DOWN, Set{var::GEAR_HANDLE_POSITION, Model::kFullTravel}},
    {key::GEAR_DOWN, Move{var::GEAR_EXTENSION, Model::kFullTravel, Model::kGearTravelPerCycle}},
    {key::FUEL_PUMP_TOGGLE, Toggle{var::FUEL_PUMP_SWITCH}},
    {key::PRIMER, Set{var::PRIMER_STATE, 1}},
    {key::PRIMER, Spring{var::PRIMER_STATE, 1, 0, Model::kPrimerStrokeCycles}},
    {key::BEACON_TOGGLE, Toggle{var::BEACON_LIGHT_SWITCH}},
    {key::TAXI_LIGHT_TOGGLE, Toggle{var::TAXI_LIGHT_SWITCH}},
    {key::MASTER_SWITCH_RIGHT_HALF_TOGGLE, Toggle{var::MASTER_SWITCH_RIGHT_HALF}},
    {key::MASTER_SWITCH_LEFT_HALF_TOGGLE, Toggle{var::MASTER_SWITCH_LEFT_HALF}},
    {key::COWL_FLAP_KNOB_UP, Step{var::COWL_FLAP_POSITION, Model::kCowlFlapStep, kCowlFlapTravel}},
    {key::COWL_FLAP_KNOB_DOWN, Step{var::COWL_FLAP_POSITION, -Model::kCowlFlapStep, kCowlFlapTravel}},
    {key::RUDDER_TRIM_WHEEL_LEFT_HALF, Step{var::RUDDER_TRIM_POSITION, -Model::kTrimStep, kRudderTrimTravel}},
    {key::RUDDER_TRIM_WHEEL_RIGHT_HALF, Step{var::RUDDER_TRIM_POSITION, Model::kTrimStep, kRudderTrimTravel}},
    {key::AVIONICS_MASTER_TOGGLE, Toggle{var::AVIONICS_MASTER_SWITCH}},
    {key::COM1_SWAP, Swap{var::COM1_ACTIVE_FREQUENCY, var::COM1_STANDBY_FREQUENCY}},
    {key::GPS_DRIVES_NAV_TOGGLE, Toggle{var::GPS_DRIVES_NAV_INDICATOR}},
    // Sent while the two beacon values differ: the reference takes the switch's value.
    {key::BEACON_COMPANION_SYNC, Copy{var::BEACON_LIGHT_REFERENCE, var::BEACON_LIGHT_SWITCH}},
    {key::NAV_LIGHTS_TOGGLE, Toggle{var::NAVIGATION_LIGHTS_SWITCH}},
    {key::COM2_WHOLE_MHZ_DOWN, Tune{var::COM2_ACTIVE_FREQUENCY, kComWholeMegahertz, kDown}},
    {key::COM2_WHOLE_MHZ_UP, Tune{var::COM2_ACTIVE_FREQUENCY, kComWholeMegahertz, kUp}},
    {key::COM2_FRACTION_DOWN, Tune{var::COM2_ACTIVE_FREQUENCY, kFractionMegahertz, kDown}},
    {key::COM2_FRACTION_UP, Tune{var::COM2_ACTIVE_FREQUENCY, kFractionMegahertz, kUp}},
    {key::COM2_SWAP, Swap{var::COM2_ACTIVE_FREQUENCY, Model::kCom2StandbyFrequency}},
    {key::NAV1_SWAP, Swap{var::NAV1_ACTIVE_FREQUENCY, var::NAV1_STANDBY_FREQUENCY}},
    {key::NAV2_SWAP, Swap{var::NAV2_ACTIVE_FREQUENCY, Model::kNav2StandbyFrequency}},
    {key::ADF_TENTHS_DOWN, Tune{var::ADF_FREQUENCY_EXTENSION, kAdfUnitsOrTenths, kDown}},
    {key::ADF_TENTHS_UP, Tune{var::ADF_FREQUENCY_EXTENSION, kAdfUnitsOrTenths, kUp}},
    {key::COM1_SELECT, Set{var::COM1_RECEIVE_SELECTED, 1}},
    {key::COM1_SELECT, Set{var::COM2_RECEIVE_SELECTED, 0}},
    {key::COM2_SELECT, Set{var::COM2_RECEIVE_SELECTED, 1}},
    {key::COM2_SELECT, Set{var::COM1_RECEIVE_SELECTED, 0}},
    {key::COM_RECEIVE_ALL_TOGGLE, Toggle{var::COM_RECEIVE_ALL}},
    {key::MARKER_SOUND_TOGGLE, Toggle{var::MARKER_AUDIO_ON}},
    {key::GEAR_COMPANION_TOGGLE, Toggle{var::GEAR_LEVER_COMPANION}},
};

// Events the aircraft hears and deliberately leaves without effect on any host variable.
struct Unanswered {
    gauge::KeyEventId event;
    const char* reason;
};
constexpr Unanswered kWithoutEffect[] = {
    {key::AUTOPILOT_ROLL_COMMAND, "the bench flies no attitude: the bank angle is a flight value, set by the user"},
    {key::AUTOPILOT_TURN_KNOB_PUSHED, "the autopilot gauge flies the turn knob's turns with its own roll commands"},
    {key::AUTOPILOT_TURN_KNOB_TURNED, "the autopilot gauge flies the turn knob's turns with its own roll commands"},
};

// The values the model holds itself, parked as the radios' other memories.
struct HeldValue {
    Token variable;
    double parked;
};
constexpr HeldValue kHeldValues[] = {
    {Model::kCom2StandbyFrequency, 0x2400},  // 124.00 MHz
    {Model::kNav2StandbyFrequency, 0x1100},  // 110.00 MHz
};

constexpr int rowsFor(gauge::KeyEventId event) {
    int rows = 0;
    for (const Reaction& row : kReactions) rows += row.event == event ? 1 : 0;
    return rows;
}

constexpr std::string_view reasonWithoutEffect(gauge::KeyEventId event) {
    for (const Unanswered& entry : kWithoutEffect) {
        if (entry.event == event) return entry.reason;
    }
    return {};
}

constexpr bool listedWithoutEffect(gauge::KeyEventId event) { return !reasonWithoutEffect(event).empty(); }

// Every key event the gauges send or bind has rows or is listed without effect, never both, and
// neither table names an event the gauges do not send.
constexpr bool everyEventAccountedFor() {
    std::size_t named = 0;
#define GAUGE_KEY_EVENT_ACCOUNTED(name, id)                          \
    if ((rowsFor(id) > 0) == listedWithoutEffect(id)) return false; \
    ++named;
    GAUGE_KEY_EVENTS(GAUGE_KEY_EVENT_ACCOUNTED)
#undef GAUGE_KEY_EVENT_ACCOUNTED
    for (const Reaction& row : kReactions) {
        if (key::nameOf(row.event).empty()) return false;
    }
    for (const Unanswered& entry : kWithoutEffect) {
        if (key::nameOf(entry.event).empty()) return false;
    }
    return named > 0;
}
static_assert(everyEventAccountedFor(), "every key event needs rows in kReactions or a place in kWithoutEffect");

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 1; i < std::size(kReactions); ++i) {
        if (kReactions[i - 1].event > kReactions[i].event) return false;
    }
    return true;
}
static_assert(rowsInIdOrder(), "rows are kept in the order of their events' ids");

// The group's number, the next grid step up or down, wrapping within the band; a number outside
// the band (a value the user set) goes to the band's first step up, its last step down.
int stepGroup(int number, const DigitGroup& group, double direction) {
    int next;
    if (direction > 0) {
        next = number < group.low ? group.low : (number / group.step + 1) * group.step;
        if (next > group.high) next = group.low;
    } else {
        next = number > group.high ? group.high : ((number + group.step - 1) / group.step - 1) * group.step;
        if (next < group.low) next = group.high;
    }
    return next;
}

std::uint32_t tuned(std::uint32_t bcd, const DigitGroup& group, double direction) {
    int number = 0;
    for (int digit = group.digits - 1; digit >= 0; --digit) {
        number = number * 10 + static_cast<int>((bcd >> (group.shift + 4 * digit)) & 0xF);
    }
    int next = stepGroup(number, group, direction);
    for (int digit = 0; digit < group.digits; ++digit) {
        const int shift = group.shift + 4 * digit;
        bcd = (bcd & ~(0xFu << shift)) | (static_cast<std::uint32_t>(next % 10) << shift);
        next /= 10;
    }
    return bcd;
}

}  // namespace

template <>
void AircraftModel::apply(const Toggle& effect) {
    set(effect.variable, value(effect.variable) != 0 ? 0 : 1);
}

template <>
void AircraftModel::apply(const Set& effect) {
    set(effect.variable, effect.value);
}

template <>
void AircraftModel::apply(const Copy& effect) {
    set(effect.variable, value(effect.from));
}

template <>
void AircraftModel::apply(const Swap& effect) {
    const double first = value(effect.first);
    set(effect.first, value(effect.second));
    set(effect.second, first);
}

template <>
void AircraftModel::apply(const Step& effect) {
    set(effect.variable, std::clamp(value(effect.variable) + effect.step, effect.range.low, effect.range.high));
}

template <>
void AircraftModel::apply(const Turn& effect) {
    const double turned = std::fmod(value(effect.variable) + effect.step, 360.0);
    set(effect.variable, turned < 0 ? turned + 360.0 : turned);
}

template <>
void AircraftModel::apply(const Tune& effect) {
    const auto bcd = static_cast<std::uint32_t>(gauge::truncateToInt32(value(effect.variable)));
    set(effect.variable, static_cast<std::int32_t>(tuned(bcd, effect.group, effect.direction)));
}

template <>
void AircraftModel::apply(const Move& effect) {
    start({.variable = effect.variable, .target = effect.target, .perCycle = effect.perCycle, .holdCycles = 0, .written = 0});
}

template <>
void AircraftModel::apply(const Spring& effect) {
    if (value(effect.variable) != effect.from) return;
    start({.variable = effect.variable, .target = effect.to, .perCycle = kAtOnce, .holdCycles = effect.holdCycles, .written = 0});
}

template <>
void AircraftModel::apply(const Engage& effect) {
    const bool engaging = value(effect.mode) == 0;
    if (engaging) {
        for (Token rival : effect.rivals) set(rival, 0);
    }
    set(effect.mode, engaging ? 1 : 0);
}

AircraftModel::AircraftModel(PanelHost& host) : host_(host), variables_(host.variables()) {
    for (const HeldValue& held : kHeldValues) held_[held.variable] = held.parked;
}

AircraftModel::~AircraftModel() { setRunning(false); }

void AircraftModel::setRunning(bool running) {
    if (running) {
        host_.setKeyEventReaction([this](const KeyEvent& event) { react(event); });
        host_.setCycleReaction([this] { advance(); });
    } else if (running_) {
        host_.setKeyEventReaction({});
        host_.setCycleReaction({});
    }
    running_ = running;
}

void AircraftModel::react(const KeyEvent& event) {
    bool answered = false;
    for (const Reaction& row : kReactions) {
        if (row.event != event.id) continue;
        std::visit([this](const auto& effect) { apply(effect); }, row.effect);
        answered = true;
    }
    if (!answered && !listedWithoutEffect(event.id)) unheardEvents_.insert(event.id);
}

void AircraftModel::advance() {
    for (auto motion = motions_.begin(); motion != motions_.end();) {
        if (variables_.value(motion->variable) != motion->written || progress(*motion)) {
            motion = motions_.erase(motion);  // done, or the user set the variable: it is theirs now
        } else {
            ++motion;
        }
    }
}

bool AircraftModel::progress(Motion& motion) {
    if (motion.holdCycles > 0) {
        --motion.holdCycles;
        return false;
    }
    const double next = motion.written < motion.target ? std::min(motion.written + motion.perCycle, motion.target)
                                                       : std::max(motion.written - motion.perCycle, motion.target);
    write(motion.variable, next);
    motion.written = variables_.value(motion.variable);
    return next == motion.target;
}

double AircraftModel::value(gauge::HostVariableToken variable) const {
    if (auto held = held_.find(variable); held != held_.end()) return held->second;
    return variables_.value(variable);
}

bool AircraftModel::knows(gauge::KeyEventId event) { return rowsFor(event) > 0 || listedWithoutEffect(event); }

std::string_view AircraftModel::withoutEffect(gauge::KeyEventId event) { return reasonWithoutEffect(event); }

void AircraftModel::set(gauge::HostVariableToken variable, double value) {
    std::erase_if(motions_, [variable](const Motion& motion) { return motion.variable == variable; });
    write(variable, value);
}

void AircraftModel::write(gauge::HostVariableToken variable, double value) {
    if (auto held = held_.find(variable); held != held_.end()) {
        held->second = value;
    } else {
        variables_.set(variable, value);
    }
}

void AircraftModel::start(Motion motion) {
    std::erase_if(motions_, [&](const Motion& running) { return running.variable == motion.variable; });
    motion.written = variables_.value(motion.variable);
    if (motion.written != motion.target || motion.holdCycles > 0) motions_.push_back(motion);
}

}  // namespace gaugehost
