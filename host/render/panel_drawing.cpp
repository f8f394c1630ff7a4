#include "panel_drawing.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "frame_names.h"
#include "nearest_names.h"
#include "typeface.h"

namespace gaugehost::render {
namespace {

namespace sheet {
constexpr int kColumns = 4;
constexpr int kLargestGauge = 280;  // pixels a side; larger gauges are shrunk to fit
constexpr int kMargin = 16;
constexpr int kNameSize = 14, kSizeSize = 12;  // label pixel sizes
constexpr int kLabelHeight = 40;
constexpr Rgba kBackground{40, 44, 52, 255};
constexpr Rgba kBackdrop{22, 24, 28, 255};  // behind each gauge, where it draws nothing
constexpr Rgba kFrame{96, 102, 114, 255};
constexpr Rgba kName{236, 238, 242, 255};
constexpr Rgba kSize{150, 156, 168, 255};
}  // namespace sheet

// Where a gauge of a module the bench lacks stands when the configuration gives it no width.
constexpr int kMissingGaugeSide = 100;
// Background bitmaps of real panels are a few megabytes.
constexpr std::uintmax_t kLargestBitmapFile = 64 << 20;

namespace marks {
constexpr int kLabelSize = 11;
constexpr Rgba kMissingGauge{255, 140, 0, 255};
constexpr Rgba kGaugeBox{0, 220, 255, 255};
constexpr Rgba kParentArea{220, 90, 255, 255};
constexpr Rgba kChildArea{255, 230, 0, 255};
constexpr Rgba kLabelBacking{0, 0, 0, 160};
}  // namespace marks

struct Rectangle {
    int x, y, width, height;
};

int proportional(int width, int pictureHeight, int pictureWidth) {
    return std::max(1, static_cast<int>(std::lround(static_cast<double>(width) * pictureHeight / pictureWidth)));
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// A file named as Windows names it: backslashes between folders, its last name in any case.
std::optional<std::filesystem::path> fileInAnyCase(const std::filesystem::path& folder, std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    const std::filesystem::path file = folder / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) return file;
    for (std::filesystem::directory_iterator it(file.parent_path(), error), end; !error && it != end; it.increment(error)) {
        if (sameIgnoringCase(it->path().filename().string(), file.filename().string()) && it->is_regular_file(error)) {
            return it->path();
        }
    }
    return std::nullopt;
}

Bitmap readBitmapFile(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::file_size(file, error) > kLargestBitmapFile) {
        throw HostError("larger than " + std::to_string(kLargestBitmapFile >> 20) + " MB");
    }
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    if (!in && !in.eof()) throw HostError("cannot be read");
    return decodeBmpFile(bytes);
}

// Pure black is where the panel shows what lies behind it, as in every gauge picture.
Image transparentBlack(const Bitmap& bitmap) {
    checkDrawable(bitmap.width, bitmap.height, "the bitmap");
    Image image(bitmap.width, bitmap.height);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t rgb = bitmap.at(x, y);
            if (rgb != 0) image.at(x, y) = opaque(rgb);
        }
    }
    return image;
}

// Where a mark's label goes: a gauge's name may run past its box; an area's label stands inside its
// box or is left out, a parent's along its bottom so that its children's stay legible.
enum class LabelPlace { TopRunningOver, TopInside, BottomInside };

// An outline with the first of its labels that fits, on a dark backing so that it reads on any panel.
void markBox(Image& image, Typeface& labels, Rectangle box, Rgba colour, std::initializer_list<std::string> choices,
             LabelPlace place) {
    image.outlineRectangle(box.x, box.y, box.width, box.height, colour);
    constexpr int kBackingHeight = marks::kLabelSize + 3;
    const auto fits = [&](const std::string& label) {
        return !label.empty() && (place == LabelPlace::TopRunningOver ||
                                  (labels.advance(label) + 6 <= box.width && kBackingHeight + 2 <= box.height));
    };
    const auto label = std::find_if(choices.begin(), choices.end(), fits);
    if (label == choices.end()) return;
    const int width = labels.advance(*label) + 4;
    const int top = place == LabelPlace::BottomInside ? box.y + box.height - 1 - kBackingHeight : box.y + 1;
    for (int y = top; y < top + kBackingHeight; ++y) {
        for (int x = box.x + 1; x < box.x + 1 + width; ++x) image.blend(x, y, marks::kLabelBacking);
    }
    labels.draw(image, *label, box.x + 3, top + marks::kLabelSize, [colour](std::size_t) { return colour; });
}

