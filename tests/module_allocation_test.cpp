// No module allocates memory or opens files: this program replaces the allocator and the calls that
// open files, and while every gauge of every module runs (update cycles under hostile host values,
// clicks, holds and drags on every mouse area, service codes, the named variables the modules keep,
// a GPS record) it notes each call made from a module's own code, told by the caller's address
// lying in a module's mapped segments. The host's own allocations pass unnoted.
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "support/bench.h"
#include "support/every_gauge.h"

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

struct CodeRange {
    std::uintptr_t first, end;
};

// Filled before the modules run and read by the replaced calls: fixed arrays, which allocate nothing.
constexpr int kMaxRanges = 64;
CodeRange moduleRanges[kMaxRanges];
std::atomic<int> moduleRangeCount{0};
std::atomic<int> callsFromModules{0};
std::atomic<const char*> firstCallName{nullptr};
std::atomic<std::uintptr_t> firstCallAddress{0};

void noteCall(const char* name, const void* caller) {
    const auto address = reinterpret_cast<std::uintptr_t>(caller);
    const int count = moduleRangeCount.load();
    for (int i = 0; i < count; ++i) {
        if (address >= moduleRanges[i].first && address < moduleRanges[i].end) {
            if (callsFromModules.fetch_add(1) == 0) {
                firstCallName = name;
                firstCallAddress = address;
            }
            return;
        }
    }
}

template <class Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// Never inlined, so the caller's address is that of the code that called.
#define REPLACED __attribute__((noinline))

extern "C" {
REPLACED void* malloc(std::size_t size) {
    noteCall("malloc", __builtin_return_address(0));
    return __libc_malloc(size);
}
REPLACED void* calloc(std::size_t count, std::size_t size) {
    noteCall("calloc", __builtin_return_address(0));
    return __libc_calloc(count, size);
}
REPLACED void* realloc(void* pointer, std::size_t size) {
    noteCall("realloc", __builtin_return_address(0));
    return __libc_realloc(pointer, size);
}
REPLACED void free(void* pointer) {
    noteCall("free", __builtin_return_address(0));
    __libc_free(pointer);
}
REPLACED FILE* fopen(const char* path, const char* mode) {
    noteCall("fopen", __builtin_return_address(0));
    static const auto real = next<FILE* (*)(const char*, const char*)>("fopen");
    return real(path, mode);
}
REPLACED FILE* fopen64(const char* path, const char* mode) {
    noteCall("fopen64", __builtin_return_address(0));
    static const auto real = next<FILE* (*)(const char*, const char*)>("fopen64");
    return real(path, mode);
}
REPLACED int open(const char* path, int flags, ...) {
    noteCall("open", __builtin_return_address(0));
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    static const auto real = next<int (*)(const char*, int, ...)>("open");
    return real(path, flags, mode);
}
REPLACED int open64(const char* path, int flags, ...) {
    noteCall("open64", __builtin_return_address(0));
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(arguments, mode_t) : 0;
    va_end(arguments);
    static const auto real = next<int (*)(const char*, int, ...)>("open64");
    return real(path, flags, mode);
}
}

REPLACED void* operator new(std::size_t size) {
    noteCall("operator new", __builtin_return_address(0));
    if (void* pointer = __libc_malloc(size == 0 ? 1 : size)) return pointer;
    throw std::bad_alloc();
}
REPLACED void* operator new[](std::size_t size) {
    noteCall("operator new[]", __builtin_return_address(0));
    if (void* pointer = __libc_malloc(size == 0 ? 1 : size)) return pointer;
    throw std::bad_alloc();
}
void operator delete(void* pointer) noexcept { __libc_free(pointer); }
void operator delete[](void* pointer) noexcept { __libc_free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { __libc_free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { __libc_free(pointer); }

namespace {

// The loaded segments of every shared object in the module folder.
void findModuleRanges(const std::string& moduleFolder) {
    struct Search {
        std::string folder;
        int found = 0;
    } search{moduleFolder + "/"};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& search = *static_cast<Search*>(data);
            if (std::strncmp(info->dlpi_name, search.folder.c_str(), search.folder.size()) != 0) return 0;
            for (int i = 0; i < info->dlpi_phnum && search.found < kMaxRanges; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD) continue;
                const std::uintptr_t first = info->dlpi_addr + segment.p_vaddr;
                moduleRanges[search.found++] = {first, first + segment.p_memsz};
            }
            return 0;
        },
        &search);
    moduleRangeCount = search.found;
}

class ModuleAllocation : public ::testing::Test {
protected:
    void TearDown() override { moduleRangeCount = 0; }
    gaugehost::PanelHost host;
};

TEST_F(ModuleAllocation, NoModuleAllocatesOrOpensFiles) {
    const std::string folder = benchtest::requiredEnvironment("GAUGE_MODULE_PATH");
    const auto modules = benchtest::buildModules();
    ASSERT_FALSE(modules.empty()) << "set GAUGE_MODULES (the test runner does)";
    host.addModuleFolder(folder);
    for (const std::string& name : modules) host.loadModule(name);
    findModuleRanges(folder);
    ASSERT_GT(moduleRangeCount.load(), 0) << "no module of " << folder << " is mapped";
    for (const std::string& name : modules) {
        const auto linkage = reinterpret_cast<std::uintptr_t>(&host.findModule(name)->linkage());
        bool mapped = false;
        for (int i = 0; i < moduleRangeCount.load(); ++i) {
            mapped = mapped || (linkage >= moduleRanges[i].first && linkage < moduleRanges[i].end);
        }
        EXPECT_TRUE(mapped) << name << "'s segments are not among the watched ranges";
    }
    callsFromModules = 0;

    benchtest::createEveryGauge(host, modules);
    host.provideGpsRecord(gaugehost::PanelHost::kGpsRecordCapacity);
    std::memset(host.gpsRecord(), 0xA5, gaugehost::PanelHost::kGpsRecordCapacity);
    for (std::uint64_t bits : benchtest::hostileValueBits()) {
        benchtest::setEveryVariable(host, bits);
        host.runCycles(3);
        for (const auto& gauge : host.instances()) {
            benchtest::clickEveryArea(host, *gauge);
            for (gauge::ServiceCode code : {gauge::service_code::kPreInstall, gauge::service_code::kPreInitialize,
                                            gauge::service_code::kPreUpdate, gauge::service_code::kPreDraw, gauge::ServiceCode{99}}) {
                host.sendServiceCode(*gauge, code, 0);
            }
        }
    }
    if (callsFromModules.load() != 0) {
        Dl_info caller{};
        dladdr(reinterpret_cast<const void*>(firstCallAddress.load()), &caller);
        ADD_FAILURE() << callsFromModules.load() << " calls from module code, the first " << firstCallName.load() << " from "
                      << (caller.dli_fname != nullptr ? caller.dli_fname : "?") << " + 0x" << std::hex
                      << firstCallAddress.load() - reinterpret_cast<std::uintptr_t>(caller.dli_fbase);
    }
}

__attribute__((noinline)) void allocateAndFree() {
    void* volatile pointer = std::malloc(16);
    std::free(pointer);
}

// The check itself sees a call from a module's code: the function above stands for a module.
TEST_F(ModuleAllocation, ACallFromModuleCodeIsNoted) {
    const auto first = reinterpret_cast<std::uintptr_t>(&allocateAndFree);
    moduleRanges[0] = {first, first + 256};
    moduleRangeCount = 1;
    callsFromModules = 0;
    allocateAndFree();
    EXPECT_GE(callsFromModules.load(), 1);
    EXPECT_STREQ(firstCallName.load(), "malloc");
}

}  // namespace
