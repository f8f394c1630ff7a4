// Where the trim gauges and their art meet: the pictures' ids and sizes, the wheels' phase pictures,
// the halves of each wheel that react and the places of the indicator tabs. The gauges place their
// elements and areas by these and the pictures draw the wheels, slots and zero marks by the same ones.
#pragma once

#include <array>
#include <cstdint>

namespace trim_annunciators::trim_layout {

// A wheel's rim turns through five phase pictures: the base id, then base + 2 to base + 5. The
// host's picture series of an icon passes over the one id its module lacks, so the icon declares
// the base id and five pictures and the host finds these five, in this order.
inline constexpr int kWheelPhaseCount = 5;
constexpr std::array<std::uint32_t, kWheelPhaseCount> wheelPhaseIds(std::uint32_t base) {
    return {base, base + 2, base + 3, base + 4, base + 5};
}

// The wheels are long and narrow; TrimVmove stands upright, TrimHmove lies flat.
inline constexpr int kWheelLength = 931;
inline constexpr int kWheelThickness = 70;
// Each half of a wheel reacts along 450 pixels; the 20 between them do not.
inline constexpr int kWheelHalfLength = 450;
inline constexpr int kWheelDeadBand = 20;
inline constexpr int kSecondHalfStart = kWheelHalfLength + kWheelDeadBand;

inline constexpr std::uint32_t kUprightWheelBackground = 0x100;
inline constexpr std::uint32_t kUprightWheelRim = 0x101;
inline constexpr std::uint32_t kFlatWheelBackground = 0x200;
inline constexpr std::uint32_t kFlatWheelRim = 0x201;

// ElevadorTrim: a tab sliding up and down a slot; at trim 0 it stands on the slot's middle band.
inline constexpr std::uint32_t kElevatorSlot = 0x108;
inline constexpr int kElevatorSlotWidth = 15;
inline constexpr int kElevatorSlotHeight = 94;
inline constexpr std::uint32_t kElevatorTab = 0x109;
inline constexpr int kElevatorTabWidth = 13;
inline constexpr int kElevatorTabHeight = 5;
inline constexpr int kElevatorTabX = 0;
inline constexpr int kElevatorTabY = 44;

// RudderTrim: a tab sliding left and right along a strip; at trim 0 it stands on the strip's middle.
inline constexpr std::uint32_t kRudderStrip = 0x110;
inline constexpr int kRudderStripWidth = 77;
inline constexpr int kRudderStripHeight = 8;
inline constexpr std::uint32_t kRudderTab = 0x111;
inline constexpr int kRudderTabWidth = 5;
inline constexpr int kRudderTabHeight = 6;
inline constexpr int kRudderTabX = 36;
inline constexpr int kRudderTabY = 1;

// The tabs at trim 0 sit inside their slot and strip.
static_assert(kElevatorTabX + kElevatorTabWidth <= kElevatorSlotWidth);
static_assert(kElevatorTabY + kElevatorTabHeight <= kElevatorSlotHeight);
static_assert(kRudderTabX + kRudderTabWidth <= kRudderStripWidth);
static_assert(kRudderTabY + kRudderTabHeight <= kRudderStripHeight);

}  // namespace trim_annunciators::trim_layout
