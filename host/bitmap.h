// Pictures as the host reads them from a module: uncompressed Windows device-independent bitmaps.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace gaugehost {

struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A DIB as a bitmap resource holds it: info header, palette, pixels. Throws HostError when malformed.
Bitmap decodeDib(std::span<const std::uint8_t> dib);
// A .bmp file: the file header, then a DIB.
Bitmap decodeBmpFile(std::span<const std::uint8_t> file);

}  // namespace gaugehost
