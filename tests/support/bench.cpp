#include "bench.h"

#include <cstdlib>

namespace benchtest {

std::string requiredEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        ADD_FAILURE() << "set " << name << " (the test runner does) to run this test";
        return {};
    }
    return value;
}

BenchTest::BenchTest() { host.addModuleFolder(requiredEnvironment("GAUGE_MODULE_PATH")); }

gaugehost::GaugeInstance& BenchTest::create(const std::string& module, const std::string& gauge, const std::string& alias) {
    host.loadModule(module);
    return host.createGauge(module, gauge, alias);
}

const gaugehost::ElementState& BenchTest::element(const gaugehost::GaugeInstance& gauge, int index) const {
    return gauge.elements().at(static_cast<std::size_t>(index));
}

std::vector<gaugehost::KeyEvent> BenchTest::takeKeyEvents() {
    const auto& all = host.keyEvents();
    std::vector<gaugehost::KeyEvent> fresh(all.begin() + static_cast<std::ptrdiff_t>(keyEventsSeen_), all.end());
    keyEventsSeen_ = all.size();
    return fresh;
}

}  // namespace benchtest
