// The one conversion of a FLOAT64 to an integer used by the modules and the host: truncation toward
// zero, with a defined result where C++ leaves it undefined. NaN gives 0; values at or beyond the
// 32-bit range give INT32_MAX or INT32_MIN.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace gauge {

inline std::int32_t truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    // 2^31 is exact in a double, and every double above -2^31 - 1 and below 2^31 truncates into range.
    if (value >= 2147483648.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483649.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

// The truncated value held as a signed 8-bit number: 128 reads as -128, 256 as 0.
inline std::int8_t truncateToSignedByte(double value) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(static_cast<std::uint32_t>(truncateToInt32(value)) & 0xFFu));
}

// The truncated value's low 16 bits as an unsigned number: -5 reads as 65531.
inline std::uint32_t truncateToLow16(double value) {
    return static_cast<std::uint32_t>(truncateToInt32(value)) & 0xFFFFu;
}

}  // namespace gauge
