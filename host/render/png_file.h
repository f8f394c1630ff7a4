// PNG files of the bench's drawings, through libpng.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

#include "image.h"

namespace gaugehost::render {

// 8-bit RGBA with its transparency. Throws HostError naming the file when it cannot be written.
void writePng(const Image& image, const std::filesystem::path& file);
// The same to an open stream such as standard output; `name` names it in the error.
void writePng(const Image& image, std::FILE* stream, const std::string& name);
// Any PNG, converted to 8-bit RGBA. Throws HostError naming the file when it cannot be read.
Image readPng(const std::filesystem::path& file);

}  // namespace gaugehost::render
