#include "bitmap.h"

#include <cstring>
#include <string>

#include "host_error.h"

namespace gaugehost {
namespace {

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 4 > bytes.size()) throw HostError("bitmap is truncated");
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 2 > bytes.size()) throw HostError("bitmap is truncated");
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

}  // namespace

Bitmap decodeDib(std::span<const std::uint8_t> dib) {
    if (readU32(dib, 0) < kInfoHeaderSize) throw HostError("bitmap has no BITMAPINFOHEADER");
    const auto headerSize = readU32(dib, 0);
    const auto width = static_cast<std::int32_t>(readU32(dib, 4));
    const auto rawHeight = static_cast<std::int32_t>(readU32(dib, 8));
    const int bits = readU16(dib, 14);
    if (readU32(dib, 16) != kUncompressed) throw HostError("bitmap is compressed");
    if (width <= 0 || rawHeight == 0 || width > 16384 || rawHeight > 16384 || rawHeight < -16384) {
        throw HostError("bitmap has an impossible size");
    }
    if (bits != 8 && bits != 24) throw HostError("bitmap depth " + std::to_string(bits) + " is not 8 or 24");
    const bool bottomUp = rawHeight > 0;
    const int height = bottomUp ? rawHeight : -rawHeight;

    std::uint32_t paletteSize = 0;
    if (bits == 8) {
        paletteSize = readU32(dib, 32);
        if (paletteSize == 0) paletteSize = 256;
        if (paletteSize > 256) throw HostError("bitmap palette has more than 256 entries");
    }
    const std::size_t paletteAt = headerSize;
    const std::size_t pixelsAt = paletteAt + 4 * paletteSize;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
    if (pixelsAt + stride * height > dib.size()) throw HostError("bitmap pixels are truncated");

    Bitmap bitmap{.width = width, .height = height, .bitsPerPixel = bits, .pixels = {}};
    bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        const std::size_t rowAt = pixelsAt + stride * (bottomUp ? height - 1 - row : row);
        for (int x = 0; x < width; ++x) {
            std::uint32_t rgb;
            if (bits == 8) {
                const std::uint8_t index = dib[rowAt + x];
                if (index >= paletteSize) throw HostError("bitmap pixel names a colour beyond its palette");
                rgb = readU32(dib, paletteAt + 4 * index) & 0xFFFFFF;  // stored blue, green, red
            } else {
                const std::size_t at = rowAt + 3 * static_cast<std::size_t>(x);
                rgb = dib[at] | dib[at + 1] << 8 | static_cast<std::uint32_t>(dib[at + 2]) << 16;
            }
            bitmap.pixels[static_cast<std::size_t>(row) * width + x] = rgb;
        }
    }
    return bitmap;
}

Bitmap decodeBmpFile(std::span<const std::uint8_t> file) {
    if (file.size() < 14 || file[0] != 'B' || file[1] != 'M') throw HostError("not a BMP file");
    // The pixels follow the palette, as in a bitmap resource.
    return decodeDib(file.subspan(14));
}

}  // namespace gaugehost
