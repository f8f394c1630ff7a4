// What the radio stack's test programs share: the bench with the module loaded by name, clicks,
// and short ways to read a readout, an icon's picture and the module's data.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "framework/key_events.h"
#include "framework/variables.h"
#include "support/bench.h"
#include "support/module_memory.h"

namespace radiotest {

inline constexpr const char* kModule = "VeskarZ3VRadios";

class Radios : public benchtest::BenchTest {
protected:
    gaugehost::GaugeInstance& radio(const char* gauge, const std::string& alias = {}) {
        return create(kModule, gauge, alias);
    }

    void click(gaugehost::GaugeInstance& gauge, int x, int y) {
        host.press(gauge, x, y);
        host.release();
    }

    const std::string& text(const gaugehost::GaugeInstance& gauge, int index) const {
        return element(gauge, index).text;
    }
    std::optional<int> picture(const gaugehost::GaugeInstance& gauge, int index) const {
        return element(gauge, index).picture;
    }
    std::vector<std::uint8_t> moduleData() { return benchtest::moduleDataSnapshot(*host.findModule(kModule)); }
};

}  // namespace radiotest
