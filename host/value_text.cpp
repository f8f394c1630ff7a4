#include "value_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "host_error.h"
#include "host_variables.h"
#include "nearest_names.h"

namespace gaugehost {

bool isHexadecimal(std::string_view text) { return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'); }

std::optional<std::int64_t> readWholeNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    std::string_view digits = negative ? text.substr(1) : text;
    int base = 10;
    if (isHexadecimal(digits)) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    if (negative ? magnitude > 0x80000000ull : magnitude > 0xFFFFFFFFull) return std::nullopt;
    return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

std::optional<double> readReal(std::string_view text) {
    if (isHexadecimal(text)) {
        if (const auto whole = readWholeNumber(text)) return static_cast<double>(*whole);
        return std::nullopt;
    }
    std::string_view digits = text.starts_with('+') ? text.substr(1) : text;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::uint32_t readHostVariable(std::string_view text) {
    if (isHexadecimal(text)) {
        if (const auto token = readWholeNumber(text); token && *token > 0) return static_cast<std::uint32_t>(*token);
    }
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (const HostVariableInfo* info = findHostVariable(std::string_view(upper))) return info->token;
    std::vector<std::string> names;
    for (const HostVariableInfo& info : hostVariables()) names.emplace_back(info.name());
    throw HostError("unknown host variable \"" + std::string(text) + "\"" + didYouMean(text, names) +
                    " (expected a name of `gaugehost vars` or a hexadecimal token such as 0x14D)");
}

void VariableValue::applyTo(VariableStore& variables) const {
    if (const auto* bits = std::get_if<std::int32_t>(&value)) {
        variables.setInteger(token, *bits);
    } else {
        variables.set(token, std::get<double>(value));
    }
}

VariableValue readVariableValue(std::uint32_t token, std::string_view text) {
    const HostVariableInfo* info = findHostVariable(token);
    const VariableForm form = info != nullptr ? info->form : VariableForm::Real;
    const auto refuse = [&](const char* expected) {
        return HostError(std::string("expected ") + expected + ", found \"" + std::string(text) + "\"");
    };
    if (form == VariableForm::Real) {
        const auto real = readReal(text);
        if (!real) throw refuse("a finite number");
        return {.token = token, .value = *real};
    }
    if (form == VariableForm::Bcd && !isHexadecimal(text)) throw refuse("a BCD value in hexadecimal such as 0x2250");
    const auto whole = readWholeNumber(text);
    if (!whole) throw refuse(form == VariableForm::Bcd ? "a BCD value in hexadecimal such as 0x2250" : "a whole number");
    return {.token = token, .value = static_cast<std::int32_t>(static_cast<std::uint32_t>(*whole))};
}

}  // namespace gaugehost
