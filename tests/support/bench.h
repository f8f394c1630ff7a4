// What the module tests share: a bench host that finds the modules under test, and short ways to
// read what a gauge shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel_host.h"

namespace benchtest {

// A setting the test run must provide; the test fails, naming it, when it is missing.
std::string requiredEnvironment(const char* name);

class BenchTest : public ::testing::Test {
protected:
    BenchTest();

    gaugehost::GaugeInstance& create(const std::string& module, const std::string& gauge, const std::string& alias = {});
    // The state of element `index` (drawing order) after the last cycle.
    const gaugehost::ElementState& element(const gaugehost::GaugeInstance& gauge, int index) const;
    // Key events sent since the last call.
    std::vector<gaugehost::KeyEvent> takeKeyEvents();

    gaugehost::PanelHost host;

private:
    std::size_t keyEventsSeen_ = 0;
};

}  // namespace benchtest
