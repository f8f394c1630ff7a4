#include "module_library.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "hex_text.h"
#include "host_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <bit>
#include <cstring>
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

ModuleImage ModuleLibrary::image() const {
    const auto base = reinterpret_cast<std::uintptr_t>(handle_);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(handle_);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + static_cast<std::uintptr_t>(dos->e_lfanew));
    return {.begin = base, .end = base + nt->OptionalHeader.SizeOfImage};
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

namespace {

// The loader maps a module's segments straight from the file: a segment past the end of a truncated
// file faults on first touch (SIGBUS inside dlopen). So the ELF header, the program headers and
// every segment are checked against the file's size before the loader sees the file.
void checkElfFile(const std::filesystem::path& file) {
    const auto refuse = [&](const std::string& why) { return HostError("module file " + file.string() + " " + why); };
    std::ifstream in(file, std::ios::binary);
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (!in || error) throw refuse("cannot be read");
    ElfW(Ehdr) header{};
    if (size < sizeof header || !in.read(reinterpret_cast<char*>(&header), sizeof header)) {
        throw refuse("is too short for an ELF header (" + std::to_string(size) + " bytes)");
    }
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) throw refuse("is not an ELF shared library");
    constexpr unsigned char kOwnClass = sizeof(void*) == 8 ? ELFCLASS64 : ELFCLASS32;
    constexpr unsigned char kOwnByteOrder = std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB;
    if (header.e_ident[EI_CLASS] != kOwnClass || header.e_ident[EI_DATA] != kOwnByteOrder) {
        throw refuse("is built for another word size or byte order");
    }
    if (header.e_type != ET_DYN) throw refuse("is not a shared library (ELF type " + std::to_string(header.e_type) + ")");
    if (header.e_phentsize != sizeof(ElfW(Phdr)) || header.e_phnum == 0) throw refuse("has malformed program headers");
    const std::uint64_t headersEnd = std::uint64_t{header.e_phoff} + std::uint64_t{header.e_phnum} * sizeof(ElfW(Phdr));
    if (header.e_phoff > size || headersEnd > size) throw refuse("is truncated: its program headers lie past its end");
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    in.seekg(static_cast<std::streamoff>(header.e_phoff));
    if (!in.read(reinterpret_cast<char*>(segments.data()), static_cast<std::streamsize>(segments.size() * sizeof(ElfW(Phdr))))) {
        throw refuse("cannot be read");
    }
    for (const ElfW(Phdr)& segment : segments) {
        if (segment.p_filesz == 0) continue;
        if (segment.p_offset > size || segment.p_filesz > size - segment.p_offset) {
            throw refuse("is truncated: a segment of " + std::to_string(segment.p_filesz) + " bytes at offset " +
                         std::to_string(segment.p_offset) + " lies past its end (" + std::to_string(size) + " bytes)");
        }
    }
}

}  // namespace

ModuleLibrary::ModuleLibrary(const std::filesystem::path& file) : file_(file) {
    checkElfFile(file);
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) throw HostError("cannot load module " + file.string() + ": " + dlerror());
}

ModuleLibrary::~ModuleLibrary() { dlclose(handle_); }

void* ModuleLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

ModuleImage ModuleLibrary::image() const {
    struct Search {
        const link_map* module;
        ModuleImage image;
    } search{};
    if (dlinfo(handle_, RTLD_DI_LINKMAP, &search.module) != 0) throw HostError("cannot locate module " + file_.string());
    // The image spans the loadable segments of the object the loader placed at the module's address.
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto& found = *static_cast<Search*>(data);
            if (info->dlpi_addr != found.module->l_addr || std::strcmp(info->dlpi_name, found.module->l_name) != 0) return 0;
            found.image = {.begin = UINTPTR_MAX, .end = 0};
            for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr)& segment = info->dlpi_phdr[i];
                if (segment.p_type != PT_LOAD) continue;
                found.image.begin = std::min<std::uintptr_t>(found.image.begin, info->dlpi_addr + segment.p_vaddr);
                found.image.end = std::max<std::uintptr_t>(found.image.end, info->dlpi_addr + segment.p_vaddr + segment.p_memsz);
            }
            return 1;
        },
        &search);
    if (search.image.end <= search.image.begin) throw HostError("cannot locate module " + file_.string());
    return search.image;
}

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
