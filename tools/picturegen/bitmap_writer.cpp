#include "tools/picturegen/bitmap_writer.h"

#include "tools/picturegen/drawing_kit.h"

#include <libimagequant.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string_view>
#include <system_error>
#include <unordered_map>

namespace picturegen {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMaxPaletteColours = 256;
constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch
// Windows language id 1033, English (United States): primary language 9, sublanguage 1.
constexpr std::string_view kResourceLanguage = "LANGUAGE 9, 1";

constexpr std::uint32_t kPureBlack = kit::kTransparent.packed();
constexpr std::uint32_t kWindowBlack = kit::kNearBlack.packed();

// The two colours that mean something to the host and so are never approximated.
bool isKeptExactly(std::uint32_t colour) {
    return colour == kPureBlack || colour == kWindowBlack;
}

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
    for (const Picture& picture : module.all()) {
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

// A drawn pixel, premultiplied ARGB, as the host will see it: wholly transparent is pure black,
// anything drawn is laid over the edge black and never comes out pure black.
std::uint32_t flatten(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    if (alpha == 0) return kPureBlack;
    const auto channel = [&](int shift, std::uint32_t under) {
        return ((argb >> shift) & 0xFF) + (under * (255 - alpha) + 127) / 255;
    };
    constexpr kit::Rgb under = kit::kEdgeBlack;
    const std::uint32_t colour = channel(16, under.r) << 16 | channel(8, under.g) << 8 | channel(0, under.b);
    return colour == kPureBlack ? kit::kEdgeBlack.packed() : colour;
}

struct LiqRelease {
    void operator()(liq_attr* attributes) const { liq_attr_destroy(attributes); }
    void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};
template <typename Liq>
using LiqHandle = std::unique_ptr<Liq, LiqRelease>;

void checkLiq(liq_error error, const char* step) {
    if (error != LIQ_OK) throw PictureError(std::string{"libimagequant failed to "} + step + " (error " +
                                            std::to_string(static_cast<int>(error)) + ")");
}

// The palette that libimagequant chooses for the colours of the histogram.
std::vector<std::uint32_t> choosePalette(const std::unordered_map<std::uint32_t, unsigned>& histogram,
                                         int maxColours) {
    const LiqHandle<liq_attr> attributes(liq_attr_create());
    if (!attributes) throw PictureError("libimagequant cannot start");
    checkLiq(liq_set_max_colors(attributes.get(), maxColours), "limit the palette");
    const LiqHandle<liq_histogram> colours(liq_histogram_create(attributes.get()));
    if (!colours) throw PictureError("libimagequant cannot make a histogram");
    // In colour order, so that the same picture always gets the same palette.
    std::vector<std::pair<std::uint32_t, unsigned>> ordered(histogram.begin(), histogram.end());
    std::sort(ordered.begin(), ordered.end());
    std::vector<liq_histogram_entry> entries;
    entries.reserve(ordered.size());
    for (const auto& [colour, count] : ordered) {
        entries.push_back({.color = {.r = static_cast<unsigned char>(colour >> 16),
                                     .g = static_cast<unsigned char>(colour >> 8),
                                     .b = static_cast<unsigned char>(colour),
                                     .a = 255},
                           .count = count});
    }
    checkLiq(liq_histogram_add_colors(colours.get(), attributes.get(), entries.data(),
                                      static_cast<int>(entries.size()), 0),
             "count the colours");
    liq_result* quantised = nullptr;
    checkLiq(liq_histogram_quantize(colours.get(), attributes.get(), &quantised), "choose a palette");
    const LiqHandle<liq_result> result(quantised);
    const liq_palette* chosen = liq_get_palette(result.get());
    std::vector<std::uint32_t> palette;
    for (unsigned index = 0; index < chosen->count; ++index) {
        const liq_color& entry = chosen->entries[index];
        const std::uint32_t colour = std::uint32_t{entry.r} << 16 | std::uint32_t{entry.g} << 8 | entry.b;
        // An entry for dark colours may land on a kept colour; it moves just off it.
        palette.push_back(isKeptExactly(colour) ? kit::kEdgeBlack.packed() : colour);
    }
    if (palette.empty()) throw PictureError("libimagequant chose no colours");
    return palette;
}

std::uint32_t nearest(const std::vector<std::uint32_t>& palette, std::uint32_t colour) {
    const auto distance = [colour](std::uint32_t entry) {
        int sum = 0;
        for (int shift : {16, 8, 0}) {
            const int difference =
                static_cast<int>((entry >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF);
            sum += difference * difference;
        }
        return sum;
    };
    return *std::min_element(palette.begin(), palette.end(),
                             [&](std::uint32_t a, std::uint32_t b) { return distance(a) < distance(b); });
}

}  // namespace

PixelImage renderPicture(const Picture& picture) {
    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height), cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        throw PictureError("cannot make a " + std::to_string(picture.width) + "x" + std::to_string(picture.height) +
                           " surface: " + cairo_status_to_string(cairo_surface_status(surface.get())));
    }
    {
        std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
        kit::setSmoothRendering(cr.get());
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
            image.pixels.push_back(flatten(row[x]));
        }
    }
    return image;
}

PixelImage reduceToPalette(const PixelImage& image) {
    std::unordered_map<std::uint32_t, unsigned> histogram;
    std::set<std::uint32_t> keptColours;
    for (std::uint32_t colour : image.pixels) {
        if (isKeptExactly(colour)) {
            keptColours.insert(colour);
        } else {
            ++histogram[colour];
        }
    }
    if (histogram.size() + keptColours.size() <= kMaxPaletteColours) return image;

    // The kept colours go into the palette as they are; libimagequant chooses the others.
    const std::vector<std::uint32_t> palette = choosePalette(histogram, static_cast<int>(kMaxPaletteColours) - 2);
    std::unordered_map<std::uint32_t, std::uint32_t> replacement;
    for (const auto& entry : histogram) replacement[entry.first] = nearest(palette, entry.first);

    PixelImage reduced{image.width, image.height, {}};
    reduced.pixels.reserve(image.pixels.size());
    for (std::uint32_t colour : image.pixels) {
        reduced.pixels.push_back(isKeptExactly(colour) ? colour : replacement.at(colour));
    }
    return reduced;
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
    for (const Picture& picture : module.all()) {
        std::vector<std::uint8_t> bitmap;
        try {
            const PixelImage drawn = renderPicture(picture);
            bitmap = encodeBmp(picture.bitsPerPixel == 8 ? reduceToPalette(drawn) : drawn, picture.bitsPerPixel);
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
