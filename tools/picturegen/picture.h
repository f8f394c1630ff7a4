#pragma once
#include <cairo.h>
#include <cstdint>
#include <span>
#include <string_view>
namespace picturegen {
struct Picture {
    std::uint32_t id;          // resource id
    int width, height;         // pixels
    int bitsPerPixel;          // 8 (palette of its own) or 24
    void (*draw)(cairo_t*, const Picture&);
};
struct ModulePictures {
    std::string_view moduleName;   // e.g. "VeskarZ3V5"
    std::span<const Picture> pictures;
};
}
