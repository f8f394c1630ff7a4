#include "panel_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

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

}  // namespace

std::vector<PlacedGauge> createWindowGauges(PanelHost& host, const PanelWindow& window, const std::string& fileName) {
    std::vector<PlacedGauge> placed;
    for (const GaugePlacement& placement : window.gauges) {
        try {
            host.loadModule(placement.module);
            const GaugeInstance& gauge = host.createGauge(placement.module, placement.gauge, window.section + "." + placement.key);
            const int width = placement.width.value_or(gauge.width());
            // A width alone keeps the background's aspect.
            const int height = placement.height.value_or(
                placement.width ? static_cast<int>(std::lround(static_cast<double>(width) * gauge.height() / gauge.width()))
                                : gauge.height());
            placed.push_back({.gauge = &gauge, .x = placement.x, .y = placement.y, .width = width, .height = height});
        } catch (const HostError& error) {
            throw HostError(fileName + ":" + std::to_string(placement.line) + ": " + placement.key + ": " + error.what());
        }
    }
    return placed;
}

Image drawWindow(const PanelWindow& window, const std::vector<PlacedGauge>& gauges, GaugeRenderer& renderer,
                 std::optional<std::uint32_t> activeSelection) {
    Image image(window.width, window.height, window.backgroundColour.value_or(Rgba{0, 0, 0, 255}));
    for (const PlacedGauge& placed : gauges) {
        drawResized(image, renderer.draw(*placed.gauge, activeSelection), placed.x, placed.y, placed.width, placed.height);
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
