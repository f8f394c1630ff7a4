// Turns a module's picture list into the Windows bitmaps that the resource compiler
// packs into the module and that the bench host reads.
#pragma once

#include "tools/picturegen/picture.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace picturegen {

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A drawn picture: one 0xRRGGBB value per pixel, rows from top to bottom.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Draws the picture antialiased at its declared size on a transparent canvas. What stays wholly
// transparent becomes pure black, which the host leaves out; partly covered pixels are laid over
// kit::kEdgeBlack, and nothing that was drawn comes out pure black.
PixelImage renderPicture(const Picture& picture);

// The image in at most 256 colours, the palette chosen by libimagequant. Pure black and (1, 1, 1)
// stay exactly where they are and appear nowhere else: the host's transparency and a mask's window
// neither spread nor shrink. An image of at most 256 colours comes back unchanged.
PixelImage reduceToPalette(const PixelImage& image);

// An uncompressed Windows bitmap file: 8-bit with a palette of exactly the image's
// distinct colours, or 24-bit. Throws PictureError when an 8-bit image has more than 256 colours.
std::vector<std::uint8_t> encodeBmp(const PixelImage& image, int bitsPerPixel);

// "0x130.bmp" for id 0x130.
std::string bitmapFileName(std::uint32_t id);

// Writes every picture of the module as <outDir>/<id>.bmp, 8-bit pictures reduced to a palette of
// their own and 24-bit ones as drawn, then the manifest pictures.txt and the resource script
// pictures.rc. Throws PictureError with a message naming the module and picture at fault.
void writeModulePictures(const ModulePictures& module, const std::filesystem::path& outDir);

}  // namespace picturegen
