// VeskarZ3V2's gauges as their rows make them, and what its window buttons answer: the host's
// result of their last window call, while the fuel computer's other buttons answer FALSE.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/bench.h"

namespace {

using benchtest::BenchTest;

constexpr const char* kModule = "VeskarZ3V2";

struct GaugeSize {
    const char* name;
    int width, height;
    unsigned millimetres;
};

// In Linkage order.
const GaugeSize kSizes[] = {
    {"EngineL", 800, 119, 250},   {"EngineR", 800, 119, 250},      {"Carbheat", 44, 55, 100},
    {"FuelFlow", 302, 302, 100},  {"Toggle10", 50, 50, 30},        {"Toggle20", 50, 50, 30},
    {"Toggle25", 50, 50, 30},     {"Toggle30", 50, 50, 30},        {"Toggle40", 50, 50, 30},
    {"Toggle45", 50, 50, 30},     {"Toggle50", 50, 50, 30},        {"Toggle55", 50, 50, 30},
    {"Toggle65", 50, 50, 30},     {"Toggle75", 50, 50, 30},        {"Toggle200", 50, 50, 30},
    {"Toggle1009", 50, 50, 30},   {"Toggle1040", 50, 50, 30},      {"Toggle1100", 50, 50, 30},
    {"Toggle1110", 50, 50, 30},   {"ToggleOpen1012", 50, 50, 30},  {"ToggleIcon", 18, 53, 18},
    {"ToggleRadio", 36, 34, 18},  {"ToggleOpen", 50, 50, 30},      {"ToggleClose", 50, 50, 30},
    {"start", 200, 199, 50},      {"CowlFlap", 82, 319, 82},       {"OpenPanel", 50, 50, 30},
    {"ToggleIconVFR", 18, 53, 18}, {"SWbeaconReco", 57, 101, 30},
};

TEST_F(BenchTest, EveryGaugeStandsInLinkageOrderWithItsSizeAndWidth) {
    const auto& module = host.loadModule(kModule);
    ASSERT_EQ(module.gauges().size(), std::size(kSizes));
    for (std::size_t index = 0; index < std::size(kSizes); ++index) {
        const GaugeSize& size = kSizes[index];
        SCOPED_TRACE(size.name);
        EXPECT_EQ(std::string(module.gauges()[index]->gaugeName), size.name);
        EXPECT_EQ(module.gauges()[index]->headerVersion, 800u);
        auto& gauge = create(kModule, size.name);
        EXPECT_EQ(gauge.width(), size.width);
        EXPECT_EQ(gauge.height(), size.height);
        EXPECT_EQ(gauge.header().defaultWidthMm, size.millimetres);
        EXPECT_EQ(gauge.header().mouseAreas == nullptr, std::string(size.name) == "OpenPanel");
    }
}

struct ClickResult {
    const char* gauge;
    int x, y;
    std::optional<gauge::BOOL> result;
};

const ClickResult kClickResults[] = {
    {"Toggle1009", 10, 10, gauge::kTrue},   {"ToggleRadio", 30, 30, gauge::kTrue},
    {"ToggleIcon", 5, 40, gauge::kTrue},    {"ToggleIconVFR", 5, 5, gauge::kTrue},
    {"ToggleOpen1012", 5, 5, gauge::kTrue}, {"ToggleOpen", 5, 5, gauge::kTrue},
    {"ToggleClose", 5, 5, gauge::kTrue},    {"EngineR", 100, 100, gauge::kTrue},
    {"FuelFlow", 150, 160, gauge::kTrue},   {"FuelFlow", 50, 100, gauge::kFalse},
    {"FuelFlow", 250, 100, gauge::kFalse},  {"FuelFlow", 147, 265, gauge::kFalse},
    {"FuelFlow", 70, 250, gauge::kFalse},   {"FuelFlow", 100, 250, gauge::kFalse},
    {"start", 40, 70, std::nullopt},
};

TEST_F(BenchTest, WindowButtonsAnswerTheirLastWindowCallAndOtherButtonsFalse) {
    for (const ClickResult& click : kClickResults) {
        SCOPED_TRACE(testing::Message() << click.gauge << " at " << click.x << "," << click.y);
        auto& gauge = create(kModule, click.gauge, std::string(click.gauge) + std::to_string(click.x));
        host.press(gauge, click.x, click.y);
        host.release();
        EXPECT_EQ(host.lastMouseResult(), click.result);
    }
}

}  // namespace
