// Host variables and their values as people write them, on gaugehost's command line and in
// scenarios: a variable by its table name or hexadecimal token, a value in the variable's own form.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "variable_store.h"

namespace gaugehost {

// The most update cycles one step or command runs.
inline constexpr int kMostCycles = 1000000;

bool isHexadecimal(std::string_view text);  // "0x…" or "0X…"
// A whole number, decimal or 0x-hexadecimal, from -2147483648 to 0xFFFFFFFF.
std::optional<std::int64_t> readWholeNumber(std::string_view text);
// A finite number in decimal (a leading '+' allowed), or a whole number in 0x-hexadecimal.
std::optional<double> readReal(std::string_view text);

// A host variable by its name in the table (in any case) or as a hexadecimal token other than 0.
// Throws HostError naming the nearest names when there is none.
std::uint32_t readHostVariable(std::string_view text);

// A value as the variable holds it: a FLOAT64, or the 32 bits of an integer form.
struct VariableValue {
    std::uint32_t token = 0;
    std::variant<double, std::int32_t> value;
    void applyTo(VariableStore& variables) const;
};

// The text in the variable's own form: a number for real values, a whole number for integers,
// enumerations and flags, hexadecimal for BCD (0x2250). Tokens outside the table take real values.
// Throws HostError "expected …, found "…"".
VariableValue readVariableValue(std::uint32_t token, std::string_view text);

}  // namespace gaugehost
