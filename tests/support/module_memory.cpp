#include "module_memory.h"

#include <cstring>
#include <stdexcept>

#if defined(_WIN32)
#include <windows.h>
#else
#include <link.h>
#endif

namespace benchtest {

#if defined(_WIN32)

std::vector<std::uint8_t> moduleDataSnapshot(const gaugehost::Module& module) {
    HMODULE handle = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&module.linkage()), &handle)) {
        throw std::runtime_error("module image not found");
    }
    const auto* base = reinterpret_cast<const std::uint8_t*>(handle);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    std::vector<std::uint8_t> bytes;
    for (unsigned i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (!(section->Characteristics & IMAGE_SCN_MEM_WRITE)) continue;
        const auto* start = base + section->VirtualAddress;
        bytes.insert(bytes.end(), start, start + section->Misc.VirtualSize);
    }
    return bytes;
}

#else

namespace {
// The segments hold the sanitizer's guard zones between globals too; they are read as plain bytes.
#if defined(__SANITIZE_ADDRESS__)
__attribute__((no_sanitize("address")))
#endif
void appendBytes(std::vector<std::uint8_t>& bytes, const std::uint8_t* start, std::size_t size) {
    const std::size_t at = bytes.size();
    bytes.resize(at + size);
    std::uint8_t* out = bytes.data() + at;
    for (std::size_t i = 0; i < size; ++i) out[i] = start[i];
}

struct Search {
    const void* address;
    std::vector<std::uint8_t> bytes;
    bool found = false;
};

int collectWritableSegments(dl_phdr_info* info, size_t, void* data) {
    auto& search = *static_cast<Search*>(data);
    const auto address = reinterpret_cast<ElfW(Addr)>(search.address);
    bool holds = false;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const auto& segment = info->dlpi_phdr[i];
        const auto start = info->dlpi_addr + segment.p_vaddr;
        if (segment.p_type == PT_LOAD && address >= start && address < start + segment.p_memsz) holds = true;
    }
    if (!holds) return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const auto& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_LOAD || !(segment.p_flags & PF_W)) continue;
        const auto* start = reinterpret_cast<const std::uint8_t*>(info->dlpi_addr + segment.p_vaddr);
        appendBytes(search.bytes, start, segment.p_memsz);
    }
    search.found = true;
    return 1;
}
}  // namespace

std::vector<std::uint8_t> moduleDataSnapshot(const gaugehost::Module& module) {
    Search search{.address = &module.linkage(), .bytes = {}};
    dl_iterate_phdr(collectWritableSegments, &search);
    if (!search.found) throw std::runtime_error("module image not found");
    return search.bytes;
}

#endif

}  // namespace benchtest
