#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "variables.h"

// The single table of every host variable (HostVariableToken) that the gauges
// of the eight modules read, as bound into elements or refreshed with
// lookup_var. The bench host uses it to know how to
// fill a ModuleVariable's value for each token and what value to start from.

namespace gaugehost {

// How a host variable's value lies in a ModuleVariable: a FLOAT64, or a 32-bit integer in the first four bytes.
enum class VariableForm { Real, Integer, Enumeration, Flag, Bcd };

// "real", "integer", "enumeration", "flag", "BCD".
const char* formName(VariableForm form);

struct HostVariableInfo {
    std::uint32_t token;
    VariableForm form;
    std::string_view unit;      // e.g. "knots", "metres per second", "degrees Rankine", "bool", "BCD frequency", "enum", "part 0..16383"
    double defaultValue;        // plausible for an aircraft parked, engine off, battery off; for integer forms an exact integer (BCD as its raw bits, e.g. 0x2250 for 122.50)
    std::string_view role;      // one short line: what the gauges read it for

    // The framework's name of the token, e.g. "GEAR_HANDLE_POSITION".
    constexpr std::string_view name() const { return gauge::var::nameOf(token); }
};

// Every host variable any gauge of the set reads, ordered by token.
std::span<const HostVariableInfo> hostVariables();
// The entry for a token, or nullptr when no gauge reads that token.
const HostVariableInfo* findHostVariable(std::uint32_t token);
// The entry with exactly this (upper-case) name, or nullptr.
const HostVariableInfo* findHostVariable(std::string_view name);

}  // namespace gaugehost
