// What a gauge shows: its draw state after a cycle, every element kind drawn over its background
// from the module's pictures, in drawing order.
#pragma once

#include <cstdint>
#include <optional>

#include "image.h"
#include "panel_host.h"
#include "typeface.h"

namespace gaugehost::render {

class GaugeRenderer {
public:
    // Opens the segment-display faces the text readouts are drawn in; throws HostError when
    // fonts-dseg is missing.
    GaugeRenderer();

    // The gauge at its background size as its elements stand after the last cycle; where nothing
    // is drawn the image stays transparent. Highlight ranges of the active selection are drawn in
    // their element's highlight colour.
    Image draw(const GaugeInstance& gauge, std::optional<std::uint32_t> activeSelection);

private:
    void drawText(Image& target, const gauge::StringElement& element, const std::string& text,
                  std::optional<std::uint32_t> activeSelection);

    Typeface digits_;
    Typeface letters_;
};

}  // namespace gaugehost::render
