// PNG files of the bench's drawings, through libpng.
#pragma once

#include <filesystem>

#include "image.h"

namespace gaugehost::render {

// 8-bit RGBA with its transparency. Throws HostError naming the file when it cannot be written.
void writePng(const Image& image, const std::filesystem::path& file);
// Any PNG, converted to 8-bit RGBA. Throws HostError naming the file when it cannot be read.
Image readPng(const std::filesystem::path& file);

}  // namespace gaugehost::render
