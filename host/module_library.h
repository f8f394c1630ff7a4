// A module file opened by the platform's loader: its exported symbols and its bitmap resources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "bitmap.h"
#include "module_checks.h"

namespace gaugehost {

class ModuleLibrary {
public:
    // Native builds open `<Module>.so` and read its pictures from the folder `<Module>.bitmaps`
    // beside it; the Windows build opens `<Module>.gau` and reads its BITMAP resources.
    static constexpr const char* kFileExtension =
#if defined(_WIN32)
        ".gau";
#else
        ".so";
#endif

    explicit ModuleLibrary(const std::filesystem::path& file);  // throws HostError
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    void* symbol(const char* name) const;
    // The addresses the loader mapped the module's image to.
    ModuleImage image() const;
    // The bitmap resource with this id; nullopt when the module has none. Throws when it is malformed.
    std::optional<Bitmap> picture(std::uint32_t id) const;
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    void* handle_ = nullptr;
};

}  // namespace gaugehost
