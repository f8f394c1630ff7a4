// The scenario reader and runner on any text: every fault is a report line, never a crash.
#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>
#include <string_view>

#include "scenario.h"
#include "support/every_gauge.h"

namespace {

struct Segment {
    std::uint8_t* start;
    std::vector<std::uint8_t> fresh;
};
std::vector<Segment> moduleData;

// The writable segments hold the sanitizer's guard zones between globals too: plain bytes here.
__attribute__((no_sanitize("address"))) void copyBytes(std::uint8_t* to, const std::uint8_t* from, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) to[i] = from[i];
}

}  // namespace

// Each scenario unloads the modules it loaded, which would unmap their coverage counters under the
// fuzzer. Held open here they stay mapped, and their writable segments, as loading leaves them, are
// put back before each run, so every scenario starts from fresh module data as after a new load.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    for (const std::string& module : benchtest::moduleNames(GAUGE_MODULE_LIST)) {
        const std::string file = std::string(GAUGE_FUZZ_MODULE_DIR) + "/" + module + ".so";
        if (dlopen(file.c_str(), RTLD_NOW | RTLD_NODELETE) == nullptr) __builtin_trap();
    }
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*) {
            if (std::string_view(info->dlpi_name).find(GAUGE_FUZZ_MODULE_DIR "/") != 0) return 0;
            // What relocation made read-only again is no module data.
            ElfW(Addr) readOnlyEnd = 0;
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type == PT_GNU_RELRO) readOnlyEnd = segment.p_vaddr + segment.p_memsz;
            }
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD || (segment.p_flags & PF_W) == 0) continue;
                const ElfW(Addr) first = std::max<ElfW(Addr)>(segment.p_vaddr, readOnlyEnd);
                const ElfW(Addr) end = segment.p_vaddr + segment.p_memsz;
                if (first >= end) continue;
                auto* start = reinterpret_cast<std::uint8_t*>(info->dlpi_addr + first);
                Segment saved{start, std::vector<std::uint8_t>(end - first)};
                copyBytes(saved.fresh.data(), start, saved.fresh.size());
                moduleData.push_back(std::move(saved));
            }
            return 0;
        },
        nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const gaugehost::ScenarioOptions options{.moduleFolders = {GAUGE_FUZZ_MODULE_DIR}, .snapshot = {}};
    for (Segment& segment : moduleData) copyBytes(segment.start, segment.fresh.data(), segment.fresh.size());
    std::ostringstream report;
    gaugehost::runScenario(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.scn", options, report);
    return 0;
}
