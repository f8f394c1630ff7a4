#include "every_gauge.h"

#include <bit>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "host_variables.h"

namespace benchtest {

std::vector<std::string> moduleNames(const std::string& list) {
    std::vector<std::string> modules;
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ',');) {
        if (!name.empty()) modules.push_back(name);
    }
    return modules;
}

std::vector<std::string> buildModules() {
    const char* list = std::getenv("GAUGE_MODULES");
    return moduleNames(list != nullptr ? list : "");
}

void createEveryGauge(gaugehost::PanelHost& host, const std::vector<std::string>& modules) {
    for (const std::string& name : modules) {
        gaugehost::Module& module = host.loadModule(name);
        for (const gauge::GaugeHeader* header : module.gauges()) host.createGauge(name, header->gaugeName);
    }
}

void setEveryVariable(gaugehost::PanelHost& host, std::uint64_t bits) {
    for (const gaugehost::HostVariableInfo& variable : gaugehost::hostVariables()) {
        if (variable.form == gaugehost::VariableForm::Real) {
            // The tick counter drives the host's own cycle count; it stays a number the host can step.
            if (variable.token == gauge::var::HOST_TICK_COUNT) continue;
            host.variables().set(variable.token, std::bit_cast<double>(bits));
        } else {
            host.variables().setInteger(variable.token, static_cast<std::int32_t>(static_cast<std::uint32_t>(bits)));
        }
    }
}

void clickEveryArea(gaugehost::PanelHost& host, gaugehost::GaugeInstance& gauge) {
    for (const gaugehost::ResolvedArea& area : gauge.mouseMap().areas()) {
        if (area.kind == gauge::kParent || area.box.wholeGauge) continue;
        const int x = area.box.x + area.box.width / 2;
        const int y = area.box.y + area.box.height / 2;
        host.press(gauge, x, y);
        host.runCycles(1);
        host.moveTo(x + area.box.width / 4, y - area.box.height / 4);
        host.release();
    }
}

std::span<const std::uint64_t> hostileValueBits() {
    using limits = std::numeric_limits<double>;
    static const std::uint64_t values[] = {
        std::bit_cast<std::uint64_t>(0.0),
        std::bit_cast<std::uint64_t>(-0.0),
        std::bit_cast<std::uint64_t>(1.0),
        std::bit_cast<std::uint64_t>(-1.0),
        std::bit_cast<std::uint64_t>(limits::quiet_NaN()),
        std::bit_cast<std::uint64_t>(-limits::quiet_NaN()),
        std::bit_cast<std::uint64_t>(limits::infinity()),
        std::bit_cast<std::uint64_t>(-limits::infinity()),
        std::bit_cast<std::uint64_t>(limits::max()),
        std::bit_cast<std::uint64_t>(-limits::max()),
        std::bit_cast<std::uint64_t>(limits::denorm_min()),
        std::bit_cast<std::uint64_t>(2147483648.0),
        std::bit_cast<std::uint64_t>(-2147483649.0),
        std::bit_cast<std::uint64_t>(1e300),
        0x00000000FFFFFFFFull,  // as an integer: -1, BCD nibbles all 0xF
        0x000000007FFFFFFFull,
        0x0000000080000000ull,
        0x000000000000ABCDull,  // BCD with nibbles above 9
        0x0000000000009999ull,
    };
    return values;
}

}  // namespace benchtest
