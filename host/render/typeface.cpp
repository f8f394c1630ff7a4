#include "typeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <string>

#include "host_error.h"

namespace gaugehost::render {

Typeface::Typeface(const std::filesystem::path& file) : file_(file) {
    if (FT_Init_FreeType(&library_) != 0) throw HostError("cannot start FreeType");
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw HostError("cannot open the font " + file.string() + " (is its Debian package installed?)");
    }
}

Typeface::~Typeface() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

void Typeface::setPixelSize(int pixels) {
    if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(std::max(pixels, 1))) != 0) {
        throw HostError("the font " + file_.string() + " cannot be drawn at " + std::to_string(pixels) + " pixels");
    }
}

void Typeface::loadGlyph(char character, bool render) {
    const FT_Int32 flags = render ? FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL : FT_LOAD_DEFAULT;
    if (FT_Load_Char(face_, static_cast<unsigned char>(character), flags) != 0) {
        throw HostError("the font " + file_.string() + " cannot draw the character " + std::to_string(character));
    }
}

int Typeface::advance(std::string_view text) {
    long travel = 0;
    for (char character : text) {
        loadGlyph(character, false);
        travel += face_->glyph->advance.x;
    }
    return static_cast<int>(travel >> 6);  // 26.6 fixed point
}

std::pair<int, int> Typeface::inkRows(char character) {
    loadGlyph(character, true);
    const int top = -face_->glyph->bitmap_top;
    return {top, top + static_cast<int>(face_->glyph->bitmap.rows)};
}

void Typeface::draw(Image& target, std::string_view text, int x, int baseline,
                    const std::function<Rgba(std::size_t)>& colourOf) {
    long pen = static_cast<long>(x) << 6;
    for (std::size_t i = 0; i < text.size(); ++i) {
        loadGlyph(text[i], true);
        const FT_GlyphSlot glyph = face_->glyph;
        const FT_Bitmap& coverage = glyph->bitmap;
        const Rgba colour = colourOf(i);
        const int left = static_cast<int>(pen >> 6) + glyph->bitmap_left;
        const int top = baseline - glyph->bitmap_top;
        if (coverage.pixel_mode == FT_PIXEL_MODE_GRAY) {
            for (unsigned row = 0; row < coverage.rows; ++row) {
                const unsigned char* line = coverage.buffer + static_cast<long>(row) * coverage.pitch;
                for (unsigned column = 0; column < coverage.width; ++column) {
                    if (line[column] == 0) continue;
                    Premultiplied ink = premultiply(colour);
                    const double share = line[column] / 255.0;
                    ink = {ink.r * share, ink.g * share, ink.b * share, ink.a * share};
                    target.blend(left + static_cast<int>(column), top + static_cast<int>(row), ink);
                }
            }
        }
        pen += glyph->advance.x;
    }
}

}  // namespace gaugehost::render
