// Installed TrueType faces drawn through FreeType with its antialiasing: the segment-display faces
// of the text readouts and the face of the contact sheet's labels.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string_view>
#include <utility>

#include "image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace gaugehost::render {

// Debian's fonts-dseg and fonts-dejavu-core.
namespace font_file {
inline constexpr const char* kSegmentDigits = "/usr/share/fonts/truetype/dseg/DSEG7Classic-Regular.ttf";
inline constexpr const char* kSegmentLetters = "/usr/share/fonts/truetype/dseg/DSEG14Classic-Regular.ttf";
inline constexpr const char* kLabels = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}  // namespace font_file

class Typeface {
public:
    // Throws HostError naming the file when it is missing or not a font.
    explicit Typeface(const std::filesystem::path& file);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    // The em height in pixels; every measure and drawing below uses it.
    void setPixelSize(int pixels);
    // The pen's travel over the text, in pixels.
    int advance(std::string_view text);
    // The first and one-past-last pixel rows of the character's ink, relative to the baseline
    // (negative above it).
    std::pair<int, int> inkRows(char character);
    // Draws the text with its pen starting at (x, baseline); character i takes colourOf(i).
    void draw(Image& target, std::string_view text, int x, int baseline, const std::function<Rgba(std::size_t)>& colourOf);

private:
    void loadGlyph(char character, bool render);

    std::filesystem::path file_;
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};

}  // namespace gaugehost::render
