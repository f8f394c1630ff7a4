#pragma once
#include <cairo.h>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>
namespace picturegen {
struct Picture {
    std::uint32_t id;          // resource id
    int width, height;         // pixels
    int bitsPerPixel;          // 8 (palette of its own) or 24
    void (*draw)(cairo_t*, const Picture&);
};
// The pictures of one unit of gauges, listed beside the unit's gauges.
struct PictureUnit {
    std::span<const Picture> pictures;
};
// A module's one list of pictures: the lists of its units.
struct ModulePictures {
    std::string_view moduleName;   // e.g. "VeskarZ3V5"
    std::span<const PictureUnit* const> units;

    std::vector<Picture> all() const {
        std::vector<Picture> pictures;
        for (const PictureUnit* unit : units) pictures.insert(pictures.end(), unit->pictures.begin(), unit->pictures.end());
        return pictures;
    }
};
}