// The arrow cursors as one character, for areas too small for their names.
std::string cursorSymbol(gauge::SINT32 cursor) {
    switch (cursor) {
        case gauge::cursor::kUpArrow: return "^";
        case gauge::cursor::kDownArrow: return "v";
        case gauge::cursor::kLeftArrow: return "<";
        case gauge::cursor::kRightArrow: return ">";
        default: return {};
    }
}

// The gauge's box with its name (and the whole gauge's tooltip), then each mouse area: parents
// with their tooltips, children with their cursors.
void drawOverlay(Image& image, Typeface& labels, const PlacedGauge& placed) {
    const GaugeInstance& gauge = *placed.gauge;
    const double scaleX = static_cast<double>(placed.width) / gauge.width();
    const double scaleY = static_cast<double>(placed.height) / gauge.height();
    const auto tooltipOf = [](const ResolvedArea& area) -> std::string {
        if (area.tooltipText != nullptr) return "\"" + std::string(area.tooltipText) + "\"";
        if (area.area->tooltipId == 0) return {};
        char id[24];
        std::snprintf(id, sizeof id, "tooltip 0x%X", area.area->tooltipId);
        return id;
    };
    std::string gaugeLabel = placed.name;
    for (const ResolvedArea& area : gauge.mouseMap().areas()) {
        if (area.kind == gauge::kParent && area.box.wholeGauge) {
            if (const std::string tooltip = tooltipOf(area); !tooltip.empty()) gaugeLabel += "  " + tooltip;
            continue;
        }
        const Rectangle box{placed.x + static_cast<int>(std::lround(area.box.x * scaleX)),
                            placed.y + static_cast<int>(std::lround(area.box.y * scaleY)),
                            std::max(1, static_cast<int>(std::lround(area.box.width * scaleX))),
                            std::max(1, static_cast<int>(std::lround(area.box.height * scaleY)))};
        if (area.kind == gauge::kParent) {
            markBox(image, labels, box, marks::kParentArea, {tooltipOf(area)}, LabelPlace::BottomInside);
        } else {
            markBox(image, labels, box, marks::kChildArea, {cursorName(area.area->cursor), cursorSymbol(area.area->cursor)},
                    LabelPlace::TopInside);
        }
    }
    markBox(image, labels, {placed.x, placed.y, placed.width, placed.height}, marks::kGaugeBox, {gaugeLabel},
            LabelPlace::TopRunningOver);
}

}  // namespace

void checkDrawable(std::int64_t width, std::int64_t height, const std::string& where) {
    if (width > kLargestWindowSide || height > kLargestWindowSide || width * height > kMostWindowPixels) {
        throw HostError(where + ": " + std::to_string(width) + "x" + std::to_string(height) +
                        " pixels is larger than the bench draws (at most " + std::to_string(kLargestWindowSide) +
                        " a side and " + std::to_string(kMostWindowPixels) + " pixels)");
    }
}

PanelLayout::PanelLayout(PanelHost& host, ModuleFolders moduleFolders, const PanelConfig& config)
    : host_(host), moduleFolders_(std::move(moduleFolders)), config_(config) {
    // The aircraft's panel folder may carry modules of its own.
    moduleFolders_.push_back(config.folder().empty() ? std::filesystem::path(".") : config.folder());
}

std::optional<Image> PanelLayout::background(const PanelWindow& window) {
    const std::filesystem::path folder = config_.folder().empty() ? std::filesystem::path(".") : config_.folder();
    const std::string where = config_.fileName + ":" + std::to_string(window.line) + ": [" + window.section + "]: ";
    for (const std::string& name : window.backgrounds()) {
        const auto file = fileInAnyCase(folder, name);
        if (!file) {
            warnings_.push_back(where + "background " + name + " is not beside the configuration");
            continue;
        }
        try {
            return transparentBlack(readBitmapFile(*file));
        } catch (const HostError& error) {
            warnings_.push_back(where + "background " + name + ": " + error.what());
        }
    }
    return std::nullopt;
}

