#include "tools/picturegen/bitmap_writer.h"

#include "tools/picturegen/drawing_kit.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string_view>
#include <system_error>

namespace picturegen {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMaxPaletteColours = 256;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
// Windows language id 1033, English (United States): primary language 9, sublanguage 1.
constexpr std::string_view kResourceLanguage = "LANGUAGE 9, 1";

std::string hexId(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", id);
    return text;
}

std::string describe(const ModulePictures& module, std::uint32_t id) {
    return "picture " + hexId(id) + " of " + std::string{module.moduleName};
}

class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(value); }
    void u16(std::uint16_t value) {
        u8(value & 0xFF);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void padTo(std::size_t size) { bytes_.resize(size, 0); }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

void writeHeaders(ByteWriter& out, const PixelImage& image, int bitsPerPixel, std::size_t paletteSize,
                  std::size_t rowStride) {
    const std::size_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
    const std::size_t pixelBytes = rowStride * image.height;
    // BITMAPFILEHEADER
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(pixelOffset + pixelBytes));
    out.u16(0);
    out.u16(0);
    out.u32(static_cast<std::uint32_t>(pixelOffset));
    // BITMAPINFOHEADER; a positive height stores the rows bottom-up.
    out.u32(kInfoHeaderSize);
    out.u32(static_cast<std::uint32_t>(image.width));
    out.u32(static_cast<std::uint32_t>(image.height));
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0);  // BI_RGB, uncompressed
    out.u32(static_cast<std::uint32_t>(pixelBytes));
    out.u32(kPixelsPerMetre);
    out.u32(kPixelsPerMetre);
    out.u32(static_cast<std::uint32_t>(paletteSize));
    out.u32(0);
}

std::vector<std::uint8_t> encodePaletted(const PixelImage& image) {
    std::vector<std::uint32_t> palette = image.pixels;
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    if (palette.size() > kMaxPaletteColours) {
        throw PictureError("has " + std::to_string(palette.size()) +
                           " distinct colours, but an 8-bit bitmap holds at most 256");
    }
    const std::size_t rowStride = (static_cast<std::size_t>(image.width) + 3) & ~std::size_t{3};
    ByteWriter out;
    writeHeaders(out, image, 8, palette.size(), rowStride);
    for (std::uint32_t colour : palette) {
        out.u8(colour & 0xFF);
        out.u8((colour >> 8) & 0xFF);
        out.u8((colour >> 16) & 0xFF);
        out.u8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const auto entry = std::lower_bound(palette.begin(), palette.end(), image.at(x, y));
            out.u8(static_cast<std::uint8_t>(entry - palette.begin()));
        }
        out.padTo(rowStart + rowStride);
    }
    return out.take();
}

std::vector<std::uint8_t> encodeTrueColour(const PixelImage& image) {
    const std::size_t rowStride = (3 * static_cast<std::size_t>(image.width) + 3) & ~std::size_t{3};
    ByteWriter out;
    writeHeaders(out, image, 24, 0, rowStride);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t colour = image.at(x, y);
            out.u8(colour & 0xFF);
            out.u8((colour >> 8) & 0xFF);
            out.u8((colour >> 16) & 0xFF);
        }
        out.padTo(rowStart + rowStride);
    }
    return out.take();
}

template <typename Bytes>
void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        throw PictureError("cannot write " + path.string());
    }
}

// Everything that can be wrong with the list itself is found before any file is written.
void checkList(const ModulePictures& module) {
    std::set<std::uint32_t> seen;
    for (const Picture& picture : module.pictures) {
        if (!seen.insert(picture.id).second) {
            throw PictureError(std::string{module.moduleName} + " lists picture " + hexId(picture.id) + " twice");
        }
        if (picture.bitsPerPixel != 8 && picture.bitsPerPixel != 24) {
            throw PictureError(describe(module, picture.id) + " has " + std::to_string(picture.bitsPerPixel) +
                               " bits per pixel; only 8 and 24 are written");
        }
        if (picture.width <= 0 || picture.height <= 0) {
            throw PictureError(describe(module, picture.id) + " has no area (" + std::to_string(picture.width) +
                               "x" + std::to_string(picture.height) + ")");
        }
        if (picture.draw == nullptr) {
            throw PictureError(describe(module, picture.id) + " has no drawing");
        }
    }
}

}  // namespace

PixelImage renderPicture(const Picture& picture) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height), cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw PictureError("cannot make a " + std::to_string(picture.width) + "x" + std::to_string(picture.height) +
                           " surface: " + cairo_status_to_string(cairo_surface_status(surface.get())));
    }
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
        kit::setCrispRendering(cr.get());
        picture.draw(cr.get(), picture);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            throw PictureError(std::string{"drawing failed: "} + cairo_status_to_string(cairo_status(cr.get())));
        }
    }
    cairo_surface_flush(surface.get());

    PixelImage image{picture.width, picture.height, {}};
    image.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < picture.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < picture.width; ++x) {
            image.pixels.push_back(row[x] & 0xFFFFFF);  // RGB24 leaves the top byte undefined
        }
    }
    return image;
}

std::vector<std::uint8_t> encodeBmp(const PixelImage& image, int bitsPerPixel) {
    switch (bitsPerPixel) {
    case 8: return encodePaletted(image);
    case 24: return encodeTrueColour(image);
    default: throw PictureError("cannot write a bitmap of " + std::to_string(bitsPerPixel) + " bits per pixel");
    }
}

std::string bitmapFileName(std::uint32_t id) {
    return hexId(id) + ".bmp";
}

void writeModulePictures(const ModulePictures& module, const std::filesystem::path& outDir) {
    checkList(module);

    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error || !std::filesystem::is_directory(outDir)) {
        throw PictureError("cannot use " + outDir.string() + " as output directory" +
                           (error ? ": " + error.message() : ": not a directory"));
    }

    std::ostringstream manifest;
    manifest << "# pictures of " << module.moduleName << ": id, width, height, bits per pixel\n";
    std::ostringstream resources;
    resources << kResourceLanguage << '\n';
    for (const Picture& picture : module.pictures) {
        std::vector<std::uint8_t> bitmap;
        try {
            bitmap = encodeBmp(renderPicture(picture), picture.bitsPerPixel);
        } catch (const PictureError& fault) {
            throw PictureError(describe(module, picture.id) + ": " + fault.what());
        }
        writeFile(outDir / bitmapFileName(picture.id), bitmap);
        manifest << hexId(picture.id) << ' ' << picture.width << ' ' << picture.height << ' '
                 << picture.bitsPerPixel << '\n';
        resources << picture.id << " BITMAP \"" << bitmapFileName(picture.id) << "\"\n";
    }
    writeFile(outDir / "pictures.txt", manifest.str());
    writeFile(outDir / "pictures.rc", resources.str());
}

}  // namespace picturegen
