// How the host writes ids, tokens, flags and colours in its messages, listings and file names:
// "0x" and upper-case hexadecimal digits without leading zeros ("0x1A3").
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace gaugehost {

inline std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace gaugehost
