// Every gauge of every module, driven by the fuzzer: host values of any bits (NaN, infinities, ±0,
// huge, denormal, BCD nibbles above 9, every integer edge), update cycles, service codes, clicks held
// and dragged anywhere, named variables, GPS records of any size and content. After each step no
// text is longer than its element's maximum and module data shown by icons stays within its range;
// the host checks each text buffer's guard bytes itself and throws, which ends the run as a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "host_variables.h"
#include "support/every_gauge.h"

namespace {

gaugehost::PanelHost& hostWithEveryGauge() {
    static gaugehost::PanelHost* host = [] {
        auto* created = new gaugehost::PanelHost;
        created->addModuleFolder(GAUGE_FUZZ_MODULE_DIR);
        benchtest::createEveryGauge(*created, benchtest::moduleNames(GAUGE_MODULE_LIST));
        return created;
    }();
    return *host;
}

void checkTexts(const gaugehost::GaugeInstance& gauge) {
    for (const gaugehost::ElementState& state : gauge.elements()) {
        if (state.kind != gauge::kString) continue;
        const auto* text = reinterpret_cast<const gauge::StringElement*>(state.element);
        if (state.text.size() > static_cast<std::size_t>(text->maxCharacters)) __builtin_trap();
    }
}

// An icon that carries no host variable shows module data alone: a flag, a knob's position, a page,
// a wheel's frame. Whatever the host sends, that data stays within what the icon can show: a whole
// picture index below its count, or -1 for none.
void checkModuleStatePictures(const gaugehost::GaugeInstance& gauge) {
    for (const gaugehost::ElementState& state : gauge.elements()) {
        if (state.kind != gauge::kIcon || !state.returned) continue;
        const auto* icon = reinterpret_cast<const gauge::IconElement*>(state.element);
        if (icon->source.token != 0) continue;
        const double index = *state.returned;
        const bool shown = index >= 0 && index < icon->pictureCount && index == static_cast<int>(index);
        if (!shown && index != -1) __builtin_trap();
    }
}

enum class Step { SetVariable, Cycles, ServiceCode, Click, NamedVariable, GpsRecord, kMaxValue = GpsRecord };

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gaugehost::PanelHost& host = hostWithEveryGauge();
    const auto& gauges = host.instances();
    const auto variables = gaugehost::hostVariables();
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeEnum<Step>()) {
            case Step::SetVariable: {
                const auto& variable = variables[input.ConsumeIntegralInRange<std::size_t>(0, variables.size() - 1)];
                if (variable.form == gaugehost::VariableForm::Real) {
                    const auto bits = input.ConsumeIntegral<std::uint64_t>();
                    double value;
                    std::memcpy(&value, &bits, sizeof value);
                    host.variables().set(variable.token, value);
                } else {
                    host.variables().setInteger(variable.token, input.ConsumeIntegral<std::int32_t>());
                }
                break;
            }
            case Step::Cycles: host.runCycles(input.ConsumeIntegralInRange(1, 4)); break;
            case Step::ServiceCode: {
                auto& gauge = *gauges[input.ConsumeIntegralInRange<std::size_t>(0, gauges.size() - 1)];
                host.sendServiceCode(gauge, input.ConsumeIntegral<std::uint32_t>(), input.ConsumeIntegral<std::uint32_t>());
                break;
            }
            case Step::Click: {
                auto& gauge = *gauges[input.ConsumeIntegralInRange<std::size_t>(0, gauges.size() - 1)];
                host.press(gauge, input.ConsumeIntegralInRange(-4, gauge.width() + 4),
                           input.ConsumeIntegralInRange(-4, gauge.height() + 4));
                host.runCycles(input.ConsumeIntegralInRange(0, 3));
                host.moveTo(input.ConsumeIntegralInRange(-4, gauge.width() + 4), input.ConsumeIntegralInRange(-4, gauge.height() + 4));
                if (input.ConsumeBool()) host.release();
                break;
            }
            case Step::NamedVariable: {
                const auto bits = input.ConsumeIntegral<std::uint64_t>();
                double value;
                std::memcpy(&value, &bits, sizeof value);
                // The names the modules share, and one no module knows.
                static const char* const names[] = {"SWFuelPumpHigh", "VC_Click", "FUZZ_UNKNOWN"};
                host.setNamedVariable(names[input.ConsumeIntegralInRange<std::size_t>(0, std::size(names) - 1)], value);
                break;
            }
            case Step::GpsRecord: {
                if (input.ConsumeBool()) {
                    host.withholdGpsRecord();
                    break;
                }
                const auto bytes = input.ConsumeBytes<std::uint8_t>(
                    input.ConsumeIntegralInRange<std::size_t>(0, gaugehost::PanelHost::kGpsRecordCapacity));
                host.provideGpsRecord(bytes.size());
                if (!bytes.empty()) std::memcpy(host.gpsRecord(), bytes.data(), bytes.size());
                // The leading field is the record's size, as the simulator fills it; the modules trust it.
                const auto recordSize = static_cast<std::uint32_t>(bytes.size());
                std::memcpy(host.gpsRecord(), &recordSize, std::min(bytes.size(), sizeof recordSize));
                break;
            }
        }
        for (const auto& gauge : gauges) {
            checkTexts(*gauge);
            checkModuleStatePictures(*gauge);
        }
    }
    host.release();
    return 0;
}
