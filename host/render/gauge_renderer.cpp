#include "gauge_renderer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace gaugehost::render {
namespace {

// Where a moving image's or sprite's mask holds this colour, the strip or texture shows; pure
// black shows nothing, and every other colour is drawn over them.
constexpr std::uint32_t kMaskShows = 0x010101;
constexpr std::uint32_t kPureBlack = 0x000000;
// Highlight lists longer than this are taken for a list without its end entry.
constexpr int kLongestHighlightList = 64;

bool blackIsTransparent(const gauge::Element& element) {
    return (element.imageFlags & gauge::image_flag::kBlackTransparent) != 0;
}

// A shift in whole pixels; none for a value no picture could be moved by (NaN, infinities, far off).
std::optional<int> wholePixels(double value) {
    if (!(std::abs(value) < 1e6)) return std::nullopt;
    return static_cast<int>(std::lround(value));
}

// A coordinate held to the pixels 0 … size − 1 of an image side.
int inside(double coordinate, int size) { return static_cast<int>(std::clamp(coordinate, 0.0, size - 1.0)); }

Premultiplied texel(const Bitmap& picture, int x, int y, bool blackTransparent) {
    const std::uint32_t rgb = picture.at(x, y);
    if (blackTransparent && rgb == kPureBlack) return {};
    return premultiply(opaque(rgb));
}

void drawPicture(Image& target, const Bitmap& picture, int left, int top, bool blackTransparent) {
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) target.blend(left + x, top + y, texel(picture, x, y, blackTransparent));
    }
}

// The picture turned clockwise on screen by `degrees` about `pivotInPicture`, which lands on `pivot`.
void drawTurned(Image& target, const Bitmap& picture, gauge::Point pivotInPicture, gauge::Point pivot, double degrees,
                bool blackTransparent) {
    if (!std::isfinite(degrees)) return;
    const double turn = std::fmod(degrees, 360.0) * std::numbers::pi / 180.0;
    const double c = std::cos(turn), s = std::sin(turn);
    // The turned corners, one texel beyond the picture for the smooth edge, bound the pixels to visit.
    double left = INFINITY, right = -INFINITY, top = INFINITY, bottom = -INFINITY;
    for (double cornerX : {-1.0, static_cast<double>(picture.width)}) {
        for (double cornerY : {-1.0, static_cast<double>(picture.height)}) {
            const double dx = cornerX - pivotInPicture.x, dy = cornerY - pivotInPicture.y;
            const double x = pivot.x + dx * c - dy * s, y = pivot.y + dx * s + dy * c;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    const auto fetch = [&](int x, int y) { return texel(picture, x, y, blackTransparent); };
    const int firstRow = inside(std::floor(top), target.height()), lastRow = inside(std::ceil(bottom), target.height());
    const int firstColumn = inside(std::floor(left), target.width()), lastColumn = inside(std::ceil(right), target.width());
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = firstColumn; x <= lastColumn; ++x) {
            // Back into the picture by the opposite turn.
            const double dx = x - pivot.x, dy = y - pivot.y;
            const double u = dx * c + dy * s + pivotInPicture.x, v = -dx * s + dy * c + pivotInPicture.y;
            target.blend(x, y, sampleBilinear(fetch, picture.width, picture.height, u, v));
        }
    }
}

void drawMovingImage(Image& target, const Module& module, const ElementState& state) {
    const gauge::Element& element = *state.element;
    const Bitmap& strip = module.picture(element.resourceId);
    const Bitmap& window = module.picture(element.resourceId + 1);
    const auto shiftX = wholePixels(state.stripX), shiftY = wholePixels(state.stripY);
    if (!shiftX || !shiftY) return;
    for (int y = 0; y < window.height; ++y) {
        for (int x = 0; x < window.width; ++x) {
            const std::uint32_t mask = window.at(x, y);
            const int onGaugeX = element.position.x + x, onGaugeY = element.position.y + y;
            if (mask == kPureBlack) continue;
            if (mask != kMaskShows) {
                target.blend(onGaugeX, onGaugeY, opaque(mask));
                continue;
            }
            const int stripX = x + *shiftX, stripY = y + *shiftY;
            if (stripX < 0 || stripY < 0 || stripX >= strip.width || stripY >= strip.height) continue;
            target.blend(onGaugeX, onGaugeY, texel(strip, stripX, stripY, blackIsTransparent(element)));
        }
    }
}

