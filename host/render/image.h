// The RGBA pictures the bench draws gauges, panel windows and contact sheets into, with the
// resampling and compositing every drawing shares.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "gauge.h"

namespace gaugehost::render {

// Straight (not premultiplied) 8-bit colour; alpha 0 is fully transparent.
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};
static_assert(sizeof(Rgba) == 4, "rows of Rgba are handed to libpng as bytes");

// An opaque colour from 0xRRGGBB, as the module pictures hold them.
constexpr Rgba opaque(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb), 255};
}

// An opaque colour from a text element's 0x00BBGGRR value.
constexpr Rgba fromColourRef(gauge::Colour colour) {
    return {static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8), static_cast<std::uint8_t>(colour >> 16),
            255};
}

// A colour with components 0 … 1 multiplied by its alpha: the form in which samples are mixed.
struct Premultiplied {
    double r = 0, g = 0, b = 0, a = 0;
};

Premultiplied premultiply(Rgba colour);

class Image {
public:
    Image() = default;
    // Throws HostError for a size no drawing needs (more than 16384 pixels a side).
    Image(int width, int height, Rgba fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    const Rgba& at(int x, int y) const { return pixels_[index(x, y)]; }
    Rgba& at(int x, int y) { return pixels_[index(x, y)]; }
    const std::vector<Rgba>& pixels() const { return pixels_; }
    std::vector<Rgba>& pixels() { return pixels_; }

    // Lays the colour over the pixel; points outside the image are left alone.
    void blend(int x, int y, const Premultiplied& colour);
    void blend(int x, int y, Rgba colour) { blend(x, y, premultiply(colour)); }
    void fillRectangle(int x, int y, int width, int height, Rgba colour);
    // A one-pixel outline just inside the rectangle.
    void outlineRectangle(int x, int y, int width, int height, Rgba colour);

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_ = 0, height_ = 0;
    std::vector<Rgba> pixels_;
};

// The bilinear mix of the four texels around (x, y), texel centres lying on whole coordinates;
// texels beyond the picture are transparent, so edges fade out smoothly.
// `texel(x, y)` gives the Premultiplied colour of a texel inside the picture.
template <class Texel>
Premultiplied sampleBilinear(Texel&& texel, int width, int height, double x, double y) {
    // Also turns away NaN, which a module's callback may hand over as an angle or a shift.
    if (!(x > -1 && y > -1 && x < width && y < height)) return {};
    const double left = std::floor(x), top = std::floor(y);
    const double fx = x - left, fy = y - top;
    const int x0 = static_cast<int>(left), y0 = static_cast<int>(top);
    Premultiplied sum;
    const auto add = [&](int tx, int ty, double weight) {
        if (weight == 0 || tx < 0 || ty < 0 || tx >= width || ty >= height) return;
        const Premultiplied colour = texel(tx, ty);
        sum.r += colour.r * weight;
        sum.g += colour.g * weight;
        sum.b += colour.b * weight;
        sum.a += colour.a * weight;
    };
    add(x0, y0, (1 - fx) * (1 - fy));
    add(x0 + 1, y0, fx * (1 - fy));
    add(x0, y0 + 1, (1 - fx) * fy);
    add(x0 + 1, y0 + 1, fx * fy);
    return sum;
}

// Draws `source` over `target`, its top-left corner at (x, y), resized to width × height. Shrinking
// averages several samples per pixel so that fine lines survive.
void drawResized(Image& target, const Image& source, double x, double y, double width, double height);

}  // namespace gaugehost::render
