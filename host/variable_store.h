// The host variables the bench feeds to the gauges, keyed by token, each in its own form.
#pragma once

#include <cstdint>
#include <cstring>
#include <map>
#include <set>

#include "host_variables.h"

namespace gaugehost {

class VariableStore {
public:
    // A value set in the variable's own form: a FLOAT64, or for integer forms the value truncated
    // to a 32-bit integer in the first four bytes. Tokens outside the table are held as FLOAT64.
    void set(std::uint32_t token, double value);
    // The raw 32-bit integer of an integer-form variable (BCD as its bits).
    void setInteger(std::uint32_t token, std::int32_t value);
    // The value as a number whatever its form.
    double value(std::uint32_t token) const;
    // Fills the eight value bytes a ModuleVariable carries. Unknown tokens read as zero and are remembered.
    void read(std::uint32_t token, unsigned char (&bytes)[8]);
    const std::set<std::uint32_t>& unknownTokensRead() const { return unknownTokensRead_; }

    static bool isIntegerForm(std::uint32_t token);
    // Eight value bytes as a number, read in the token's form.
    static double decode(std::uint32_t token, const unsigned char (&bytes)[8]);

private:
    struct Raw {
        unsigned char bytes[8]{};
    };
    Raw raw(std::uint32_t token) const;
    std::map<std::uint32_t, Raw> values_;
    std::set<std::uint32_t> unknownTokensRead_;
};

}  // namespace gaugehost
