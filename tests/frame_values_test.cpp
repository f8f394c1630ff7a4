// The frame's one truncation and its bounded text writer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "module.h"

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Truncation, TowardZeroInRangeAndDefinedOutside) {
    const std::pair<double, std::int32_t> cases[] = {
        {1.9, 1},           {-1.9, -1},           {0.0, 0},           {-0.0, 0},
        {2147483647.9, kMax}, {2147483648.0, kMax}, {1e300, kMax},      {kInfinity, kMax},
        {-2147483648.9, kMin}, {-2147483649.0, kMin}, {-1e300, kMin},   {-kInfinity, kMin},
        {std::nan(""), 0},
    };
    for (auto [value, expected] : cases) EXPECT_EQ(gauge::truncateToInt32(value), expected) << value;
}

TEST(Truncation, SignedByteWrapsEvery256) {
    const std::pair<double, int> cases[] = {{127.9, 127}, {128, -128}, {255, -1},  {256, 0},
                                            {383.5, 127}, {-1.5, -1},  {-129, 127}, {std::nan(""), 0}};
    for (auto [value, expected] : cases) EXPECT_EQ(gauge::truncateToSignedByte(value), expected) << value;
}

TEST(Truncation, Low16BitsAreUnsigned) {
    const std::pair<double, std::uint32_t> cases[] = {{-5, 65531}, {65535.9, 65535}, {65536, 0}, {70000, 4464},
                                                      {std::nan(""), 0}};
    for (auto [value, expected] : cases) EXPECT_EQ(gauge::truncateToLow16(value), expected) << value;
}

// A host buffer of `capacity` bytes with guard bytes after it.
struct GuardedBuffer {
    explicit GuardedBuffer(std::uint32_t capacity) : capacity(capacity) {
        std::memset(bytes, 'G', sizeof bytes);
        element.textBuffer = bytes;
        element.textBufferSize = capacity;
    }
    bool guardsIntact() const {
        for (std::size_t i = capacity; i < sizeof bytes; ++i) {
            if (bytes[i] != 'G') return false;
        }
        return true;
    }
    std::uint32_t capacity;
    char bytes[32];
    gauge::StringElement element{};
};

TEST(TextWriter, CutsATooLongTextAndNeverWritesPastTheBuffer) {
    GuardedBuffer buffer(7);  // six characters and the terminator
    gauge::writeText(&buffer.element, "1%d%d.%d%d", 0xA, 0xB, 0xC, 0xD);  // non-decimal digits make it longer
    EXPECT_STREQ(buffer.bytes, "11011.");
    EXPECT_TRUE(buffer.guardsIntact());
}

TEST(TextWriter, ATextOfExactlyTheCapacityIsShownWhole) {
    GuardedBuffer buffer(7);
    gauge::writeText(&buffer.element, "%s", "123.45");
    EXPECT_STREQ(buffer.bytes, "123.45");
    EXPECT_TRUE(buffer.guardsIntact());
}

TEST(TextWriter, FormatsFixedPoint) {
    GuardedBuffer buffer(9);
    gauge::writeText(&buffer.element, "%4.1f", 12.345);
    EXPECT_STREQ(buffer.bytes, "12.3");
}

TEST(TextWriter, WithoutABufferWritesNothing) {
    gauge::StringElement element{};
    gauge::writeText(&element, "%d", 42);  // must not crash
    EXPECT_EQ(element.textBuffer, nullptr);
    GuardedBuffer one(1);
    gauge::writeText(&one.element, "%d", 42);
    EXPECT_STREQ(one.bytes, "");
    EXPECT_TRUE(one.guardsIntact());
}

}  // namespace
