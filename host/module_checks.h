// The checks a module's exported data passes before any of its code runs: ImportTable, Linkage, each
// gauge header with its element tree and mouse list. They only read the data, so a bench or a fuzzer
// can run them on objects of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gauge.h"

namespace gaugehost {

// The bytes a module occupies once mapped. Every object the checks read must lie within them: a list
// without its end or a text without its NUL is refused where it leaves the image, never read past it.
struct ModuleImage {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;

    template <class T>
    bool holds(const T* object, std::size_t count = 1) const {
        const auto address = reinterpret_cast<std::uintptr_t>(object);
        return address % alignof(T) == 0 && address >= begin && address <= end &&
               count <= (end - address) / sizeof(T);
    }
};

// Throws HostError naming the module and what is wrong; returns the gauges in Linkage order.
std::vector<gauge::GaugeHeader*> checkModuleData(const gauge::ImportTable& imports, const gauge::ModuleLinkage& linkage,
                                                 const std::string& module, const ModuleImage& image);

}  // namespace gaugehost