void drawSprite(Image& target, const Module& module, const ElementState& state) {
    const gauge::Element& element = *state.element;
    const auto& sprite = *reinterpret_cast<const gauge::SpriteElement*>(&element);
    const Bitmap& texture = module.picture(element.resourceId);
    const Bitmap& mask = module.picture(element.resourceId + 1);
    const double centreX = element.offset.x + state.spriteX, centreY = element.offset.y + state.spriteY;
    const double turn = state.spriteRotation * std::numbers::pi / 180.0;
    const double c = std::cos(turn), s = std::sin(turn);
    const double scaleX = sprite.textureScaleX, scaleY = sprite.textureScaleY;
    const bool textureShows = scaleX > 0 && scaleY > 0 && std::isfinite(scaleX * scaleY * turn + centreX + centreY);
    const auto fetch = [&](int x, int y) { return texel(texture, x, y, blackIsTransparent(element)); };
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const std::uint32_t colour = mask.at(x, y);
            const int onGaugeX = element.position.x + x, onGaugeY = element.position.y + y;
            if (colour == kPureBlack) continue;
            if (colour != kMaskShows) {
                target.blend(onGaugeX, onGaugeY, opaque(colour));
                continue;
            }
            if (!textureShows) continue;
            // Undo the counterclockwise turn about the centre, then the scale.
            const double dx = onGaugeX - centreX, dy = onGaugeY - centreY;
            const double u = (dx * c - dy * s) * scaleX + (texture.width - 1) / 2.0;
            const double v = (dx * s + dy * c) * scaleY + (texture.height - 1) / 2.0;
            target.blend(onGaugeX, onGaugeY, sampleBilinear(fetch, texture.width, texture.height, u, v));
        }
    }
}

bool highlighted(const gauge::StringElement& element, std::size_t character, std::optional<std::uint32_t> activeSelection) {
    if (!activeSelection || element.highlights == nullptr) return false;
    for (int i = 0; i < kLongestHighlightList && element.highlights[i].selectionId != 0; ++i) {
        const gauge::HighlightRange& range = element.highlights[i];
        if (range.selectionId == *activeSelection && range.firstCharacter <= character && character <= range.lastCharacter) {
            return true;
        }
    }
    return false;
}

}  // namespace

GaugeRenderer::GaugeRenderer() : digits_(font_file::kSegmentDigits), letters_(font_file::kSegmentLetters) {}

void GaugeRenderer::drawText(Image& target, const gauge::StringElement& element, const std::string& text,
                             std::optional<std::uint32_t> activeSelection) {
    const gauge::Element& common = element.common;
    if (element.boxWidth <= 0 || element.boxHeight <= 0) return;
    Image box(element.boxWidth, element.boxHeight, fromColourRef(element.backgroundColour));
    if (!text.empty()) {
        // A segment display keeps every character in its cell: a space is the face's blank of digit width.
        std::string shown = text;
        std::replace(shown.begin(), shown.end(), ' ', '!');
        const bool hasLetters = std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
        Typeface& face = hasLetters ? letters_ : digits_;

        // Sized so that the element's longest text fits the box and the digits fill most of its height.
        constexpr int kProbeSize = 100;
        face.setPixelSize(kProbeSize);
        const auto [probeTop, probeBottom] = face.inkRows('8');
        const int cells = std::max({element.maxCharacters, static_cast<int>(text.size()), 1});
        const double fitHeight = 0.7 * element.boxHeight / std::max(probeBottom - probeTop, 1);
        const double fitWidth = 0.9 * element.boxWidth / (static_cast<double>(cells) * std::max(face.advance("8"), 1));
        face.setPixelSize(static_cast<int>(kProbeSize * std::min(fitHeight, fitWidth)));

        // Centred on one line: the pen's travel across, the digits' ink up and down.
        const auto [top, bottom] = face.inkRows('8');
        const int x = (element.boxWidth - face.advance(shown)) / 2;
        const int baseline = (element.boxHeight - (bottom - top)) / 2 - top;
        const Rgba textColour = fromColourRef(element.textColour), highlight = fromColourRef(element.highlightColour);
        face.draw(box, shown, x, baseline, [&](std::size_t i) {
            return highlighted(element, i, activeSelection) ? highlight : textColour;
        });
    }
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) target.blend(common.position.x + x, common.position.y + y, box.at(x, y));
    }
}

Image GaugeRenderer::draw(const GaugeInstance& gauge, std::optional<std::uint32_t> activeSelection) {
    Image image(gauge.width(), gauge.height());
    const Module& module = gauge.module();
    for (const ElementState& state : gauge.elements()) {
        if (state.hidden) continue;
        const gauge::Element& element = *state.element;
        const bool blackTransparent = blackIsTransparent(element);
        switch (state.kind) {
            case gauge::kStaticImage:
                drawPicture(image, module.picture(element.resourceId), element.position.x, element.position.y, blackTransparent);
                break;
            case gauge::kNeedle:
                drawTurned(image, module.picture(element.resourceId), element.offset, element.position, state.needleAngle,
                           blackTransparent);
                break;
            case gauge::kString:
                drawText(image, *reinterpret_cast<const gauge::StringElement*>(&element), state.text, activeSelection);
                break;
            case gauge::kSlider: {
                const auto x = wholePixels(state.sliderX), y = wholePixels(state.sliderY);
                if (x && y) {
                    drawPicture(image, module.picture(element.resourceId), element.position.x + *x, element.position.y + *y,
                                blackTransparent);
                }
                break;
            }
            case gauge::kIcon:
                if (state.picture) {
                    const auto& icon = reinterpret_cast<const gauge::IconElement&>(element);
                    const auto id = module.iconPictureIds(icon).at(static_cast<std::size_t>(*state.picture));
                    drawPicture(image, module.picture(id), element.position.x, element.position.y, blackTransparent);
                }
                break;
            case gauge::kMovingImage: drawMovingImage(image, module, state); break;
            case gauge::kSprite: drawSprite(image, module, state); break;
        }
    }
    return image;
}

}  // namespace gaugehost::render