PlacedGauge PanelLayout::place(const PanelWindow& window, const GaugePlacement& placement) {
    const std::string where = config_.fileName + ":" + std::to_string(placement.line) + ": " + placement.key + ": ";
    PlacedGauge placed{.gauge = nullptr, .name = placement.module + "!" + placement.gauge, .x = placement.x, .y = placement.y,
                       .width = 0, .height = 0};
    // A gauge the bench does not have keeps the place the configuration gives it.
    const auto outline = [&] {
        placed.width = placement.width.value_or(kMissingGaugeSide);
        placed.height = placement.height.value_or(placed.width);
        checkDrawable(placed.width, placed.height, where + placed.name);
        return placed;
    };
    const auto file = findModuleFile(moduleFolders_, placement.module);
    if (!file) {
        std::string key = placement.module;
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        auto& missing = missingModules_[key];
        if (missing.lines.empty()) {
            missing.name = placement.module;
            missing.firstLine = placement.line;
        }
        missing.lines.push_back(placement.line);
        return outline();
    }
    // Errors of the module's own name the line where it is placed.
    const auto naming = [&](auto&& step) -> decltype(auto) {
        try {
            return step();
        } catch (const HostError& error) {
            throw HostError(where + error.what());
        }
    };
    Module& module = naming([&]() -> Module& { return host_.loadModule(std::filesystem::absolute(*file).string()); });
    const gauge::GaugeHeader* header = nullptr;
    try {
        header = &gaugeNamed(module, placement.gauge);
    } catch (const HostError& error) {
        warnings_.push_back(where + error.what() + "; drawn as a labelled outline");
        return outline();
    }
    const Bitmap& background = naming([&]() -> const Bitmap& { return module.picture(header->elementList[0]->resourceId); });
    placed.name = module.name() + "!" + header->gaugeName;
    const int defaultWidth = header->defaultWidthMm > 0 ? static_cast<int>(header->defaultWidthMm) : background.width;
    placed.width = placement.width.value_or(defaultWidth);
    placed.height = placement.height.value_or(proportional(placed.width, background.height, background.width));
    // Refused before the gauge is made.
    checkDrawable(placed.width, placed.height, where + placed.name);
    placed.gauge = &naming([&]() -> GaugeInstance& {
        return host_.createGauge(module.name(), header->gaugeName, window.section + "." + placement.key);
    });
    return placed;
}

WindowLayout PanelLayout::layOut(const PanelWindow& window) {
    const std::string where = config_.fileName + ":" + std::to_string(window.line) + ": [" + window.section + "]";
    WindowLayout layout{.window = &window, .width = 0, .height = 0, .background = background(window), .gauges = {}};
    if (window.width) {
        layout.width = *window.width;
        if (window.height) {
            layout.height = *window.height;
        } else if (layout.background) {
            layout.height = proportional(layout.width, layout.background->height(), layout.background->width());
        }
    } else if (layout.background) {
        layout.width = layout.background->width();
        layout.height = layout.background->height();
    }
    // Refused before any gauge is made.
    if (layout.width > 0 && layout.height > 0) checkDrawable(layout.width, layout.height, where);

    for (const GaugePlacement& placement : window.gauges) layout.gauges.push_back(place(window, placement));
    if (layout.width == 0 || layout.height == 0) {
        warnings_.push_back(where + ": " + (window.width ? "size_mm gives no height" : "no size_mm") +
                            " and no background bitmap to take the size from; drawn as far as its gauges reach");
        int right = 1, bottom = 1;
        for (const PlacedGauge& placed : layout.gauges) {
            right = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{placed.x} + placed.width, right, INT32_MAX));
            bottom = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{placed.y} + placed.height, bottom, INT32_MAX));
        }
        if (layout.width == 0) layout.width = right;
        if (layout.height == 0) layout.height = bottom;
        checkDrawable(layout.width, layout.height, where);
    }
    return layout;
}

std::vector<std::string> PanelLayout::warnings() const {
    std::vector<std::string> all = config_.warnings;
    all.insert(all.end(), warnings_.begin(), warnings_.end());
    std::vector<std::pair<int, std::string>> missing;
    for (const auto& [key, found] : missingModules_) {
        const std::string& module = found.name;
        std::string lines;
        for (int line : found.lines) lines += (lines.empty() ? "" : ", ") + std::to_string(line);
        missing.emplace_back(found.firstLine, config_.fileName + ":" + std::to_string(found.firstLine) + ": module " + module +
                                                  " is not among the bench's modules" +
                                                  didYouMean(module, modulesIn(moduleFolders_)) + "; its gauges (line" +
                                                  (found.lines.size() > 1 ? "s " : " ") + lines +
                                                  ") are drawn as labelled outlines");
    }
    std::sort(missing.begin(), missing.end());
    for (auto& [line, warning] : missing) all.push_back(std::move(warning));
    return all;
}

