// The panel configuration reader on any text: a malformed line is a HostError naming it, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host_error.h"
#include "panel_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        gaugehost::render::parsePanelConfig(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.cfg");
    } catch (const gaugehost::HostError&) {
    }
    return 0;
}
