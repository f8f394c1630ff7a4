#include "png_file.h"

#include <png.h>

#include <string>

#include "host_error.h"

namespace gaugehost::render {
namespace {

png_image rgbaDescription(int width, int height) {
    png_image description{};
    description.version = PNG_IMAGE_VERSION;
    description.format = PNG_FORMAT_RGBA;
    description.width = static_cast<png_uint_32>(width);
    description.height = static_cast<png_uint_32>(height);
    return description;
}

}  // namespace

void writePng(const Image& image, const std::filesystem::path& file) {
    png_image description = rgbaDescription(image.width(), image.height());
    if (image.width() == 0 || image.height() == 0 ||
        !png_image_write_to_file(&description, file.c_str(), 0, image.pixels().data(), 0, nullptr)) {
        throw HostError("cannot write " + file.string() + ": " +
                        (image.width() == 0 || image.height() == 0 ? "the drawing is empty" : description.message));
    }
}

void writePng(const Image& image, std::FILE* stream, const std::string& name) {
    png_image description = rgbaDescription(image.width(), image.height());
    if (image.width() == 0 || image.height() == 0 ||
        !png_image_write_to_stdio(&description, stream, 0, image.pixels().data(), 0, nullptr) || std::fflush(stream) != 0) {
        throw HostError("cannot write " + name + ": " +
                        (image.width() == 0 || image.height() == 0 ? "the drawing is empty" : description.message));
    }
}

Image readPng(const std::filesystem::path& file) {
    png_image description{};
    description.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&description, file.c_str())) {
        throw HostError("cannot read " + file.string() + ": " + description.message);
    }
    description.format = PNG_FORMAT_RGBA;
    // The Image constructor refuses sizes beyond what any drawing needs before anything is decoded.
    Image image;
    try {
        image = Image(static_cast<int>(description.width), static_cast<int>(description.height));
    } catch (...) {
        png_image_free(&description);
        throw;
    }
    if (!png_image_finish_read(&description, nullptr, image.pixels().data(), 0, nullptr)) {
        throw HostError("cannot read " + file.string() + ": " + description.message);
    }
    return image;
}

}  // namespace gaugehost::render
