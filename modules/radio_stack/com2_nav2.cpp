// RadioCom2Nav2Z3V: the COM 2 / NAV 2 radio with mechanical drum digits. Each half shows one host
// frequency on four drums, tunes by key events and swaps its frequencies with its MEMORY column;
// the COM VOL knob is the radio's power switch, the NAV VOL knob toggles the NAV2 identifier audio.
//
// Reads:    COM2_ACTIVE_FREQUENCY, NAV2_ACTIVE_FREQUENCY (the drums), NAV2_AUDIO_ON (NAV VOL knob)
// Sends:    COM2_SWAP, NAV2_SWAP (MEMORY columns); bound to areas: COM2_WHOLE_MHZ_DOWN/UP,
//           COM2_FRACTION_DOWN/UP, NAV2_WHOLE_MHZ_DOWN/UP, NAV2_FRACTION_DOWN/UP, NAV2_IDENT_TOGGLE
// Windows:  none
// Module data: com2Nav2Power, comMemoryChannel, navMemoryChannel
#include "com2_nav2_layout.h"
#include "radio_conventions.h"
#include "radio_gauges.h"

namespace radio_stack {

namespace {

namespace layout = com2_nav2_layout;

constinit SINT8 com2Nav2Power = 1;
// The memory indicators are the gauge's own count of clicks; the host is not asked which channel
// is active. 0 shows channel 1, 1 shows channel 2.
constinit SINT8 comMemoryChannel = 0;
constinit SINT8 navMemoryChannel = 0;

// Drum for BCD digit `position` of its half's frequency; the drums vanish while the radio is off.
template <int position>
FLOAT64 GAUGE_CALL Drum(MovingImageElement* drum) {
    if (com2Nav2Power == 0) {
        drum->common.imageFlags |= image_flag::kHidden;
    } else {
        drum->common.imageFlags &= ~image_flag::kHidden;
    }
    return bcdDigit(bcdBits(drum->ySource), position);
}

constinit const FailureRecord com2DrumFailures[] = {failure(20, 3), failure(21, 3), failure(9, 0), kEndOfFailures};
constinit const FailureRecord nav2DrumFailures[] = {failure(20, 3), failure(21, 3), failure(15, 0), kEndOfFailures};

// The drum of BCD digit `position` of a half's frequency, carrying the next drum of the chain.
template <int position>
constexpr MovingImageElement digitDrum(const layout::DrumRow& row, HostVariableToken frequency,
                                       const FailureRecord* failures, Element* const* next) {
    return drum(position == 3 ? layout::kLeadingPairStrip : layout::kDigitStrip, {row.x[position], layout::kDrumY},
                &radioCom2Nav2, frequency, Drum<position>, failures, image_flag::kTransparentEraseBright, next);
}

// The eight drums hang in one chain, NAV2 units first and the COM2 leading pair last; each is
// defined after the drum it carries.
constinit MovingImageElement com2LeadingPair =
    digitDrum<3>(layout::kCom2Drums, var::COM2_ACTIVE_FREQUENCY, com2DrumFailures, nullptr);
constinit Element* const com2Digit2Children[] = {&com2LeadingPair.common, nullptr};
constinit MovingImageElement com2Digit2 =
    digitDrum<2>(layout::kCom2Drums, var::COM2_ACTIVE_FREQUENCY, com2DrumFailures, com2Digit2Children);
constinit Element* const com2Digit1Children[] = {&com2Digit2.common, nullptr};
constinit MovingImageElement com2Digit1 =
    digitDrum<1>(layout::kCom2Drums, var::COM2_ACTIVE_FREQUENCY, com2DrumFailures, com2Digit1Children);
constinit Element* const com2Digit0Children[] = {&com2Digit1.common, nullptr};
constinit MovingImageElement com2Digit0 =
    digitDrum<0>(layout::kCom2Drums, var::COM2_ACTIVE_FREQUENCY, com2DrumFailures, com2Digit0Children);
constinit Element* const nav2LeadingPairChildren[] = {&com2Digit0.common, nullptr};
constinit MovingImageElement nav2LeadingPair =
    digitDrum<3>(layout::kNav2Drums, var::NAV2_ACTIVE_FREQUENCY, nav2DrumFailures, nav2LeadingPairChildren);
constinit Element* const nav2Digit2Children[] = {&nav2LeadingPair.common, nullptr};
constinit MovingImageElement nav2Digit2 =
    digitDrum<2>(layout::kNav2Drums, var::NAV2_ACTIVE_FREQUENCY, nav2DrumFailures, nav2Digit2Children);
constinit Element* const nav2Digit1Children[] = {&nav2Digit2.common, nullptr};
constinit MovingImageElement nav2Digit1 =
    digitDrum<1>(layout::kNav2Drums, var::NAV2_ACTIVE_FREQUENCY, nav2DrumFailures, nav2Digit1Children);
constinit Element* const nav2Digit0Children[] = {&nav2Digit1.common, nullptr};
constinit MovingImageElement nav2Digit0 =
    digitDrum<0>(layout::kNav2Drums, var::NAV2_ACTIVE_FREQUENCY, nav2DrumFailures, nav2Digit0Children);

constinit IconElement navMemoryIndicator =
    icon(layout::kNavMemoryIndicator.id, 2, at(layout::kNavMemoryIndicator), &radioCom2Nav2, 0,
         StatePicture<navMemoryChannel>, image_flag::kTransparentErase);
constinit IconElement comMemoryIndicator =
    icon(layout::kComMemoryIndicator.id, 2, at(layout::kComMemoryIndicator), &radioCom2Nav2, 0,
         StatePicture<comMemoryChannel>, image_flag::kTransparentErase);
constinit IconElement comVolumeKnob = icon(layout::kComVolumeKnob.id, 2, at(layout::kComVolumeKnob), &radioCom2Nav2,
                                           0, StatePicture<com2Nav2Power>, image_flag::kTransparentNoBlending);
constinit IconElement navVolumeKnob = icon(layout::kNavVolumeKnob.id, 2, at(layout::kNavVolumeKnob), &radioCom2Nav2,
                                           var::NAV2_AUDIO_ON, HostValuePicture, image_flag::kTransparentErase);

constinit Element* const children[] = {
    &navMemoryIndicator.common, &comMemoryIndicator.common, &comVolumeKnob.common, &nav2Digit0.common,
    &navVolumeKnob.common,      nullptr,
};
constinit StaticImageElement face = background(layout::kFace, &radioCom2Nav2, children);
constinit Element* const elements[] = {&face.common, nullptr};

constinit const MouseArea mouseAreas[] = {
    parentArea(kWholeGauge),
    functionArea({81, 226, 25, 55}, cursor::kDownArrow, mouse_flag::kClick, PowerOffClick<com2Nav2Power>),
    functionArea({107, 226, 25, 55}, cursor::kUpArrow, mouse_flag::kClick, PowerOnClick<com2Nav2Power>),
    functionArea({48, 30, 45, 170}, cursor::kHand, mouse_flag::kClick, FlipAndSend<comMemoryChannel, key::COM2_SWAP>),
    functionArea({605, 30, 45, 170}, cursor::kHand, mouse_flag::kClick, FlipAndSend<navMemoryChannel, key::NAV2_SWAP>),
    // COM tuning knob: whole megahertz down and up, fraction down and up.
    parentArea({110, 100, 210, 80}, 0xA712),
    keyArea({5, 0, 50, 79}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::COM2_WHOLE_MHZ_DOWN),
    keyArea({60, 0, 50, 79}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::COM2_WHOLE_MHZ_UP),
    keyArea({120, 0, 35, 79}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::COM2_FRACTION_DOWN),
    keyArea({156, 0, 35, 79}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::COM2_FRACTION_UP),
    endOfParent(),
    // NAV tuning knob, the same way.
    parentArea({393, 100, 210, 80}, 0xA716),
    keyArea({5, 0, 50, 79}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::NAV2_WHOLE_MHZ_DOWN),
    keyArea({60, 0, 50, 79}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::NAV2_WHOLE_MHZ_UP),
    keyArea({120, 0, 35, 79}, cursor::kDownArrow, mouse_flag::kClickRepeat, key::NAV2_FRACTION_DOWN),
    keyArea({156, 0, 35, 79}, cursor::kUpArrow, mouse_flag::kClickRepeat, key::NAV2_FRACTION_UP),
    endOfParent(),
    // The NAV VOL knob toggles the NAV2 identifier audio.
    keyArea({380, 219, 50, 50}, cursor::kHand, mouse_flag::kClick, key::NAV2_IDENT_TOGGLE),
    endOfParent(),
    endOfList(),
};

}  // namespace

GaugeHeader radioCom2Nav2 = {
    .headerVersion = kGaugeHeaderVersion, .gaugeName = "RadioCom2Nav2Z3V", .elementList = elements,
    GAUGE_FORWARDING_ROUTINES, .defaultWidthMm = 400, .mouseAreas = mouseAreas, .gaugeCallback = nullptr,
};

}  // namespace radio_stack
