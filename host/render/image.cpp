#include "image.h"

#include <algorithm>
#include <string>

#include "host_error.h"

namespace gaugehost::render {
namespace {

constexpr int kLargestSide = 16384;

std::uint8_t toByte(double component) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(component, 0.0, 1.0) * 255.0));
}

}  // namespace

Premultiplied premultiply(Rgba colour) {
    const double alpha = colour.a / 255.0;
    return {colour.r / 255.0 * alpha, colour.g / 255.0 * alpha, colour.b / 255.0 * alpha, alpha};
}

Image::Image(int width, int height, Rgba fill) : width_(width), height_(height) {
    if (width < 0 || height < 0 || width > kLargestSide || height > kLargestSide) {
        throw HostError("an image of " + std::to_string(width) + "x" + std::to_string(height) + " pixels is too large to draw");
    }
    pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

void Image::blend(int x, int y, const Premultiplied& colour) {
    if (!contains(x, y) || !(colour.a > 0)) return;
    Rgba& pixel = at(x, y);
    const double behind = pixel.a / 255.0 * (1 - colour.a);
    const double alpha = colour.a + behind;
    const auto mix = [&](double over, std::uint8_t under) { return toByte((over + under / 255.0 * behind) / alpha); };
    pixel = {mix(colour.r, pixel.r), mix(colour.g, pixel.g), mix(colour.b, pixel.b), toByte(alpha)};
}

void Image::fillRectangle(int x, int y, int width, int height, Rgba colour) {
    for (int row = std::max(y, 0); row < std::min(y + height, height_); ++row) {
        for (int column = std::max(x, 0); column < std::min(x + width, width_); ++column) at(column, row) = colour;
    }
}

void Image::outlineRectangle(int x, int y, int width, int height, Rgba colour) {
    fillRectangle(x, y, width, 1, colour);
    fillRectangle(x, y + height - 1, width, 1, colour);
    fillRectangle(x, y, 1, height, colour);
    fillRectangle(x + width - 1, y, 1, height, colour);
}

void drawResized(Image& target, const Image& source, double x, double y, double width, double height) {
    if (source.width() == 0 || source.height() == 0 || !(width > 0 && height > 0) || !std::isfinite(x + y + width + height)) {
        return;
    }
    const double scaleX = width / source.width(), scaleY = height / source.height();
    const int samplesX = std::clamp(static_cast<int>(std::ceil(1 / scaleX)), 1, 16);
    const int samplesY = std::clamp(static_cast<int>(std::ceil(1 / scaleY)), 1, 16);
    const auto texel = [&](int tx, int ty) { return premultiply(source.at(tx, ty)); };
    const int left = std::max(static_cast<int>(std::floor(x)), 0);
    const int top = std::max(static_cast<int>(std::floor(y)), 0);
    const int right = std::min(static_cast<int>(std::ceil(x + width)), target.width());
    const int bottom = std::min(static_cast<int>(std::ceil(y + height)), target.height());
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            Premultiplied sum;
            for (int sy = 0; sy < samplesY; ++sy) {
                for (int sx = 0; sx < samplesX; ++sx) {
                    // Source texel centres lie at x + (i + 0.5) * scale on the target.
                    const double u = (column + (sx + 0.5) / samplesX - x) / scaleX - 0.5;
                    const double v = (row + (sy + 0.5) / samplesY - y) / scaleY - 0.5;
                    const Premultiplied sample = sampleBilinear(texel, source.width(), source.height(), u, v);
                    sum.r += sample.r;
                    sum.g += sample.g;
                    sum.b += sample.b;
                    sum.a += sample.a;
                }
            }
            const double count = samplesX * samplesY;
            target.blend(column, row, Premultiplied{sum.r / count, sum.g / count, sum.b / count, sum.a / count});
        }
    }
}

}  // namespace gaugehost::render
