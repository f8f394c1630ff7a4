#include "variable_store.h"

#include "truncation.h"

namespace gaugehost {

bool VariableStore::isIntegerForm(std::uint32_t token) {
    const auto* info = findHostVariable(token);
    return info != nullptr && info->form != VariableForm::Real;
}

void VariableStore::set(std::uint32_t token, double value) {
    if (isIntegerForm(token)) {
        setInteger(token, gauge::truncateToInt32(value));
        return;
    }
    Raw raw;
    std::memcpy(raw.bytes, &value, sizeof value);
    values_[token] = raw;
}

void VariableStore::setInteger(std::uint32_t token, std::int32_t value) {
    Raw raw;
    std::memcpy(raw.bytes, &value, sizeof value);
    values_[token] = raw;
}

VariableStore::Raw VariableStore::raw(std::uint32_t token) const {
    if (auto it = values_.find(token); it != values_.end()) return it->second;
    Raw raw;
    if (const auto* info = findHostVariable(token)) {
        if (info->form == VariableForm::Real) {
            std::memcpy(raw.bytes, &info->defaultValue, sizeof info->defaultValue);
        } else {
            // Integer defaults up to 0xFFFFFFFF are kept as their 32 bits.
            const auto bits = static_cast<std::uint32_t>(static_cast<std::int64_t>(info->defaultValue));
            std::memcpy(raw.bytes, &bits, sizeof bits);
        }
    }
    return raw;
}

double VariableStore::decode(std::uint32_t token, const unsigned char (&bytes)[8]) {
    if (isIntegerForm(token)) {
        std::int32_t integer;
        std::memcpy(&integer, bytes, sizeof integer);
        return integer;
    }
    double real;
    std::memcpy(&real, bytes, sizeof real);
    return real;
}

double VariableStore::value(std::uint32_t token) const { return decode(token, raw(token).bytes); }

void VariableStore::read(std::uint32_t token, unsigned char (&bytes)[8]) {
    if (findHostVariable(token) == nullptr && !values_.contains(token)) unknownTokensRead_.insert(token);
    const Raw r = raw(token);
    std::memcpy(bytes, r.bytes, sizeof bytes);
}

}  // namespace gaugehost