Image drawWindow(const WindowLayout& layout, GaugeRenderer& renderer, std::optional<std::uint32_t> activeSelection,
                 bool overlay) {
    Image image(layout.width, layout.height, layout.window->backgroundColour.value_or(Rgba{0, 0, 0, 255}));
    if (layout.background) drawResized(image, *layout.background, 0, 0, layout.width, layout.height);
    Typeface labels(font_file::kLabels);
    labels.setPixelSize(marks::kLabelSize);
    for (const PlacedGauge& placed : layout.gauges) {
        if (placed.gauge != nullptr) {
            drawResized(image, renderer.draw(*placed.gauge, activeSelection), placed.x, placed.y, placed.width, placed.height);
        } else {
            markBox(image, labels, {placed.x, placed.y, placed.width, placed.height}, marks::kMissingGauge, {placed.name},
                    LabelPlace::TopRunningOver);
        }
    }
    if (overlay) {
        for (const PlacedGauge& placed : layout.gauges) {
            if (placed.gauge != nullptr) drawOverlay(image, labels, placed);
        }
    }
    return image;
}

Image drawContactSheet(const std::vector<const GaugeInstance*>& gauges, GaugeRenderer& renderer) {
    using namespace sheet;
    Typeface labels(font_file::kLabels);
    const auto nameOf = [](const GaugeInstance* gauge) { return gauge->module().name() + "!" + gauge->header().gaugeName; };
    const auto sizeOf = [](const GaugeInstance* gauge) {
        return std::to_string(gauge->width()) + " x " + std::to_string(gauge->height()) + " px, " +
               std::to_string(gauge->header().defaultWidthMm) + " mm";
    };
    labels.setPixelSize(kNameSize);
    int cellWidth = kLargestGauge;
    for (const GaugeInstance* gauge : gauges) cellWidth = std::max(cellWidth, labels.advance(nameOf(gauge)));
    cellWidth += kMargin;

    struct Cell {
        const GaugeInstance* gauge;
        double scale;
        int x, y;
    };
    std::vector<Cell> cells;
    int rowTop = kMargin, rowHeight = 0;
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        const GaugeInstance* gauge = gauges[i];
        if (i % kColumns == 0 && i > 0) {
            rowTop += rowHeight + kLabelHeight + kMargin;
            rowHeight = 0;
        }
        const double scale = std::min({1.0, static_cast<double>(kLargestGauge) / gauge->width(),
                                       static_cast<double>(kLargestGauge) / gauge->height()});
        cells.push_back({gauge, scale, kMargin + static_cast<int>(i % kColumns) * cellWidth, rowTop});
        rowHeight = std::max(rowHeight, static_cast<int>(std::ceil(gauge->height() * scale)));
    }
    const int columns = static_cast<int>(std::min<std::size_t>(gauges.size(), kColumns));
    Image image(kMargin + std::max(columns, 1) * cellWidth, rowTop + rowHeight + kLabelHeight + kMargin, kBackground);

    for (const Cell& cell : cells) {
        const int width = static_cast<int>(std::ceil(cell.gauge->width() * cell.scale));
        const int height = static_cast<int>(std::ceil(cell.gauge->height() * cell.scale));
        image.fillRectangle(cell.x, cell.y, width, height, kBackdrop);
        drawResized(image, renderer.draw(*cell.gauge, std::nullopt), cell.x, cell.y, cell.gauge->width() * cell.scale,
                    cell.gauge->height() * cell.scale);
        image.outlineRectangle(cell.x - 1, cell.y - 1, width + 2, height + 2, kFrame);
        const int labelTop = cell.y + height + 4;
        labels.setPixelSize(kNameSize);
        labels.draw(image, nameOf(cell.gauge), cell.x, labelTop + kNameSize, [](std::size_t) { return kName; });
        labels.setPixelSize(kSizeSize);
        labels.draw(image, sizeOf(cell.gauge), cell.x, labelTop + kNameSize + 4 + kSizeSize, [](std::size_t) { return kSize; });
    }
    return image;
}

}  // namespace gaugehost::render
