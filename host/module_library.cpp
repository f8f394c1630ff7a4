#include "module_library.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "hex_text.h"
#include "host_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace gaugehost {

#if defined(_WIN32)

ModuleLibrary::ModuleLibrary(const std::filesystem::path& file) : file_(file) {
    handle_ = LoadLibraryA(file.string().c_str());
    if (handle_ == nullptr) {
        throw HostError("cannot load module " + file.string() + " (error " + std::to_string(GetLastError()) + ")");
    }
}

ModuleLibrary::~ModuleLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* ModuleLibrary::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::optional<Bitmap> ModuleLibrary::picture(std::uint32_t id) const {
    const auto module = static_cast<HMODULE>(handle_);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (resource == nullptr) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) throw HostError("cannot read bitmap resource " + std::to_string(id));
    return decodeDib({static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)});
}

#else

ModuleLibrary::ModuleLibrary(const std::filesystem::path& file) : file_(file) {
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) throw HostError("cannot load module " + file.string() + ": " + dlerror());
}

ModuleLibrary::~ModuleLibrary() { dlclose(handle_); }

void* ModuleLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

std::optional<Bitmap> ModuleLibrary::picture(std::uint32_t id) const {
    const std::string fileName = hex(id) + ".bmp";
    auto folder = file_;
    folder.replace_extension(".bitmaps");
    std::ifstream in(folder / fileName, std::ios::binary);
    if (!in) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    return decodeBmpFile(bytes);
}

#endif

}  // namespace gaugehost
