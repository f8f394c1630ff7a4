// The aircraft's systems as the simulator runs them for the gauges: each key event a gauge sends
// changes host variables as the aircraft would, at once (a switch flips, a frequency steps) or over
// update cycles (the flaps and the gear travel, the ignition key springs back from START). Values
// the pilot does not set (temperatures, pressures, airspeed, altitude) keep what they hold, and a
// value the user sets while something runs is left to the user.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string_view>
#include <vector>

#include "gauge.h"

namespace gaugehost {

class PanelHost;
class VariableStore;
struct KeyEvent;

class AircraftModel {
public:
    // Steps and rates, chosen to look like the aircraft at the simulator's 18 updates a second;
    // whole numbers, so that a travel ends exactly on its target.
    static constexpr double kFullTravel = 16383;             // a lever, the flaps, the gear
    static constexpr double kLeverStep = 256;                // 1/64 of a quadrant lever's travel
    static constexpr double kFlapHandleFull = 16384;         // the flap handle's last detent
    static constexpr double kFlapTravelPerCycle = 91;        // full flaps in 10 s
    static constexpr double kGearTravelPerCycle = 61;        // the gear runs out in 15 s
    static constexpr double kTrimStep = 0.01;
    static constexpr double kElevatorTrimLimit = 0.44;       // the indicator's tab at the end of its slot
    static constexpr double kRudderTrimLimit = 0.45;
    static constexpr double kAltimeterStep = 0.01;           // inches of mercury
    static constexpr double kAltimeterLowest = 28.10, kAltimeterHighest = 31.00;  // the Kollsman window
    static constexpr double kDegreeStep = 1;                 // course, heading and heading bug knobs
    static constexpr double kCowlFlapStep = 0.5;             // closed, half, open
    static constexpr double kIgnitionStart = 4, kIgnitionBoth = 3;
    static constexpr int kIgnitionSpringCycles = 1;          // START holds this long after the last turn
    static constexpr int kPrimerStrokeCycles = 9;            // the plunger springs back after half a second
    static constexpr double kFuelSelectorDown = 0, kFuelSelectorLeft = 1, kFuelSelectorRight = 3;

    // Values the aircraft keeps that no gauge reads, held by the model under numbers of its own
    // outside the host's tokens: the standby frequencies that the COM2/NAV2 MEMORY buttons swap in.
    static constexpr gauge::HostVariableToken kCom2StandbyFrequency = 0xFFFF0001;
    static constexpr gauge::HostVariableToken kNav2StandbyFrequency = 0xFFFF0002;

    // The model acts on this host's variables; it answers the host only while running.
    explicit AircraftModel(PanelHost& host);
    ~AircraftModel();
    AircraftModel(const AircraftModel&) = delete;
    AircraftModel& operator=(const AircraftModel&) = delete;

    // While running, every key event the host records reaches react and every cycle advance.
    void setRunning(bool running);

    // The aircraft's answer to one key event.
    void react(const KeyEvent& event);
    // One update cycle of what runs over time.
    void advance();

    // A variable by token, the model's own held values included.
    double value(gauge::HostVariableToken variable) const;
    // Events received that the model has neither an answer for nor a reason to ignore.
    const std::set<gauge::KeyEventId>& unheardEvents() const { return unheardEvents_; }
    // Whether the model answers the event or lists it as deliberately without effect.
    static bool knows(gauge::KeyEventId event);
    // Why the event is deliberately left without effect; empty for any other event.
    static std::string_view withoutEffect(gauge::KeyEventId event);

private:
    // What one kind of the table's rows does; one specialisation a kind.
    template <class Effect>
    void apply(const Effect& effect);

    // A variable running toward a target: `perCycle` a cycle after `holdCycles` cycles of waiting.
    struct Motion {
        gauge::HostVariableToken variable;
        double target;
        double perCycle;
        int holdCycles;
        double written;  // what the model wrote last; any other value was set by the user
    };

    // A pilot's change: it ends whatever was running on the variable.
    void set(gauge::HostVariableToken variable, double value);
    void write(gauge::HostVariableToken variable, double value);
    void start(Motion motion);
    // One cycle of a motion; true once it has arrived.
    bool progress(Motion& motion);

    PanelHost& host_;
    VariableStore& variables_;
    bool running_ = false;
    std::map<gauge::HostVariableToken, double> held_;
    std::vector<Motion> motions_;
    std::set<gauge::KeyEventId> unheardEvents_;
};

}  // namespace gaugehost
